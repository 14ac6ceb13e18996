#include "acquisition/gui/MeasDisp.h"

#include "acquisition/Acquisition.h"
#include "acquisition/MeasDecode.h"
#include "acquisition/gui/LivePanel.h"
#include "acquisition/gui/MeasField.h"
#include "link/DeviceLink.h"
#include "platform/Translate.h"
#include "shell/ZARO.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char* const kContext = "MeasDisp";
const Translator Tr{kContext};
QString TrMeas(const char* text) {
    return QCoreApplication::translate("Measurands", text);
}

enum Group { kGroupU, kGroupI, kGroupPower, kGroupF, kGroups };
struct Place {
    int8_t group, row, col;
};

// Voltage and current groups: caption, value, unit per phase; powers: one row per
// quantity with the phases in columns under a heading row.
const Place kFieldPlace[kMeasRowsZrm3] = {
    {kGroupU, 0, 1},     {kGroupU, 0, 1},     {kGroupU, 0, 4},     {kGroupU, 0, 7},     {kGroupU, 1, 1},
    {kGroupU, 1, 4},     {kGroupU, 1, 7},     {kGroupI, 0, 1},     {kGroupI, 0, 1},     {kGroupI, 0, 4},
    {kGroupI, 0, 7},     {kGroupI, 1, 1},     {kGroupI, 1, 1},     {kGroupI, 1, 4},     {kGroupI, 1, 7},
    {kGroupI, 0, 10},    {kGroupPower, 1, 1}, {kGroupPower, 1, 2}, {kGroupPower, 1, 3}, {kGroupPower, 1, 4},
    {kGroupPower, 2, 1}, {kGroupPower, 2, 2}, {kGroupPower, 2, 3}, {kGroupPower, 2, 4}, {kGroupPower, 3, 1},
    {kGroupPower, 3, 2}, {kGroupPower, 3, 3}, {kGroupPower, 3, 4}, {kGroupF, 0, 1},     {kGroupPower, 4, 1},
    {kGroupPower, 4, 2}, {kGroupPower, 4, 3}, {kGroupPower, 4, 4}, {kGroupU, 1, 10},    {kGroupI, 1, 10},
    {kGroupU, 0, 10},
};

// Static elements. Frame: a group's box; Static: fixed text; Caption: the caption of
// instantaneous row `row` (it follows the network kind); Unit: the unit of that row's
// class; Heading: text followed by that unit ("P [kW]").
enum ObjKind { Frame, Static, Caption, Unit, Heading };
struct ObjRow {
    ObjKind kind;
    const char* text;
    int8_t row;
    uint8_t show[5];
    Place at;
};
#define ALL                                                                                                  \
    { 1, 1, 1, 1, 1 }
#define COL45                                                                                                \
    { 0, 0, 0, 1, 1 }
#define COL5                                                                                                 \
    { 0, 0, 0, 0, 1 }
#define NOT4                                                                                                 \
    { 1, 1, 1, 0, 1 }
