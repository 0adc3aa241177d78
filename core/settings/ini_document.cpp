#include "core/settings/ini_document.h"

#include "core/numbers/decimal.h"
#include "core/settings/settings_store.h"

#include <algorithm>

namespace qv::ini {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned int code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto trail = static_cast<unsigned char>(text[i + k]);
            if ((trail & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (trail & 0x3F);
        }
        if ((length == 3 && code < 0x800) || (length == 4 && code < 0x10000) || code > 0x10FFFF ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

} // namespace

bool NamesEqual(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

Document Document::Parse(std::string_view fileBytes) {
    Document document;
    if (fileBytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
        document.byteOrderMark_ = kUtf8ByteOrderMark;
        document.utf8_ = true;
        fileBytes.remove_prefix(kUtf8ByteOrderMark.size());
    }

    bool lineEndSeen = false;
    while (!fileBytes.empty()) {
        const std::size_t end = fileBytes.find_first_of("\r\n");
        Line line;
        if (end == std::string_view::npos) {
            line.bytes = fileBytes;
            fileBytes = {};
        } else {
            const bool crlf =
                fileBytes[end] == '\r' && end + 1 < fileBytes.size() && fileBytes[end + 1] == '\n';
            line.bytes = fileBytes.substr(0, end);
            // A literal, not a substring: GCC 12 reports a false -Wrestrict for the copy.
            line.lineEnd = crlf ? "\r\n" : (fileBytes[end] == '\r' ? "\r" : "\n");
            fileBytes.remove_prefix(end + line.lineEnd.size());
            if (!lineEndSeen) {
                // New lines follow the style of the file's first line end.
                document.newLine_ = line.lineEnd;
                lineEndSeen = true;
            }
        }
        document.Classify(line);
        document.lines_.push_back(std::move(line));
    }
    return document;
}

// GBK lead bytes are 0x81..0xFE and trail bytes 0x40..0xFE, so blanks and '=' found in the raw
// bytes are real characters; '[' and ']' can be trail bytes and are looked for in decoded text.
void Document::Classify(Line& line) const {
    const std::string_view trimmed = Trim(line.bytes);
    if (trimmed.empty() || trimmed.front() == ';')
        return;
    if (trimmed.front() == '[') {
        std::string text;
        if (!Decode(trimmed, text))
            return;
        const std::size_t close = text.find(']');
        if (close == std::string::npos)
            return;
        const std::string_view name = Trim(std::string_view(text).substr(1, close - 1));
        if (name.empty())
            return;
        line.kind = LineKind::Section;
        line.name = name;
        return;
    }
    const std::size_t equals = line.bytes.find('=');
    if (equals == std::string::npos)
        return;
    std::string key;
    if (!Decode(Trim(std::string_view(line.bytes).substr(0, equals)), key) || key.empty())
        return;
    line.kind = LineKind::Entry;
    line.name = std::move(key);
    line.valueStart = equals + 1;
}

bool Document::Decode(std::string_view bytes, std::string& text) const {
    if (utf8_) {
        if (!IsValidUtf8(bytes))
            return false;
        text = bytes;
        return true;
    }
    bool ok = false;
    text = GbkToUtf8(bytes, &ok);
    return ok;
}

bool Document::Encode(std::string_view text, std::string& bytes) const {
    if (utf8_) {
        if (!IsValidUtf8(text))
            return false;
        bytes = text;
        return true;
    }
    bool ok = false;
    bytes = Utf8ToGbk(text, &ok);
    return ok;
}

std::size_t Document::FindEntry(std::string_view section, std::string_view key) const {
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == LineKind::Section)
            inSection = NamesEqual(line.name, section);
        else if (inSection && line.kind == LineKind::Entry && NamesEqual(line.name, key))
            return i;
    }
    return lines_.size();
}

std::string Document::Value(std::string_view section, std::string_view key) const {
    const std::size_t at = FindEntry(section, key);
    if (at == lines_.size())
        return {};
    const Line& line = lines_[at];
    std::string text;
    if (!Decode(std::string_view(line.bytes).substr(line.valueStart), text))
        return {};
    return text;
}

// The new line ends like the line before it, so a file of mixed line ends keeps each part's style
// and a lone CR before the new line can never pair up with a following LF.
void Document::InsertLine(std::size_t at, std::string bytes) {
    Line line;
    line.bytes = std::move(bytes);
    line.lineEnd = newLine_;
    if (at > 0) {
        std::string& before = lines_[at - 1].lineEnd;
        if (before.empty()) // the file's last line had no line end
            before = newLine_;
        line.lineEnd = before;
    }
    Classify(line);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

bool Document::Set(std::string_view section, std::string_view key, std::string_view value) {
    if (section.empty() || Trim(section) != section || section.find(']') != std::string_view::npos ||
        HasLineBreak(section))
        return false;
    if (key.empty() || Trim(key) != key || key.find('=') != std::string_view::npos || key.front() == '[' ||
        key.front() == ';' || HasLineBreak(key))
        return false;
    if (HasLineBreak(value))
        return false;
    std::string sectionBytes, keyBytes, valueBytes;
    if (!Encode(section, sectionBytes) || !Encode(key, keyBytes) || !Encode(value, valueBytes))
        return false;

    const std::size_t entry = FindEntry(section, key);
    if (entry < lines_.size()) {
        // Keep the key as the file spells it; only the value changes.
        Line& line = lines_[entry];
        const std::string_view storedKey = Trim(std::string_view(line.bytes).substr(0, line.valueStart - 1));
        line.bytes = std::string(storedKey) + "=" + valueBytes;
        line.valueStart = storedKey.size() + 1;
        return true;
    }

    const std::string entryBytes = keyBytes + "=" + valueBytes;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != LineKind::Section || !NamesEqual(lines_[i].name, section))
            continue;
        // After the section's last non-blank line, so a blank line before the next section stays.
        std::size_t insertAt = i + 1;
        for (std::size_t k = i + 1; k < lines_.size() && lines_[k].kind != LineKind::Section; ++k) {
            if (!Trim(lines_[k].bytes).empty())
                insertAt = k + 1;
        }
        InsertLine(insertAt, entryBytes);
        return true;
    }

    InsertLine(lines_.size(), "[" + sectionBytes + "]");
    InsertLine(lines_.size(), entryBytes);
    return true;
}

std::string Document::Serialize() const {
    std::string bytes = byteOrderMark_;
    for (const Line& line : lines_)
        bytes += line.bytes + line.lineEnd;
    return bytes;
}

} // namespace qv::ini
