#include "config/ConfigFile.h"

#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "platform/TimeBase.h"
#include "settings/INI_File.h"

#include <QCoreApplication>
#include <QList>
#include <cmath>
#include <cstring>
#include <limits>

namespace {
// English, context "ConfigFile"
const char* const kEditorCaptionSource[kEditorCaptions] = {
    QT_TRANSLATE_NOOP("ConfigFile", "Voltage transformer"),
    QT_TRANSLATE_NOOP("ConfigFile", "Current transformer"),
    QT_TRANSLATE_NOOP("ConfigFile", "Digital output 1"),
    QT_TRANSLATE_NOOP("ConfigFile", "Digital output 2"),
    QT_TRANSLATE_NOOP("ConfigFile", "Limit on"),
    QT_TRANSLATE_NOOP("ConfigFile", "Limit off"),
    QT_TRANSLATE_NOOP("ConfigFile", "Pulse rate"),
    QT_TRANSLATE_NOOP("ConfigFile", "Device"),
    QT_TRANSLATE_NOOP("ConfigFile", "Address"),
    QT_TRANSLATE_NOOP("ConfigFile", "Bus settings"),
    QT_TRANSLATE_NOOP("ConfigFile", "Save configuration"),
    QT_TRANSLATE_NOOP("ConfigFile", "Open configuration"),
};
} // namespace

QString EditorCaptionText(EditorCaption caption) {
    return QCoreApplication::translate("ConfigFile", kEditorCaptionSource[caption]);
}

namespace {

constexpr int kBaseColumns = 25;
constexpr int kExtendedColumns = 31;
constexpr int kModuleColumns = 32;
constexpr int kMaxLine = 999; // longest line a reader of these files has ever accepted
constexpr int kMaxDateTime = 11;
constexpr int kMaxDescription = 47; // 48 bytes with the terminating zero
constexpr char kLineBreakMark = 0x01;

// A translated caption must not add a column.
QByteArray HeaderWord(EditorCaption caption) {
    return EditorCaptionText(caption).replace('\t', ' ').toLatin1();
}

QByteArray Number(long long v) {
    return QByteArray::number(v);
}

QByteArray FloatField(float v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%f", double(v));
    return buf;
}

// "%3u" elements separated by ",": fixed width, so the reader can step through it.
QByteArray ListField(const uint8_t* values, int n) {
    QByteArray out;
    char buf[8];
    for (int i = 0; i < n; ++i) {
        std::snprintf(buf, sizeof buf, "%3u", unsigned(values[i]));
        if (i) out += ',';
        out += buf;
    }
    return out;
}

// Line breaks become 0x01; a tab would split the column, so it becomes a space.
QByteArray DescriptionField(const ConfigImage& image) {
    QByteArray d(image.Description, int(strnlen(image.Description, kMaxDescription)));
    d.replace('\n', kLineBreakMark);
    d.replace('\t', ' ');
    return d;
}

QByteArray HeaderLine(int columns) {
    QByteArray h = "Date\tTime\tInterface\tMAX U\tMAX I\t";
    h += HeaderWord(kCapVoltageTransformer) + "\t\t";
    h += HeaderWord(kCapCurrentTransformer) + "\t\t";
    h += "System\tEnergyControl\t";
    h += HeaderWord(kCapOutput1) + '\t' + HeaderWord(kCapOutput2) + '\t';
    for (EditorCaption c : {kCapLimitOn, kCapLimitOff, kCapPulseRate})
        h += HeaderWord(c) + "1\t" + HeaderWord(c) + "2\t";
    h += HeaderWord(kCapDevice) + '\t' + HeaderWord(kCapAddress) + '\t' + HeaderWord(kCapBusSettings) + '\t';
    h += "Display\tImage\tLogger\t";
    if (columns >= kExtendedColumns) h += "Freq\tDispMode\tLoop\tUser\tMean_Log\tMeanMeas\t";
    if (columns == kModuleColumns) h += "MinMaxLogger\t";
    return h;
}

// Strict readers for the value line: a field that is not what the writer produces
// rejects the whole file instead of quietly turning into 0.
bool ParseInteger(const QByteArray& field, long long& v) {
    const QByteArray t = field.trimmed();
    if (t.isEmpty() || t.size() > 12) return false;
    bool ok = false;
    v = t.toLongLong(&ok, 10);
    return ok && v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<uint32_t>::max();
}

bool ParseFloat(const QByteArray& field, float& v) {
    bool ok = false;
    const double d = field.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(d) || std::fabs(d) > std::numeric_limits<float>::max()) return false;
    v = float(d);
    return true;
}

