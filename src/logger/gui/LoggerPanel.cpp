#include "logger/gui/LoggerPanel.h"

#include "logger/gui/Logger57Panel.h"
#include "platform/Translate.h"
#include "platform/gui/EscapeKey.h"
#include "profiles/gui/ExcelExport.h"
#include "profiles/gui/ProfilePanel.h"

#include "config/ConfigImage.h"
#include "config/ConfigTransfer.h"
#include "link/Connection.h"
#include "link/DeviceLink.h"
#include "link/Transport.h"
#include "logger/Logger.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "platform/ScratchFile.h"
#include "platform/TimeBase.h"
#include "settings/INI_File.h"
#include "shell/MenuCommands.h"
#include "shell/ZARO.h"
#include "values/NumberText.h"
#include "values/Reading.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The records outlive the panel: the file opened last is there again when the panel
// opens without a meter.
MeterLog meterLog;
bool online = false;        // the panel works against the meter; else files only
std::string lastLoggerFile; // the logger file last stored or opened

const char* const kContext = "LoggerPanel";
const Translator Tr{kContext};

constexpr int kStatusMs = 10000;

// The record list reads the rows in place: 16 000 of them cost nothing until shown.
class RecordModel : public QAbstractListModel {
  public:
    RecordModel(const LoggerRecords& records, QObject* parent)
        : QAbstractListModel(parent), records(records) {}
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : int(records.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || size_t(index.row()) >= records.size()) return {};
        const size_t r = size_t(index.row());
        if (role == Qt::CheckStateRole) return records.gaps[r] ? Qt::Unchecked : Qt::Checked;
        if (role != Qt::DisplayRole) return {};
        const RecordTime t = GetLoggerTimeDate(records, index.row());
        QString row = t.ixdate + ' ' + t.ixtime;
        for (int c = 0; c < records.channels; ++c)
            row += LoggerListColumn(PointNumberInLocale(RecordValueText(records, r, c), QLocale()));
        return row;
    }
    void refresh() {
        beginResetModel();
        endResetModel();
    }

  private:
    const LoggerRecords& records;
};

struct Ui {
    QLabel *addr, *mode, *interval, *asked, *device, *records, *span, *busy;
    QLabel *head1, *head2, *date, *time, *uncertain, *assumed;
    QListWidget* channels;
    QListView* list;
    RecordModel* model;
} ui;

ScratchFile scratch; // the records of the last read from the meter, as a *.ZRD
int shownRecords = 0;

QTimer* StatusTimer(MeterSession& session) {
    static QTimer* timer = [&session] {
        auto* t = new QTimer(qApp);
        t->setInterval(kStatusMs);
        QObject::connect(t, &QTimer::timeout, t, [&session] { ShowLoggerStatus(session, 1); });
        return t;
    }();
    return timer;
}

// The status timer runs only while the panel shows the meter's logger.
void RestartStatusTimer(MeterSession& session) {
    if (Panels().deviceLogger && online && meterLog.deviceActive) StatusTimer(session)->start();
}