const ObjRow obj[] = {
    {Frame, QT_TRANSLATE_NOOP("MeasDisp", "Voltages"), -1, ALL, {kGroupU, 0, 0}},
    {Frame, QT_TRANSLATE_NOOP("MeasDisp", "Currents"), -1, ALL, {kGroupI, 0, 0}},
    {Frame, QT_TRANSLATE_NOOP("MeasDisp", "Powers"), -1, ALL, {kGroupPower, 0, 0}},
    {Frame, QT_TRANSLATE_NOOP("MeasDisp", "Frequency"), -1, ALL, {kGroupF, 0, 0}},
    {Caption, nullptr, 1, NOT4, {kGroupU, 0, 0}},
    {Unit, nullptr, 1, NOT4, {kGroupU, 0, 2}},
    {Caption, nullptr, 2, COL5, {kGroupU, 0, 3}},
    {Unit, nullptr, 2, COL5, {kGroupU, 0, 5}},
    {Caption, nullptr, 3, COL5, {kGroupU, 0, 6}},
    {Unit, nullptr, 3, COL5, {kGroupU, 0, 8}},
    {Caption, nullptr, 4, COL45, {kGroupU, 1, 0}},
    {Unit, nullptr, 4, COL45, {kGroupU, 1, 2}},
    {Caption, nullptr, 5, COL45, {kGroupU, 1, 3}},
    {Unit, nullptr, 5, COL45, {kGroupU, 1, 5}},
    {Caption, nullptr, 6, COL45, {kGroupU, 1, 6}},
    {Unit, nullptr, 6, COL45, {kGroupU, 1, 8}},
    {Caption, nullptr, 8, ALL, {kGroupI, 0, 0}},
    {Unit, nullptr, 8, ALL, {kGroupI, 0, 2}},
    {Caption, nullptr, 9, COL45, {kGroupI, 0, 3}},
    {Unit, nullptr, 9, COL45, {kGroupI, 0, 5}},
    {Caption, nullptr, 10, COL45, {kGroupI, 0, 6}},
    {Unit, nullptr, 10, COL45, {kGroupI, 0, 8}},
    {Caption, nullptr, kNeutralRow, COL5, {kGroupI, 0, 9}},
    {Unit, nullptr, kNeutralRow, COL5, {kGroupI, 0, 11}},
    {Caption, nullptr, 12, ALL, {kGroupI, 1, 0}},
    {Unit, nullptr, 12, ALL, {kGroupI, 1, 2}},
    {Caption, nullptr, 13, COL45, {kGroupI, 1, 3}},
    {Unit, nullptr, 13, COL45, {kGroupI, 1, 5}},
    {Caption, nullptr, 14, COL45, {kGroupI, 1, 6}},
    {Unit, nullptr, 14, COL45, {kGroupI, 1, 8}},
    {Static, QT_TRANSLATE_NOOP("MeasDisp", "L1"), -1, COL5, {kGroupPower, 0, 1}},
    {Static, QT_TRANSLATE_NOOP("MeasDisp", "L2"), -1, COL5, {kGroupPower, 0, 2}},
    {Static, QT_TRANSLATE_NOOP("MeasDisp", "L3"), -1, COL5, {kGroupPower, 0, 3}},
    {Static, QT_TRANSLATE_NOOP("MeasDisp", "Total"), -1, ALL, {kGroupPower, 0, 4}},
    {Heading, QT_TRANSLATE_NOOP("Measurands", "P"), 19, ALL, {kGroupPower, 1, 0}},
    {Heading, QT_TRANSLATE_NOOP("Measurands", "Q"), 23, ALL, {kGroupPower, 2, 0}},
    {Heading, QT_TRANSLATE_NOOP("Measurands", "S"), 27, ALL, {kGroupPower, 3, 0}},
    {Static, QT_TRANSLATE_NOOP("Measurands", "PF"), -1, ALL, {kGroupPower, 4, 0}},
    {Caption, nullptr, 28, ALL, {kGroupF, 0, 0}},
    {Unit, nullptr, 28, ALL, {kGroupF, 0, 2}},
    // The extended model's values: hidden on the base model.
    {Caption, nullptr, 35, COL5, {kGroupU, 0, 9}},
    {Unit, nullptr, 35, COL5, {kGroupU, 0, 11}},
    {Caption, nullptr, 33, COL45, {kGroupU, 1, 9}},
    {Unit, nullptr, 33, COL45, {kGroupU, 1, 11}},
    {Caption, nullptr, 34, COL45, {kGroupI, 1, 9}},
    {Unit, nullptr, 34, COL45, {kGroupI, 1, 11}},
};
#undef ALL
#undef COL45
#undef COL5
#undef NOT4
constexpr int kObjRows = int(std::size(obj));
constexpr int kFirstZrm3Obj = kObjRows - 6;

// The widgets of the panel; valid only while the registry holds the panel.
struct Ui {
    LivePanel frame;
    QLabel* field[kMeasRowsZrm3];
    QWidget* obj[kObjRows];
} ui;

QString panelTitle() {
    return Tr(QT_TRANSLATE_NOOP("MeasDisp", "Instantaneous values"));
}

QString ObjText(MeterSession& session, const ObjRow& o) {
    switch (o.kind) {
    case Frame:
    case Static:
        return Tr(o.text);
    case Caption:
        return TrMeas(MeasCaption(session, o.row));
    case Unit:
        return ui.frame.scale.Unit(MeasRowClass(session, o.row));
    case Heading:
        return TrMeas(o.text) + u' ' + ui.frame.scale.Unit(MeasRowClass(session, o.row));
    }
    return {};
}

QWidget* BuildObj(const ObjRow& o, QGridLayout* const grids[], QGroupBox* const boxes[], QWidget* panel) {
    if (o.kind == Frame) return boxes[o.at.group];
    auto* label = new QLabel(panel);
    if (o.kind == Unit)
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    else if (o.kind == Static && o.at.row == 0)
        label->setAlignment(Qt::AlignCenter);
    grids[o.at.group]->addWidget(label, o.at.row, o.at.col);
    return label;
}

} // namespace

QTimer* MeasTimer(MeterSession& session) {
    return LiveTimer(session, ui.frame, "measTimer", CmReadMeas);
}

