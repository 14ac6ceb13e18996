#include "config/gui/MainPanel.h"

#include "config/ConfigFile.h"
#include "config/ConfigImage.h"
#include "config/ConfigTransfer.h"
#include "config/Editor.h"
#include "config/EditorLists.h"
#include "config/EditorRefresh.h"
#include "config/Scaling.h"
#include "config/gui/DispModePanel.h"
#include "platform/TimeBase.h"
#include "platform/Translate.h"
#include "platform/gui/NumberField.h"
#include "settings/INI_File.h"
#include "settings/SelDevType.h"
#include "shell/ZARO.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const char* const kContext = "MainPanel";
const Translator Tr{kContext};

constexpr int kRows = 9; // free mean values and min/max logger channels

struct OutputControls {
    QComboBox* function;
    QComboBox* measurand;
    QLabel* limitLabel[2];
    QDoubleSpinBox* limit[2];
    QLabel* limitUnit[2];
    QLabel* rateLabel;
    QSpinBox* rate;
    QComboBox* pulseUnit;
};

// The widgets of the panel; valid only while root is set.
struct Ui {
    QWidget* root;
    QLabel* date;
    QLabel* time;
    QComboBox* deviceType;
    QCheckBox* module;          // hidden: the device type carries the module
    QComboBox* interfaceOption; // hidden: the model decides the option
    QCheckBox* rated1A;
    QCheckBox* rated5A;
    QSpinBox* address;
    QComboBox* baudrate;
    QComboBox* parity;

    QComboBox* system;
    QCheckBox* cosPhi;
    QDoubleSpinBox* urPrim;
    QComboBox* urPrimUnit;
    QSpinBox* urSec;
    QDoubleSpinBox* irPrim;
    QComboBox* irPrimUnit;
    QDoubleSpinBox* irSec;
    QComboBox* nomFreq;
    QCheckBox* freqLock;

    OutputControls out[2];

    QComboBox* syncMode;
    QSpinBox* interval;
    QComboBox* tariff;

    QCheckBox* qMode;
    QComboBox* dispMode;
    QCheckBox* dispModeLock;
    QComboBox* refreshTime;
    QPushButton* pages;

    QComboBox* loggerMode;
    QCheckBox* loggerGroup[5];
    QLabel* recordingTime;
    QPushButton* resetLogger;

    QComboBox* mean[kRows];
    QCheckBox* meanLog[kRows];
    QComboBox* minMax[kRows];
    QCheckBox* minMaxOn[kRows];

    QPlainTextEdit* description;
};

Ui ui;

void Fill(QComboBox* box, std::span<const ListEntry> master, const std::vector<int>& entries) {
    box->clear();
    for (int e : entries)
        box->addItem(EntryName(master[e]), master[e].value);
}

void FillAll(QComboBox* box, std::span<const ListEntry> master, int count) {
    std::vector<int> entries;
    entries.reserve(size_t(count));
    for (int e = 0; e < count; ++e)
        entries.push_back(e);
    Fill(box, master, entries);
}

void Select(QComboBox* box, int value) {
    box->setCurrentIndex(box->findData(value));
}

int Value(const QComboBox* box) {
    return box->currentData().toInt();
}

// Redraw from session.edited ------------------------------------------------------------

void ShowRatios(MeterSession& session) {
    const bool kv = session.edited.UrPrim >= 1000.0f;
    ui.urPrim->setValue(kv ? session.edited.UrPrim / 1000.0 : session.edited.UrPrim);
    ui.urPrimUnit->setCurrentIndex(kv ? 1 : 0);
    ui.urSec->setValue(session.edited.UrSec);
    const bool ka = session.edited.IrPrim >= 1000.0f;
    ui.irPrim->setValue(ka ? session.edited.IrPrim / 1000.0 : session.edited.IrPrim);
    ui.irPrimUnit->setCurrentIndex(ka ? 1 : 0);
    ui.irSec->setValue(session.edited.IrSec);
}

