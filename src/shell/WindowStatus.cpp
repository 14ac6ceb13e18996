// What the main window says at all times about the meter and the work on it: the status
// bar (where the meter is reached, what it is, whether it answers, unsent edits), the
// outcome of the last transfer in the status bar and the title, the mark of unsaved
// edits, and the first steps while no meter has ever answered.
#include "shell/Shell.h"
#include "shell/ZARO.h"

#include "config/ConfigFile.h"
#include "config/ConfigTransfer.h"
#include "config/EditorRefresh.h"
#include "config/gui/MainPanel.h"
#include "link/DeviceLink.h"
#include "netmodules/KnownDevices.h"
#include "platform/Messages.h"
#include "platform/TimeBase.h"
#include "settings/INI_File.h"
#include "shell/Demo.h"

#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTime>

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("Status", text);
}

// Clock time in the language's own form, without the time zone its long form adds.
QString ClockTime(uint32_t calendarSeconds) {
    const LocalTime t = LocalFromCalendarSeconds(calendarSeconds);
    const QLocale locale;
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t')).replace(QLatin1String("  "), QLatin1String(" "));
    return locale.toString(QTime(int(t.hour), int(t.minute), int(t.second)), format.trimmed());
}

QString KindName(int kind) {
    switch (kind) {
    case kRS485:
        return Tr(QT_TRANSLATE_NOOP("Status", "RS-485"));
    case kGateway:
        return Tr(QT_TRANSLATE_NOOP("Status", "Gateway"));
    case kModule:
        return Tr(QT_TRANSLATE_NOOP("Status", "LANMOD57 module"));
    default:
        return Tr(QT_TRANSLATE_NOOP("Status", "RS-232"));
    }
}

// The port, or the host of the gateway or module in use.
QString Where(const Connection& c) {
    const KnownDevices& devices = ShellDevices();
    if (c.kind == kGateway)
        return c.gatewayIndex >= 0 && size_t(c.gatewayIndex) < devices.gateways.size()
                   ? QString::fromLatin1(devices.gateways[size_t(c.gatewayIndex)].record.IP)
                   : QString();
    if (c.kind == kModule)
        return c.moduleIndex >= 0 && size_t(c.moduleIndex) < devices.modules.size()
                   ? QString::fromLatin1(devices.modules[size_t(c.moduleIndex)].IP)
                   : QString();
    return QString::fromStdString(CommDevicePath());
}

QString ConnectionText(const Connection& c) {
    QString text = (KindName(c.kind) + " " + Where(c)).trimmed();
    if (IsAddressedKind(c.kind))
        text = Tr(QT_TRANSLATE_NOOP("Status", "%1, address %2")).arg(text).arg(MeterAddressInUse(c));
    return text;
}

// Model and firmware, online or not: only what was learnt where the link talks now.
QString MeterText(const Connection& c) {
    const MeterContact& m = c.contact;
    if (m.place != MeterPlace(c) || m.model.empty()) return {};
    return Tr(QT_TRANSLATE_NOOP("Status", "%1, firmware %2"))
        .arg(QString::fromStdString(m.model), VersionText(m.firmware));
}

QString OnlineText(const Connection& c) {
    const MeterContact& m = c.contact;
    const bool here = m.place == MeterPlace(c);
    if (here && m.online)
        return Tr(QT_TRANSLATE_NOOP("Status", "Online, last answer %1")).arg(ClockTime(m.lastAnswerAt));
    if (here && m.lastAnswerAt)
        return Tr(QT_TRANSLATE_NOOP("Status", "Offline, last answer %1")).arg(ClockTime(m.lastAnswerAt));
    return Tr(QT_TRANSLATE_NOOP("Status", "Offline, no answer yet"));
}

QString Reason(const TransferReport& r) {
    if (r.errorKind < 0) return Tr(QT_TRANSLATE_NOOP("Status", "the meter could not be reached."));
    return MessageText(MessageType::Error, r.errorKind, r.errorNumber,
                       r.errorArgument.empty() ? nullptr : r.errorArgument.c_str());
}

// brief: for the title, the reason cut to its first sentence.
QString TransferText(const TransferReport& r, bool brief) {
    const QString at = ClockTime(r.at);
    QString reason = r.outcome == TransferOutcome::ReceiveFailed || r.outcome == TransferOutcome::SendFailed
                         ? Reason(r)
                         : QString();
    if (brief && reason.indexOf(QLatin1String(". ")) > 0)
        reason = reason.left(reason.indexOf(QLatin1String(". ")) + 1);
    switch (r.outcome) {
    case TransferOutcome::Received:
        return r.address >= 0
                   ? Tr(QT_TRANSLATE_NOOP("Status", "Configuration received from meter %1 at %2"))
                         .arg(r.address)
                         .arg(at)
                   : Tr(QT_TRANSLATE_NOOP("Status", "Configuration received from the meter at %1")).arg(at);
    case TransferOutcome::ReceiveFailed:
        return Tr(QT_TRANSLATE_NOOP("Status", "Receive failed: %1")).arg(reason);
    case TransferOutcome::Sent:
        return r.address >= 0
                   ? Tr(QT_TRANSLATE_NOOP("Status", "Configuration sent to meter %1 at %2"))
                         .arg(r.address)
                         .arg(at)
                   : Tr(QT_TRANSLATE_NOOP("Status", "Configuration sent to the meter at %1")).arg(at);
    case TransferOutcome::SendUnchanged:
        return Tr(QT_TRANSLATE_NOOP("Status",
                                    "Nothing sent at %1: the meter already holds this configuration"))
            .arg(at);
    case TransferOutcome::SendFailed:
        return Tr(QT_TRANSLATE_NOOP("Status", "Send failed: %1")).arg(reason);
    case TransferOutcome::SendCancelled:
        return Tr(QT_TRANSLATE_NOOP("Status", "Send cancelled: the meter was not changed"));
    case TransferOutcome::None:
        break;
    }
    return {};
}

