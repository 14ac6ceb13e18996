// The settings-file format of the three program settings files: "[section]" lines and
// "key = value" lines, integers in signed decimal, strings in double quotes with
// backslash escapes, CR LF line ends. Reading tolerates a UTF-8 byte-order mark,
// LF-only lines, blank lines, comment lines (';' or '#') and any other line that is
// neither a section nor an entry. Names are compared without regard to case, as the
// files have always been edited by hand.
#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct IniEntry {
    std::string key;
    std::string value; // unescaped text of a string, digits of an integer
    bool quoted;       // written as a string
};

struct IniSection {
    std::string name;
    std::vector<IniEntry> entries;
};

struct IniDoc {
    std::vector<IniSection> sections;
    // Written with sections and keys sorted case-insensitively ("DevAddr1" < "DevAddr10"
    // < "DevAddr2"); otherwise in the order they were put.
    bool sorted = false;
    // Read: more sections followed than the reader would take.
    bool truncated = false;
};

// Adds an entry to the section (created at the end when new); a key put twice keeps
// the last value.
void IniPutInt(IniDoc& doc, const std::string& section, const std::string& key, int64_t value);
void IniPutString(IniDoc& doc, const std::string& section, const std::string& key, const std::string& value);

QByteArray IniFormat(const IniDoc& doc);

// False when the text is no settings file at all (it holds a NUL byte). Lines that
// cannot be read are left out: an entry before the first section or under a damaged
// section line, an unterminated string, anything else that is no section or entry.
// Reading stops at the section after maxSections (doc.truncated).
bool IniParse(const QByteArray& text, IniDoc& doc, size_t maxSections = SIZE_MAX);

const IniSection* IniFindSection(const IniDoc& doc, const std::string& section);
// False (value untouched) when the key is missing or not a decimal integer that fits
// 64 bits.
bool IniGetInt(const IniDoc& doc, const std::string& section, const std::string& key, int64_t& value);
// False (value untouched) when the key is missing. An unquoted value is taken as it stands.
bool IniGetString(const IniDoc& doc, const std::string& section, const std::string& key, std::string& value);

// The two-character and \xHH escapes of a string value, without the quotes.
std::string IniEscape(const std::string& text);