void ShowOutput(MeterSession& session, int i) {
    OutputControls& o = ui.out[i];
    const int func = OutputFunction(session.edited, i);
    Select(o.function, func);
    const bool limit = func == 3;
    const bool pulse = func == 2;
    for (int f = 0; f < 2; ++f) {
        o.limitLabel[f]->setVisible(limit);
        o.limit[f]->setVisible(limit);
        o.limitUnit[f]->setVisible(limit);
    }
    o.rateLabel->setVisible(pulse);
    o.rate->setVisible(pulse);
    o.pulseUnit->setVisible(pulse);
    o.measurand->clear();
    if (limit) {
        Fill(o.measurand, MasterList(EditorList::Output), DigoutSelEntries(session, i, 3));
        Select(o.measurand, session.edited.DigOut[i]);
        const LimitFieldView view = LimitFields(session, i);
        const QString unit = QString::fromLatin1(LimitUnitText(session, i)); // SetupLimitUnit
        for (int f = 0; f < 2; ++f) {
            o.limit[f]->setDecimals(view.decimals);
            o.limit[f]->setRange(view.min, view.max);
            o.limit[f]->setValue(view.value[f]);
            o.limitUnit[f]->setText(unit);
        }
    } else if (pulse) {
        const std::vector<int> entries = DigoutSelEntries(session, i, 2);
        Fill(o.measurand, MasterList(EditorList::Output), entries);
        o.measurand->setCurrentIndex(PulseEnergyPosition(session, i, entries));
        o.rate->setValue(session.edited.PulseRate[i]);
        Fill(o.pulseUnit, MasterList(EditorList::PulseUnit), PulseUnitEntries(session, i)); // SetupPulsUnit
        o.pulseUnit->setCurrentIndex(session.edited.DigOut[i] % 4);
    }
}

// 0 means none as 255 does; a code the list lacks gets an entry of its own in its row.
void ShowMinMaxRow(MeterSession& session, int k, const std::vector<int>& entries) {
    QComboBox* box = ui.minMax[k];
    const int code = session.edited.MinMaxLogger[k];
    const int shown = code == 0 ? 255 : code;
    Fill(box, MasterList(EditorList::MinMax), entries);
    if (box->findData(shown) < 0) box->addItem(UnlistedCodeName(code), code);
    Select(box, shown);
    ui.minMaxOn[k]->setChecked(shown != 255);
}

void ShowMeanAndMinMax(MeterSession& session) {
    const bool ext = session.edited.Model != 0;
    if (ext) {
        const std::vector<int> entries = MeanSelEntries(session);
        for (int k = 0; k < kRows; ++k) {
            Fill(ui.mean[k], MasterList(EditorList::Mean), entries);
            Select(ui.mean[k], session.edited.MeanMeas[k]);
        }
    }
    if (session.connection.kind == kModule) {
        const std::vector<int> entries = MinMaxSelEntries(session);
        for (int k = 0; k < kRows; ++k)
            ShowMinMaxRow(session, k, entries);
    }
}

void ShowAllImpl(MeterSession& session) {
    if (!ui.root) return;
    PrepareRedraw(session);
    const LocalTime now = LocalNow();
    ui.date->setText(QString::fromStdString(FormatDate(now)));
    ui.time->setText(QString::fromStdString(FormatTime(now)));

    Select(ui.system, SystemCode(session.edited));
    ui.cosPhi->setChecked(session.edited.System & kSystemCosPhi);
    ShowRatios(session);

    Select(ui.syncMode, SyncModeValue(session));
    ui.interval->setValue(Interval(session.edited));
    Select(ui.tariff, TariffValue(session));

    Select(ui.loggerMode, LoggerModeValue(session));
    for (int k = 0; k < 5; ++k) {
        ui.loggerGroup[k]->setChecked(session.edited.Logger & (kLoggerChannel0 << k));
        ui.loggerGroup[k]->setText(LoggerGroupLabel(session, k));
    }
    for (int k = 0; k < kRows; ++k)
        ui.meanLog[k]->setChecked((session.edited.Mean_Log >> k) & 1);

    ShowOutput(session, 0);
    ShowOutput(session, 1);

    const bool ext = session.edited.Model != 0;
    ui.qMode->setChecked(ext && (session.edited.DispMode & kDispModeInOut));
    Select(ui.dispMode, session.edited.DispMode & kDispModeMode);
    ui.dispModeLock->setChecked(session.edited.DispMode & kDispModeLocked);
    Select(ui.refreshTime, ext ? session.edited.Display >> 4 : 1);
    ui.nomFreq->setCurrentIndex((session.edited.Freq & 0x02) ? 0 : 1);
    ui.freqLock->setChecked(session.edited.Freq & kFreqLocked);

    ShowMeanAndMinMax(session);
    ui.recordingTime->setText(LoggerModeValue(session) != 0 ? RecordingTimeText(session)
                                                            : QStringLiteral("- - -"));

    const QString description = QString::fromLatin1(session.edited.Description);
    if (ui.description->toPlainText() != description) {
        ui.description->blockSignals(true);
        ui.description->setPlainText(description);
        ui.description->blockSignals(false);
    }
    Select(ui.deviceType, session.edited.Model + (session.connection.kind == kModule ? 1 : 0));
    ui.rated1A->setChecked(session.edited.MaxI == 100);
    ui.rated5A->setChecked(session.edited.MaxI != 100);
    ui.address->setValue(session.edited.Address);
    Select(ui.baudrate, session.edited.BusSettings & kBusBaudrate);
    Select(ui.parity, (session.edited.BusSettings & kBusParity) >> kBusParityShift);
    for (QAbstractSpinBox* box : ui.root->findChildren<QAbstractSpinBox*>())
        box->setProperty("shown", box->text());
}

