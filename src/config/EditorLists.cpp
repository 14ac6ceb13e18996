#include "config/EditorLists.h"

#include "config/ConfigImage.h"
#include "config/Scaling.h"
#include "settings/INI_File.h"

#include <QCoreApplication>

// Measurand names are the meter's own display abbreviations; they read the same in
// every language, so only the words around them are translated.
const ListEntry kOutputMaster[kOutputMasterSize] = {
    {"I", 0},                   //  0 single phase
    {"I1, I2, I3", 0},          //  1
    {"IN", 11},                 //  2 four-wire only
    {"U", 3},                   //  3 single phase
    {"U12, U23, U31", 2},       //  4
    {"I1avg, I2avg, I3avg", 1}, //  5
    {"Iavg", 1},                //  6
    {"U1N, U2N, U3N", 3},       //  7
    {"P", 4},                   //  8
    {"P1, P2, P3", 4},          //  9
    {"Q", 5},                   // 10
    {"Q1, Q2, Q3", 5},          // 11
    {"S", 6},                   // 12
    {"S1, S2, S3", 6},          // 13
    {"PF", 7},                  // 14
    {"PF1, PF2, PF3", 7},       // 15
    {"ΣP", 8},                  // 16 extended, class 0
    {"ΣP", 8},                  // 17 extended, class 1
    {"ΣP", 8},                  // 18 extended, class 2
    {"ΣQ", 9},                  // 19 extended, class 0
    {"ΣQ", 9},                  // 20 extended, classes 1, 2
    {"UNE", 15},                // 21
    {"unb.U", 16},              // 22
    {"F", 12},                  // 23
    {"thd.U", 13},              // 24 base model
    {"thd.U", 13},              // 25 extended model
    {"thd.I", 14},              // 26 extended model
    {"thd.I", 14},              // 27 base model
    {"Q.ind-int", 18},          // 28 inductive/capacitive presentation
    {"Q.cap-int", 20},          // 29
    {"Q.inc-int", 18},          // 30 incoming/outgoing presentation
    {"Q.out-int", 20},          // 31
    {"ΣS", 10},                 // 32
    {"P.inc-int", 17},          // 33
    {"P.out-int", 19},          // 34
    {"Q.ind-int (Trend)", 23},  // 35
    {"P.inc-int (Trend)", 22},  // 36
    {"Q.inc-int (Trend)", 23},  // 37
    {"P.out-int (Trend)", 22},  // 38
    {"S.int", 21},              // 39
    {"EPinc HT", 64},           // 40
    {"EPinc LT", 68},
    {"EPout HT", 72},
    {"EPout LT", 76},
    {"EQind HT", 80}, // 44
    {"EQind LT", 84},
    {"EQcap HT", 88},
    {"EQcap LT", 92},
    {"EQinc HT", 96}, // 48
    {"EQinc LT", 100},
    {"EQout HT", 104},
    {"EQout LT", 108},
    {"Unb.I", 11}, // 52
};

const ListEntry kPulseUnitMaster[8] = {
    {"Wh", 0}, {"kWh", 1}, {"MWh", 2}, {"GWh", 3}, {"varh", 4}, {"kvarh", 5}, {"Mvarh", 6}, {"Gvarh", 7},
};