bool ParseList(const QByteArray& field, uint8_t* values, int n) {
    if (field.size() != 4 * n - 1) return false;
    for (int i = 0; i < n; ++i) {
        if (i && field[4 * i - 1] != ',') return false;
        long long v = 0;
        if (!ParseInteger(field.mid(4 * i, 3), v) || v < 0 || v > 255) return false;
        values[i] = uint8_t(v);
    }
    return true;
}

// Splits off one line (without its CR LF / LF); false when it is too long.
bool TakeLine(const QByteArray& text, qsizetype& pos, QByteArray& line) {
    qsizetype end = text.indexOf('\n', pos);
    const qsizetype next = end < 0 ? text.size() : end + 1;
    if (end < 0) end = text.size();
    line = text.mid(pos, end - pos);
    if (line.endsWith('\r')) line.chop(1);
    pos = next;
    return line.size() <= kMaxLine;
}

// What each numeric column may hold: the range of its field in the image, narrower
// where the editor takes less (a value beyond it would wrap or divide by zero on the
// way to the meter).
struct ColumnRange {
    int column;
    long long min, max;
};
constexpr long long kInt16Min = -32768, kInt16Max = 32767;
constexpr ColumnRange kIntegerColumns[] = {
    {2, 0, 1},                   // interface option
    {3, 0, kInt16Max},           // MAX U
    {4, 0, kInt16Max},           // MAX I
    {6, 1, 1000},                // secondary voltage, V
    {9, 0, 255},                 // system
    {10, 0, 255},                // energy control
    {11, 0, 255},                // digital outputs
    {12, 0, 255},                //
    {13, kInt16Min, kInt16Max},  // limits on, off
    {14, kInt16Min, kInt16Max},  //
    {15, kInt16Min, kInt16Max},  //
    {16, kInt16Min, kInt16Max},  //
    {17, kInt16Min, kInt16Max},  // pulse rates
    {18, kInt16Min, kInt16Max},  //
    {20, 0, 255},                // address
    {21, 0, 255},                // bus settings
    {22, 0, 255},                // display
    {23, -128, 255},             // image: written signed, older files unsigned
    {24, 0, 65535},              // logger
    {25, 0, 255},                // Freq
    {26, 0, 255},                // DispMode
    {29, 0, 65535},              // Mean_Log
};
constexpr float kMaxPrimary = 999999000.0f; // 999999 kV or kA, the editor's largest
constexpr float kMinIrSec = 0.001f, kMaxIrSec = 10.0f;

bool ParseValues(const QList<QByteArray>& f, int columns, ConfigImage& c) {
    long long v[kModuleColumns] = {};
    for (const ColumnRange& r : kIntegerColumns)
        if (r.column < columns &&
            (!ParseInteger(f[r.column], v[r.column]) || v[r.column] < r.min || v[r.column] > r.max))
            return false;
    if (f[0].size() > kMaxDateTime || f[1].size() > kMaxDateTime) return false;
    float urPrim = 0, irPrim = 0, irSec = 0; // the packed fields cannot bind to a reference
    if (!ParseFloat(f[5], urPrim) || !ParseFloat(f[7], irPrim) || !ParseFloat(f[8], irSec)) return false;
    if (urPrim < 0 || urPrim > kMaxPrimary || irPrim < 0 || irPrim > kMaxPrimary || irSec < kMinIrSec ||
        irSec > kMaxIrSec)
        return false;
    c.UrPrim = urPrim;
    c.IrPrim = irPrim;
    c.IrSec = irSec;

    QByteArray description = f[19];
    if (description.size() > kMaxDescription) return false;
    description.replace(kLineBreakMark, '\n');
    std::memset(c.Description, 0, sizeof c.Description);
    std::memcpy(c.Description, description.constData(), size_t(description.size()));

    c.Interface = v[2] != 0 ? 1 : 0;
    c.MaxU = int16_t(v[3]);
    c.MaxI = int16_t(v[4]);
    c.UrSec = uint16_t(v[6]);
    c.System = uint8_t(v[9]);
    c.EnergyControl = uint8_t(v[10]);
    c.DigOut[0] = uint8_t(v[11]);
    c.DigOut[1] = uint8_t(v[12]);
    c.LimitOn[0] = int16_t(v[13]);
    c.LimitOn[1] = int16_t(v[14]);
    c.LimitOff[0] = int16_t(v[15]);
    c.LimitOff[1] = int16_t(v[16]);
    c.PulseRate[0] = int16_t(v[17]);
    c.PulseRate[1] = int16_t(v[18]);
    c.Address = uint8_t(v[20]);
    c.BusSettings = uint8_t(v[21]);
    c.Display = uint8_t(v[22]);
    c.Image = int8_t(uint8_t(v[23]));
    c.Logger = uint16_t(v[24]);
    c.Model = columns == kBaseColumns ? 0 : 1;
    if (columns == kBaseColumns) return true;

    c.Freq = uint8_t(v[25]);
    c.DispMode = uint8_t(v[26]);
    c.Mean_Log = uint16_t(v[29]);
    if (!ParseList(f[27], c.Loop, 22) || !ParseList(f[28], c.User, 22) || !ParseList(f[30], c.MeanMeas, 9))
        return false;
    if (columns == kExtendedColumns) {
        std::memset(c.MinMaxLogger, 255, sizeof c.MinMaxLogger);
        return true;
    }
    return ParseList(f[31], c.MinMaxLogger, 9);
}

} // namespace

