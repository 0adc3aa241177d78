#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// INI files in GBK on disk (para.ini, Spara files). Section and key names are compared without
// regard to letter case. Every write goes to the file at once, and every read sees the file as it
// is on disk: the last file parsed is kept only while its inode, size and times show it unchanged
// since well before it was parsed, so reading the forty-odd keys at start parses it once.
// Texts in and out of these functions are UTF-8.
//
// Reading never fails: a missing file, section or key reads as missing. The first value of a
// duplicated key counts. Lines that cannot be read (binary junk, no '=') are kept as they are when
// the file is rewritten. A UTF-8 byte-order mark and CR, LF or CRLF line ends are accepted; a
// rewrite keeps the file's line ends (CRLF for a new file).
namespace qv {

// The stored text trimmed of blanks; empty when the key is missing.
std::string ReadIniString(const std::string& path, std::string_view section, std::string_view key);

// The stored integer; -65535 when the key is missing or not an integer.
int ReadIniInteger(const std::string& path, std::string_view section, std::string_view key);

// Creates the file, section or key as needed and replaces the file atomically.
// False when the file could not be written (the old file then survives as it was).
bool WriteIniString(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view text);
bool WriteIniInteger(const std::string& path, std::string_view section, std::string_view key, int value);

// How many times an INI file has been parsed in this process (for tests and benchmarks).
std::size_t IniFileParses();

// UTF-8 <-> GBK through iconv. Bytes that do not convert make the result empty and ok false.
std::string GbkToUtf8(std::string_view gbk, bool* ok = nullptr);
std::string Utf8ToGbk(std::string_view utf8, bool* ok = nullptr);

} // namespace qv