const ListEntry kMeanMaster[55] = {
    {QT_TRANSLATE_NOOP("Editor", "none"), 255}, //  0
    {"U", 0},                                   //  1 single phase
    {"U1N", 0},                                 //  2
    {"U2N", 1},
    {"U3N", 2},
    {"U12", 3}, //  5
    {"U23", 4},
    {"U31", 5},
    {"I", 6},  //  8 single phase
    {"I1", 6}, //  9
    {"I2", 7},
    {"I3", 8},
    {"IN", 12},     // 12
    {"P1.inc", 50}, // 13
    {"P2.inc", 51},
    {"P3.inc", 52},
    {"P1.out", 54}, // 16
    {"P2.out", 55},
    {"P3.out", 56},
    {"Q1.ind", 58}, // 19 inductive/capacitive presentation
    {"Q2.ind", 59},
    {"Q3.ind", 60},
    {"Q1.cap", 62}, // 22
    {"Q2.cap", 63},
    {"Q3.cap", 64},
    {"Q1.inc", 58}, // 25 incoming/outgoing presentation
    {"Q2.inc", 59},
    {"Q3.inc", 60},
    {"Q1.out", 62}, // 28
    {"Q2.out", 63},
    {"Q3.out", 64},
    {"S1", 21}, // 31
    {"S2", 22},
    {"S3", 23},
    {"F", 25},   // 34
    {"PF", 29},  // 35
    {"PF1", 26}, // 36
    {"PF2", 27},
    {"PF3", 28},
    {"Umean", 31}, // 39
    {"Imean", 32},
    {"UNE", 33},    // 41
    {"unb.U", 39},  // 42
    {"THD U", 40},  // 43 single phase
    {"THD U1", 40}, // 44
    {"THD U2", 41},
    {"THD U3", 42},
    {"THD U12", 40}, // 47
    {"THD U23", 41},
    {"THD U31", 42},
    {"THD I", 43},  // 50 single phase
    {"THD I1", 43}, // 51
    {"THD I2", 44},
    {"THD I3", 45},
    {"Unb.I", 12}, // 54
};

// The module's codes 70-111 are the meter's min/max block in its order; the names are
// the ones its logger files carry.
const ListEntry kMinMaxMaster[43] = {
    {QT_TRANSLATE_NOOP("Editor", "none"), 255},
    {"Umax", 70},
    {"U1Nmax", 71},
    {"U2Nmax", 72},
    {"U3Nmax", 73},
    {"U12max", 74},
    {"U23max", 75},
    {"U31max", 76},
    {"Imax", 77},
    {"I1max", 78},
    {"I2max", 79},
    {"I3max", 80},
    {"Iavgmax", 81},
    {"I1avgmax", 82},
    {"I2avgmax", 83},
    {"I3avgmax", 84},
    {"INmax", 85},
    {"P1max", 86},
    {"P2max", 87},
    {"P3max", 88},
    {"Pmax", 89},
    {"Q1max", 90},
    {"Q2max", 91},
    {"Q3max", 92},
    {"Qmax", 93},
    {"S1max", 94},
    {"S2max", 95},
    {"S3max", 96},
    {"Smax", 97},
    {"Umin", 98},
    {"U1Nmin", 99},
    {"U2Nmin", 100},
    {"U3Nmin", 101},
    {"U12min", 102},
    {"U23min", 103},
    {"U31min", 104},
    {"PFmin.ii", 105},
    {"PFmin.ic", 106},
    {"PFmin.oi", 107},
    {"PFmin.oc", 108},
    {"Fmin", 109},
    {"Fmax", 110},
    {"UNEmax", 111},
};

const ListEntry kSystemList[7] = {
    {QT_TRANSLATE_NOOP("Editor", "1 phase, 2 wires (L-N)"), 0},
    {QT_TRANSLATE_NOOP("Editor", "3 phases, 3 wires, balanced load"), 1},
    {QT_TRANSLATE_NOOP("Editor", "3 phases, 4 wires, balanced load"), 2},
    {QT_TRANSLATE_NOOP("Editor", "3 phases, 3 wires, 2 current transformers"), 19},
    {QT_TRANSLATE_NOOP("Editor", "3 phases, 3 wires, unbalanced load"), 3},
    {QT_TRANSLATE_NOOP("Editor", "3 phases, 4 wires, unbalanced load"), 4},
    {QT_TRANSLATE_NOOP("Editor", "3 phases, 4 wires, 3 voltage transformers"), 20},
};

const ListEntry kDigoutFunctionList[4] = {
    {QT_TRANSLATE_NOOP("Editor", "Not used"), 0},
    {QT_TRANSLATE_NOOP("Editor", "Free (simulation)"), 0},
    {QT_TRANSLATE_NOOP("Editor", "Limit output"), 3},
    {QT_TRANSLATE_NOOP("Editor", "Pulse output"), 2},
};

const ListEntry kSyncModeList[3] = {
    {QT_TRANSLATE_NOOP("Editor", "Internal interval"), 0},
    {QT_TRANSLATE_NOOP("Editor", "External synchronisation"), 1},
    {QT_TRANSLATE_NOOP("Editor", "No interval"), 2},
};