QByteArray ConfigFileText(const ConfigImage& image, int commType, const std::string& date,
                          const std::string& time) {
    const int columns = image.Model != 1      ? kBaseColumns
                        : commType == kModule ? kModuleColumns
                                              : kExtendedColumns;
    QList<QByteArray> f;
    f << QByteArray::fromStdString(date) << QByteArray::fromStdString(time) << Number(image.Interface)
      << Number(image.MaxU) << Number(image.MaxI) << FloatField(image.UrPrim) << Number(image.UrSec)
      << FloatField(image.IrPrim) << FloatField(image.IrSec) << Number(SystemCode(image))
      << Number(image.EnergyControl) << Number(image.DigOut[0]) << Number(image.DigOut[1])
      << Number(image.LimitOn[0]) << Number(image.LimitOn[1]) << Number(image.LimitOff[0])
      << Number(image.LimitOff[1]) << Number(image.PulseRate[0]) << Number(image.PulseRate[1])
      << DescriptionField(image) << Number(image.Address)
      << Number(image.BusSettings | (commType == kModule ? kBusViaModule : 0)) << Number(image.Display)
      << Number(image.Image) << Number(image.Logger);
    if (columns >= kExtendedColumns)
        f << Number(image.Freq) << Number(image.DispMode) << ListField(image.Loop, 22)
          << ListField(image.User, 22) << Number(image.Mean_Log) << ListField(image.MeanMeas, 9);
    if (columns == kModuleColumns) f << ListField(image.MinMaxLogger, 9);

    QByteArray text = HeaderLine(columns) + "\r\n";
    for (const QByteArray& field : f)
        text += field + '\t';
    return text + "\r\n";
}

int ParseConfigText(const QByteArray& text, ConfigImage& image) {
    qsizetype pos = 0;
    QByteArray header, values;
    if (!TakeLine(text, pos, header) || pos >= text.size() || !TakeLine(text, pos, values)) return 0;
    const int columns = int(header.count('\t'));
    if (columns != kBaseColumns && columns != kExtendedColumns && columns != kModuleColumns) return 0;
    // Exactly one tab-terminated field per header column, nothing after the last tab.
    const QList<QByteArray> fields = values.split('\t');
    if (fields.size() != columns + 1 || !fields.back().isEmpty()) return 0;

    ConfigImage candidate = image;
    if (!ParseValues(fields, columns, candidate)) return 0;
    image = candidate;
    return 1;
}

int LoadConfigFile(const std::string& path, ConfigImage& image) {
    QByteArray text;
    if (!ReadWholeFile(path, text)) {
        Error(2, 5);
        return 0;
    }
    if (!ParseConfigText(text, image)) {
        Error(3, 6);
        return 0;
    }
    return 1;
}

bool ConfigFileReadsBack(const QByteArray& text) {
    ConfigImage scratch{};
    return ParseConfigText(text, scratch) == 1;
}

int SaveConfigFile(MeterSession& session, const std::string& path) {
    if (session.connection.kind == kModule) session.edited.BusSettings |= kBusViaModule;
    const LocalTime now = LocalNow();
    const QByteArray text =
        ConfigFileText(session.edited, session.connection.kind, FormatDate(now), FormatTime(now));
    if (!ConfigFileReadsBack(text)) {
        Error(3, 9);
        return 0;
    }
    FileFault fault = FileFault::None;
    if (!WriteFileAtomically(path, text, &fault)) return ShowWriteFault(fault);
    return 1;
}
