#include "logger/Logger57Decode.h"

#include "platform/TimeBase.h"
#include "values/DisplayScale.h"
#include "values/Measurands.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>

const char* DecodeFaultText(DecodeFault fault) {
    static const char* const kTexts[] = {QT_TRANSLATE_NOOP("Messages", "Invalid structure of logger data"),
                                         QT_TRANSLATE_NOOP("Messages", "No data found"),
                                         QT_TRANSLATE_NOOP("Messages", "more than 255 sequences"),
                                         QT_TRANSLATE_NOOP("Messages", "more than 23 channels in a sequence"),
                                         QT_TRANSLATE_NOOP("Messages", "more than 699050 values"),
                                         QT_TRANSLATE_NOOP("Messages", "more than 299593 time stamps")};
    return kTexts[int(fault)];
}

namespace {

// Units by prefix step (none, k, M, G) for the groups that scale.
const char* const kScaledUnits[5][4] = {
    {"[V]", "[kV]", "[MV]", "[GV]"},     {"[A]", "[kA]", "[MA]", "[GA]"},
    {"[W]", "[kW]", "[MW]", "[GW]"},     {"[var]", "[kvar]", "[Mvar]", "[Gvar]"},
    {"[VA]", "[kVA]", "[MVA]", "[GVA]"},
};

// Identifier bits of an element.
constexpr uint8_t kClassApplication = 1, kClassContext = 2;
constexpr uint8_t kConstructed = 0x20;
constexpr uint8_t kTagMask = 0x1F, kLongTag = 0x1F;
constexpr int kMaxLengthBytes = 4;
constexpr int kMaxNameChars = 51;

enum class Step { Done, EndOfContents, MalformedEnd, Failed };

// One pass over the bytes. Stamps are stored converted; values beyond a record's
// channels are dropped and a record short of values is filled up with NaN, so that
// value k of record r always sits at FirstVal + r * NumChan + k. Until a sequence names
// its channels, its values are kept as they come (up to the most channels a record can
// have) and laid out once the names arrive.
struct Decoder {
    const uint8_t* data;
    qsizetype size;
    ModuleLog& log;
    qsizetype pos = 0;
    LogSequence* seq = nullptr; // the open sequence
    uint32_t valuesInRecord = 0;
    bool channelsNamed = false;            // the open sequence has had its codes
    std::vector<uint32_t> unnamedCounts{}; // values of each record read before the codes
    uint16_t logInterval = 0;              // an interval given ahead of every sequence
    const char* error = nullptr;

    Step Fail(const char* why) {
        if (!error) error = why;
        return Step::Failed;
    }

    bool Byte(uint8_t& b) {
        if (pos >= size) return false;
        b = data[pos++];
        return true;
    }

    bool FillRecord() {
        if (!seq || seq->NumRec == 0 || !channelsNamed) return true;
        for (; valuesInRecord < seq->NumChan; ++valuesInRecord) {
            if (log.LogVal.size() >= kMaxLogValues) return false;
            log.LogVal.push_back(std::numeric_limits<float>::quiet_NaN());
        }
        return true;
    }

    // The open sequence ends: its last record is filled up; a sequence that never named
    // its channels keeps no values.
    bool CloseSequence() {
        if (seq && !channelsNamed && seq->NumRec != 0) log.LogVal.resize(seq->FirstVal);
        return FillRecord();
    }

    Step OpenSequence() {
        if (!CloseSequence()) return Fail(DecodeFaultText(DecodeFault::Values));
        if (log.NumLogSeq >= kMaxSequences) return Fail(DecodeFaultText(DecodeFault::Sequences));
        seq = &log.Dev57[size_t(++log.NumLogSeq)];
        *seq = LogSequence{};
        seq->IntervalMin = logInterval;
        valuesInRecord = 0;
        channelsNamed = false;
        unnamedCounts.clear();
        return Step::Done;
    }

    static uint32_t Le32(const uint8_t* p) {
        return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    }

