#include "acquisition/gui/MeterDisp.h"

#include "acquisition/Acquisition.h"
#include "acquisition/MeterDecode.h"
#include "acquisition/gui/LivePanel.h"
#include "config/ConfigImage.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"
#include "platform/Translate.h"
#include "platform/gui/NumberField.h"
#include "shell/ZARO.h"
#include "values/NumberText.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>

namespace {

const Translator Tr{"MeterDisp"};

struct Ui {
    LivePanel frame;
    QLabel* caption[kMeterRows];
    QDoubleSpinBox* field[kMeterRows];
    QLabel* unit[kMeterRows];
    QCheckBox* reset[kMeterRows];
    QCheckBox* set[kMeterRows];
    bool edited[kMeterRows]; // the user changed the field since the last set
    QLabel* tariff[2];
    QPushButton* toggle;
    MeterScaling scaling{0, 0, 1, 99999999.0}; // as the meter reported it when the panel opened
} ui;

QString TariffName(int tariff) {
    return tariff == 0 ? Tr(QT_TRANSLATE_NOOP("MeterDisp", "Tariff 1 (high)"))
                       : Tr(QT_TRANSLATE_NOOP("MeterDisp", "Tariff 2 (low)"));
}

void LightTariff(int active) {
    for (int t = 0; t < 2; ++t) {
        const bool lit = t + 1 == active;
        ui.tariff[t]->setProperty("lit", lit);
        QPalette pal = ui.tariff[t]->palette();
        pal.setColor(QPalette::WindowText, lit ? QColor(0xE0A000) : QColor(0xC8C8C8));
        ui.tariff[t]->setPalette(pal);
    }
}

// One column per tariff: caption, value, unit, reset and set boxes per register.
QWidget* BuildTariffColumn(QWidget* panel, int tariff) {
    auto* box = new QGroupBox(panel);
    auto* grid = new QGridLayout(box);
    ui.tariff[tariff] = new QLabel(QStringLiteral("\u25CF ") + TariffName(tariff), box);
    ui.tariff[tariff]->setObjectName(QStringLiteral("tariff%1").arg(tariff + 1));
    grid->addWidget(ui.tariff[tariff], 0, 0, 1, 3);
    grid->addWidget(new QLabel(Tr(QT_TRANSLATE_NOOP("MeterDisp", "Reset")), box), 0, 3);
    grid->addWidget(new QLabel(Tr(QT_TRANSLATE_NOOP("MeterDisp", "Set")), box), 0, 4);
    for (int q = 0; q < 4; ++q) {
        const int r = 2 * q + tariff;
        ui.caption[r] = new QLabel(box);
        ui.field[r] = new NumberField(box);
        ui.field[r]->setObjectName(QStringLiteral("meter_%1").arg(r));
        ui.field[r]->setAlignment(Qt::AlignRight);
        ui.field[r]->setButtonSymbols(QAbstractSpinBox::NoButtons);
        ui.field[r]->setMinimumWidth(ui.field[r]->fontMetrics().horizontalAdvance("4294967295.0") + 16);
        ui.unit[r] = new QLabel(box);
        ui.reset[r] = new QCheckBox(box);
        ui.reset[r]->setObjectName(QStringLiteral("meterReset_%1").arg(r));
        // Typing, or stepping the focused field, is an edit of the user's.
        QObject::connect(ui.field[r]->findChild<QLineEdit*>(), &QLineEdit::textEdited, box,
                         [r] { ui.edited[r] = true; });
        QObject::connect(ui.field[r], &QDoubleSpinBox::valueChanged, box, [r] {
            if (ui.field[r]->hasFocus()) ui.edited[r] = true;
        });
        ui.set[r] = new QCheckBox(box);
        ui.set[r]->setObjectName(QStringLiteral("meterSet_%1").arg(r));
        grid->addWidget(ui.caption[r], q + 1, 0);
        grid->addWidget(ui.field[r], q + 1, 1);
        grid->addWidget(ui.unit[r], q + 1, 2);
        grid->addWidget(ui.reset[r], q + 1, 3, Qt::AlignCenter);
        grid->addWidget(ui.set[r], q + 1, 4, Qt::AlignCenter);
    }
    return box;
}

// A command's link traffic runs with the refresh stopped. After a command the meter took,
// the panel reads at once, and once more soon after for a meter that takes a moment to
// apply it; after a failed one the refresh resumes.
void RestartRefresh(MeterSession& session, int commandOk, int ms) {
    if (commandOk && Panels().meters) CmReadMeters(session);
    QTimer* timer = MetersTimer(session);
    timer->setInterval(ms);
    if (Panels().meters) timer->start();
}

// A register and its energy as the question before changing it shows them, in the
// user's way of writing numbers.
QString RegisterName(int row) {
    return ui.caption[row]->text() + QStringLiteral(", ") + TariffName(row % 2);
}
QString EnergyText(double shown, int row) {
    return FixedText(shown, ui.scaling.decimals, QLocale()) + ' ' +
           QString::fromLatin1(MeterUnit(row, ui.scaling.prefix));
}
QString ChangeRow(int row, double newValue) {
    return RegisterName(row) + '\t' + EnergyText(MeterShownValue(MeterCount(row), ui.scaling), row) + '\t' +
           EnergyText(newValue, row);
}

// The questions before a set or a reset, which the meter cannot undo.
constexpr int kMeterQuestionKind = 18;
constexpr int kResetRegistersQuestion = 1;
constexpr int kSetRegistersQuestion = 2;

} // namespace