const ListEntry kTariffList[3] = {
    {QT_TRANSLATE_NOOP("Editor", "Not available"), 1},
    {QT_TRANSLATE_NOOP("Editor", "Synchronisation input"), 1},
    {QT_TRANSLATE_NOOP("Editor", "Tariff input (HT/LT)"), 2},
};

const ListEntry kLoggerModeList[3] = {
    {QT_TRANSLATE_NOOP("Editor", "Not available"), 0},
    {QT_TRANSLATE_NOOP("Editor", "Stop when full"), 1},
    {QT_TRANSLATE_NOOP("Editor", "Overwrite oldest records"), 2},
};

const ListEntry kBaudRateList[5] = {
    {"1200", 0}, {"2400", 1}, {"4800", 2}, {"9600", 3}, {"19200", 4},
};

const ListEntry kParityList[4] = {
    {QT_TRANSLATE_NOOP("Editor", "no parity, 2 stop bits"), 0},
    {QT_TRANSLATE_NOOP("Editor", "even parity, 2 stop bits"), 1},
    {QT_TRANSLATE_NOOP("Editor", "odd parity, 2 stop bits"), 2},
    {QT_TRANSLATE_NOOP("Editor", "no parity, 1 stop bit"), 3},
};

const ListEntry kRefreshTimeList[6] = {
    {QT_TRANSLATE_NOOP("Editor", "%1 s"), 0, 0.5}, {QT_TRANSLATE_NOOP("Editor", "%1 s"), 1, 1.0},
    {QT_TRANSLATE_NOOP("Editor", "%1 s"), 2, 2.0}, {QT_TRANSLATE_NOOP("Editor", "%1 s"), 3, 3.0},
    {QT_TRANSLATE_NOOP("Editor", "%1 s"), 4, 4.0}, {QT_TRANSLATE_NOOP("Editor", "%1 s"), 5, 5.0},
};

const ListEntry kDispModeList[4] = {
    {QT_TRANSLATE_NOOP("Editor", "Fixed page"), 0},
    {QT_TRANSLATE_NOOP("Editor", "User pages"), 1},
    {QT_TRANSLATE_NOOP("Editor", "Automatic loop"), 2},
    {QT_TRANSLATE_NOOP("Editor", "Loop by key"), 3},
};

const ListEntry kNomFreqList[2] = {{QT_TRANSLATE_NOOP("Editor", "50 Hz"), 0},
                                   {QT_TRANSLATE_NOOP("Editor", "60 Hz"), 1}};

const ListEntry kDeviceTypeList[3] = {
    {QT_TRANSLATE_NOOP("Editor", "ZARO standard meter"), 0},
    {QT_TRANSLATE_NOOP("Editor", "ZRM3 extended meter"), 1},
    {QT_TRANSLATE_NOOP("Editor", "ZRM3 with LANMOD57 module"), 2},
};

std::span<const ListEntry> MasterList(EditorList list) {
    switch (list) {
    case EditorList::Output:
        return kOutputMaster;
    case EditorList::PulseUnit:
        return kPulseUnitMaster;
    case EditorList::Mean:
        return kMeanMaster;
    case EditorList::MinMax:
        return kMinMaxMaster;
    case EditorList::System:
        return kSystemList;
    case EditorList::DigoutFunction:
        return kDigoutFunctionList;
    case EditorList::SyncMode:
        return kSyncModeList;
    case EditorList::Tariff:
        return kTariffList;
    case EditorList::LoggerMode:
        return kLoggerModeList;
    case EditorList::BaudRate:
        return kBaudRateList;
    case EditorList::Parity:
        return kParityList;
    case EditorList::RefreshTime:
        return kRefreshTimeList;
    case EditorList::DispMode:
        return kDispModeList;
    case EditorList::NomFreq:
        return kNomFreqList;
    case EditorList::DeviceType:
        return kDeviceTypeList;
    }
    return {};
}

QString EntryName(const ListEntry& entry, const QLocale& locale) {
    const QString name = QCoreApplication::translate("Editor", entry.name);
    return entry.number != 0.0 ? name.arg(locale.toString(entry.number)) : name;
}