    Step Stamp(const uint8_t* p) {
        if (!seq) return Fail(DecodeFaultText(DecodeFault::Structure));
        if (!FillRecord()) return Fail(DecodeFaultText(DecodeFault::Values));
        if (log.LogStamp.size() >= kMaxLogStamps) return Fail(DecodeFaultText(DecodeFault::Stamps));
        const uint32_t t = Le32(p) + kUnixTo1900; // modulo 2^32
        if (seq->NumRec == 0) {
            seq->FirstVal = uint32_t(log.LogVal.size());
            seq->FirstStamp = uint32_t(log.LogStamp.size());
            seq->Start = t;
        }
        seq->Stop = t;
        ++seq->NumRec;
        log.LogStamp.push_back(t);
        valuesInRecord = 0;
        if (!channelsNamed) unnamedCounts.push_back(0);
        return Step::Done;
    }

    Step Value(const uint8_t* p) {
        if (!seq || seq->NumRec == 0) return Fail(DecodeFaultText(DecodeFault::Structure));
        if (valuesInRecord >= (channelsNamed ? seq->NumChan : uint32_t(kMaxModuleChannels)))
            return Step::Done;
        if (log.LogVal.size() >= kMaxLogValues) return Fail(DecodeFaultText(DecodeFault::Values));
        const uint32_t bits = Le32(p);
        float v;
        std::memcpy(&v, &bits, sizeof v);
        log.LogVal.push_back(v);
        ++valuesInRecord;
        if (!channelsNamed) ++unnamedCounts.back();
        return Step::Done;
    }

    Step Codes(const uint8_t* p, qsizetype n) {
        if (!seq) return Fail(DecodeFaultText(DecodeFault::Structure));
        if (n > kMaxModuleChannels) return Fail(DecodeFaultText(DecodeFault::Channels));
        if (channelsNamed && seq->NumRec != 0) {
            // Records already logged under other channels could not be told apart.
            const bool same = qsizetype(seq->NumChan) == n && std::equal(p, p + n, seq->Codes.begin());
            return same ? Step::Done : Fail(DecodeFaultText(DecodeFault::Structure));
        }
        std::copy(p, p + n, seq->Codes.begin());
        seq->NumChan = uint32_t(n);
        channelsNamed = true;
        return seq->NumRec != 0 && !LayOutUnnamedRecords() ? Fail(DecodeFaultText(DecodeFault::Values)) : Step::Done;
    }

    // The records read before the codes, each cut or filled up to NumChan values; the
    // record still open keeps what it has and is filled up when it ends.
    bool LayOutUnnamedRecords() {
        const uint32_t n = seq->NumChan;
        std::vector<float> laidOut;
        laidOut.reserve(size_t(seq->NumRec) * n);
        const float* raw = log.LogVal.data() + seq->FirstVal;
        for (size_t r = 0; r < unnamedCounts.size(); ++r) {
            const uint32_t have = std::min(unnamedCounts[r], n);
            laidOut.insert(laidOut.end(), raw, raw + have);
            raw += unnamedCounts[r];
            if (r + 1 < unnamedCounts.size())
                laidOut.insert(laidOut.end(), n - have, std::numeric_limits<float>::quiet_NaN());
            else
                valuesInRecord = have;
        }
        unnamedCounts.clear();
        if (seq->FirstVal + laidOut.size() > kMaxLogValues) return false;
        log.LogVal.resize(seq->FirstVal);
        log.LogVal.insert(log.LogVal.end(), laidOut.begin(), laidOut.end());
        return true;
    }

    // A name without a length runs to a NUL byte, and the byte after it is skipped.
    Step OpenName() {
        const qsizetype start = pos;
        uint8_t b = 1;
        while (b != 0)
            if (!Byte(b)) return Fail(DecodeFaultText(DecodeFault::Structure));
        const qsizetype end = pos - 1;
        if (!Byte(b)) return Fail(DecodeFaultText(DecodeFault::Structure));
        log.DevName = QString::fromLatin1(reinterpret_cast<const char*>(data + start),
                                          std::min<qsizetype>(end - start, kMaxNameChars));
        return Step::Done;
    }

