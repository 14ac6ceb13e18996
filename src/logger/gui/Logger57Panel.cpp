#include "logger/gui/Logger57Panel.h"
#include "logger/gui/LoggerPanel.h"
#include "platform/Translate.h"
#include "profiles/gui/ExcelExport.h"
#include "profiles/gui/ProfilePanel.h"

#include "acquisition/Acquisition.h"
#include "config/ConfigImage.h"
#include "link/DeviceLink.h"
#include "logger/Logger57.h"
#include "logger/Logger57Decode.h"
#include "platform/Messages.h"
#include "platform/gui/EscapeKey.h"
#include "shell/ZARO.h"
#include "values/NumberText.h"
#include "values/Reading.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <functional>
#include <vector>

namespace {

ModuleLog moduleLog; // the log the panel shows; forgotten when the panel closes

const char* const kContext = "Logger57";
const Translator Tr{kContext};

// One value list: a row per record (newest first), the record's time and then the
// list's channels. Texts are made when the view asks for a row, so that a sequence of
// any length is shown at once.
class SequenceModel : public QAbstractTableModel {
  public:
    SequenceModel(const ModuleLog& log, bool extremes, QObject* parent)
        : QAbstractTableModel(parent), log(log), extremes(extremes) {}

    void show(int sequence) {
        beginResetModel();
        seq = sequence;
        channels = seq ? ListChannels(Sequence(), extremes) : std::vector<int>();
        endResetModel();
    }
    bool empty() const { return channels.empty(); }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() || !seq ? 0 : int(Sequence().NumRec);
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : 1 + int(channels.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole || !seq) return {};
        const LogSequence& s = Sequence();
        const uint32_t r = uint32_t(index.row());
        if (index.column() == 0) return RecordTimeText(log.LogStamp[s.FirstStamp + r]);
        const int k = channels[size_t(index.column() - 1)];
        return PointNumberInLocale(
            ModuleValueText(s, k, log.LogVal[s.FirstVal + r * s.NumChan + uint32_t(k)]), QLocale());
    }
    // The channel's name over its unit, from the same channel list as the values.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        if (section == 0) return Tr("Date      Time");
        const int k = channels[size_t(section - 1)];
        return Sequence().Names[k] + "\n" + Sequence().Units[k];
    }

  private:
    const LogSequence& Sequence() const { return log.Dev57[size_t(seq)]; }
    const ModuleLog& log;
    bool extremes;
    int seq = 0;
    std::vector<int> channels;
};

struct Widgets {
    QLabel *module = nullptr, *period = nullptr;
    QPushButton *prev = nullptr, *next = nullptr, *read = nullptr, *store = nullptr, *minmax = nullptr,
                *graph = nullptr, *excel = nullptr;
    QTableView* lists[2] = {};
    SequenceModel* models[2] = {};
    bool online = false;
} ui;

QPushButton* Button(QWidget* panel, QBoxLayout* row, const char* name, const char* text,
                    const std::function<int()>& command) {
    auto* b = new QPushButton(Tr(text), panel);
    b->setObjectName(name);
    QObject::connect(b, &QPushButton::clicked, panel, [command] { command(); });
    row->addWidget(b);
    return b;
}

QTableView* ValueList(QWidget* panel, const char* name, SequenceModel* model) {
    auto* view = new QTableView(panel);
    view->setObjectName(name);
    view->setModel(model);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->horizontalHeader()->setFont(view->font());
    view->verticalHeader()->hide();
    // Fixed row heights: the view never measures the rows it does not show.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setWordWrap(false);
    return view;
}

void FitColumns(QTableView* view) {
    const QFontMetrics m(view->font());
    view->setColumnWidth(0, m.horizontalAdvance("00.00.00  00:00:00") + 16);
    for (int c = 1; c < view->model()->columnCount(); ++c)
        view->setColumnWidth(c, m.horizontalAdvance("000000000") + 12);
}

// Name, minimum, unit, date, time, maximum, unit, date, time of channel k.
QStringList ExtremeRow(const LogSequence& s, int k) {
    const QString min = PointNumberInLocale(ExtremeText(s, k, false), QLocale()),
                  max = PointNumberInLocale(ExtremeText(s, k, true), QLocale());
    // No number in the channel: the marker of an extreme not taken, as in the meter logger's popup.
    const QString none = MarkerText(Validity::NoExtreme, MarkerPlace::Record);
    if (min.isEmpty()) return {s.Names[k], none, s.Units[k], "", "", none, s.Units[k], "", ""};
    const QStringList minAt = ExtremeTimeText(s.MinTime[k]).split(' ');
    const QStringList maxAt = ExtremeTimeText(s.MaxTime[k]).split(' ');
    return {s.Names[k], min, s.Units[k], minAt[0], minAt[1], max, s.Units[k], maxAt[0], maxAt[1]};
}

} // namespace