// Hides a whole row of a group's form, label included, without leaving a gap.
void ShowRow(QWidget* field, bool on) {
    if (auto* form = qobject_cast<QFormLayout*>(field->parentWidget()->layout()))
        form->setRowVisible(field, on);
}

void ActivateObjectsImpl(MeterSession& session) {
    if (!ui.root) return;
    const EditorActivation a = ActivateEditor(session);
    ShowRow(ui.module, false);
    ShowRow(ui.interfaceOption, false);
    Fill(ui.system, MasterList(EditorList::System), SystemEntries(session));
    ShowRow(ui.nomFreq, a.nomFreqVisible);
    ui.freqLock->setEnabled(a.freqLockEnabled);
    ui.refreshTime->setEnabled(a.freqLockEnabled);
    for (OutputControls& o : ui.out)
        Fill(o.function, MasterList(EditorList::DigoutFunction), DigoutFunctionEntries(session));
    Fill(ui.syncMode, MasterList(EditorList::SyncMode), SyncModeEntries());
    Fill(ui.tariff, MasterList(EditorList::Tariff), TariffEntries(session));
    Fill(ui.loggerMode, MasterList(EditorList::LoggerMode), LoggerModeEntries(session));
    ui.recordingTime->setEnabled(a.recordingEnabled);
    for (QCheckBox* box : ui.loggerGroup)
        box->setEnabled(a.recordingEnabled);
    // The base model logs two power channels only.
    for (int k = 2; k < 5; ++k)
        ui.loggerGroup[k]->setVisible(session.edited.Model != 0);
    ui.interval->setEnabled(a.intervalEnabled);
    ui.qMode->setEnabled(a.extendedDisplay);
    ui.dispMode->setEnabled(a.extendedDisplay);
    ui.dispModeLock->setEnabled(a.extendedDisplay);
    for (int k = 0; k < kRows; ++k) {
        ui.mean[k]->setEnabled(a.meanEnabled);
        ui.meanLog[k]->setEnabled(a.meanLogEnabled[k]);
        ui.minMax[k]->setEnabled(a.minMaxEnabled);
        ui.minMaxOn[k]->setEnabled(a.minMaxEnabled);
    }
}

// Building the panel ------------------------------------------------------------

QFormLayout* Form(QGroupBox* group) {
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    return form;
}

QComboBox* Combo(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

QCheckBox* Check(QWidget* parent, const QString& text, const QString& name) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

QDoubleSpinBox* Number(QWidget* parent, const char* name, double min, double max, int decimals) {
    auto* box = new NumberField(parent);
    box->setObjectName(name);
    box->setRange(min, max);
    box->setDecimals(decimals);
    box->setKeyboardTracking(false);
    return box;
}

QSpinBox* Integer(QWidget* parent, const char* name, int min, int max) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(min, max);
    box->setKeyboardTracking(false);
    return box;
}

// Connects a user action to a callback; nothing runs while the panel is going away.
template <typename Signal, typename Sender, typename F> void On(Sender* sender, Signal signal, F f) {
    QObject::connect(sender, signal, sender, [f] {
        if (!ui.root) return;
        f();
        ShowEditState(); // not every edit redraws, yet each may change the title's mark
    });
}

// A number field commits when the user leaves it; leaving it untouched commits nothing,
// so tabbing through the editor never re-rounds a stored value.
template <typename F> void OnEdited(QAbstractSpinBox* box, F f) {
    QObject::connect(box, &QAbstractSpinBox::editingFinished, box, [box, f] {
        if (!ui.root || box->text() == box->property("shown").toString()) return;
        f();
        box->setProperty("shown", box->text());
        ShowEditState();
    });
}

QWidget* Row(QWidget* parent, std::initializer_list<QWidget*> widgets) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : widgets) {
        w->setParent(row);
        layout->addWidget(w);
    }
    layout->addStretch();
    return row;
}

void RefreshToolbarLists() {
    InitToolbarDeviceAddr();
    InitToolbarGateway();
}

