// Pieces of the application shell shared between its files.
#pragma once

#include "config/MeterSession.h"
#include "shell/MenuCommands.h"

#include <QPointer>
#include <QWidget>

class QMainWindow;
class QMenuBar;
class QPixmap;
class QToolBar;
class QWidget;
struct Connection;
struct KnownDevices;

// The gateways, modules and meter addresses the main window works with: read at
// start-up, handed to the interface dialog, listed by the toolbar.
KnownDevices& ShellDevices();
// The meter session of the program's window: menu commands and the panels they open
// are handed it. Its connection is read at start-up and handed to the link, the
// interface dialog and the toolbar.
MeterSession& ShellSession();
Connection& ShellConnection();

// A menu bar from a command table, in the current language; commands without a
// function are dimmed. The actions carry their ToolImage as data; they run their
// command on session.
QMenuBar* BuildMenuBar(const MenuTable& table, QWidget* parent, MeterSession& session);
// Toolbars tied to the entries of bar; they are added to window and returned.
QToolBar* BuildMainToolbar(MeterSession& session, QMainWindow* window, QMenuBar* bar);
QToolBar* BuildLoggerToolbar(QMainWindow* window, QMenuBar* bar);
// Checks the entry of the language and unchecks the other three.
void CheckLanguageEntry(QMenuBar* bar, int language);

// The picture of the splash and about panels.
QPixmap SplashPicture();
// Creates the splash panel (a click on it calls CloseAboutDialog).
QWidget* CreateSplashPanel(QWidget* parent);

// Closes every Modbus/TCP connection (a change of gateway or module, the end).
void CloseAllTCPConnections();

// The window's account of the meter and the edits (WindowStatus.cpp): the status bar, made
// once with the window; the first steps over the panels while no meter has answered; and
// their redraw with the title and its unsaved-edits mark, after every command, edit and
// exchange with the meter.
void CreateStatusBar(QMainWindow* window);
QWidget* CreateFirstRunBanner(QWidget* parent);
void ShowWindowStatus();
// Before New, Open, Receive, Exit or closing the window: true when there are no unsaved
// edits or the user had them saved or discarded; false when the command is to stop.
bool MayDropEdits(MeterSession& session);

// The main panel's date and time fields appear on printouts only.
void ShowPrintFields(bool visible);

// The commissioning record (Record.cpp): File's entry, and Print's choice.
struct CommissioningRecord;
struct RecordDetails;
// Site, technician and note of the last record, offered again for the next.
RecordDetails& ShellRecordDetails();
enum { kRecordCancelled, kRecordPanelChosen, kRecordChosen };
// Asks for the record's site, technician and note into details; with offerPanel also
// whether the panel shown is printed instead. One of the three answers above.
int AskRecordDetails(QWidget* parent, RecordDetails& details, bool offerPanel);
// Reads the record under a wait cursor; false when a read failed (the link said why).
bool ReadShellRecord(MeterSession& session, CommissioningRecord& record);
int CmCommissioningRecord(MeterSession& session);