QWidget* CreateLogger57Panel(MeterSession& session, QWidget* parent, bool online) {
    auto* panel = new QWidget(parent);
    panel->setObjectName("logdisp57");
    ui = Widgets{};
    ui.online = online;
    auto* top = new QVBoxLayout(panel);

    auto* info = new QHBoxLayout;
    ui.module = new QLabel(panel);
    ui.module->setObjectName("module");
    ui.period = new QLabel(panel);
    ui.period->setObjectName("period");
    ui.period->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    info->addWidget(ui.module);
    info->addSpacing(24);
    info->addWidget(ui.period);
    info->addStretch(1);
    ui.prev =
        Button(panel, info, "prev", QT_TRANSLATE_NOOP("Logger57", "< Pre&vious sequence"), PrevSequence);
    ui.next = Button(panel, info, "next", QT_TRANSLATE_NOOP("Logger57", "&Next sequence >"), NextSequence);
    top->addLayout(info);

    auto* commands = new QHBoxLayout;
    ui.read = Button(panel, commands, "read", QT_TRANSLATE_NOOP("Logger57", "&Read from module"),
                     [&session] { return CmReadLoggerData57Panel(session); });
    Button(panel, commands, "open", QT_TRANSLATE_NOOP("Logger57", "&Open file..."),
           [&session] { return CmOpenLoggerFile57(session); });
    ui.store =
        Button(panel, commands, "store", QT_TRANSLATE_NOOP("Logger57", "&Save file..."), CmStoreLoggerFile57);
    ui.minmax = Button(panel, commands, "minmax", QT_TRANSLATE_NOOP("Logger57", "&Minimum and maximum"),
                       CmShowMinMax57);
    ui.graph =
        Button(panel, commands, "graph", QT_TRANSLATE_NOOP("Logger57", "&Profile graph"), CmDispLogData57);
    ui.excel = Button(panel, commands, "excel", QT_TRANSLATE_NOOP("Logger57", "&Export to Excel..."),
                      CmExcelExport57);
    commands->addStretch(1);
    CloseOnEscape(
        panel, Button(panel, commands, "back", QT_TRANSLATE_NOOP("Logger57", "&Back"), CmCloseLogDisplay57));
    top->addLayout(commands);

    for (int l = 0; l < 2; ++l) {
        ui.models[l] = new SequenceModel(moduleLog, l == 1, panel);
        ui.lists[l] = ValueList(panel, l ? "list2" : "list1", ui.models[l]);
        ui.lists[l]->setAccessibleName(l ? Tr(QT_TRANSLATE_NOOP("Logger57", "Minima and maxima"))
                                         : Tr(QT_TRANSLATE_NOOP("Logger57", "Records")));
        top->addWidget(ui.lists[l], l ? 1 : 2);
    }
    ui.read->setEnabled(online);
    Panels().moduleLogger = panel;
    return panel;
}

int DispLogger57() {
    if (!Panels().moduleLogger) return 1;
    for (int l = 0; l < 2; ++l) {
        ui.models[l]->show(moduleLog.Shown);
        FitColumns(ui.lists[l]);
    }
    // Maxima and minima get their list only when the sequence has any.
    ui.lists[1]->setVisible(!ui.models[1]->empty());
    ShowLoggerInfo57(moduleLog.Shown);
    return 1;
}

void ShowLoggerInfo57(int seq) {
    if (!Panels().moduleLogger) return;
    const bool data = seq >= 1;
    ui.module->setText(data ? ModuleIdentityText(moduleLog) : QString());
    ui.period->setText(data ? PeriodText(moduleLog.Dev57[size_t(seq)]) : QString());
    ui.prev->setEnabled(data && seq > 1);
    ui.next->setEnabled(data && seq < moduleLog.NumLogSeq);
    ui.store->setEnabled(data && !moduleLog.SourceFile.empty());
    ui.minmax->setEnabled(data);
    ui.graph->setEnabled(data);
    ui.excel->setEnabled(data);
}

