#include "acquisition/gui/MeanDisp.h"

#include "acquisition/Acquisition.h"
#include "acquisition/MeanDecode.h"
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

const Translator Tr{"MeanDisp"};

// The resets of every mean-value panel of this run: an extreme reset in an earlier
// panel may still lie on either side of its partner.
MeanResets resets;

// The question before a reset of extremes.
constexpr int kMeanQuestionKind = 18;
constexpr int kResetMeanExtremes = 8;

// Value columns of a power row: base model 3, ZRM3 5 intervals, trend, maximum, minimum.
constexpr int kPowerColumns = 8;
constexpr int kFreeColumns = 4; // mean, trend, maximum, minimum
const char* const kBaseHeadings[3] = {QT_TRANSLATE_NOOP("MeanDisp", "Interval"),
                                      QT_TRANSLATE_NOOP("MeanDisp", "Last interval"),
                                      QT_TRANSLATE_NOOP("MeanDisp", "Maximum")};
const char* const kZrm3Headings[kPowerColumns] = {QT_TRANSLATE_NOOP("MeanDisp", "Interval"),
                                                  "-1",
                                                  "-2",
                                                  "-3",
                                                  "-4",
                                                  QT_TRANSLATE_NOOP("MeanDisp", "Trend"),
                                                  QT_TRANSLATE_NOOP("MeanDisp", "Maximum"),
                                                  QT_TRANSLATE_NOOP("MeanDisp", "Minimum")};
const char* const kFreeHeadings[kFreeColumns] = {
    QT_TRANSLATE_NOOP("MeanDisp", "Mean value"), QT_TRANSLATE_NOOP("MeanDisp", "Trend"),
    QT_TRANSLATE_NOOP("MeanDisp", "Maximum"), QT_TRANSLATE_NOOP("MeanDisp", "Minimum")};

// Rows 0-4 power means, 5-13 free means; each with two reset boxes.
constexpr int kRows = kPowerMeans + kFreeMeans;
struct Ui {
    LivePanel frame;
    bool zrm3;
    QLabel* caption[kRows];
    QLabel* field[kRows][kPowerColumns];
    QCheckBox* resetMin[kRows];
    QCheckBox* resetMax[kRows];
    QCheckBox* all;
} ui;

