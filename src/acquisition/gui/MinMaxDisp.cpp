#include "acquisition/gui/MinMaxDisp.h"

#include "acquisition/Acquisition.h"
#include "acquisition/MinMaxDecode.h"
#include "acquisition/gui/LivePanel.h"
#include "acquisition/gui/MeasField.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"
#include "platform/Translate.h"
#include "shell/ZARO.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

namespace {

const Translator Tr{"MinMaxDisp"};

enum Group { kMaxU, kMaxI, kMaxPower, kMinU, kPfF, kGroups };
const char* const kGroupTitles[kGroups] = {
    QT_TRANSLATE_NOOP("MinMaxDisp", "Voltage maxima"), QT_TRANSLATE_NOOP("MinMaxDisp", "Current maxima"),
    QT_TRANSLATE_NOOP("MinMaxDisp", "Power maxima"), QT_TRANSLATE_NOOP("MinMaxDisp", "Voltage minima"),
    QT_TRANSLATE_NOOP("MinMaxDisp", "Power factor minima and frequency")};

// Cell of each value: phases side by side, each cell caption, value and unit.
struct Place {
    int8_t group, row, col;
};
const Place kPlace[kMinMaxRowsZrm3] = {
    {kMaxU, 0, 0},     {kMaxU, 0, 0},     {kMaxU, 0, 1},     {kMaxU, 0, 2},     {kMaxU, 1, 0},
    {kMaxU, 1, 1},     {kMaxU, 1, 2},     {kMaxI, 0, 0},     {kMaxI, 0, 0},     {kMaxI, 0, 1},
    {kMaxI, 0, 2},     {kMaxI, 1, 0},     {kMaxI, 1, 0},     {kMaxI, 1, 1},     {kMaxI, 1, 2},
    {kMaxI, 0, 3},     {kMaxPower, 0, 0}, {kMaxPower, 0, 1}, {kMaxPower, 0, 2}, {kMaxPower, 0, 3},
    {kMaxPower, 1, 0}, {kMaxPower, 1, 1}, {kMaxPower, 1, 2}, {kMaxPower, 1, 3}, {kMaxPower, 2, 0},
    {kMaxPower, 2, 1}, {kMaxPower, 2, 2}, {kMaxPower, 2, 3}, {kMinU, 0, 0},     {kMinU, 0, 0},
    {kMinU, 0, 1},     {kMinU, 0, 2},     {kMinU, 1, 0},     {kMinU, 1, 1},     {kMinU, 1, 2},
    {kPfF, 0, 0},      {kPfF, 1, 0},      {kPfF, 2, 0},      {kPfF, 3, 0},      {kPfF, 0, 1},
    {kPfF, 1, 1},      {kMaxU, 0, 3},
};

struct Ui {
    LivePanel frame;
    QLabel* caption[kMinMaxRowsZrm3];
    QLabel* field[kMinMaxRowsZrm3];
    QLabel* unit[kMinMaxRowsZrm3];
    QCheckBox* box[kMinMaxBoxesZrm3];
    QCheckBox* all;
} ui;

// The questions before a reset of extremes.
constexpr int kMinMaxQuestionKind = 18;
constexpr int kResetTickedQuestion = 3;
constexpr int kResetAllQuestion = 4;

QWidget* BuildResetBox(QWidget* panel) {
    auto* group = new QGroupBox(Tr(QT_TRANSLATE_NOOP("MinMaxDisp", "Reset")), panel);
    auto* grid = new QGridLayout(group);
    for (int k = 0; k < kMinMaxBoxesZrm3; ++k) {
        ui.box[k] = new QCheckBox(Tr(MinMaxBoxName(k)), group);
        ui.box[k]->setObjectName(QStringLiteral("reset_%1").arg(k));
        grid->addWidget(ui.box[k], k, 0); // one column: the long names would widen the window
    }
    ui.all = new QCheckBox(Tr(QT_TRANSLATE_NOOP("MinMaxDisp", "All")), group);
    ui.all->setObjectName("resetAll");
    QObject::connect(ui.all, &QCheckBox::clicked, group, [] { CmResAllMinMax(); });
    grid->addWidget(ui.all, kMinMaxBoxesZrm3, 0);
    return group;
}

} // namespace

QTimer* MinMaxTimer(MeterSession& session) {
    return LiveTimer(session, ui.frame, "minmaxTimer", CmReadMinMax);
}