int PrevSequence() {
    moduleLog.Shown = StepSequence(moduleLog, moduleLog.Shown, -1);
    return DispLogger57();
}

int NextSequence() {
    moduleLog.Shown = StepSequence(moduleLog, moduleLog.Shown, +1);
    return DispLogger57();
}

int CmReadLoggerData57Panel(MeterSession& session) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int ok = CmReadLoggerData57(session, moduleLog);
    QApplication::restoreOverrideCursor();
    if (ok) DispLogger57();
    return ok;
}

int CmOpenLoggerFile57(MeterSession& session) {
    const std::string path = FileSelectPopup(false, Tr("Open logger file"), "*.LF3", {});
    if (path.empty()) return 0;
    const int ok = OpenLoggerFile57(session, moduleLog, path);
    if (ok) DispLogger57();
    return ok;
}

int CmStoreLoggerFile57() {
    std::string path = FileSelectPopup(true, Tr("Save logger file"), "*.lf3", {});
    if (path.empty()) return 0;
    if (QFileInfo(QString::fromStdString(path)).suffix().isEmpty()) path += ".LF3";
    return StoreLoggerFile57(moduleLog, path);
}

int CmShowMinMax57() {
    if (moduleLog.Shown < 1 || !Panels().moduleLogger) return 0;
    const LogSequence& s = moduleLog.Dev57[size_t(moduleLog.Shown)];
    QDialog dialog(Panels().moduleLogger);
    dialog.setObjectName("minmax57");
    AddHelpKey(&dialog, QStringLiteral("module_logger.html"));
    dialog.setWindowTitle(Tr("Minimum and maximum values"));
    auto* grid = new QGridLayout(&dialog);
    const char* const headings[] = {"",
                                    QT_TRANSLATE_NOOP("Logger57", "Minimum"),
                                    "",
                                    QT_TRANSLATE_NOOP("Logger57", "Date"),
                                    QT_TRANSLATE_NOOP("Logger57", "Time"),
                                    QT_TRANSLATE_NOOP("Logger57", "Maximum"),
                                    "",
                                    QT_TRANSLATE_NOOP("Logger57", "Date"),
                                    QT_TRANSLATE_NOOP("Logger57", "Time")};
    for (int c = 0; c < 9; ++c)
        grid->addWidget(new QLabel(*headings[c] ? Tr(headings[c]) : QString(), &dialog), 0, c);
    for (int k = 0; k < kMaxModuleChannels; ++k) {
        const bool used = uint32_t(k) < s.NumChan;
        const QStringList cells = used ? ExtremeRow(s, k) : QStringList(9, QString());
        for (int c = 0; c < 9; ++c) {
            auto* label = new QLabel(cells[c], &dialog);
            label->setObjectName(QStringLiteral("minmax_%1_%2").arg(k).arg(c));
            label->setEnabled(used);
            grid->addWidget(label, k + 1, c, c == 0 ? Qt::AlignLeft : Qt::AlignRight);
        }
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    grid->addWidget(buttons, kMaxModuleChannels + 1, 0, 1, 9);
    dialog.exec();
    return 0;
}

int CmDispLogData57() {
    if (moduleLog.Shown >= 1 && Panels().moduleLogger)
        ShowProfilePanel(Panels().moduleLogger, nullptr, &moduleLog, true); // no status timer here
    return 0;
}

int CmExcelExport57() {
    if (moduleLog.Shown >= 1 && Panels().moduleLogger)
        CmExcelExportModule(Panels().moduleLogger, moduleLog, moduleLog.Shown);
    return 0;
}

ModuleLog& ModuleLoggerPanelLog() {
    return moduleLog;
}

int CmCloseLogDisplay57() {
    if (ui.online) CloseInterface();
    RemoveModuleWorkfile(moduleLog);
    moduleLog = ModuleLog{};
    DiscardPanel(Panels().moduleLogger);
    ShowMainPanel(1);
    return 0;
}

int EnterModuleLogger(MeterSession& session, int online) {
    if (online && !OpenAcquisition(session)) {
        if (!Warning(3, 3)) return 0;
        online = 0;
    }
    session.read.Model = session.edited.Model;
    QWidget* panel = CreateLogger57Panel(session, MainWindow(), online != 0);
    ShowPanel(PanelKind::ModuleLogger, panel);
    DispLogger57();
    return 0;
}