QString UnlistedCodeName(int code) {
    return QCoreApplication::translate("Editor", "code %1").arg(code);
}

namespace {

bool QBit(MeterSession& session) {
    return (session.edited.DispMode & kDispModeInOut) != 0;
}
bool UnbalanceShown(MeterSession& session) {
    return NetworkClass(session.edited) == 2 && (session.edited.Freq & kFreqUnbalanceI) != 0;
}

} // namespace

std::vector<int> DigoutSelEntries(MeterSession& session, int i, int function) {
    (void)i; // both outputs offer the same lists
    std::vector<int> entries;
    if (function == 3) {
        const int klass = NetworkClass(session.edited);
        for (int e = 0; e < kLimitEntries; ++e) {
            if (!LimitEntryAvailable(e, session.edited.Model, klass)) continue;
            if (QBit(session) && (e == 28 || e == 29 || e == 35 || e == 36)) continue;
            if (!QBit(session) && (e == 30 || e == 31 || e == 37 || e == 38)) continue;
            entries.push_back(e == 2 && UnbalanceShown(session) ? kUnbalanceLimitEntry : e);
        }
    } else if (function == 2) {
        // The base model knows no incoming/outgoing reactive energy.
        const int last = session.edited.Model ? 51 : 47;
        for (int e = kFirstEnergyEntry; e <= last; ++e) {
            if (QBit(session) && e >= 44 && e <= 47) continue;
            if (!QBit(session) && e >= 48) continue;
            entries.push_back(e);
            // Without the interface option there is no tariff input: only HT energies.
            if (session.edited.Interface == 0) ++e;
        }
    }
    return entries;
}

std::vector<int> PulseUnitEntries(MeterSession& session, int i) {
    const int first = session.edited.DigOut[i] < 80 ? 0 : 4;
    return {first, first + 1, first + 2, first + 3};
}

std::vector<int> MeanSelEntries(MeterSession& session) {
    const int klass = NetworkClass(session.edited);
    std::vector<int> entries;
    for (int e = 0; e < kMeanEntries; ++e) {
        if (!MeanEntryAvailable(e, klass)) continue;
        if (QBit(session) && e >= 19 && e <= 24) continue;
        if (!QBit(session) && e >= 25 && e <= 30) continue;
        entries.push_back(e == 12 && UnbalanceShown(session) ? kUnbalanceMeanEntry : e);
    }
    return entries;
}

std::vector<int> MinMaxSelEntries(MeterSession& session) {
    const int klass = NetworkClass(session.edited);
    std::vector<int> entries;
    for (int e = 0; e < kMinMaxEntries; ++e)
        if (MinMaxEntryAvailable(e, klass)) entries.push_back(e);
    return entries;
}

std::vector<int> SystemEntries(MeterSession& session) {
    if (session.edited.Model) return {0, 1, 2, 3, 4, 5, 6};
    return {0, 1, 2, 4, 5};
}

std::vector<int> DigoutFunctionEntries(MeterSession& session) {
    if (session.edited.Interface == 0) return {0, 2, 3};
    return {1, 2, 3};
}

std::vector<int> SyncModeEntries() {
    return {0};
}

std::vector<int> TariffEntries(MeterSession& session) {
    if (session.edited.Interface == 0) return {0};
    if ((session.edited.EnergyControl & kEnergyExternalSync) && session.connection.kind != kModule)
        return {1};
    return {1, 2};
}

std::vector<int> LoggerModeEntries(MeterSession& session) {
    if (session.edited.Interface == 0) return {0};
    return {1, 2};
}

QString LoggerGroupLabel(MeterSession& session, int k) {
    const bool q = QBit(session);
    switch (k) {
    case 0:
        if (session.edited.Model == 0) return "Qind+Qcap";
        return q ? "Q.inc" : "Q.ind";
    case 1:
        return session.edited.Model == 0 ? "Pinc-Pout" : "P.inc";
    case 2:
        return q ? "Q.out" : "Q.cap";
    case 3:
        return "P.out";
    default:
        return "S";
    }
}