QLabel* Value(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QWidget* CreateLoggerPanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName("LoggerPanel");
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* top = new QVBoxLayout(panel);

    auto* info = new QGridLayout;
    ui.addr = Value(panel, "address");
    ui.mode = Value(panel, "mode");
    ui.interval = Value(panel, "interval");
    ui.asked = new QLabel(Tr(QT_TRANSLATE_NOOP("LoggerPanel", "(entered by hand)")), panel);
    ui.asked->setObjectName("intervalAsked");
    ui.device = Value(panel, "device");
    ui.records = Value(panel, "records");
    ui.span = Value(panel, "span");
    ui.busy = new QLabel(QStringLiteral("\u25CF"), panel);
    ui.busy->setObjectName("busy");
    ui.busy->setToolTip(Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Lit while the logger status is read")));
    ui.busy->setEnabled(false);
    const char* captions[] = {QT_TRANSLATE_NOOP("LoggerPanel", "Address:"),
                              QT_TRANSLATE_NOOP("LoggerPanel", "Mode:"),
                              QT_TRANSLATE_NOOP("LoggerPanel", "Interval (mm:ss):"),
                              QT_TRANSLATE_NOOP("LoggerPanel", "Device:"),
                              QT_TRANSLATE_NOOP("LoggerPanel", "Records:"),
                              QT_TRANSLATE_NOOP("LoggerPanel", "Time span (dd:hh:mm):")};
    QLabel* values[] = {ui.addr, ui.mode, ui.interval, ui.device, ui.records, ui.span};
    for (int i = 0; i < 6; ++i) {
        info->addWidget(new QLabel(Tr(captions[i]), panel), i % 3, 3 * (i / 3));
        info->addWidget(values[i], i % 3, 3 * (i / 3) + 1);
    }
    info->addWidget(ui.asked, 2, 2);
    info->addWidget(ui.busy, 0, 6, Qt::AlignRight | Qt::AlignTop);
    info->setColumnStretch(5, 1);
    top->addLayout(info);

    auto* middle = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Channels")), panel));
    ui.channels = new QListWidget(panel);
    ui.channels->setObjectName("channels");
    ui.channels->setAccessibleName(Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Channels"))); // for a screen reader
    ui.channels->setMaximumWidth(180);
    left->addWidget(ui.channels, 1);
    middle->addLayout(left);

    auto* right = new QVBoxLayout;
    ui.head1 = Value(panel, "head1");
    ui.head2 = Value(panel, "head2");
    for (QLabel* h : {ui.head1, ui.head2}) {
        h->setFont(fixed);
        h->setIndent(14); // over the values, past the check marks
        right->addWidget(h);
    }
    ui.list = new QListView(panel);
    ui.list->setObjectName("records");
    ui.list->setAccessibleName(Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Records")));
    ui.list->setFont(fixed);
    ui.list->setUniformItemSizes(true);
    ui.list->setSelectionMode(QAbstractItemView::SingleSelection);
    ui.model = new RecordModel(meterLog.records, ui.list);
    ui.list->setModel(ui.model);
    QObject::connect(ui.list->selectionModel(), &QItemSelectionModel::currentRowChanged, ui.list,
                     [](const QModelIndex& now) {
                         if (now.isValid()) ShowLoggerTimeDate(now.row());
                     });
    right->addWidget(ui.list, 1);

    auto* when = new QHBoxLayout;
    when->addWidget(new QLabel(Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Selected record:")), panel));
    ui.date = Value(panel, "date");
    ui.time = Value(panel, "time");
    when->addWidget(ui.date);
    when->addWidget(ui.time);
    ui.uncertain = new QLabel(
        Tr(QT_TRANSLATE_NOOP("LoggerPanel",
                             "Uncertain: the logger was interrupted at this record or a newer one.")),
        panel);
    ui.uncertain->setObjectName("uncertain");
    ui.uncertain->setStyleSheet("color: #c00000;");
    when->addWidget(ui.uncertain);
    when->addStretch();
    right->addLayout(when);
    ui.assumed = new QLabel(
        Tr(QT_TRANSLATE_NOOP("LoggerPanel",
                             "The file holds fewer than two records: an interval of 15 minutes is assumed.")),
        panel);
    ui.assumed->setObjectName("intervalAssumed");
    right->addWidget(ui.assumed);
    middle->addLayout(right, 1);
    top->addLayout(middle, 1);
    return panel;
}

// The interval when the meter has none of its own; asked again until it is 10 s or more.
void AskInterval(LogSource& src) {
    QDialog dlg(ActivePanel());
    dlg.setObjectName("LoggerInterval");
    AddHelpKey(&dlg, QStringLiteral("logger.html"));
    dlg.setWindowTitle(Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Logger interval")));
    auto* form = new QFormLayout(&dlg);
    form->addRow(new QLabel(Tr(QT_TRANSLATE_NOOP(
        "LoggerPanel",
        "The meter's interval is synchronised from outside. Enter the interval of its records:"))));
    auto* minutes = new QSpinBox(&dlg);
    minutes->setObjectName("minutes");
    minutes->setRange(0, 63);
    minutes->setValue(15);
    auto* seconds = new QSpinBox(&dlg);
    seconds->setObjectName("seconds");
    seconds->setRange(0, 59);
    form->addRow(Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Minutes:")), minutes);
    form->addRow(Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Seconds:")), seconds);
    auto* hint = new QLabel(Tr(QT_TRANSLATE_NOOP("LoggerPanel", "At least 10 seconds.")), &dlg);
    hint->setObjectName("hint");
    form->addRow(hint);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dlg);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, [&] {
        if (SetLoggerInterval(src, minutes->value(), seconds->value()))
            dlg.accept();
        else
            hint->setStyleSheet("color: #c00000;");
    });
    while (dlg.exec() != QDialog::Accepted) {
    }
}

// The newest record's time when the full memory stopped recording: the user knows it.
bool AskLastLogTime(uint32_t suggested, uint32_t& chosen) {
    QDialog dlg(ActivePanel());
    dlg.setObjectName("LoggerNewest");
    AddHelpKey(&dlg, QStringLiteral("logger.html"));
    dlg.setWindowTitle(Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Time of the newest record")));
    auto* box = new QVBoxLayout(&dlg);
    box->addWidget(new QLabel(Tr(QT_TRANSLATE_NOOP(
        "LoggerPanel",
        "The logger memory is full and stopped recording. When was its newest record taken?"))));
    const LocalTime s = LocalFromCalendarSeconds(suggested);
    auto* edit = new QDateTimeEdit(QDateTime(QDate(int(s.year), int(s.month), int(s.day)),
                                             QTime(int(s.hour), int(s.minute), int(s.second))),
                                   &dlg);
    edit->setObjectName("newest");
    edit->setDisplayFormat("dd.MM.yy HH:mm:ss");
    box->addWidget(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    box->addWidget(buttons);
    if (dlg.exec() != QDialog::Accepted) return false;
    const QDateTime t = edit->dateTime();
    chosen = CalendarSecondsFromLocal({unsigned(t.date().year()), unsigned(t.date().month()),
                                       unsigned(t.date().day()), unsigned(t.time().hour()),
                                       unsigned(t.time().minute()), unsigned(t.time().second())});
    return true;
}

void ShowExtremeTime(QTableWidget* table, int row, int col, int index, bool& uncertain) {
    const RecordTime t = GetLoggerTimeDate(meterLog.records, index);
    auto* item = new QTableWidgetItem(t.ixdate + "  " + t.ixtime);
    if (meterLog.source().FirstGapIx <= index) {
        item->setForeground(QColor(Qt::red));
        item->setBackground(QColor(Qt::white));
        uncertain = true;
    }
    table->setItem(row, col, item);
}

void EnterDeviceLogger(MeterSession& session) {
    if (!online) session.read.Model = session.edited.Model; // without a meter the edited model counts
    Panels().deviceLogger = CreateLoggerPanel(MainWindow());
    // Escape goes back to the configuration, as the menu's first entry does.
    CloseOnEscape(Panels().deviceLogger, [&session] { CmCloseLogDisplay(session); });
    ShowPanel(PanelKind::DeviceLogger, Panels().deviceLogger);
    InitLogger(session);
}

bool LogsNothing(MeterSession& session) {
    return (session.read.Logger & kLoggerChannels) == 0 &&
           (session.read.Mean_Log == 0 || session.read.Model == 0);
}

} // namespace

MeterLog& LoggerPanelLog() {
    return meterLog;
}

QTimer* LoggerStatusTimer(MeterSession& session) {
    return StatusTimer(session);
}

int CmLoggerOffline(MeterSession& session) {
    if (session.connection.kind == kModule)
        return EnterModuleLogger(session, 0); // the module keeps a logger of its own
    online = false;
    EnterDeviceLogger(session);
    return 0;
}

int CmLoggerAcquisition(MeterSession& session) {
    if (session.connection.kind == kModule) return EnterModuleLogger(session, 1);
    // A meter that cannot be reached leaves the files: the user decides.
    if (!InitInterface() || !ReadConfiguration(session, 0)) {
        if (!Warning(3, 3)) {
            CloseInterface();
            return 0;
        }
        online = false;
        EnterDeviceLogger(session);
        return 0;
    }
    online = true;
    if (session.connection.kind != kModule) {
        if (!Read(session.read, kReadLoggerStatus, 1)) {
            CloseInterface();
            return 0;
        }
        if (LogsNothing(session)) {
            online = false;
            if (!Warning(3, 3)) {
                CloseInterface();
                return 0;
            }
        }
    }
    EnterDeviceLogger(session);
    return 0;
}

void InitLogger(MeterSession& session) {
    StatusTimer(session)->stop();
    ActivateLogMenu(0, online, 0, 0, 0, online);
    meterLog.device.AddrText = "--";
    shownRecords = 0;
    if (!online) {
        if (meterLog.deviceActive) { // the rows are the meter's: nothing of a file is open
            meterLog.file = LogSource{};
            meterLog.records.clear();
        }
        meterLog.deviceActive = false;
        ShowLoggerStatus(session, 0);
        ShowLoggerInfo();
        return;
    }
    meterLog.deviceActive = true;
    meterLog.records.clear();
    if (!DescribeMeterLogger(session, meterLog.device)) AskInterval(meterLog.device);
    ShowLoggerStatus(session, 1);
    ShowLoggerInfo();
    StatusTimer(session)->start();
}

void ActivateLogMenu(int store, int read, int view1, int view2, int view3, int reset) {
    QMainWindow* window = MainWindow();
    if (!window || !window->menuBar()) return;
    const QString resetText = QApplication::translate("Menu", "Rese&t logger...");
    for (QAction* a : window->menuBar()->findChildren<QAction*>()) {
        // Entries built dimmed have no command yet and stay so.
        if (!a->property("live").isValid()) a->setProperty("live", a->isEnabled());
        int on = -1;
        switch (ToolImage(a->data().toInt())) {
        case ToolImage::Save:
            on = store;
            break;
        case ToolImage::Upload:
            on = read;
            break;
        case ToolImage::Graphic:
            on = view1;
            break;
        case ToolImage::Find:
            on = view2;
            break;
        case ToolImage::Excel:
            on = view3;
            break;
        default:
            if (a->text() == resetText) on = reset;
        }
        if (on >= 0) a->setEnabled(on != 0 && a->property("live").toBool());
    }
}

void ShowLoggerStatus(MeterSession& session, int refresh) {
    if (!Panels().deviceLogger) return;
    const int n = meterLog.source().NumChan;
    if (refresh == 1 && !LinkBusy()) {
        ui.busy->setEnabled(true);
        if (Read(session.read, kReadLoggerStatus, 0) && n > 0)
            shownRecords = std::min<int>(LoggerStatusFromLog().values, LoggerCapacity(n)) / n;
    }
    if (!meterLog.deviceActive) shownRecords = meterLog.file.NumRec;
    ui.records->setText(QString::number(shownRecords));
    ui.span->setText(LoggerSpanText(meterLog.source().IntervalSeconds, shownRecords));
    if (refresh == 1) {
        Delay(0.1);
        if (Panels().deviceLogger) ui.busy->setEnabled(false); // the pause may have closed the panel
    }
}

void ShowLoggerInfo() {
    if (!Panels().deviceLogger) return;
    const LogSource& s = meterLog.source();
    ui.addr->setText(s.AddrText);
    ui.mode->setText(s.ModeText);
    ui.interval->setText(s.IntervalText);
    ui.asked->setVisible(s.IntervalAsked != 0);
    QString device = s.DevText;
    ui.device->setText(device.replace('\n', ' '));
    ui.channels->clear();
    for (int i = 0; i < s.NumChan; ++i)
        ui.channels->addItem(s.ChanName[size_t(i)]);
    // Over the record's date and time, as wide as "dd.mm.yy hh:mm:ss".
    ui.head1->setText(Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Date")).leftJustified(9) +
                      Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Time")).leftJustified(8) + s.ListHead1);
    ui.head2->setText(QString(17, ' ') + s.ListHead2);
    ui.assumed->setVisible(!meterLog.deviceActive && s.IntervalAssumed && s.NumChan > 0);
    ui.model->refresh();
    ui.uncertain->hide();
    ui.date->clear();
    ui.time->clear();
    if (!meterLog.records.empty()) ui.list->setCurrentIndex(ui.model->index(0));
}

void ShowLoggerTimeDate(int index) {
    if (!Panels().deviceLogger || index < 0 || size_t(index) >= meterLog.records.size()) return;
    const RecordTime t = GetLoggerTimeDate(meterLog.records, index);
    ui.date->setText(t.ixdate);
    ui.time->setText(t.ixtime);
    // Every row up to this one is checked unless a gap came at or before it.
    ui.uncertain->setVisible(meterLog.source().FirstGapIx <= index);
}

int CmReadLoggerData(MeterSession& session) {
    if (Panels().moduleLogger) return CmReadLoggerData57Panel(session); // the menu is shared
    if (!Panels().deviceLogger || !online) return 0;
    // An empty meter leaves an opened file on show.
    if (!meterLog.deviceActive && Read(session.read, kReadLoggerStatus, 1) &&
        LoggerStatusFromLog().values < meterLog.device.NumChan)
        return 0;
    meterLog.deviceActive = true;
    ShowLoggerStatus(session, 1);
    if (shownRecords == 0) return 0;
    StatusTimer(session)->stop();
    ui.asked->setVisible(meterLog.device.IntervalAsked != 0);
    LoggerReadHooks hooks;
    hooks.askNewest = AskLastLogTime;
    hooks.blockDone = [] {
        if (Panels().deviceLogger) ui.model->refresh();
    };
    const LoggerRead result = ReadLoggerRecords(session, meterLog.device, meterLog.records, &scratch, hooks);
    if (!Panels().deviceLogger) return 0;
    RestartStatusTimer(session);
    if (result == LoggerRead::Done) ActivateLogMenu(1, 1, 1, 1, 1, 1);
    ShowLoggerInfo();
    return 0;
}

int CmStoreLoggerFile(MeterSession& session) {
    if (Panels().moduleLogger) return CmStoreLoggerFile57(); // the menu is shared
    if (!scratch.exists()) return 0;
    StatusTimer(session)->stop();
    std::string path = FileSelectPopup(true, Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Store logger file")),
                                       "*.zrd", lastLoggerFile);
    if (!path.empty()) {
        if (!QString::fromStdString(path).endsWith(".zrd", Qt::CaseInsensitive)) path += ".ZRD";
        lastLoggerFile = path;
        // The file the records were written to during the read, line for line.
        FileFault fault = FileFault::None;
        if (!WriteFileAtomically(path, scratch.content(), &fault)) ShowWriteFault(fault);
    }
    RestartStatusTimer(session);
    return 0;
}

int CmOpenLoggerFile(MeterSession& session) {
    if (Panels().moduleLogger) return CmOpenLoggerFile57(session); // the menu is shared
    const std::string path = FileSelectPopup(false, Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Open logger file")),
                                             "*.ZRD", lastLoggerFile);
    if (path.empty() || !Panels().deviceLogger) return 0;
    StatusTimer(session)->stop();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = ReadZrdFile(QString::fromStdString(path), meterLog.file, meterLog.records);
    QApplication::restoreOverrideCursor();
    if (!ok) {
        RestartStatusTimer(session);
        return 0;
    }
    lastLoggerFile = path;
    meterLog.deviceActive = false;
    ActivateLogMenu(0, online, 1, 1, 1, online);
    ShowLoggerStatus(session, 0);
    ShowLoggerInfo();
    ui.mode->setText("--");
    return 0; // the status timer runs again after the next read from the meter
}

int CmLoggerReset(MeterSession& session) {
    if (Panels().moduleLogger) return 0; // the module's logger is not erased from here
    if (!Panels().deviceLogger || !Warning(1, 1)) return 0;
    StatusTimer(session)->stop();
    if (Write(session.read, kWriteLoggerClear, 1, 0)) {
        Wire().pauseMs(1000); // the meter erases its memory before it reports the empty status
        meterLog.deviceActive = true;
        meterLog.records.clear();
        scratch.remove();
        ShowLoggerStatus(session, 1);
        ShowLoggerInfo();
        ActivateLogMenu(0, online, 0, 0, 0, online);
    }
    if (online) StatusTimer(session)->start();
    return 0;
}

int CmShowMinMax() {
    if (Panels().moduleLogger) return CmShowMinMax57(); // the menu is shared
    if (!Panels().deviceLogger) return 0;
    const LogSource& s = meterLog.source();
    QDialog dlg(Panels().deviceLogger);
    dlg.setObjectName("LoggerExtremes");
    AddHelpKey(&dlg, QStringLiteral("logger.html"));
    dlg.setWindowTitle(Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Minimum and maximum values")));
    auto* box = new QVBoxLayout(&dlg);
    auto* table = new QTableWidget(s.NumChan, 5, &dlg);
    table->setObjectName("extremes");
    table->setHorizontalHeaderLabels({Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Unit")),
                                      Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Minimum")),
                                      Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Date and time")),
                                      Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Maximum")),
                                      Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Date and time"))});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    bool uncertain = false, empty = false;
    for (int i = 0; i < s.NumChan; ++i) {
        const size_t c = size_t(i);
        table->setVerticalHeaderItem(i, new QTableWidgetItem(s.ChanName[c]));
        table->setItem(i, 0, new QTableWidgetItem(s.ChanUnit[c]));
        if (s.Min[c] > 1e30 || s.Max[c] < -1e30) { // the channel holds no number
            for (int col = 1; col < 5; ++col) {
                auto* item = new QTableWidgetItem(MarkerText(Validity::NoExtreme, MarkerPlace::Record));
                item->setBackground(QColor(Qt::yellow));
                table->setItem(i, col, item);
            }
            empty = true;
            continue;
        }
        table->setItem(i, 1, new QTableWidgetItem(FixedText(s.Min[c], s.Digits[c], QLocale())));
        ShowExtremeTime(table, i, 2, s.MinIx[c], uncertain);
        table->setItem(i, 3, new QTableWidgetItem(FixedText(s.Max[c], s.Digits[c], QLocale())));
        ShowExtremeTime(table, i, 4, s.MaxIx[c], uncertain);
    }
    table->resizeColumnsToContents();
    box->addWidget(table);
    auto* gapNote = new QLabel(Tr(QT_TRANSLATE_NOOP(
        "LoggerPanel",
        "Times in red are uncertain: the logger was interrupted at that record or a newer one.")));
    gapNote->setObjectName("uncertainNote");
    gapNote->setVisible(uncertain);
    box->addWidget(gapNote);
    auto* emptyNote =
        new QLabel(Tr(QT_TRANSLATE_NOOP("LoggerPanel", "Channels in yellow hold no valid value.")));
    emptyNote->setObjectName("emptyNote");
    emptyNote->setVisible(empty);
    box->addWidget(emptyNote);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dlg);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    box->addWidget(buttons);
    dlg.resize(640, 120 + 30 * s.NumChan);
    dlg.exec();
    return 0;
}

int CmDispLogData(MeterSession& session) {
    if (Panels().moduleLogger) return CmDispLogData57();
    if (!Panels().deviceLogger) return 0;
    StatusTimer(session)->stop(); // the graph restarts it on closing when the records are the meter's
    ShowProfilePanel(Panels().deviceLogger, &meterLog, nullptr, !meterLog.deviceActive);
    return 0;
}

int CmExcelExport(MeterSession& session) {
    if (Panels().moduleLogger) return CmExcelExport57();
    if (!Panels().deviceLogger) return 0;
    StatusTimer(session)->stop();
    CmExcelExportMeter(Panels().deviceLogger, meterLog);
    RestartStatusTimer(session);
    return 0;
}

int CmCloseLogDisplay(MeterSession& session) {
    if (Panels().moduleLogger) return CmCloseLogDisplay57(); // the menu is shared
    StatusTimer(session)->stop();
    scratch.remove();
    CloseInterface();
    DiscardPanel(Panels().deviceLogger);
    ShowMainPanel(1);
    return 0;
}