QTimer* MetersTimer(MeterSession& session) {
    return LiveTimer(session, ui.frame, "metersTimer", CmReadMeters);
}

QWidget* CreateMetersDisp(MeterSession& session, QWidget* parent) {
    QWidget* panel = BuildLivePanel(ui.frame, parent, "meterdisp");
    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildTariffColumn(panel, 0));
    columns->addWidget(BuildTariffColumn(panel, 1));
    columns->addStretch();
    ui.frame.body->addLayout(columns);
    ui.frame.body->addStretch();
    AddPanelButton(ui.frame, Tr(QT_TRANSLATE_NOOP("MeterDisp", "&Set ticked registers")), "set",
                   [&session] { CmMeterSet(session); });
    AddPanelButton(ui.frame, Tr(QT_TRANSLATE_NOOP("MeterDisp", "&Reset ticked registers")), "reset",
                   [&session] { CmMeterReset(session); });
    ui.toggle = AddPanelButton(ui.frame, Tr(QT_TRANSLATE_NOOP("MeterDisp", "Switch &tariff")), "toggleTariff",
                               [&session] { CmToggleTariff(session); });
    FinishLivePanel(
        ui.frame, [] { CmPrintMeters(); }, [] { CmMeterDone(); });
    Panels().meters = panel;
    return panel;
}

int InitMetersDisp(MeterSession& session) {
    if (!Panels().meters) return 0;
    for (int r = 0; r < kMeterRows; ++r) {
        const QString name = Tr(MeterQuantityName(session, r));
        ui.caption[r]->setText(name);
        // The boxes have no text of their own: a screen reader names them by their register.
        ui.field[r]->setAccessibleName(name);
        ui.reset[r]->setAccessibleName(Tr(QT_TRANSLATE_NOOP("MeterDisp", "Reset %1")).arg(name));
        ui.set[r]->setAccessibleName(Tr(QT_TRANSLATE_NOOP("MeterDisp", "Set %1")).arg(name));
    }
    SetLiveTitle(ui.frame, Tr(QT_TRANSLATE_NOOP("MeterDisp", "Energy meters")), true);
    if (!ReadMeterScaling(session, ui.scaling)) {
        // Nothing to show without the scale: back to the main panel, link closed.
        CmMeterDone();
        return 0;
    }
    // The digital input switches the tariff: the button would fight it.
    ui.toggle->setEnabled(!(session.read.EnergyControl & kEnergyTariff));
    const MeterScaling& s = ui.scaling;
    for (int r = 0; r < kMeterRows; ++r) {
        ui.unit[r]->setText(MeterUnit(r, s.prefix));
        ui.field[r]->setDecimals(s.decimals);
        ui.field[r]->setRange(0.0, s.fieldMax);
        ui.field[r]->setValue(0.0);
        ui.edited[r] = false;
    }
    LightTariff(0);
    MetersTimer(session);
    StartLivePolling(ui.frame);
    ui.frame.panel->setFocus();
    return 1;
}