QLabel* Heading(const char* text, QWidget* parent) {
    auto* label = new QLabel(text[0] == '-' ? QString::fromLatin1(text) : Tr(text), parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void AddRow(QGridLayout* grid, QWidget* box, int r, int row, int columns) {
    ui.caption[r] = new QLabel(box);
    grid->addWidget(ui.caption[r], row, 0);
    for (int c = 0; c < columns; ++c) {
        ui.field[r][c] = NewMeasField(box);
        ui.field[r][c]->setObjectName(QStringLiteral("mean_%1_%2").arg(r).arg(c));
        grid->addWidget(ui.field[r][c], row, 1 + c);
    }
    ui.resetMin[r] = new QCheckBox(box);
    ui.resetMin[r]->setObjectName(QStringLiteral("resetMin_%1").arg(r));
    ui.resetMax[r] = new QCheckBox(box);
    ui.resetMax[r]->setObjectName(QStringLiteral("resetMax_%1").arg(r));
    grid->addWidget(ui.resetMin[r], row, 1 + columns, Qt::AlignCenter);
    grid->addWidget(ui.resetMax[r], row, 2 + columns, Qt::AlignCenter);
}

QGroupBox* BuildGroup(QWidget* panel, const char* title, const char* const headings[], int columns,
                      int firstRow, int rows) {
    auto* box = new QGroupBox(Tr(title), panel);
    auto* grid = new QGridLayout(box);
    for (int c = 0; c < columns; ++c)
        grid->addWidget(Heading(headings[c], box), 0, 1 + c);
    grid->addWidget(Heading(QT_TRANSLATE_NOOP("MeanDisp", "Reset min"), box), 0, 1 + columns);
    grid->addWidget(Heading(QT_TRANSLATE_NOOP("MeanDisp", "Reset max"), box), 0, 2 + columns);
    grid->setColumnStretch(3 + columns, 1);
    for (int r = firstRow; r < firstRow + rows; ++r)
        AddRow(grid, box, r, 1 + r - firstRow, columns);
    return box;
}

int PowerColumns() {
    return ui.zrm3 ? kPowerColumns : 3;
}

bool FreeRowUsed(MeterSession& session, int r) {
    return ui.zrm3 && r >= kPowerMeans && MeanFreeCode(session, r - kPowerMeans) != kNoMeasurand;
}

void ShowPowerRows(int ok) {
    for (int q = 0; q < kPowerMeans; ++q)
        for (int c = 0; c < PowerColumns(); ++c) {
            QLabel* field = ui.field[q][c];
            if (!ok) {
                ShowDisturbed(field);
            } else if (!ui.zrm3 || c < 5) {
                // Both forms: the running interval first, then the meter's other groups.
                ShowMeasText(field,
                             PowerMeanText(ui.frame.scale, q,
                                           BlockFloat(MeterBlocksInUse().powerMeans, c * kPowerMeans + q)));
            } else if (c == 5) {
                ShowMeasText(field, PowerMeanText(ui.frame.scale, q,
                                                  BlockFloat(MeterBlocksInUse().powerMeanTrend, q)));
            } else {
                ShowMeasText(field, PowerExtremeText(ui.frame.scale, resets, c == 6 ? q : q + kPowerMeans));
            }
        }
}

void ShowFreeRows(MeterSession& session, int ok) {
    for (int r = kPowerMeans; r < kRows; ++r) {
        if (!FreeRowUsed(session, r)) continue;
        for (int w = 0; w < kFreeColumns; ++w)
            if (ok)
                ShowMeasText(ui.field[r][w],
                             FreeMeanText(session, ui.frame.scale, resets, r - kPowerMeans, w));
            else
                ShowDisturbed(ui.field[r][w]);
    }
}

} // namespace

QTimer* MeanTimer(MeterSession& session) {
    return LiveTimer(session, ui.frame, "meanTimer", CmReadAverage);
}

QWidget* CreateMeanDisp(MeterSession& session, QWidget* parent) {
    ui.zrm3 = session.read.Model == 1;
    QWidget* panel = BuildLivePanel(ui.frame, parent, "meandisp");
    ui.frame.body->addWidget(BuildGroup(panel, QT_TRANSLATE_NOOP("MeanDisp", "Power mean values"),
                                        ui.zrm3 ? kZrm3Headings : kBaseHeadings, PowerColumns(), 0,
                                        kPowerMeans));
    if (ui.zrm3)
        ui.frame.body->addWidget(BuildGroup(panel, QT_TRANSLATE_NOOP("MeanDisp", "Free mean values"),
                                            kFreeHeadings, kFreeColumns, kPowerMeans, kFreeMeans));
    ui.frame.body->addStretch();
    ui.all = new QCheckBox(Tr(QT_TRANSLATE_NOOP("MeanDisp", "All")), ui.frame.buttons);
    ui.all->setObjectName("resetAll");
    ui.frame.buttonRow->addWidget(ui.all);
    QObject::connect(ui.all, &QCheckBox::clicked, panel, [&session] { CmResAllMean(session); });
    AddPanelButton(ui.frame, Tr(QT_TRANSLATE_NOOP("MeanDisp", "&Reset ticked extremes")), "reset",
                   [&session] { ResetMeanValues(session); });
    FinishLivePanel(
        ui.frame, [] { CmPrintMeanValues(); }, [] { CmMeanDone(); });
    Panels().mean = panel;
    return panel;
}

void InitMeanDisp(MeterSession& session) {
    if (!Panels().mean) return;
    SetLiveTitle(ui.frame, Tr(QT_TRANSLATE_NOOP("MeanDisp", "Mean values")), false);
    ui.frame.scale = DisplayScaleFor(session.read);
    ui.frame.scale.SetLocale(QLocale());
    for (int q = 0; q < kPowerMeans; ++q)
        ui.caption[q]->setText(
            QStringLiteral("%1 %2").arg(MeanPowerName(session, q), ui.frame.scale.Unit(MeanPowerClass(q))));
    if (ui.zrm3) {
        DropInvalidMeanCodes(session);
        for (int r = kPowerMeans; r < kRows; ++r) {
            const bool used = FreeRowUsed(session, r);
            ui.caption[r]->setText(used ? MeanFreeCaption(session, ui.frame.scale, r - kPowerMeans)
                                        : Tr(QT_TRANSLATE_NOOP("MeanDisp", "no measurand")));
            ui.caption[r]->setEnabled(used);
            for (int w = 0; w < kFreeColumns; ++w) {
                ui.field[r][w]->setEnabled(used);
                ShowMeasText(ui.field[r][w], {QString(), FieldColour::Black, 0});
            }
            ui.resetMin[r]->setEnabled(used);
            ui.resetMax[r]->setEnabled(used);
        }
    }
    // The reset boxes have no text: a screen reader names them by their row.
    for (int r = 0; r < (ui.zrm3 ? kRows : kPowerMeans); ++r) {
        const QString row = ui.caption[r]->text();
        ui.resetMin[r]->setAccessibleName(Tr(QT_TRANSLATE_NOOP("MeanDisp", "Reset minimum of %1")).arg(row));
        ui.resetMax[r]->setAccessibleName(Tr(QT_TRANSLATE_NOOP("MeanDisp", "Reset maximum of %1")).arg(row));
    }
    MeanTimer(session);
    StartLivePolling(ui.frame);
}

int CmReadAverage(MeterSession& session) {
    QTimer* timer = MeanTimer(session);
    timer->setInterval(5000);
    if (!Panels().mean || LinkBusy()) return 1;
    SetLiveBusy(ui.frame, true);
    int ok = ReadPowerMeans(session);
    if (!LiveReadReturned(ui.frame)) return 1;
    ShowPowerRows(ok);
    if (ui.zrm3 && AnyFreeMean(session)) {
        ok = ReadFreeMeans(session);
        if (!LiveReadReturned(ui.frame)) return 1;
        ShowFreeRows(session, ok);
    }
    SetLiveBusy(ui.frame, false);
    return ok;
}

int CmResAllMean(MeterSession& session) {
    for (int r = 0; r < kRows; ++r)
        if (r < kPowerMeans || FreeRowUsed(session, r)) {
            ui.resetMin[r]->setChecked(ui.all->isChecked());
            ui.resetMax[r]->setChecked(ui.all->isChecked());
        }
    return 0;
}

int ResetMeanValues(MeterSession& session) {
    if (!Panels().mean) return 0;
    bool minT[kRows] = {}, maxT[kRows] = {};
    bool any = false;
    for (int r = 0; r < kRows; ++r) {
        if (r >= kPowerMeans && !FreeRowUsed(session, r)) continue;
        minT[r] = ui.resetMin[r]->isChecked();
        maxT[r] = ui.resetMax[r]->isChecked();
        any = any || minT[r] || maxT[r];
    }
    if (!any) return 0;
    QTimer* timer = MeanTimer(session);
    // The meter cannot give back what a reset cleared. Cancel keeps the ticks.
    if (!AskWithRefreshPaused(timer, Panels().mean, [] { return Warning(kMeanQuestionKind, kResetMeanExtremes); }))
        return 0;
    for (int r = 0; r < kRows; ++r) {
        if (r >= kPowerMeans && !FreeRowUsed(session, r)) continue;
        ui.resetMin[r]->setChecked(false);
        ui.resetMax[r]->setChecked(false);
    }
    ui.all->setChecked(false);
    uint16_t minima, maxima;
    MeanResetWords(session, minT, maxT, minima, maxima);
    // Read at once, and once more soon after for a meter that applies it a moment late.
    if (SendMeanReset(session, minima, maxima, resets) && Panels().mean) CmReadAverage(session);
    timer->setInterval(2000);
    if (Panels().mean) timer->start();
    return 0;
}

int CmPrintMeanValues() {
    PrintLivePanel(ui.frame);
    return 0;
}

int CmMeanDone() {
    CloseLivePanel(ui.frame);
    Panels().mean = nullptr;
    return 0;
}

int CmMeanValueDisplay(MeterSession& session) {
    if (!OpenAcquisition(session)) return 0;
    QWidget* panel = CreateMeanDisp(session, MainWindow());
    ShowPanel(session.read.Model == 1 ? PanelKind::MeanExtended : PanelKind::MeanStandard, panel);
    InitMeanDisp(session);
    return 0;
}