QGroupBox* DeviceGroup(MeterSession& session, QWidget* parent) {
    auto* group = new QGroupBox(Tr(QT_TRANSLATE_NOOP("MainPanel", "Device and interface")), parent);
    group->setObjectName("DeviceGroup");
    auto* form = Form(group);
    ui.deviceType = Combo(group, "DeviceType");
    FillAll(ui.deviceType, MasterList(EditorList::DeviceType), 3);
    form->addRow(Tr(QT_TRANSLATE_NOOP("MainPanel", "Device type")), ui.deviceType);
    ui.module = Check(group, Tr(QT_TRANSLATE_NOOP("MainPanel", "LANMOD57 module")), "ModuleBox");
    ui.interfaceOption = Combo(group, "InterfaceOption");
    ui.interfaceOption->addItem(Tr(QT_TRANSLATE_NOOP("MainPanel", "without interface option")), 0);
    ui.interfaceOption->addItem(Tr(QT_TRANSLATE_NOOP("MainPanel", "with interface option")), 1);
    form->addRow(ui.module);
    form->addRow(ui.interfaceOption);
    ui.rated1A = Check(group, Tr(QT_TRANSLATE_NOOP("MainPanel", "1 A")), "Rated1A");
    ui.rated5A = Check(group, Tr(QT_TRANSLATE_NOOP("MainPanel", "5 A")), "Rated5A");
    form->addRow(Tr(QT_TRANSLATE_NOOP("MainPanel", "Current input")), Row(group, {ui.rated1A, ui.rated5A}));
    ui.address = Integer(group, "DeviceAddress", 1, 255);
    form->addRow(EditorCaptionText(kCapAddress), ui.address);
    ui.baudrate = Combo(group, "DevBaudrate");
    FillAll(ui.baudrate, MasterList(EditorList::BaudRate), 5);
    ui.parity = Combo(group, "DevParity");
    FillAll(ui.parity, MasterList(EditorList::Parity), 4);
    form->addRow(EditorCaptionText(kCapBusSettings), Row(group, {ui.baudrate, ui.parity}));
    ui.date = new QLabel(group);
    ui.date->setObjectName("Date");
    ui.time = new QLabel(group);
    ui.time->setObjectName("Time");
    // Date and time are shown on paper only, their caption with them.
    auto* dateCaption = new QLabel(Tr(QT_TRANSLATE_NOOP("MainPanel", "Date")), group);
    dateCaption->setObjectName("DateCaption");
    form->addRow(dateCaption, Row(group, {ui.date, ui.time}));

    On(ui.deviceType, &QComboBox::activated, [&session] {
        CmSelDeviceType(session, ui.deviceType->currentIndex());
        RefreshToolbarLists();
    });
    On(ui.module, &QCheckBox::clicked, [&session] {
        CmSelModuleType(session, ui.module->isChecked());
        RefreshToolbarLists();
    });
    On(ui.interfaceOption, &QComboBox::activated,
       [&session] { CmSelInterfaceOption(session, Value(ui.interfaceOption)); });
    // The two boxes are exclusive: ticking one unticks the other.
    On(ui.rated1A, &QCheckBox::clicked, [&session] { CmSelI(session, 1); });
    On(ui.rated5A, &QCheckBox::clicked, [&session] { CmSelI(session, 0); });
    OnEdited(ui.address, [&session] { CmSelDeviceAddr(session, ui.address->value()); });
    On(ui.baudrate, &QComboBox::activated, [&session] { CmSelDevBaudrate(session, Value(ui.baudrate)); });
    On(ui.parity, &QComboBox::activated, [&session] { CmSelDevParity(session, Value(ui.parity)); });
    return group;
}

