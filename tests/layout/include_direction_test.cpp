#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <vector>

// The product code's folders and the direction of its includes: subsystems include only lower
// subsystems, and inside a subsystem a role includes only its own or lower roles. Ranks in a total
// order also keep the folder graph free of cycles.
namespace qv {
namespace {

namespace fs = std::filesystem;

const std::map<std::string, int> SubsystemRank = {
    {"core", 0}, {"ui", 1}, {"chart", 2}, {"sparams", 3}, {"matching", 4}, {"calculators", 4}, {"app", 5},
};

const std::map<std::string, int> RoleRank = {
    {"numbers", 0},  {"rf", 1},    {"settings", 2}, // core
    {"analysis", 0}, {"model", 1}, {"drawing", 2},  {"console", 3}, {"windows", 4},
};

// How far up a folder may hold product code directly before it wants splitting.
constexpr int MaxLinesInOneFolder = 3000;

struct Place {
    std::string subsystem;
    std::string role; // empty for a subsystem without role folders
};

std::optional<Place> PlaceOf(const fs::path& relative) {
    std::vector<std::string> parts;
    for (const auto& part : relative)
        parts.push_back(part.string());
    if (parts.size() < 2 || !SubsystemRank.contains(parts[0]))
        return std::nullopt;
    if (parts.size() == 2)
        return Place{parts[0], ""};
    return Place{parts[0], parts[1]};
}

bool IsSource(const fs::path& path) {
    return path.extension() == ".h" || path.extension() == ".cpp";
}

std::vector<fs::path> ProductSources() {
    std::vector<fs::path> files;
    const fs::path root = QV_SOURCE_DIR;
    for (const auto& [subsystem, rank] : SubsystemRank)
        for (const auto& entry : fs::recursive_directory_iterator(root / subsystem))
            if (entry.is_regular_file() && IsSource(entry.path()))
                files.push_back(fs::relative(entry.path(), root));
    return files;
}

std::vector<std::string> QuotedIncludes(const fs::path& file) {
    static const std::regex include(R"re(^\s*#\s*include\s+"([^"]+)")re");
    std::ifstream in(fs::path(QV_SOURCE_DIR) / file);
    std::vector<std::string> found;
    std::smatch match;
    for (std::string line; std::getline(in, line);)
        if (std::regex_search(line, match, include))
            found.push_back(match[1]);
    return found;
}

// Why an include from one place to another runs the wrong way; empty when it may.
std::string Violation(const Place& from, const Place& to) {
    if (from.subsystem != to.subsystem)
        return SubsystemRank.at(to.subsystem) < SubsystemRank.at(from.subsystem) ? ""
                                                                                 : "a subsystem not below";
    if (from.role.empty() || to.role.empty() || from.role == to.role)
        return "";
    if (!RoleRank.contains(from.role) || !RoleRank.contains(to.role))
        return "an unknown role folder";
    return RoleRank.at(to.role) <= RoleRank.at(from.role) ? "" : "a higher role";
}

TEST(ProductLayout, IncludesRunDownwardOnly) {
    const std::vector<fs::path> files = ProductSources();
    ASSERT_GT(files.size(), 100U);
    for (const fs::path& file : files) {
        const Place from = *PlaceOf(file);
        for (const std::string& header : QuotedIncludes(file)) {
            const std::optional<Place> to = PlaceOf(header);
            ASSERT_TRUE(to.has_value())
                << file << " includes \"" << header << "\", outside the product folders";
            EXPECT_TRUE(fs::exists(fs::path(QV_SOURCE_DIR) / header)) << file << ": " << header;
            const std::string why = Violation(from, *to);
            EXPECT_TRUE(why.empty()) << file << " includes " << header << ": " << why;
        }
    }
}

TEST(ProductLayout, NoFolderHoldsTooMuchCodeDirectly) {
    std::map<fs::path, int> lines;
    for (const fs::path& file : ProductSources()) {
        std::ifstream in(fs::path(QV_SOURCE_DIR) / file);
        lines[file.parent_path()] += static_cast<int>(
            std::count(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(), '\n'));
    }
    for (const auto& [folder, count] : lines)
        EXPECT_LE(count, MaxLinesInOneFolder) << folder;
}

TEST(ProductLayout, SubsystemsWithRolesKeepNoCodeBesideThem) {
    for (const fs::path& file : ProductSources()) {
        const Place place = *PlaceOf(file);
        const bool hasRoleFolders = place.subsystem != "ui" && place.subsystem != "app";
        EXPECT_TRUE(!hasRoleFolders || !place.role.empty()) << file << " lies beside the role folders";
    }
}

} // namespace
} // namespace qv
