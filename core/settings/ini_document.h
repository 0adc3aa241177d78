#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The bytes of one INI file as lines, for one lookup or one change. Lines that are neither a
// section header nor a key=value entry are kept byte for byte, and so is every line end, so a
// rewrite changes only the line it has to. Text is GBK, or UTF-8 when the file starts with a
// UTF-8 byte-order mark; the interface is UTF-8 either way.
namespace qv::ini {

class Document {
public:
    static Document Parse(std::string_view fileBytes);

    // The value of the first matching entry (untrimmed); empty when the key is missing or its value
    // does not decode.
    std::string Value(std::string_view section, std::string_view key) const;

    // Replaces the first matching entry, or adds the key at the end of its section, or adds the
    // section at the end of the file. False (and no change) when a name or the value cannot be
    // stored: empty names, line breaks, '=' in a key, ']' in a section, text the file's encoding
    // cannot hold.
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Serialize() const;

private:
    enum class LineKind { Other, Section, Entry };
    struct Line {
        std::string bytes; // without the line end
        std::string lineEnd;
        LineKind kind = LineKind::Other;
        std::string name; // decoded section name or key, trimmed
        std::size_t valueStart = 0;
    };

    void Classify(Line& line) const;
    bool Decode(std::string_view bytes, std::string& text) const;
    bool Encode(std::string_view text, std::string& bytes) const;
    // Index of the first entry of key inside a section named section; lines_.size() when none.
    std::size_t FindEntry(std::string_view section, std::string_view key) const;
    void InsertLine(std::size_t at, std::string bytes);

    std::string byteOrderMark_;
    bool utf8_ = false;
    std::string newLine_ = "\r\n";
    std::vector<Line> lines_;
};

// ASCII letters compared without case; every other byte exactly (Chinese names compare as written).
bool NamesEqual(std::string_view a, std::string_view b);

} // namespace qv::ini