int CmReadMeters(MeterSession& session) {
    QTimer* timer = MetersTimer(session);
    timer->setInterval(5000);
    if (!Panels().meters || LinkBusy()) return 1;
    timer->stop();
    SetLiveBusy(ui.frame, true);
    const int metersOk = Read(session.read, kReadMeters, 0);
    if (!LiveReadReturned(ui.frame)) return 1;
    if (metersOk)
        for (int r = 0; r < kMeterRows; ++r)
            // A value the user is preparing is not overwritten.
            if (!ui.set[r]->isChecked() && !ui.edited[r] && !ui.field[r]->hasFocus())
                ui.field[r]->setValue(MeterShownValue(MeterCount(r), ui.scaling));
    const int ok = Read(session.read, kReadDevStatus, 0);
    if (!LiveReadReturned(ui.frame)) return 1;
    if (ok) LightTariff(ActiveTariff(DevStatusWord()));
    SetLiveBusy(ui.frame, false);
    timer->start();
    return ok;
}

int CmMeterSet(MeterSession& session) {
    if (!Panels().meters) return 0;
    bool set[kMeterRows];
    double values[kMeterRows];
    QStringList changes;
    for (int r = 0; r < kMeterRows; ++r) {
        set[r] = ui.set[r]->isChecked();
        values[r] = ui.field[r]->value();
        if (set[r]) changes << ChangeRow(r, values[r]);
    }
    if (changes.isEmpty()) return 0;
    // A value the register cannot hold is refused before the question.
    for (int r = 0; r < kMeterRows; ++r)
        if (set[r] && !MeterValueFits(values[r], ui.scaling)) {
            Error(kMeterScaleKind, kMeterValueRefused);
            return 0;
        }
    // Cancel keeps the ticks and the values typed, to be corrected or sent later.
    if (!AskWithRefreshPaused(MetersTimer(session), Panels().meters, [&changes] {
            return WarningWithDetails(kMeterQuestionKind, kSetRegistersQuestion, changes);
        }))
        return 0;
    for (int r = 0; r < kMeterRows; ++r) {
        ui.set[r]->setChecked(false);
        // The set ends the editing: every field shows the meter again.
        ui.edited[r] = false;
    }
    const int ok = SendMeterSet(session, ui.scaling, set, values);
    RestartRefresh(session, ok, 1000);
    return 0;
}

int CmMeterReset(MeterSession& session) {
    if (!Panels().meters) return 0;
    bool ticked[kMeterRows];
    QStringList changes;
    for (int r = 0; r < kMeterRows; ++r) {
        ticked[r] = ui.reset[r]->isChecked();
        if (ticked[r]) changes << ChangeRow(r, 0.0);
    }
    if (changes.isEmpty()) return 0;
    if (!AskWithRefreshPaused(MetersTimer(session), Panels().meters, [&changes] {
            return WarningWithDetails(kMeterQuestionKind, kResetRegistersQuestion, changes);
        }))
        return 0;
    for (int r = 0; r < kMeterRows; ++r) {
        ui.reset[r]->setChecked(false);
        // A register reset shows its zero, whatever was typed into it.
        if (ticked[r]) ui.edited[r] = false;
    }
    const int ok = SendMeterReset(session, MeterResetWord(ticked));
    RestartRefresh(session, ok, 2000);
    return 0;
}

int CmToggleTariff(MeterSession& session) {
    if (!Panels().meters) return 0;
    MetersTimer(session)->stop();
    const int ok = SendTariffToggle(session);
    RestartRefresh(session, ok, 1000);
    return 0;
}

int CmPrintMeters() {
    PrintLivePanel(ui.frame);
    return 0;
}

int CmMeterDone() {
    CloseLivePanel(ui.frame);
    Panels().meters = nullptr;
    return 0;
}

int CmMetersDisplay(MeterSession& session) {
    if (!OpenAcquisition(session)) return 0;
    QWidget* panel = CreateMetersDisp(session, MainWindow());
    ShowPanel(PanelKind::Meters, panel);
    InitMetersDisp(session);
    return 0;
}