QLabel* StatusLabel(QStatusBar* bar, const char* name, bool permanent) {
    auto* label = new QLabel(bar);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse); // a port or a reason to copy
    if (permanent) {
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        bar->addPermanentWidget(label);
    } else {
        bar->addWidget(label, 1);
    }
    return label;
}

QLabel* Find(const char* name) {
    QMainWindow* window = MainWindow();
    return window ? window->statusBar()->findChild<QLabel*>(name) : nullptr;
}

void SetText(const char* name, const QString& text) {
    if (QLabel* label = Find(name)) {
        label->setText(text);
        label->setVisible(!text.isEmpty());
    }
}

// The menu entry a first-step button stands for, so both do the same.
void TriggerMenuEntry(const char* text) {
    if (!MainWindow()) return;
    const QString wanted = QCoreApplication::translate("Menu", text);
    for (QAction* a : MainWindow()->menuBar()->findChildren<QAction*>())
        if (a->text() == wanted) return a->trigger();
}

constexpr const char* kInterfaceEntry = QT_TRANSLATE_NOOP("Menu", "&Interface...");
constexpr const char* kDemoEntry = QT_TRANSLATE_NOOP("Menu", "Try with a &simulated meter");

} // namespace

QWidget* CreateFirstRunBanner(QWidget* parent) {
    auto* banner = new QFrame(parent);
    banner->setObjectName("firstRunBanner");
    banner->setFrameShape(QFrame::StyledPanel);
    banner->setAutoFillBackground(true);
    banner->setBackgroundRole(QPalette::ToolTipBase);
    auto* row = new QHBoxLayout(banner);
    auto* text = new QLabel(banner);
    text->setObjectName("firstRunText");
    text->setWordWrap(true);
    row->addWidget(text, 1);
    auto* interface = new QPushButton(banner);
    interface->setObjectName("firstRunInterface");
    QObject::connect(interface, &QPushButton::clicked, [] { TriggerMenuEntry(kInterfaceEntry); });
    row->addWidget(interface);
    auto* demo = new QPushButton(banner);
    demo->setObjectName("firstRunDemo");
    QObject::connect(demo, &QPushButton::clicked, [] { TriggerMenuEntry(kDemoEntry); });
    row->addWidget(demo);
    banner->hide();
    return banner;
}

void CreateStatusBar(QMainWindow* window) {
    QStatusBar* bar = window->statusBar();
    StatusLabel(bar, "transferStatus", false);
    QFont bold = StatusLabel(bar, "editStatus", true)->font();
    bold.setBold(true);
    bar->findChild<QLabel*>("editStatus")->setFont(bold);
    StatusLabel(bar, "connectionStatus", true);
    StatusLabel(bar, "meterStatus", true);
    StatusLabel(bar, "onlineStatus", true);
    bar->show();
}

void ShowWindowStatus() {
    QMainWindow* window = MainWindow();
    if (!window) return;
    MeterSession& session = ShellSession();
    Connection& c = session.connection;
    // The first answer ends the first steps, now and at the next start.
    if (c.contact.online && !c.meterAnswered) {
        c.meterAnswered = 1;
        NewINIFile(session);
    }
    SetText("transferStatus", TransferText(session.transfer, false));
    SetText("editStatus", HasUnsentEdits(session)
                              ? Tr(QT_TRANSLATE_NOOP("Status", "Configuration changed, not sent"))
                              : QString());
    SetText("connectionStatus", ConnectionText(c));
    SetText("meterStatus", MeterText(c));
    SetText("onlineStatus", OnlineText(c));

    const QString outcome = TransferText(session.transfer, true);
    window->setWindowTitle(MainWindowTitle() + QStringLiteral("[*]") +
                           (outcome.isEmpty() ? QString() : QStringLiteral(" \u2014 ") + outcome));
    window->setWindowModified(HasUnsavedEdits(session));

    if (auto* banner = window->findChild<QFrame*>("firstRunBanner")) {
        banner->findChild<QLabel*>("firstRunText")
            ->setText(Tr(QT_TRANSLATE_NOOP("Status",
                                           "No meter has answered yet. Choose the interface the meter "
                                           "is connected to, or try the program with a simulated meter.")));
        banner->findChild<QPushButton*>("firstRunInterface")
            ->setText(QCoreApplication::translate("Menu", kInterfaceEntry));
        banner->findChild<QPushButton*>("firstRunDemo")
            ->setText(QCoreApplication::translate("Menu", kDemoEntry));
        banner->setVisible(!c.meterAnswered && ActivePanelKind() == PanelKind::Main);
    }
}

bool MayDropEdits(MeterSession& session) {
    CommitMainPanelEdits();
    if (!HasUnsavedEdits(session)) return true;
    switch (AskUnsavedChanges()) {
    case 1:
        return CmSaveToFile(session) == 1; // a cancelled or failed save keeps the edits
    case 2:
        return true;
    default:
        return false;
    }
}
