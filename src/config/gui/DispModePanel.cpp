#include "config/gui/DispModePanel.h"

#include "config/ConfigImage.h"
#include "config/DispMode.h"
#include "config/EditorLists.h"
#include "platform/Translate.h"
#include "platform/gui/EscapeKey.h"
#include "platform/gui/PanelPrint.h"
#include "shell/ZARO.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const Translator Tr{"DispModePanel"};

const QColor kSelected(0xFF, 0xF0, 0x60); // the meter's manual marks chosen pages yellow
const QColor kUnselected(Qt::white);

struct Ui {
    QComboBox* mode;
    QSpinBox* loopTime;
    QRadioButton* loopSet;
    QRadioButton* userSet;
    QLabel* counts;
    QCheckBox* unbalance;
    QTableWidget* table;
    QWidget* buttons; // screen only: hidden on the printout
} ui;

// The set the table shows: the radio buttons follow the mode and may be switched to
// edit the other set without changing the mode.
uint8_t* EditedSet(MeterSession& session) {
    return ui.userSet->isChecked() ? session.edited.User : session.edited.Loop;
}

int CellPage(MeterSession& session, int row, int column) {
    const std::vector<int>& rows = PageRows(NetworkClass(session.edited));
    if (row < 0 || row >= int(rows.size()) || column >= rows[size_t(row)]) return -1;
    int k = column;
    for (int r = 0; r < row; ++r)
        k += rows[size_t(r)];
    return k;
}

QString CellText(int n, const PageView& v) {
    const PageLines lines = CataloguePage(v.klass, n, v.unbalance);
    return QString::fromStdString(lines[0] + "\n" + lines[1] + "\n" + lines[2]);
}

void ShowCounts(MeterSession& session) {
    const int offered = OfferedCount(session.edited);
    ui.counts->setText(Tr(QT_TRANSLATE_NOOP("DispModePanel", "Loop: %1 of %3 pages, user: %2 of %3 pages"))
                           .arg(PagesInSet(session.edited.Loop, offered))
                           .arg(PagesInSet(session.edited.User, offered))
                           .arg(offered));
}

// CmSelDisp: the current cell, or its whole row when the row is selected.
void CmSelDisp(MeterSession& session, int row, int column, bool wholeRow) {
    if (TogglePageCell(EditedSet(session), NetworkClass(session.edited), row, column, wholeRow) < 0) return;
    ShowMode(session);
}

void CmSelMode(MeterSession& session, int mode) {
    session.edited.DispMode = uint8_t((session.edited.DispMode & ~kDispModeMode) | (mode & kDispModeMode));
    (mode == 1 ? ui.userSet : ui.loopSet)->setChecked(true);
    ShowMode(session);
}

void CmClearMode(MeterSession& session) {
    std::fill_n(EditedSet(session), kPageSetBytes, uint8_t(0));
    ShowMode(session);
}

// Relabels the cell of the neutral-current page.
void CmSelUnbIDisplay(MeterSession& session, bool on) {
    session.edited.Freq =
        uint8_t(on ? session.edited.Freq | kFreqUnbalanceI : session.edited.Freq & ~kFreqUnbalanceI);
    const PageView v = PageViewOf(session.edited);
    const std::vector<int>& pages = OfferedPages(v.klass, v.inOut);
    for (int r = 0; r < ui.table->rowCount(); ++r)
        for (int c = 0; c < kMaxPagesPerRow; ++c) {
            const int k = CellPage(session, r, c);
            if (k >= 0 && pages[size_t(k)] == kNeutralCurrentPage)
                ui.table->item(r, c)->setText(CellText(pages[size_t(k)], v));
        }
}

// Space toggles the current cell; the other keys only move.
class TableKeys : public QObject {
  public:
    TableKeys(MeterSession& session, QObject* parent) : QObject(parent), session(session) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Space)
            return false;
        const QModelIndex at = ui.table->currentIndex();
        if (at.isValid()) CmSelDisp(session, at.row(), at.column(), false);
        return true;
    }

  private:
    MeterSession& session;
};

