// Arbitrary bytes as a module log: the decoder must never crash, must leave the log
// untouched when it refuses the bytes, and what it accepts must index inside its
// tables with a 9-character text for every value.
#include "logger/Logger57Decode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    ModuleLog log;
    log.NumLogSeq = -7; // a mark that only a successful decode may change
    QString error;
    if (!DecodeModuleLog(bytes, log, error)) {
        if (log.NumLogSeq != -7 || error.isEmpty()) __builtin_trap();
        return 0;
    }
    if (log.NumLogSeq < 1 || log.NumLogSeq > kMaxSequences || NewestUsableSequence(log) == 0)
        __builtin_trap();
    for (int s = 1; s <= log.NumLogSeq; ++s) {
        const LogSequence& seq = log.Dev57[size_t(s)];
        if (seq.NumChan > uint32_t(kMaxModuleChannels)) __builtin_trap();
        if (seq.NumRec == 0) continue;
        if (size_t(seq.FirstStamp) + seq.NumRec > log.LogStamp.size()) __builtin_trap();
        if (size_t(seq.FirstVal) + size_t(seq.NumRec) * seq.NumChan > log.LogVal.size()) __builtin_trap();
        for (uint32_t r = 0; r < seq.NumRec; ++r)
            for (uint32_t k = 0; k < seq.NumChan; ++k)
                if (ModuleValueText(seq, int(k), log.LogVal[seq.FirstVal + r * seq.NumChan + k]).size() != 9)
                    __builtin_trap();
    }
    return 0;
}
