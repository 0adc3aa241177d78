#include "core/spara_file.h"

#include "core/atomic_file.h"
#include "core/decimal.h"
#include "core/ini_document.h"

#include <array>
#include <filesystem>

namespace qv {

namespace {

constexpr const char* Section = "Spara";

struct TextKey {
    const char* key;
    std::string SetupEntries::*field;
};

const std::array<TextKey, 8> TextKeys = {{
    {"LoadZi", &SetupEntries::loadR},
    {"LoadZj", &SetupEntries::loadX},
    {"OrgZi", &SetupEntries::sourceR},
    {"OrgZj", &SetupEntries::sourceX},
    {"LoadRi", &SetupEntries::loadMag},
    {"LoadRg", &SetupEntries::loadAngle},
    {"OrgRi", &SetupEntries::sourceMag},
    {"OrgRg", &SetupEntries::sourceAngle},
}};

const char* Flag(bool set) {
    return set ? "1" : "0";
}

} // namespace

bool WriteSparaSetup(const std::string& path, const SetupEntries& entries) {
    const std::optional<std::string> existing = ReadWholeFile(path);
    if (!existing && std::filesystem::exists(path))
        return false; // a file that cannot be read is not replaced blindly
    ini::Document document = ini::Document::Parse(existing.value_or(std::string()));
    bool ok = document.Set(Section, "paraflag", Flag(entries.normalised));
    for (std::size_t i = 0; ok && i < 4; ++i)
        ok = document.Set(Section, TextKeys[i].key, Trim(entries.*TextKeys[i].field));
    ok = ok && document.Set(Section, "Logflag", Flag(entries.decibels));
    for (std::size_t i = 4; ok && i < TextKeys.size(); ++i)
        ok = document.Set(Section, TextKeys[i].key, Trim(entries.*TextKeys[i].field));
    return ok && WriteFileAtomically(path, document.Serialize());
}

std::optional<SetupEntries> ReadSparaSetup(const std::string& path) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes)
        return std::nullopt;
    const ini::Document document = ini::Document::Parse(*bytes);
    const auto value = [&](const char* key) { return std::string(Trim(document.Value(Section, key))); };
    SetupEntries entries;
    const std::string paraflag = value("paraflag");
    const std::string logflag = value("Logflag");
    bool any = !paraflag.empty() || !logflag.empty();
    entries.normalised = paraflag == "1";
    entries.decibels = logflag == "1";
    for (const TextKey& k : TextKeys) {
        entries.*k.field = value(k.key);
        any = any || !(entries.*k.field).empty();
    }
    if (!any)
        return std::nullopt;
    return entries;
}

} // namespace qv