QTableWidget* BuildTable(MeterSession& session, QWidget* panel) {
    auto* table = new QTableWidget(panel);
    table->setObjectName("PageTable");
    table->setAccessibleName(Tr(QT_TRANSLATE_NOOP("DispModePanel", "Display pages")));
    table->setColumnCount(kMaxPagesPerRow);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setWordWrap(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setToolTip(
        Tr(QT_TRANSLATE_NOOP("DispModePanel", "Click to switch the whole row")));
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    table->setFont(font);
    QObject::connect(table, &QTableWidget::cellDoubleClicked, table,
                     [&session](int row, int column) { CmSelDisp(session, row, column, false); });
    QObject::connect(table->verticalHeader(), &QHeaderView::sectionClicked, table,
                     [&session](int row) { CmSelDisp(session, row, 0, true); });
    table->installEventFilter(new TableKeys(session, table));
    return table;
}

QWidget* BuildSettings(MeterSession& session, QWidget* panel) {
    auto* row = new QWidget(panel);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    ui.mode = new QComboBox(row);
    ui.mode->setObjectName("Mode");
    for (const ListEntry& e : MasterList(EditorList::DispMode))
        ui.mode->addItem(EntryName(e), e.value);
    auto* modeLabel = new QLabel(Tr(QT_TRANSLATE_NOOP("DispModePanel", "Display mode")), row);
    modeLabel->setBuddy(ui.mode); // a screen reader names the list by its caption
    layout->addWidget(modeLabel);
    layout->addWidget(ui.mode);
    ui.loopTime = new QSpinBox(row);
    ui.loopTime->setObjectName("LoopTime");
    ui.loopTime->setRange(2, 32);
    ui.loopTime->setSingleStep(2);
    ui.loopTime->setSuffix(" s");
    ui.loopTime->setKeyboardTracking(false);
    auto* loopLabel = new QLabel(Tr(QT_TRANSLATE_NOOP("DispModePanel", "Loop time")), row);
    loopLabel->setBuddy(ui.loopTime);
    layout->addWidget(loopLabel);
    layout->addWidget(ui.loopTime);
    ui.loopSet = new QRadioButton(Tr(QT_TRANSLATE_NOOP("DispModePanel", "Loop pages")), row);
    ui.loopSet->setObjectName("LoopSet");
    ui.userSet = new QRadioButton(Tr(QT_TRANSLATE_NOOP("DispModePanel", "User pages")), row);
    ui.userSet->setObjectName("UserSet");
    layout->addSpacing(12);
    layout->addWidget(ui.loopSet);
    layout->addWidget(ui.userSet);
    ui.unbalance =
        new QCheckBox(Tr(QT_TRANSLATE_NOOP("DispModePanel", "Current unbalance instead of IN")), row);
    ui.unbalance->setObjectName("Unbalance");
    layout->addSpacing(12);
    layout->addWidget(ui.unbalance);
    layout->addStretch();

    QObject::connect(ui.mode, &QComboBox::activated, row,
                     [&session] { CmSelMode(session, ui.mode->currentData().toInt()); });
    QObject::connect(ui.loopTime, &QSpinBox::valueChanged, row, [&session] {
        CmSetLoopTime(session.edited, ui.loopTime->value());
        ui.loopTime->setValue(LoopTimeSeconds(session.edited));
    });
    QObject::connect(ui.loopSet, &QRadioButton::toggled, row, [&session] { ShowMode(session); });
    QObject::connect(ui.unbalance, &QCheckBox::clicked, row,
                     [&session](bool on) { CmSelUnbIDisplay(session, on); });
    return row;
}

QWidget* BuildButtons(MeterSession& session, QWidget* panel) {
    auto* buttons = new QWidget(panel);
    auto* layout = new QHBoxLayout(buttons);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    auto* clear = new QPushButton(Tr(QT_TRANSLATE_NOOP("DispModePanel", "C&lear set")), buttons);
    clear->setObjectName("Clear");
    auto* print = new QPushButton(Tr(QT_TRANSLATE_NOOP("DispModePanel", "&Print")), buttons);
    print->setObjectName("Print");
    auto* close = new QPushButton(Tr(QT_TRANSLATE_NOOP("DispModePanel", "&Close")), buttons);
    close->setObjectName("Close");
    layout->addWidget(clear);
    layout->addWidget(print);
    layout->addWidget(close);
    CloseOnEscape(panel, close);
    QObject::connect(clear, &QPushButton::clicked, buttons, [&session] { CmClearMode(session); });
    QObject::connect(print, &QPushButton::clicked, buttons, [] { CmPrintMode(); });
    QObject::connect(close, &QPushButton::clicked, buttons, [] { CmDispModeDone(); });
    return buttons;
}

} // namespace