QGroupBox* NetworkGroup(MeterSession& session, QWidget* parent) {
    auto* group =
        new QGroupBox(Tr(QT_TRANSLATE_NOOP("MainPanel", "Network system and transformers")), parent);
    group->setObjectName("NetworkGroup");
    auto* form = Form(group);
    ui.system = Combo(group, "System");
    form->addRow(Tr(QT_TRANSLATE_NOOP("MainPanel", "Network system")), ui.system);
    ui.cosPhi = Check(group, Tr(QT_TRANSLATE_NOOP("MainPanel", "cos-phi correction")), "CosPhiCorr");
    form->addRow(ui.cosPhi);

    ui.urPrim = Number(group, "UrPrim", 0.0, 999999.0, 3);
    ui.urPrimUnit = Combo(group, "UrPrimUnit");
    ui.urPrimUnit->addItems({"V", "kV"});
    ui.urSec = Integer(group, "UrSec", 1, 1000);
    ui.urSec->setSuffix(" V");
    // Two fields share the row's caption: each gets it with its side, for screen readers.
    const auto nameSides = [](QWidget* primary, QWidget* secondary, const QString& caption) {
        primary->setAccessibleName(Tr(QT_TRANSLATE_NOOP("MainPanel", "%1, primary")).arg(caption));
        secondary->setAccessibleName(Tr(QT_TRANSLATE_NOOP("MainPanel", "%1, secondary")).arg(caption));
    };
    nameSides(ui.urPrim, ui.urSec, EditorCaptionText(kCapVoltageTransformer));
    form->addRow(EditorCaptionText(kCapVoltageTransformer),
                 Row(group, {ui.urPrim, ui.urPrimUnit, new QLabel("/", group), ui.urSec}));
    ui.irPrim = Number(group, "IrPrim", 0.0, 999999.0, 3);
    ui.irPrimUnit = Combo(group, "IrPrimUnit");
    ui.irPrimUnit->addItems({"A", "kA"});
    ui.irSec = Number(group, "IrSec", 0.001, 10.0, 3);
    ui.irSec->setSuffix(" A");
    nameSides(ui.irPrim, ui.irSec, EditorCaptionText(kCapCurrentTransformer));
    form->addRow(EditorCaptionText(kCapCurrentTransformer),
                 Row(group, {ui.irPrim, ui.irPrimUnit, new QLabel("/", group), ui.irSec}));

    ui.freqLock = Check(group, Tr(QT_TRANSLATE_NOOP("MainPanel", "Frequency locked")), "FreqLock");
    form->addRow(ui.freqLock);
    ui.nomFreq = Combo(group, "NomFreq");
    FillAll(ui.nomFreq, MasterList(EditorList::NomFreq), 2);
    form->addRow(Tr(QT_TRANSLATE_NOOP("MainPanel", "Nominal frequency")), ui.nomFreq);

    On(ui.system, &QComboBox::activated, [&session] { CmSelSystem(session, Value(ui.system)); });
    On(ui.cosPhi, &QCheckBox::clicked, [&session] { CmCosPhiCorr(session, ui.cosPhi->isChecked()); });
    OnEdited(ui.urPrim,
             [&session] { CmUrPrim(session, float(ui.urPrim->value()), ui.urPrimUnit->currentIndex()); });
    On(ui.urPrimUnit, &QComboBox::activated,
       [&session] { CmUrPrim(session, float(ui.urPrim->value()), ui.urPrimUnit->currentIndex()); });
    OnEdited(ui.urSec, [&session] { CmUrSec(session, ui.urSec->value()); });
    OnEdited(ui.irPrim,
             [&session] { CmIrPrim(session, float(ui.irPrim->value()), ui.irPrimUnit->currentIndex()); });
    On(ui.irPrimUnit, &QComboBox::activated,
       [&session] { CmIrPrim(session, float(ui.irPrim->value()), ui.irPrimUnit->currentIndex()); });
    OnEdited(ui.irSec, [&session] { CmIrSec(session, float(ui.irSec->value())); });
    On(ui.freqLock, &QCheckBox::clicked, [&session] { CmLockFreq(session, ui.freqLock->isChecked()); });
    On(ui.nomFreq, &QComboBox::activated, [&session] { CmSelFreq(session, ui.nomFreq->currentIndex()); });
    return group;
}

void BuildOutput(MeterSession& session, QGroupBox* group, QGridLayout* grid, int i) {
    OutputControls& o = ui.out[i];
    const QString n = QString::number(i + 1);
    const int row = i * 4;
    grid->addWidget(new QLabel(EditorCaptionText(i ? kCapOutput2 : kCapOutput1), group), row, 0);
    o.function = Combo(group, qPrintable("DigOutFunc" + n));
    grid->addWidget(o.function, row, 1, 1, 3);
    o.measurand = Combo(group, qPrintable("DigOutMeas" + n));
    grid->addWidget(o.measurand, row + 1, 1, 1, 3);
    for (int f = 0; f < 2; ++f) {
        o.limitLabel[f] = new QLabel(EditorCaptionText(f ? kCapLimitOff : kCapLimitOn), group);
        o.limit[f] = Number(group, qPrintable((f ? "LimitOff" : "LimitOn") + n), 0.0, 1.0, 2);
        o.limitUnit[f] = new QLabel(group);
        o.limitUnit[f]->setObjectName((f ? "LimitOffUnit" : "LimitOnUnit") + n);
        grid->addWidget(o.limitLabel[f], row + 2 + f, 0);
        grid->addWidget(o.limit[f], row + 2 + f, 1);
        grid->addWidget(o.limitUnit[f], row + 2 + f, 2);
        OnEdited(o.limit[f],
                 [&session, i, f] { CmDigOutLimit(session, i, f, float(ui.out[i].limit[f]->value())); });
    }
    o.rateLabel = new QLabel(EditorCaptionText(kCapPulseRate), group);
    o.rate = Integer(group, qPrintable("PulseRate" + n), 1, 32767);
    o.pulseUnit = Combo(group, qPrintable("PulseUnit" + n));
    grid->addWidget(o.rateLabel, row + 2, 0);
    grid->addWidget(o.rate, row + 2, 1);
    grid->addWidget(o.pulseUnit, row + 2, 2);

    On(o.function, &QComboBox::activated,
       [&session, i] { CmSelDigOut(session, i, Value(ui.out[i].function)); });
    On(o.measurand, &QComboBox::activated,
       [&session, i] { CmDigOutMeas(session, i, Value(ui.out[i].measurand)); });
    OnEdited(o.rate, [&session, i] { CmDigOutPulse(session, i, ui.out[i].rate->value()); });
    On(o.pulseUnit, &QComboBox::activated,
       [&session, i] { CmSelPulseUnit(session, i, Value(ui.out[i].pulseUnit)); });
}

