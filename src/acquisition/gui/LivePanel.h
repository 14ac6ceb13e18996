// What the min/max, meters, mean-value and harmonics panels share: a header with the
// title, the print-only date and time and the busy lamp; a row of buttons hidden on the
// printout; a refresh timer that outlives the panel; and the close that waits for a
// reply still on its way.
#pragma once

#include "values/DisplayScale.h"

#include <QPointer>
#include <functional>

struct MeterSession;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTimer;
class QVBoxLayout;
class QWidget;

struct LivePanel {
    QPointer<QWidget> panel;
    QLabel* title = nullptr;
    QLabel* busy = nullptr;
    QLabel* date = nullptr;
    QLabel* time = nullptr;
    QWidget* buttons = nullptr; // screen only
    QHBoxLayout* buttonRow = nullptr;
    QVBoxLayout* body = nullptr; // the panel's own content goes here
    QPointer<QTimer> timer;
    bool closeAfterRead = false;
    // A read of several transactions is under way: between them the link is idle, yet a
    // close must wait for the last one all the same.
    bool reading = false;
    DisplayScale scale; // of the configuration read when the panel opened
};

// Builds the frame; the panel's own widgets go into p.body, its commands into p.buttonRow
// (Print and Close are appended by FinishLivePanel).
QWidget* BuildLivePanel(LivePanel& p, QWidget* parent, const char* objectName);
QPushButton* AddPanelButton(LivePanel& p, const QString& text, const char* objectName,
                            const std::function<void()>& run);
void FinishLivePanel(LivePanel& p, const std::function<void()>& print, const std::function<void()>& close);
// Title, with "(Address N)" on an RS-485 bus, and behind a gateway when gatewayToo.
void SetLiveTitle(LivePanel& p, const QString& title, bool gatewayToo);
void SetLiveBusy(LivePanel& p, bool lit);
// The panel's timer (created once, not a child of the panel), calling tick on timeout.
QTimer* LiveTimer(MeterSession& session, LivePanel& p, const char* objectName, int (*tick)(MeterSession&));
// Asks the question with the panel's refresh paused, so that nothing is read while the user
// decides. True when confirmed and the panel is still open; after Cancel the refresh goes on.
bool AskWithRefreshPaused(QTimer* timer, const QPointer<QWidget>& panel, const std::function<int()>& ask);
// Starts polling: serial queues flushed, first tick at once.
void StartLivePolling(LivePanel& p);
// After a read returned: closes the link if the panel was closed meanwhile; true when
// the panel is still there to be drawn.
bool LiveReadReturned(LivePanel& p);
void PrintLivePanel(LivePanel& p);
// Stops the timer, closes the link (now, or once the awaited reply is in), discards
// the panel and shows the main panel.
void CloseLivePanel(LivePanel& p);