    Step Primitive(uint8_t cls, uint32_t tag, qsizetype length, bool noLength) {
        const uint8_t* p = data + pos;
        if (cls == kClassApplication && tag == 2 && noLength) return OpenName();
        pos += length; // checked against the size by the caller
        if (cls == kClassApplication) {
            switch (tag) {
            case 1:
                std::copy(p, p + std::min<qsizetype>(length, 6), log.DevID.begin());
                return Step::Done;
            case 2: {
                const qsizetype n = qsizetype(strnlen(reinterpret_cast<const char*>(p), size_t(length)));
                log.DevName = QString::fromLatin1(reinterpret_cast<const char*>(p),
                                                  std::min<qsizetype>(n, kMaxNameChars));
                return Step::Done;
            }
            case 3:
                return OpenSequence();
            case 4:
                return Codes(p, length);
            case 5: // ahead of every sequence it holds for those that give none
                if (length >= 1) (seq ? seq->IntervalMin : logInterval) = p[0];
                return Step::Done;
            default:
                return Step::Done;
            }
        }
        if (cls == kClassContext && tag <= 30) {
            if (length != 4) return Fail(DecodeFaultText(DecodeFault::Structure));
            return tag == 0 ? Stamp(p) : Value(p);
        }
        return Step::Done; // an element nobody asked for is skipped whole
    }

    // One element with everything inside it.
    Step Element(int depth) {
        if (depth > kMaxLogNesting) return Fail(DecodeFaultText(DecodeFault::Structure));
        uint8_t id = 0, b = 0;
        if (!Byte(id)) return Fail(DecodeFaultText(DecodeFault::Structure));
        if (id == 0x00) {
            if (!Byte(b)) return Fail(DecodeFaultText(DecodeFault::Structure));
            return b == 0 ? Step::EndOfContents : Step::MalformedEnd;
        }
        uint32_t tag = id & kTagMask;
        if (tag == kLongTag) {
            if (!Byte(b) || (b & 0x80)) return Fail(DecodeFaultText(DecodeFault::Structure)); // one byte of tag only
            tag = b;
        }
        if (!Byte(b)) return Fail(DecodeFaultText(DecodeFault::Structure));
        const bool noLength = b == 0x00;
        qsizetype length = b;
        if (b & 0x80) {
            const int n = b & 0x7F;
            if (n > kMaxLengthBytes) return Fail(DecodeFaultText(DecodeFault::Structure));
            length = 0;
            for (int i = 0; i < n; ++i) {
                if (!Byte(b)) return Fail(DecodeFaultText(DecodeFault::Structure));
                length = length << 8 | b;
            }
        }
        if (length > size - pos) return Fail(DecodeFaultText(DecodeFault::Structure));
        const uint8_t cls = id >> 6;
        if (!(id & kConstructed)) return Primitive(cls, tag, length, noLength);
        if (noLength) return OpenList(tag, depth);
        const qsizetype end = pos + length;
        while (pos < end) {
            const Step s = Element(depth + 1);
            if (s == Step::Failed) return s;
            if (s != Step::Done || pos > end) return Fail(DecodeFaultText(DecodeFault::Structure));
        }
        return Step::Done;
    }

    // A constructed element without a length: children up to an end of contents (or a
    // malformed end). Tag number 3 in any class opens a sequence.
    Step OpenList(uint32_t tag, int depth) {
        if (tag == 3) {
            const Step s = OpenSequence();
            if (s != Step::Done) return s;
        }
        for (;;) {
            const Step s = Element(depth + 1);
            if (s == Step::Failed) return s;
            if (s != Step::Done) return Step::Done;
        }
    }
};

bool IsValidReading(uint8_t code, float v) {
    if (!std::isfinite(v) || v > 9e30f) return false;
    if (code >= 44 && code <= 47 && (v < -1.001f || v > 1.001f)) return false;
    if (code == 43 && (v < 45.0f || v > 65.0f)) return false;
    return true;
}

// Extremes (first occurrence in file order wins), the interval when the file gave none,
// units, and then record 0 made the newest.
void FinishSequence(ModuleLog& log, LogSequence& seq) {
    const uint32_t n = seq.NumChan;
    seq.Min.fill(0.0);
    seq.Max.fill(0.0);
    for (uint32_t k = 0; k < n; ++k) {
        seq.Min[k] = 1e100;
        seq.Max[k] = -1e100;
    }
    if (seq.NumRec > 0) {
        uint32_t* stamps = log.LogStamp.data() + seq.FirstStamp;
        if (seq.IntervalMin == 0 && seq.NumRec >= 2) {
            const int32_t d = int32_t(stamps[1] - stamps[0]);
            if (d > 0) seq.IntervalMin = uint16_t(std::min(d / 60, 65535));
        }
        if (n > 0) {
            float* values = log.LogVal.data() + seq.FirstVal;
            for (uint32_t r = 0; r < seq.NumRec; ++r)
                for (uint32_t k = 0; k < n; ++k) {
                    const float v = values[r * n + k];
                    if (!IsValidReading(seq.Codes[k], v)) continue;
                    if (v > seq.Max[k]) {
                        seq.Max[k] = v;
                        seq.MaxTime[k] = stamps[r];
                    }
                    if (v < seq.Min[k]) {
                        seq.Min[k] = v;
                        seq.MinTime[k] = stamps[r];
                    }
                }
            float* const last = values + size_t(seq.NumRec) * n;
            std::reverse(values, last);
            for (float* rec = values; rec < last; rec += n)
                std::reverse(rec, rec + n); // back to channel order within each record
        }
        std::reverse(stamps, stamps + seq.NumRec);
    }
    LogScaling(seq);
    for (uint32_t k = 0; k < n; ++k)
        seq.Names[k] = LogTxt(seq.Codes[k]);
}

} // namespace