QGroupBox* OutputsGroup(MeterSession& session, QWidget* parent) {
    auto* group = new QGroupBox(Tr(QT_TRANSLATE_NOOP("MainPanel", "Digital outputs")), parent);
    group->setObjectName("OutputsGroup");
    auto* grid = new QGridLayout(group);
    BuildOutput(session, group, grid, 0);
    BuildOutput(session, group, grid, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

QGroupBox* InputGroup(MeterSession& session, QWidget* parent) {
    auto* group = new QGroupBox(Tr(QT_TRANSLATE_NOOP("MainPanel", "Digital input")), parent);
    group->setObjectName("InputGroup");
    auto* form = Form(group);
    ui.syncMode = Combo(group, "SyncMode");
    form->addRow(Tr(QT_TRANSLATE_NOOP("MainPanel", "Synchronisation")), ui.syncMode);
    ui.interval = Integer(group, "SyncInterval", 0, 63);
    ui.interval->setSuffix(Tr(QT_TRANSLATE_NOOP("MainPanel", " min")));
    form->addRow(Tr(QT_TRANSLATE_NOOP("MainPanel", "Interval")), ui.interval);
    ui.tariff = Combo(group, "Tariff");
    form->addRow(Tr(QT_TRANSLATE_NOOP("MainPanel", "Input")), ui.tariff);
    On(ui.syncMode, &QComboBox::activated, [&session] { CmSelSyncMode(session, Value(ui.syncMode)); });
    OnEdited(ui.interval, [&session] { CmSetSyncInterval(session, ui.interval->value()); });
    On(ui.tariff, &QComboBox::activated, [&session] { CmSelHighLow(session, Value(ui.tariff)); });
    return group;
}

QGroupBox* DisplayGroup(MeterSession& session, QWidget* parent) {
    auto* group = new QGroupBox(Tr(QT_TRANSLATE_NOOP("MainPanel", "Display")), parent);
    group->setObjectName("DisplayGroup");
    auto* form = Form(group);
    ui.dispMode = Combo(group, "DispMode");
    FillAll(ui.dispMode, MasterList(EditorList::DispMode), 4);
    ui.dispModeLock = Check(group, Tr(QT_TRANSLATE_NOOP("MainPanel", "locked")), "DispModeLock");
    form->addRow(Tr(QT_TRANSLATE_NOOP("MainPanel", "Display mode")),
                 Row(group, {ui.dispMode, ui.dispModeLock}));
    ui.pages = new QPushButton(Tr(QT_TRANSLATE_NOOP("MainPanel", "Display &pages...")), group);
    ui.pages->setObjectName("PagesButton");
    form->addRow(ui.pages);
    ui.refreshTime = Combo(group, "RefreshTime");
    FillAll(ui.refreshTime, MasterList(EditorList::RefreshTime), 6);
    form->addRow(Tr(QT_TRANSLATE_NOOP("MainPanel", "Refresh time")), ui.refreshTime);
    ui.qMode =
        Check(group, Tr(QT_TRANSLATE_NOOP("MainPanel", "Reactive quantities as incoming/outgoing")), "QMode");
    form->addRow(ui.qMode);
    On(ui.dispMode, &QComboBox::activated, [&session] { CmSelDispMode(session, Value(ui.dispMode)); });
    On(ui.dispModeLock, &QCheckBox::clicked,
       [&session] { CmLockDispMode(session, ui.dispModeLock->isChecked()); });
    On(ui.pages, &QPushButton::clicked, [&session] { CmDispMode(session); });
    On(ui.refreshTime, &QComboBox::activated,
       [&session] { CmSelRefreshTime(session, Value(ui.refreshTime)); });
    On(ui.qMode, &QCheckBox::clicked, [&session] { CmSelQMode(session, ui.qMode->isChecked()); });
    return group;
}

void TakeLoggerGroups(MeterSession& session) {
    bool groups[5];
    for (int k = 0; k < 5; ++k)
        groups[k] = ui.loggerGroup[k]->isChecked();
    CmSelLoggerMeas(session, groups);
}

QGroupBox* LoggerGroup(MeterSession& session, QWidget* parent) {
    auto* group = new QGroupBox(Tr(QT_TRANSLATE_NOOP("MainPanel", "Logger")), parent);
    group->setObjectName("LoggerGroup");
    auto* form = Form(group);
    ui.loggerMode = Combo(group, "LoggerMode");
    form->addRow(Tr(QT_TRANSLATE_NOOP("MainPanel", "Mode")), ui.loggerMode);
    auto* boxes = new QWidget(group);
    auto* row = new QHBoxLayout(boxes);
    row->setContentsMargins(0, 0, 0, 0);
    for (int k = 0; k < 5; ++k) {
        ui.loggerGroup[k] = Check(boxes, QString(), "LoggerGroup" + QString::number(k));
        row->addWidget(ui.loggerGroup[k]);
        On(ui.loggerGroup[k], &QCheckBox::clicked, [&session] { TakeLoggerGroups(session); });
    }
    row->addStretch();
    form->addRow(Tr(QT_TRANSLATE_NOOP("MainPanel", "Powers")), boxes);
    ui.recordingTime = new QLabel(group);
    ui.recordingTime->setObjectName("RecordingTime");
    ui.recordingTime->setToolTip(
        Tr(QT_TRANSLATE_NOOP("MainPanel", "Estimated recording time (days:hours:minutes)")));
    form->addRow(Tr(QT_TRANSLATE_NOOP("MainPanel", "Recording time")), ui.recordingTime);
    ui.resetLogger = new QPushButton(Tr(QT_TRANSLATE_NOOP("MainPanel", "Clear &logger...")), group);
    ui.resetLogger->setObjectName("ResetLogger");
    form->addRow(ui.resetLogger);
    On(ui.loggerMode, &QComboBox::activated, [&session] { CmSelLoggerMode(session, Value(ui.loggerMode)); });
    On(ui.resetLogger, &QPushButton::clicked, [&session] { ResetLoggerConfiguration(session); });
    return group;
}

void TakeMeanLogging(MeterSession& session) {
    bool boxes[kRows];
    for (int k = 0; k < kRows; ++k)
        boxes[k] = ui.meanLog[k]->isChecked();
    CmSelMeanLogMeas(session, boxes);
}

QGroupBox* MeanGroup(MeterSession& session, QWidget* parent) {
    auto* group = new QGroupBox(Tr(QT_TRANSLATE_NOOP("MainPanel", "Mean values")), parent);
    group->setObjectName("MeanGroup");
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(Tr(QT_TRANSLATE_NOOP("MainPanel", "Measurand")), group), 0, 1);
    grid->addWidget(new QLabel(Tr(QT_TRANSLATE_NOOP("MainPanel", "Logged")), group), 0, 2);
    for (int k = 0; k < kRows; ++k) {
        grid->addWidget(new QLabel(QString::number(k + 1), group), k + 1, 0);
        ui.mean[k] = Combo(group, qPrintable("MeanMeas" + QString::number(k)));
        ui.meanLog[k] = Check(group, QString(), "MeanLog" + QString::number(k));
        // A row is a number and two bare controls: a screen reader hears what each is.
        ui.mean[k]->setAccessibleName(
            Tr(QT_TRANSLATE_NOOP("MainPanel", "Mean value %1, measurand")).arg(k + 1));
        ui.meanLog[k]->setAccessibleName(
            Tr(QT_TRANSLATE_NOOP("MainPanel", "Mean value %1, logged")).arg(k + 1));
        grid->addWidget(ui.mean[k], k + 1, 1);
        grid->addWidget(ui.meanLog[k], k + 1, 2);
        On(ui.mean[k], &QComboBox::activated, [&session, k] { CmSelMean(session, k, Value(ui.mean[k])); });
        On(ui.meanLog[k], &QCheckBox::clicked, [&session] { TakeMeanLogging(session); });
    }
    grid->setColumnStretch(3, 1);
    return group;
}

QGroupBox* MinMaxGroup(MeterSession& session, QWidget* parent) {
    auto* group = new QGroupBox(Tr(QT_TRANSLATE_NOOP("MainPanel", "Min/max logger (LANMOD57)")), parent);
    group->setObjectName("MinMaxGroup");
    auto* grid = new QGridLayout(group);
    for (int k = 0; k < kRows; ++k) {
        grid->addWidget(new QLabel(QString::number(k + 1), group), k, 0);
        ui.minMax[k] = Combo(group, qPrintable("MinMax" + QString::number(k)));
        // The box tells whether the channel records; the selector decides it.
        ui.minMaxOn[k] = Check(group, QString(), "MinMaxOn" + QString::number(k));
        ui.minMax[k]->setAccessibleName(
            Tr(QT_TRANSLATE_NOOP("MainPanel", "Min/max channel %1, measurand")).arg(k + 1));
        ui.minMaxOn[k]->setAccessibleName(
            Tr(QT_TRANSLATE_NOOP("MainPanel", "Min/max channel %1, recording")).arg(k + 1));
        ui.minMaxOn[k]->setAttribute(Qt::WA_TransparentForMouseEvents);
        ui.minMaxOn[k]->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(ui.minMax[k], k, 1);
        grid->addWidget(ui.minMaxOn[k], k, 2);
        On(ui.minMax[k], &QComboBox::activated, [&session, k] { CmSelMM(session, k, Value(ui.minMax[k])); });
    }
    grid->setColumnStretch(3, 1);
    return group;
}

// The meter keeps 47 bytes of description and a terminating zero.
void TakeDescription(MeterSession& session) {
    QPlainTextEdit* edit = ui.description;
    const QString text = edit->toPlainText();
    const QString kept = CmReadDescr(session, text);
    if (kept == text) return;
    edit->blockSignals(true);
    edit->setPlainText(kept);
    edit->moveCursor(QTextCursor::End);
    edit->blockSignals(false);
}

QGroupBox* DescriptionGroup(MeterSession& session, QWidget* parent) {
    auto* group = new QGroupBox(EditorCaptionText(kCapDevice), parent);
    group->setObjectName("DescriptionGroup");
    auto* layout = new QVBoxLayout(group);
    ui.description = new QPlainTextEdit(group);
    ui.description->setObjectName("Description");
    ui.description->setTabChangesFocus(true);
    ui.description->setPlaceholderText(
        Tr(QT_TRANSLATE_NOOP("MainPanel", "Description of the meter (at most 47 characters)")));
    ui.description->setMaximumHeight(ui.description->fontMetrics().lineSpacing() * 4);
    layout->addWidget(ui.description);
    On(ui.description, &QPlainTextEdit::textChanged, [&session] { TakeDescription(session); });
    return group;
}

// The panel owns the controls; its destructor runs before its children go, so no
// redraw can reach a control that is being deleted.
class EditorPanel : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;
    ~EditorPanel() override {
        ShowAllHook = nullptr;
        ActivateObjectsHook = nullptr;
        ui = Ui{};
    }
};

} // namespace