QWidget* CreateMeasDisp(QWidget* parent) {
    QWidget* panel = BuildLivePanel(ui.frame, parent, "measdisp");
    ui.frame.busy->setToolTip(Tr(QT_TRANSLATE_NOOP("MeasDisp", "Lit while the meter is being read")));
    QVBoxLayout* top = ui.frame.body;

    QGroupBox* boxes[kGroups];
    QGridLayout* grids[kGroups];
    for (int g = 0; g < kGroups; ++g) {
        boxes[g] = new QGroupBox(panel);
        grids[g] = new QGridLayout(boxes[g]);
        grids[g]->setHorizontalSpacing(6);
        // Spare width goes right of the last column: values stay beside their captions.
        grids[g]->setColumnStretch(12, 1);
    }
    // Voltages and currents in the same columns, a unit clear of the next caption.
    const QFontMetrics metrics(panel->font());
    for (int g : {kGroupU, kGroupI})
        for (int c = 0; c < 12; c += 3) {
            grids[g]->setColumnMinimumWidth(c, metrics.horizontalAdvance(QStringLiteral("Umean")) + 8);
            grids[g]->setColumnMinimumWidth(c + 2, metrics.horizontalAdvance(QStringLiteral("kV")) + 20);
        }
    top->addWidget(boxes[kGroupU]);
    top->addWidget(boxes[kGroupI]);
    auto* lower = new QHBoxLayout;
    lower->addWidget(boxes[kGroupPower], 3);
    lower->addWidget(boxes[kGroupF], 1, Qt::AlignTop);
    top->addLayout(lower);
    top->addStretch();

    for (int i = 0; i < kObjRows; ++i) {
        ui.obj[i] = BuildObj(obj[i], grids, boxes, panel);
        ui.obj[i]->setObjectName(QStringLiteral("obj_%1").arg(i));
    }
    for (int r = 0; r < kMeasRowsZrm3; ++r) {
        ui.field[r] = NewMeasField(panel);
        ui.field[r]->setObjectName(QStringLiteral("msd_%1").arg(r));
        grids[kFieldPlace[r].group]->addWidget(ui.field[r], kFieldPlace[r].row, kFieldPlace[r].col);
    }

    FinishLivePanel(
        ui.frame, [] { CmPrintMeasData(); }, [] { CmCloseAcquisition(); });
    Panels().measurements = panel;
    return panel;
}

void InitMeasDisp(MeterSession& session) {
    if (!Panels().measurements) return;
    SetLiveTitle(ui.frame, panelTitle(), false);
    ui.frame.scale = DisplayScaleFor(session.read);
    ui.frame.scale.SetLocale(QLocale());
    const int column = ui.frame.scale.SystemColumn() - 1;
    const bool zrm3 = session.read.Model == 1;

    for (int r = 0; r < kMeasRowsZrm3; ++r) {
        const bool visible = MeasRowVisible(session, r, ui.frame.scale);
        ui.field[r]->setVisible(visible);
        if (visible) ShowMeasText(ui.field[r], {QString(), FieldColour::Black, 0});
    }
    for (int i = 0; i < kObjRows; ++i) {
        const bool visible = obj[i].show[column] && (i < kFirstZrm3Obj || zrm3);
        ui.obj[i]->setVisible(visible);
        const QString text = ObjText(session, obj[i]);
        if (auto* box = qobject_cast<QGroupBox*>(ui.obj[i]))
            box->setTitle(text);
        else
            static_cast<QLabel*>(ui.obj[i])->setText(text);
    }
    SetLiveBusy(ui.frame, false);
    MeasTimer(session);
    StartLivePolling(ui.frame); // the first values at once
}

int CmReadMeas(MeterSession& session) {
    QTimer* timer = MeasTimer(session);
    timer->setInterval(2000);
    // A tick while a transaction runs (its wait lets timers fire) waits for the next one.
    if (!Panels().measurements || LinkBusy()) return 1;
    SetLiveBusy(ui.frame, true);
    const int rows = MeasRowCount(session);
    const int ok = Read(session.read, MeasRequest(session), 0);
    if (!LiveReadReturned(ui.frame)) return 1; // closed while the reply was awaited
    ShowMeasValues(session, ok, rows);
    SetLiveBusy(ui.frame, false);
    return ok;
}

void ShowMeasValues(MeterSession& session, int readOk, int rows) {
    if (!Panels().measurements) return;
    for (int r = 0; r < rows; ++r) {
        if (!MeasRowVisible(session, r, ui.frame.scale)) continue;
        if (!readOk)
            ShowDisturbed(ui.field[r]);
        else
            CheckMeas(ui.frame.scale, MeasurandValue(session, r), ui.field[r]);
    }
}

int CmPrintMeasData() {
    PrintLivePanel(ui.frame);
    return 0;
}

int CmCloseAcquisition() {
    CloseLivePanel(ui.frame);
    Panels().measurements = nullptr;
    return 0;
}

int CmMeasDisplay(MeterSession& session) {
    if (!OpenAcquisition(session)) return 0;
    QWidget* panel = CreateMeasDisp(MainWindow());
    ShowPanel(PanelKind::Measurements, panel);
    InitMeasDisp(session);
    return 0;
}