QString LogTxt(uint8_t code) {
    return ModuleCodeName(code);
}

void LogScaling(LogSequence& seq) {
    for (uint32_t k = 0; k < seq.NumChan && k < uint32_t(kMaxModuleChannels); ++k) {
        // No valid value leaves the extremes at their start values: scale as for 0.
        const bool any = seq.Min[k] <= seq.Max[k];
        const double m = any ? std::trunc(std::max(std::fabs(seq.Min[k]), std::fabs(seq.Max[k]))) : 0.0;
        const Precision shown = PrecisionFor(m);
        int p = shown.prefix;
        int digits = shown.decimals;
        const Quantity g = ModuleCodeQuantity(seq.Codes[k]);
        if (g == kFrequency) {
            p = 0;
            digits = 2;
            seq.Units[k] = "[Hz]";
        } else if (g == kPowerFactor) {
            p = 0;
            digits = 3;
            seq.Units[k] = "[-]";
        } else if (g == kPercent) {
            p = 0;
            digits = 1;
            seq.Units[k] = "[%]";
        } else {
            seq.Units[k] = QString::fromLatin1(kScaledUnits[int(g)][p]);
        }
        seq.Digits[k] = digits;
        seq.Scale[k] = std::pow(1000.0, p);
    }
}

bool DecodeModuleLog(const QByteArray& bytes, ModuleLog& log, QString& error) {
    ModuleLog out;
    // A stamp takes at least 6 bytes of the file, a value as many.
    out.LogStamp.reserve(std::min<size_t>(size_t(bytes.size()) / 6, kMaxLogStamps));
    out.LogVal.reserve(std::min<size_t>(size_t(bytes.size()) / 6, kMaxLogValues));
    Decoder d{reinterpret_cast<const uint8_t*>(bytes.constData()), bytes.size(), out};
    const Step top = d.Element(0);
    // An end of contents belongs inside a list; at the top it is no log (a file of zeros).
    if (top != Step::Done || !d.CloseSequence()) {
        error = QString::fromLatin1(d.error             ? d.error
                                    : top == Step::Done ? DecodeFaultText(DecodeFault::Values)
                                                        : DecodeFaultText(DecodeFault::Structure));
        return false;
    }
    if (NewestUsableSequence(out) == 0) {
        error = QString::fromLatin1(DecodeFaultText(DecodeFault::NoData));
        return false;
    }
    for (int s = out.NumLogSeq; s >= 1; --s)
        FinishSequence(out, out.Dev57[size_t(s)]);
    log = std::move(out);
    return true;
}

bool UsableSequence(const LogSequence& seq) {
    return seq.NumChan != 0 && seq.NumRec != 0;
}

int NewestUsableSequence(const ModuleLog& log) {
    for (int s = log.NumLogSeq; s >= 1; --s)
        if (UsableSequence(log.Dev57[size_t(s)])) return s;
    return 0;
}

int StepSequence(const ModuleLog& log, int from, int direction) {
    int s = std::clamp(from, 1, std::max(1, log.NumLogSeq));
    while (direction < 0 ? s > 1 : s < log.NumLogSeq) {
        s += direction;
        if (UsableSequence(log.Dev57[size_t(s)])) break;
    }
    return s;
}