QWidget* CreateMainPanel(MeterSession& session, QWidget* parent) {
    auto* panel = new EditorPanel(parent);
    panel->setObjectName("MainPanel");
    panel->setWidgetResizable(true);
    panel->setFrameShape(QFrame::NoFrame);
    ui = Ui{};

    auto* content = new QWidget(panel);
    ui.root = content;
    auto* columns = new QHBoxLayout(content);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    // Created in reading order, so the tab order follows the groups.
    left->addWidget(DeviceGroup(session, content));
    left->addWidget(NetworkGroup(session, content));
    left->addWidget(OutputsGroup(session, content));
    left->addWidget(InputGroup(session, content));
    left->addStretch();
    right->addWidget(DisplayGroup(session, content));
    right->addWidget(LoggerGroup(session, content));
    auto* lists = new QHBoxLayout;
    lists->addWidget(MeanGroup(session, content));
    lists->addWidget(MinMaxGroup(session, content));
    right->addLayout(lists);
    right->addWidget(DescriptionGroup(session, content));
    right->addStretch();
    panel->setWidget(content);

    ShowAllHook = [&session] { ShowAllImpl(session); };
    ActivateObjectsHook = [&session] { ActivateObjectsImpl(session); };
    ActivateObjectsImpl(session);
    ShowAllImpl(session);
    return panel;
}

void CommitMainPanelEdits() {
    if (!ui.root) return;
    // Only the field being edited differs from what the redraw showed.
    for (QAbstractSpinBox* box : ui.root->findChildren<QAbstractSpinBox*>()) {
        if (box->text() == box->property("shown").toString()) continue;
        box->interpretText();
        emit box->editingFinished();
    }
}
