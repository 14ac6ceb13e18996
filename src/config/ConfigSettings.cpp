#include "config/ConfigSettings.h"

#include "config/ConfigFile.h"
#include "config/Editor.h"
#include "config/EditorLists.h"
#include "config/Scaling.h"
#include "platform/Translate.h"
#include "values/NumberText.h"

#include <QCoreApplication>
#include <bit>
#include <iterator>

namespace {

const Translator Tr{"ConfigSettings"};

QString OnOff(bool on) {
    return on ? Tr("on") : Tr("off");
}

// The editor's derivations (offered lists, limit scaling) read a session's edited image;
// describing another image gives them a session of its own.
MeterSession Describing(const ConfigImage& image) {
    MeterSession session;
    session.edited = image;
    return session;
}

// Name of code in a master list, preferring the entries the editor offers.
QString NameOf(std::span<const ListEntry> master, int size, const std::vector<int>& offered, int code) {
    for (int e : offered)
        if (master[e].value == code) return EntryName(master[e]);
    for (int e = 0; e < size; ++e)
        if (master[e].value == code) return EntryName(master[e]);
    return UnlistedCodeName(code);
}

QString Number(double v, const QLocale& locale) {
    return locale.toString(v, 'g', 7);
}

// Primaries in kV / kA from 1000 on, as the editor switches its unit there.
QString Primary(float v, const char* unit, const QLocale& locale) {
    if (v >= 1000.0f) return FixedText(double(v) / 1000.0, 3, locale) + " k" + unit;
    return Number(double(v), locale) + " " + unit;
}

QString VoltageRatio(const ConfigImage& c, int, const QLocale& locale) {
    return Primary(c.UrPrim, "V", locale) + " / " + Number(c.UrSec, locale) + " V";
}

QString CurrentRatio(const ConfigImage& c, int, const QLocale& locale) {
    return Primary(c.IrPrim, "A", locale) + " / " + Number(double(c.IrSec), locale) + " A";
}

QString DeviceType(const ConfigImage& c, int, const QLocale&) {
    return EntryName(MasterList(EditorList::DeviceType)[c.Model ? 1 : 0]);
}

QString CurrentRange(const ConfigImage& c, int, const QLocale& locale) {
    return Number(c.MaxI / 100.0, locale) + " A";
}

QString VoltageRange(const ConfigImage& c, int, const QLocale& locale) {
    return Number(c.MaxU, locale) + " V";
}

QString InterfaceOption(const ConfigImage& c, int, const QLocale&) {
    return OnOff(c.Interface != 0);
}

QString NetworkSystem(const ConfigImage& c, int, const QLocale&) {
    return NameOf(MasterList(EditorList::System), int(std::size(MasterList(EditorList::System))), {},
                  SystemCode(c));
}

QString CosPhi(const ConfigImage& c, int, const QLocale&) {
    return OnOff(c.System & kSystemCosPhi);
}

QString Output(const ConfigImage& c, int i, const QLocale& locale) {
    MeterSession session = Describing(c);
    const int code = c.DigOut[i];
    const int function = OutputFunction(session.edited, i);
    if (function == 3) {
        const LimitFieldView v = LimitFields(session, i);
        return Tr("limit output %1 %2/%3 %4")
            .arg(NameOf(MasterList(EditorList::Output), kOutputMasterSize, DigoutSelEntries(session, i, 3),
                        code),
                 FixedText(v.value[0], v.decimals, locale), FixedText(v.value[1], v.decimals, locale),
                 QString::fromUtf8(LimitUnitText(session, i)))
            .trimmed();
    }
    if (function == 2) {
        const int unit = (code >= 80 ? 4 : 0) + code % 4;
        return Tr("pulse output %1 %2 /%3")
            .arg(NameOf(MasterList(EditorList::Output), kOutputMasterSize, DigoutSelEntries(session, i, 2),
                        code & ~3),
                 QString::number(c.PulseRate[i]), EntryName(MasterList(EditorList::PulseUnit)[unit]));
    }
    return EntryName(MasterList(EditorList::DigoutFunction)[c.Interface ? 1 : 0]);
}

QString SyncInterval(const ConfigImage& c, int, const QLocale&) {
    return Interval(c) ? Tr("%1 min").arg(Interval(c)) : Tr("none");
}

QString TariffInput(const ConfigImage& c, int, const QLocale&) {
    return OnOff(c.EnergyControl & kEnergyTariff);
}

QString ExternalSync(const ConfigImage& c, int, const QLocale&) {
    return OnOff(c.EnergyControl & kEnergyExternalSync);
}

QString Description(const ConfigImage& c, int, const QLocale&) {
    QString d = QString::fromLatin1(c.Description, qsizetype(qstrnlen(c.Description, sizeof c.Description)));
    return "'" + d.replace('\n', " / ") + "'";
}

QString Address(const ConfigImage& c, int, const QLocale&) {
    return QString::number(c.Address);
}

QString BusSettings(const ConfigImage& c, int, const QLocale&) {
    const int baud = c.BusSettings & kBusBaudrate;
    const int parity = (c.BusSettings & kBusParity) >> kBusParityShift;
    return (baud < int(std::size(MasterList(EditorList::BaudRate)))
                ? EntryName(MasterList(EditorList::BaudRate)[baud]) + " Bd"
                : UnlistedCodeName(baud)) +
           ", " + EntryName(MasterList(EditorList::Parity)[parity]);
}

QString LoggerMode(const ConfigImage& c, int, const QLocale&) {
    return EntryName(MasterList(EditorList::LoggerMode)[(c.Logger & kLoggerOverwrite) ? 2 : 1]);
}

QString LoggerChannels(const ConfigImage& c, int, const QLocale&) {
    MeterSession session = Describing(c);
    QStringList labels;
    for (int k = 0; k < 5; ++k)
        if (c.Logger & (kLoggerChannel0 << k)) labels << LoggerGroupLabel(session, k);
    return labels.isEmpty() ? Tr("none") : labels.join(", ");
}

QString NominalFrequency(const ConfigImage& c, int, const QLocale&) {
    return EntryName(MasterList(EditorList::NomFreq)[(c.Freq & kFreqCode) == 2 ? 0 : 1]);
}

QString FrequencyLocked(const ConfigImage& c, int, const QLocale&) {
    return OnOff(c.Freq & kFreqLocked);
}

QString UnbalanceShown(const ConfigImage& c, int, const QLocale&) {
    return OnOff(c.Freq & kFreqUnbalanceI);
}

QString RefreshTime(const ConfigImage& c, int, const QLocale& locale) {
    const int index = c.Display >> 4;
    return index < int(std::size(MasterList(EditorList::RefreshTime)))
               ? EntryName(MasterList(EditorList::RefreshTime)[index], locale)
               : UnlistedCodeName(index);
}

QString DisplayMode(const ConfigImage& c, int, const QLocale&) {
    return EntryName(MasterList(EditorList::DispMode)[c.DispMode & kDispModeMode]);
}

QString DisplayLocked(const ConfigImage& c, int, const QLocale&) {
    return OnOff(c.DispMode & kDispModeLocked);
}

QString LoopTime(const ConfigImage& c, int, const QLocale&) {
    return Tr("%1 s").arg(2 * ((c.DispMode >> 3) & 0x0F) + 2);
}

QString Reactive(const ConfigImage& c, int, const QLocale&) {
    return (c.DispMode & kDispModeInOut) ? Tr("incoming/outgoing") : Tr("inductive/capacitive");
}

QString Pages(const ConfigImage& c, int set, const QLocale&) {
    return QString::number(PageCount(c, set));
}

QString MeanValue(const ConfigImage& c, int row, const QLocale&) {
    if (c.MeanMeas[row] == 255) return Tr("none");
    MeterSession session = Describing(c);
    const QString name =
        NameOf(MasterList(EditorList::Mean), kMeanEntries + 1, MeanSelEntries(session), c.MeanMeas[row]);
    return (c.Mean_Log >> row & 1) ? Tr("%1, logged").arg(name) : name;
}

QString MinMaxChannel(const ConfigImage& c, int row, const QLocale&) {
    const int code = c.MinMaxLogger[row];
    if (code == 255 || code == 0) return Tr("none");
    return NameOf(MasterList(EditorList::MinMax), kMinMaxEntries, {}, code);
}

std::vector<ConfigSetting> BuildTable() {
    std::vector<ConfigSetting> t = {
        {QT_TRANSLATE_NOOP("ConfigSettings", "Device type"), -1, false, 0, DeviceType, false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Current input range"), -1, false, 0, CurrentRange, false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Voltage input range"), -1, false, 0, VoltageRange, false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Interface option"), -1, false, 0, InterfaceOption, false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Network system"), -1, false, 0, NetworkSystem, false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Cos-phi correction"), -1, false, 0, CosPhi, false},
        {nullptr, kCapVoltageTransformer, false, 0, VoltageRatio, false},
        {nullptr, kCapCurrentTransformer, false, 0, CurrentRatio, false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Nominal frequency"), -1, true, 0, NominalFrequency, false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Frequency locked"), -1, true, 0, FrequencyLocked, false},
        {nullptr, kCapOutput1, false, 0, Output, false},
        {nullptr, kCapOutput2, false, 1, Output, false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Synchronisation interval"), -1, false, 0, SyncInterval, false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Tariff input"), -1, false, 0, TariffInput, false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "External synchronisation"), -1, false, 0, ExternalSync, false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Description"), -1, false, 0, Description, false},
        {nullptr, kCapAddress, false, 0, Address, false},
        {nullptr, kCapBusSettings, false, 0, BusSettings, false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Logger mode"), -1, false, 0, LoggerMode, false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Logged quantities"), -1, false, 0, LoggerChannels, false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Display refresh time"), -1, true, 0, RefreshTime, false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Display mode"), -1, true, 0, DisplayMode, false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Display mode locked"), -1, true, 0, DisplayLocked, false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Loop time"), -1, true, 0, LoopTime, false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Reactive quantities"), -1, true, 0, Reactive, false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Current unbalance instead of IN"), -1, true, 0, UnbalanceShown,
         false},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Display pages (loop set)"), -1, true, 0, Pages, true},
        {QT_TRANSLATE_NOOP("ConfigSettings", "Display pages (user set)"), -1, true, 1, Pages, true},
    };
    for (int row = 0; row < 9; ++row)
        t.push_back({QT_TRANSLATE_NOOP("ConfigSettings", "Mean value %1"), -1, true, row, MeanValue, false});
    for (int row = 0; row < 9; ++row)
        t.push_back(
            {QT_TRANSLATE_NOOP("ConfigSettings", "Min/max logger channel %1"), -1, true, row, MinMaxChannel, false});
    return t;
}

} // namespace

const std::vector<ConfigSetting>& AllConfigSettings() {
    static const std::vector<ConfigSetting> table = BuildTable();
    return table;
}

QString SettingName(const ConfigSetting& setting) {
    if (setting.caption >= 0) return EditorCaptionText(EditorCaption(setting.caption));
    const QString name = Tr(setting.name);
    return name.contains("%1") ? name.arg(setting.index + 1) : name;
}

QString SettingValue(const ConfigSetting& setting, const ConfigImage& image, const QLocale& locale) {
    return setting.value(image, setting.index, locale);
}

int PageCount(const ConfigImage& image, int set) {
    int n = 0;
    for (uint8_t b : set ? image.User : image.Loop)
        n += std::popcount(unsigned(b));
    return n;
}