QWidget* CreateMinMaxDisp(MeterSession& session, QWidget* parent) {
    QWidget* panel = BuildLivePanel(ui.frame, parent, "minmaxdisp");
    QGridLayout* grids[kGroups];
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    for (int g = 0; g < kGroups; ++g) {
        auto* box = new QGroupBox(Tr(kGroupTitles[g]), panel);
        grids[g] = new QGridLayout(box);
        grids[g]->setColumnStretch(12, 1);
        // The four-column groups on the left, the narrow ones and the reset ticks on the
        // right: side by side they fit a 1366 px screen in every language.
        (g == kPfF ? right : left)->addWidget(box);
    }
    right->addWidget(BuildResetBox(panel));
    left->addStretch();
    right->addStretch();
    ui.frame.body->addLayout(columns);
    for (int r = 0; r < kMinMaxRowsZrm3; ++r) {
        QGridLayout* grid = grids[kPlace[r].group];
        const int row = kPlace[r].row, col = 3 * kPlace[r].col;
        ui.caption[r] = new QLabel(panel);
        ui.field[r] = NewMeasField(panel);
        ui.field[r]->setObjectName(QStringLiteral("mdsp_%1").arg(r));
        ui.unit[r] = new QLabel(panel);
        grid->addWidget(ui.caption[r], row, col);
        grid->addWidget(ui.field[r], row, col + 1);
        grid->addWidget(ui.unit[r], row, col + 2);
    }
    AddPanelButton(ui.frame, Tr(QT_TRANSLATE_NOOP("MinMaxDisp", "&Reset ticked extremes")), "reset",
                   [&session] { CmResetMinMax(session); });
    FinishLivePanel(
        ui.frame, [] { CmPrintMinMaxData(); }, [] { CmCloseMinMax(); });
    Panels().minMax = panel;
    return panel;
}

void InitMinMaxDisp(MeterSession& session) {
    if (!Panels().minMax) return;
    SetLiveTitle(ui.frame, Tr(QT_TRANSLATE_NOOP("MinMaxDisp", "Minimum and maximum values")), true);
    ui.frame.scale = DisplayScaleFor(session.read);
    ui.frame.scale.SetLocale(QLocale());
    for (int r = 0; r < kMinMaxRowsZrm3; ++r) {
        const bool visible = MinMaxRowVisible(session, r, ui.frame.scale);
        ui.caption[r]->setVisible(visible);
        ui.field[r]->setVisible(visible);
        ui.unit[r]->setVisible(visible);
        if (!visible) continue;
        ui.caption[r]->setText(MinMaxCaption(session, r));
        ui.unit[r]->setText(ui.frame.scale.Unit(MinMaxRowClass(session, r)));
        ShowMeasText(ui.field[r], {QString(), FieldColour::Black, 0});
    }
    for (int k = 0; k < kMinMaxBoxesZrm3; ++k)
        ui.box[k]->setVisible(k < MinMaxBoxCount(session));
    MinMaxTimer(session);
    StartLivePolling(ui.frame);
}

int CmReadMinMax(MeterSession& session) {
    QTimer* timer = MinMaxTimer(session);
    timer->setInterval(10000);
    if (!Panels().minMax || LinkBusy()) return 1;
    timer->stop();
    SetLiveBusy(ui.frame, true);
    const int rows = MinMaxRowCount(session);
    const int ok = Read(session.read, MinMaxRequest(session), 0);
    if (!LiveReadReturned(ui.frame)) return 1;
    for (int r = 0; r < rows; ++r) {
        if (!MinMaxRowVisible(session, r, ui.frame.scale)) continue;
        if (ok)
            ShowMeasText(ui.field[r], MinMaxText(session, r, ui.frame.scale));
        else
            ShowDisturbed(ui.field[r]);
    }
    SetLiveBusy(ui.frame, false);
    timer->start();
    return ok;
}

int CmResAllMinMax() {
    for (QCheckBox* box : ui.box)
        box->setChecked(ui.all->isChecked());
    return 0;
}

int CmResetMinMax(MeterSession& session) {
    if (!Panels().minMax) return 0;
    const int boxes = MinMaxBoxCount(session);
    bool ticked[kMinMaxBoxesZrm3];
    int count = 0;
    for (int k = 0; k < kMinMaxBoxesZrm3; ++k) {
        ticked[k] = ui.box[k]->isChecked();
        if (ticked[k] && k < boxes) ++count;
    }
    if (count == 0) return 0;
    QTimer* timer = MinMaxTimer(session);
    // The meter cannot give back what a reset cleared. Cancel keeps the ticks.
    if (!AskWithRefreshPaused(timer, Panels().minMax, [&] {
            return Warning(kMinMaxQuestionKind, count == boxes ? kResetAllQuestion : kResetTickedQuestion);
        }))
        return 0;
    for (QCheckBox* box : ui.box)
        box->setChecked(false);
    ui.all->setChecked(false);
    const int ok = SendMinMaxReset(session, MinMaxResetWord(ticked, boxes));
    if (!Panels().minMax) return 0;
    // The cleared extremes show at once; the read soon after catches a meter that
    // applies the reset a moment late. After a failed write the polling goes on too,
    // so the panel never shows old values as if they were read.
    if (ok) CmReadMinMax(session);
    timer->setInterval(2000);
    if (Panels().minMax) timer->start();
    return 0;
}

int CmPrintMinMaxData() {
    PrintLivePanel(ui.frame);
    return 0;
}

int CmCloseMinMax() {
    CloseLivePanel(ui.frame);
    Panels().minMax = nullptr;
    return 0;
}

int CmMinMaxDisplay(MeterSession& session) {
    if (!OpenAcquisition(session)) return 0;
    QWidget* panel = CreateMinMaxDisp(session, MainWindow());
    ShowPanel(PanelKind::MinMax, panel);
    InitMinMaxDisp(session);
    return 0;
}
