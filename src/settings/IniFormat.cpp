#include "settings/IniFormat.h"

#include <algorithm>
#include <cctype>
#include <strings.h>

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && strcasecmp(a.c_str(), b.c_str()) == 0;
}

bool LessName(const std::string& a, const std::string& b) {
    return strcasecmp(a.c_str(), b.c_str()) < 0;
}

IniSection& SectionFor(IniDoc& doc, const std::string& name) {
    for (auto& s : doc.sections)
        if (SameName(s.name, name)) return s;
    doc.sections.push_back({name, {}});
    return doc.sections.back();
}

void Put(IniDoc& doc, const std::string& section, const std::string& key, std::string value, bool quoted) {
    IniSection& s = SectionFor(doc, section);
    for (auto& e : s.entries)
        if (SameName(e.key, key)) {
            e.value = std::move(value);
            e.quoted = quoted;
            return;
        }
    s.entries.push_back({key, std::move(value), quoted});
}

const IniEntry* Find(const IniDoc& doc, const std::string& section, const std::string& key) {
    const IniSection* s = IniFindSection(doc, section);
    if (!s) return nullptr;
    for (const auto& e : s->entries)
        if (SameName(e.key, key)) return &e;
    return nullptr;
}

std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t'))
        --e;
    return s.substr(b, e - b);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Undoes the escapes of a quoted value starting at its opening quote. False when the
// closing quote is missing.
bool Unquote(const std::string& raw, std::string& out) {
    out.clear();
    size_t i = 1;
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '"') return true; // anything after the closing quote is ignored
        if (c != '\\' || i + 1 >= raw.size()) {
            out += c;
            ++i;
            continue;
        }
        const char n = raw[i + 1];
        i += 2;
        switch (n) {
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 'x': {
            const int hi = i < raw.size() ? HexDigit(raw[i]) : -1;
            const int lo = i + 1 < raw.size() ? HexDigit(raw[i + 1]) : -1;
            if (hi < 0 || lo < 0) {
                out += 'x'; // not an escape after all: keep the letter
                break;
            }
            out += char(hi * 16 + lo);
            i += 2;
            break;
        }
        default:
            out += n;
            break; // \" \\ and anything unknown stand for themselves
        }
    }
    return false;
}

// A line that is neither a section nor a readable entry is passed over: one stray
// line must not cost the user the whole file. The entries under a damaged section
// line are passed over too, so that they cannot land in the section before it.
// False at a section beyond maxSections.
bool ParseLine(const std::string& line, IniDoc& doc, IniSection*& current, size_t maxSections) {
    const std::string t = Trim(line);
    if (t.empty() || t[0] == ';' || t[0] == '#') return true;
    if (t[0] == '[') {
        current = nullptr;
        if (t.back() != ']') return true;
        if (doc.sections.size() == maxSections) return false;
        doc.sections.push_back({Trim(t.substr(1, t.size() - 2)), {}});
        current = &doc.sections.back();
        return true;
    }
    const size_t eq = t.find('=');
    if (eq == std::string::npos || eq == 0 || !current) return true;
    IniEntry e{Trim(t.substr(0, eq)), Trim(t.substr(eq + 1)), false};
    if (!e.value.empty() && e.value[0] == '"') {
        std::string text;
        if (!Unquote(e.value, text)) return true;
        e.value = std::move(text);
        e.quoted = true;
    }
    current->entries.push_back(std::move(e));
    return true;
}

} // namespace

void IniPutInt(IniDoc& doc, const std::string& section, const std::string& key, int64_t value) {
    Put(doc, section, key, std::to_string(value), false);
}

void IniPutString(IniDoc& doc, const std::string& section, const std::string& key, const std::string& value) {
    Put(doc, section, key, value, true);
}

std::string IniEscape(const std::string& text) {
    static const char* kHex = "0123456789ABCDEF";
    std::string out;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                out += "\\x";
                out += kHex[c >> 4];
                out += kHex[c & 15];
            } else {
                out += ch;
            }
        }
    }
    return out;
}

QByteArray IniFormat(const IniDoc& doc) {
    std::vector<IniSection> sections = doc.sections;
    if (doc.sorted) {
        std::stable_sort(sections.begin(), sections.end(),
                         [](const IniSection& a, const IniSection& b) { return LessName(a.name, b.name); });
        for (auto& s : sections)
            std::stable_sort(s.entries.begin(), s.entries.end(),
                             [](const IniEntry& a, const IniEntry& b) { return LessName(a.key, b.key); });
    }
    std::string out;
    for (size_t i = 0; i < sections.size(); ++i) {
        if (i > 0) out += "\r\n"; // a blank line between sections, for the human reader
        out += "[" + sections[i].name + "]\r\n";
        for (const auto& e : sections[i].entries)
            out += e.key + " = " + (e.quoted ? "\"" + IniEscape(e.value) + "\"" : e.value) + "\r\n";
    }
    return QByteArray::fromStdString(out);
}

bool IniParse(const QByteArray& text, IniDoc& doc, size_t maxSections) {
    doc.sections.clear();
    doc.truncated = false;
    if (text.contains('\0')) return false;
    IniSection* current = nullptr;
    // A byte-order mark, as some editors put before UTF-8 text.
    qsizetype start = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0) end = text.size();
        qsizetype stop = end;
        if (stop > start && text[stop - 1] == '\r') --stop;
        const std::string line(text.constData() + start, size_t(stop - start));
        if (!ParseLine(line, doc, current, maxSections)) {
            doc.truncated = true;
            break;
        }
        start = end + 1;
    }
    return true;
}

const IniSection* IniFindSection(const IniDoc& doc, const std::string& section) {
    for (const auto& s : doc.sections)
        if (SameName(s.name, section)) return &s;
    return nullptr;
}

bool IniGetInt(const IniDoc& doc, const std::string& section, const std::string& key, int64_t& value) {
    const IniEntry* e = Find(doc, section, key);
    if (!e || e->quoted || e->value.empty()) return false;
    const std::string& v = e->value;
    size_t i = (v[0] == '-' || v[0] == '+') ? 1 : 0;
    if (i == v.size()) return false;
    int64_t result = 0;
    for (; i < v.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(v[i]))) return false;
        if (result > (INT64_MAX - 9) / 10) return false;
        result = result * 10 + (v[i] - '0');
    }
    value = v[0] == '-' ? -result : result;
    return true;
}

bool IniGetString(const IniDoc& doc, const std::string& section, const std::string& key, std::string& value) {
    const IniEntry* e = Find(doc, section, key);
    if (!e) return false;
    value = e->value;
    return true;
}
