#include "core/settings/spara_file.h"

#include "core/numbers/decimal.h"
#include "core/settings/atomic_file.h"
#include "core/settings/ini_document.h"

#include <array>
#include <filesystem>
#include <utility>

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

const std::array<const char*, SparaSFieldCount> SKeys = {"S11i", "S11j", "S22i", "S22j",
                                                         "S12i", "S12j", "S21i", "S21j"};

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

bool WriteSparaTwoPort(const std::string& path, const TwoPortEntries& entries) {
    const std::optional<std::string> existing = ReadWholeFile(path);
    if (!existing && std::filesystem::exists(path))
        return false;
    ini::Document document = ini::Document::Parse(existing.value_or(std::string()));
    bool ok = true;
    for (std::size_t i = 0; ok && i < SKeys.size(); ++i)
        ok = document.Set(Section, SKeys[i], Trim(entries.sFields[i]));
    ok = ok && document.Set(Section, "paraflag", Flag(false));
    const std::array<std::pair<const char*, const std::string*>, 4> impedances = {{
        {"LoadZi", &entries.z11R},
        {"LoadZj", &entries.z11X},
        {"OrgZi", &entries.z22R},
        {"OrgZj", &entries.z22X},
    }};
    for (const auto& [key, text] : impedances)
        ok = ok && document.Set(Section, key, Trim(*text));
    return ok && WriteFileAtomically(path, document.Serialize());
}

std::optional<std::array<std::string, SparaSFieldCount>> ReadSparaSFields(const std::string& path) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes)
        return std::nullopt;
    const ini::Document document = ini::Document::Parse(*bytes);
    std::array<std::string, SparaSFieldCount> fields;
    bool any = false;
    for (std::size_t i = 0; i < SKeys.size(); ++i) {
        fields[i] = std::string(Trim(document.Value(Section, SKeys[i])));
        any = any || !fields[i].empty();
    }
    if (!any)
        return std::nullopt;
    return fields;
}

} // namespace qv
