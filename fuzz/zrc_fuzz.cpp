// Arbitrary bytes as a configuration file: the reader must never crash, must leave the
// image untouched when it rejects the text, and what it accepts must write and read
// back to the same file.
#include "config/ConfigFile.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    ConfigImage before;
    std::memset(&before, 0xA5, sizeof before);
    ConfigImage image = before;
    if (!ParseConfigText(text, image)) {
        if (std::memcmp(&image, &before, sizeof image) != 0) __builtin_trap();
        return 0;
    }
    const QByteArray written = ConfigFileText(image, 3, "06.12.2026", "12:00:00");
    ConfigImage again = before;
    if (!ParseConfigText(written, again)) __builtin_trap();
    if (ConfigFileText(again, 3, "06.12.2026", "12:00:00") != written) __builtin_trap();
    return 0;
}