QWidget* CreateDispModePanel(MeterSession& session, QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName("dispmode");
    auto* top = new QVBoxLayout(panel);
    auto* title = new QLabel(Tr(QT_TRANSLATE_NOOP("DispModePanel", "Display pages")), panel);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    title->setFont(big);
    top->addWidget(title);
    top->addWidget(BuildSettings(session, panel));
    ui.counts = new QLabel(panel);
    ui.counts->setObjectName("Counts");
    top->addWidget(ui.counts);
    ui.table = BuildTable(session, panel);
    top->addWidget(ui.table, 1);
    auto* hint =
        new QLabel(Tr(QT_TRANSLATE_NOOP("DispModePanel",
                                        "Double-click a page or press Space to switch it; yellow pages are "
                                        "shown by the meter.")),
                   panel);
    top->addWidget(hint);
    ui.buttons = BuildButtons(session, panel);
    top->addWidget(ui.buttons);
    Panels().displayMode = panel;
    return panel;
}

void InitDispModeSel(MeterSession& session) {
    if (!Panels().displayMode) return;
    const PageView v = PageViewOf(session.edited);
    const int mode = session.edited.DispMode & kDispModeMode;
    ui.mode->setCurrentIndex(ui.mode->findData(mode));
    (mode == 1 ? ui.userSet : ui.loopSet)->setChecked(true);
    const std::vector<int>& rows = PageRows(v.klass);
    const std::vector<int>& pages = OfferedPages(v.klass, v.inOut);
    ui.table->clear();
    ui.table->setRowCount(int(rows.size()));
    size_t next = 0;
    for (int r = 0; r < int(rows.size()); ++r) {
        for (int c = 0; c < kMaxPagesPerRow; ++c) {
            auto* item = new QTableWidgetItem;
            if (c < rows[size_t(r)] && next < pages.size())
                item->setText(CellText(pages[next++], v));
            else
                item->setFlags(Qt::NoItemFlags); // no page here
            item->setTextAlignment(Qt::AlignCenter);
            ui.table->setItem(r, c, item);
        }
    }
    ui.table->horizontalHeader()->setVisible(false);
    const QSignalBlocker block(ui.loopTime);
    ui.loopTime->setValue(LoopTimeSeconds(session.edited));
    ui.unbalance->setVisible(v.klass == 2);
    ui.unbalance->setChecked(v.unbalance);
    ShowMode(session);
}

void ShowMode(MeterSession& session) {
    if (!Panels().displayMode) return;
    const uint8_t* set = EditedSet(session);
    for (int r = 0; r < ui.table->rowCount(); ++r)
        for (int c = 0; c < kMaxPagesPerRow; ++c) {
            const int k = CellPage(session, r, c);
            ui.table->item(r, c)->setBackground(k >= 0 && PageInSet(set, k) ? kSelected : kUnselected);
        }
    ui.loopTime->setEnabled((session.edited.DispMode & kDispModeMode) == 2);
    ShowCounts(session);
}

int CmPrintMode() {
    if (!Panels().displayMode) return 0;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!ChoosePrinter(printer, Panels().displayMode)) return 0;
    ui.buttons->hide();
    ui.table->clearSelection();
    ui.mode->setFocus();
    PrintPanel(Panels().displayMode, printer);
    ui.buttons->show();
    return 0;
}

int CmDispModeDone() {
    DiscardPanel(Panels().displayMode);
    ShowMainPanel(0);
    return 0;
}

int CmDispMode(MeterSession& session) {
    QWidget* panel = CreateDispModePanel(session, MainWindow());
    // The table wants all the room the window has.
    if (QWidget* area = MainWindow() ? MainWindow()->centralWidget() : nullptr)
        panel->setMinimumSize(area->size());
    ShowPanel(PanelKind::DisplayMode, panel);
    InitDispModeSel(session);
    return 0;
}
