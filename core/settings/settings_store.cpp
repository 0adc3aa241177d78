#include "core/settings/settings_store.h"

#include "core/numbers/decimal.h"
#include "core/settings/atomic_file.h"
#include "core/settings/ini_document.h"

#include <cerrno>
#include <ctime>
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

// The last INI file parsed, kept while the file on disk is provably the same: same inode, size,
// modification and change times, and last modified well before it was parsed, so that a later
// change, even one within the file system's timestamp granularity, gives another time. A file
// changed shortly before it was read is parsed again at every read.
struct ParsedFile {
    std::string path;
    struct stat identity {};
    bool trusted = false;
    ini::Document document;
};

ParsedFile& LastParsed() {
    static ParsedFile parsed;
    return parsed;
}

std::size_t parseCount = 0;

bool SameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           SameTime(a.st_mtim, b.st_mtim) && SameTime(a.st_ctim, b.st_ctim);
}

// Modified at least this long before the parse: any later change shows in the times.
constexpr time_t SettledSeconds = 2;

// The file as a document; an absent file is an empty one. Nothing when the file exists but cannot
// be read, so that a write does not replace what it could not see.
const ini::Document* LoadDocument(const std::string& path) {
    ParsedFile& last = LastParsed();
    struct stat before {};
    const bool exists = ::stat(path.c_str(), &before) == 0;
    if (exists && last.trusted && last.path == path && SameFile(before, last.identity))
        return &last.document;

    last.trusted = false;
    last.path = path;
    if (const std::optional<std::string> bytes = ReadWholeFile(path)) {
        last.document = ini::Document::Parse(*bytes);
        ++parseCount;
        struct stat after {};
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        last.trusted = ::stat(path.c_str(), &after) == 0 && SameFile(before, after) &&
                       after.st_mtim.tv_sec + SettledSeconds < now.tv_sec;
        last.identity = after;
        return &last.document;
    }
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 || errno != ENOENT)
        return nullptr;
    last.document = ini::Document::Parse({});
    return &last.document;
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
    const ini::Document* document = LoadDocument(path);
    if (!document)
        return {};
    return std::string(Trim(document->Value(section, key)));
}

int ReadIniInteger(const std::string& path, std::string_view section, std::string_view key) {
    int value = 0;
    if (!TryStrToInt(ReadIniString(path, section, key), value))
        return kMissingInteger;
    return value;
}

bool WriteIniString(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view text) {
    const ini::Document* loaded = LoadDocument(path);
    if (!loaded)
        return false;
    ini::Document document = *loaded;
    const std::string before = document.Serialize();
    if (!document.Set(section, key, text))
        return false;
    const std::string after = document.Serialize();
    if (after == before && !before.empty())
        return true; // the file already holds this value
    return WriteFileAtomically(path, after);
}

std::size_t IniFileParses() {
    return parseCount;
}

bool WriteIniInteger(const std::string& path, std::string_view section, std::string_view key, int value) {
    return WriteIniString(path, section, key, std::to_string(value));
}

} // namespace qv
