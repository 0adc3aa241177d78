#include "settings_store.h"

#include "atomic_file.h"
#include "decimal.h"
#include "ini_document.h"

#include <cerrno>
#include <iconv.h>
#include <sys/stat.h>

namespace qv {
namespace {

constexpr int kMissingInteger = -65535;

// One iconv conversion of a whole text; no state is carried between calls.
std::string Convert(const char* to, const char* from, std::string_view text, std::size_t maxGrowth,
                    bool* ok) {
    if (ok)
        *ok = false;
    if (text.empty()) {
        if (ok)
            *ok = true;
        return {};
    }
    const iconv_t cd = ::iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) // NOLINT(performance-no-int-to-ptr)
        return {};
    std::string input(text);
    std::string output(text.size() * maxGrowth + 4, '\0');
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    const std::size_t result = ::iconv(cd, &in, &inLeft, &out, &outLeft);
    ::iconv_close(cd);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0)
        return {};
    output.resize(output.size() - outLeft);
    if (ok)
        *ok = true;
    return output;
}

// The file as a document; an absent file is an empty one. False when the file exists but cannot
// be read, so that a write does not replace what it could not see.
bool LoadDocument(const std::string& path, ini::Document& document) {
    if (const std::optional<std::string> bytes = ReadWholeFile(path)) {
        document = ini::Document::Parse(*bytes);
        return true;
    }
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 || errno != ENOENT)
        return false;
    document = ini::Document::Parse({});
    return true;
}

} // namespace

// A GBK character of two bytes becomes at most three UTF-8 bytes; the single byte 0x80 (the euro
// sign) becomes three as well.
std::string GbkToUtf8(std::string_view gbk, bool* ok) {
    return Convert("UTF-8", "GBK", gbk, 3, ok);
}

std::string Utf8ToGbk(std::string_view utf8, bool* ok) {
    return Convert("GBK", "UTF-8", utf8, 1, ok);
}

std::string ReadIniString(const std::string& path, std::string_view section, std::string_view key) {
    ini::Document document;
    if (!LoadDocument(path, document))
        return {};
    return std::string(Trim(document.Value(section, key)));
}

int ReadIniInteger(const std::string& path, std::string_view section, std::string_view key) {
    int value = 0;
    if (!TryStrToInt(ReadIniString(path, section, key), value))
        return kMissingInteger;
    return value;
}

bool WriteIniString(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view text) {
    ini::Document document;
    if (!LoadDocument(path, document))
        return false;
    const std::string before = document.Serialize();
    if (!document.Set(section, key, text))
        return false;
    const std::string after = document.Serialize();
    if (after == before && !before.empty())
        return true; // the file already holds this value
    return WriteFileAtomically(path, after);
}

bool WriteIniInteger(const std::string& path, std::string_view section, std::string_view key, int value) {
    return WriteIniString(path, section, key, std::to_string(value));
}

} // namespace qv
