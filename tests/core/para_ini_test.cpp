#include "core/numbers/decimal.h"
#include "core/settings/atomic_file.h"
#include "core/settings/para_ini.h"
#include "core/settings/program_directory.h"
#include "core/settings/settings_store.h"
#include "support/test_paths.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <string>

using namespace qv;

namespace {

using test::WriteBytes;

std::string Bytes(const std::string& path) {
    return ReadWholeFile(path).value_or("<no file>");
}

class ParaIniFile : public ::testing::Test {
protected:
    test::TempDir dir;
    ParaIni para{dir.path()};
};

} // namespace

TEST(ParaKeyTable, HoldsEveryKeyOnceWithItsDefault) {
    std::set<std::string> keys;
    for (const ParaKeyDefault& entry : ParaKeys)
        EXPECT_TRUE(keys.insert(entry.key).second) << entry.key;
    EXPECT_EQ(ParaDefault("Fo"), "554M");
    EXPECT_EQ(ParaDefault("fo"), "554M");
    EXPECT_EQ(ParaDefault("Zo"), "50");
    EXPECT_EQ(ParaDefault("S11R"), "0.89 ");
    EXPECT_EQ(ParaDefault("S22R"), "0.001");
    EXPECT_EQ(ParaDefault("负载j"), "2.22");
    EXPECT_EQ(ParaDefault("负载1R"), "0.89 ");
    EXPECT_EQ(ParaDefault("对数输入2"), "0");
    EXPECT_EQ(ParaDefault("nokey"), "");
}

TEST(ColourKeyTable, DefaultsAndKindColoursFollowTheTable) {
    const ChartColours colours = ChartColours::Defaults();
    EXPECT_EQ(colours[ColourKey::AdmittanceGrid], 11861940);
    EXPECT_EQ(colours[ColourKey::ResistanceGrid], 10537120);
    EXPECT_EQ(colours[ColourKey::MarkerPoint], 255);
    EXPECT_STREQ(ColourKeys[static_cast<int>(ColourKey::ShuntImpedanceLine)].key, "匹配并并阻抗");
    EXPECT_STREQ(ColourKeys[static_cast<int>(ColourKey::ShuntImpedanceLabel)].key, "匹配并阻抗标注色");

    // Kind codes 1..8 and the line and label defaults of each.
    const int lines[] = {65280, 25600, 14680288, 6553855, 10511460, 16711680, 6553700, 6579200};
    const int labels[] = {0, 0, 16711680, 65280, 41216, 16711935, 65380, 16737280};
    for (int kind = 1; kind <= 8; ++kind) {
        EXPECT_EQ(colours.lineColourOfKind(kind), lines[kind - 1]) << "kind " << kind;
        EXPECT_EQ(colours.labelColourOfKind(kind), labels[kind - 1]) << "kind " << kind;
    }
    EXPECT_EQ(colours.lineColourOfKind(0), 10537120);
    // The shorted stub (kind 9) is drawn like the open one; 10 is no kind.
    EXPECT_EQ(colours.lineColourOfKind(9), colours.lineColourOfKind(6));
    EXPECT_EQ(colours.labelColourOfKind(9), colours.labelColourOfKind(6));
    EXPECT_EQ(colours.lineColourOfKind(10), 10537120);
    EXPECT_EQ(colours.labelColourOfKind(-1), 11861940);
}

TEST_F(ParaIniFile, CreatedFromNothingByReadingEveryKey) {
    for (const ParaKeyDefault& entry : ParaKeys)
        EXPECT_EQ(para.ReadParaString(entry.key), entry.defaultText);
    EXPECT_EQ(para.ReadChartColours().values, ChartColours::Defaults().values);

    std::string expected = "[PARA]\r\n";
    for (const ParaKeyDefault& entry : ParaKeys)
        expected += Utf8ToGbk(entry.key) + "=" + entry.defaultText + "\r\n";
    expected += "[Color]\r\n";
    for (const ColourKeyDefault& entry : ColourKeys)
        expected += Utf8ToGbk(entry.key) + "=" + std::to_string(entry.defaultColour) + "\r\n";
    const std::string file = Bytes(para.path());
    EXPECT_EQ(file, expected);

    // GBK bytes of a few keys, spelled out independently of the converter.
    EXPECT_NE(file.find("\r\n\xD4\xB2\xCD\xBC\xB5\xE7\xB5\xBC\xD4\xB2=11861940\r\n"),
              std::string::npos);                                              // 圆图电导圆
    EXPECT_NE(file.find("\r\n\xB8\xBA\xD4\xD8R=1.42\r\n"), std::string::npos); // 负载R
    EXPECT_NE(file.find("\r\n\xC6\xA5\xC5\xE4\xB2\xA2\xB2\xA2\xD7\xE8\xBF\xB9=6579200\r\n"),
              std::string::npos); // 匹配并并阻抗
    EXPECT_NE(file.find("\r\nS11R=0.89 \r\n"), std::string::npos);

    // Reading again finds every key (a stored value comes back trimmed) and leaves the file as it is.
    for (const ParaKeyDefault& entry : ParaKeys)
        EXPECT_EQ(para.ReadParaString(entry.key), Trim(entry.defaultText));
    para.ReadChartColours();
    EXPECT_EQ(Bytes(para.path()), expected);
}

TEST_F(ParaIniFile, StoredValueWinsOverTheDefault) {
    ASSERT_TRUE(para.WriteParaString("Fo", " 2.4G "));
    EXPECT_EQ(para.ReadParaString("Fo"), "2.4G"); // a stored value is trimmed
    EXPECT_EQ(para.ReadParaString("Fo", "1M"), "2.4G");
}

TEST_F(ParaIniFile, EmptyOrBlankValueCountsAsMissingAndIsOverwritten) {
    WriteBytes(para.path(), "[PARA]\r\nZo=\r\nS11R=   \r\n");
    EXPECT_EQ(para.ReadParaString("Zo"), "50");
    EXPECT_EQ(para.ReadParaString("S11R"), "0.89 ");
    EXPECT_EQ(Bytes(para.path()), "[PARA]\r\nZo=50\r\nS11R=0.89 \r\n");
}

TEST_F(ParaIniFile, ColourThatIsMissingMarkerOrNoIntegerIsReplaced) {
    WriteBytes(para.path(), "[Color]\r\n" + Utf8ToGbk("标注点色") + "=-65535\r\n" + Utf8ToGbk("标注字色") +
                                "=red\r\n" + Utf8ToGbk("圆图电阻圆") + "= 16711680 \r\n");
    EXPECT_EQ(para.ReadColour("标注点色", 255), 255);
    EXPECT_EQ(para.ReadColour("标注字色", 0), 0);
    EXPECT_EQ(para.ReadColour("圆图电阻圆", 10537120), 16711680);
    EXPECT_EQ(Bytes(para.path()), "[Color]\r\n" + Utf8ToGbk("标注点色") + "=255\r\n" + Utf8ToGbk("标注字色") +
                                      "=0\r\n" + Utf8ToGbk("圆图电阻圆") + "= 16711680 \r\n");
}

TEST_F(ParaIniFile, ChartColoursComeInTableOrder) {
    WriteBytes(para.path(),
               "[color]\n" + Utf8ToGbk("匹配并并阻抗") + "=1\n" + Utf8ToGbk("匹配并阻抗") + "=2\n");
    const ChartColours colours = para.ReadChartColours();
    EXPECT_EQ(colours[ColourKey::ShuntImpedanceLine], 1); // the doubled key, not "匹配并阻抗"
    EXPECT_EQ(colours.lineColourOfKind(8), 1);
    EXPECT_EQ(colours[ColourKey::ShuntImpedanceLabel], 16737280);
    EXPECT_EQ(colours[ColourKey::AdmittanceGrid], 11861940);
}

TEST_F(ParaIniFile, UnwritableDirectoryStillReadsTheDefaults) {
    const ParaIni nowhere(dir.file("missing/deeper"));
    EXPECT_EQ(nowhere.ReadParaString("Fo"), "554M");
    EXPECT_EQ(nowhere.ReadColour("标注点色", 255), 255);
    EXPECT_FALSE(ReadWholeFile(nowhere.path()).has_value());
}

namespace {

// Sets or clears an environment variable for one test and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace

TEST(ProgramDirectory, UserConfigFolderFollowsXdgThenHome) {
    const ScopedEnv home("HOME", "/home/someone");
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", "/cfg");
        EXPECT_EQ(UserConfigDirectory(), "/cfg/quorvane");
    }
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", "relative"); // ignored, as the XDG rules say
        EXPECT_EQ(UserConfigDirectory(), "/home/someone/.config/quorvane");
    }
    const ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(UserConfigDirectory(), "/home/someone/.config/quorvane");
}

TEST(ProgramDirectory, CreatesTheChosenDirectoryAndFallsBackWhenItCannotBeWritten) {
    test::TempDir dir;
    const ScopedEnv xdg("XDG_CONFIG_HOME", dir.path().c_str());

    const std::string wanted = dir.file("data/dir");
    EXPECT_EQ(ResolveProgramDirectory("/unused", wanted), wanted);
    EXPECT_TRUE(IsWritableDirectory(wanted));
    EXPECT_EQ(ResolveProgramDirectory(wanted, ""), wanted);

    // A plain file where the directory should be: neither creatable nor writable.
    WriteBytes(dir.file("blocked"), "x");
    EXPECT_FALSE(IsWritableDirectory(dir.file("blocked")));
    EXPECT_EQ(ResolveProgramDirectory(dir.file("blocked"), ""), dir.file("quorvane"));
    EXPECT_TRUE(IsWritableDirectory(dir.file("quorvane")));
    EXPECT_FALSE(IsWritableDirectory(""));
}

// Start-up reads about 45 keys; a large para.ini is parsed once for all of them, and a change
// made afterwards is still seen at the next read.
TEST_F(ParaIniFile, ALargeFileIsParsedOnceForEveryKeyAtStart) {
    std::string text = "[PARA]\r\n";
    for (const ParaKeyDefault& entry : ParaKeys)
        text += std::string(entry.key) + "=" + entry.defaultText + "\r\n";
    text += "[Color]\r\n";
    for (const auto& colour : ColourKeys)
        text += std::string(colour.key) + "=" + std::to_string(colour.defaultColour) + "\r\n";
    text += "[notes]\r\n";
    for (int i = 0; i < 50000; ++i)
        text += "note" + std::to_string(i) + "=kept as it is\r\n";
    WriteBytes(para.path(), Utf8ToGbk(text));
    // Written an hour ago, as a para.ini is when the program starts.
    const auto hourAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    std::filesystem::last_write_time(para.path(), hourAgo);

    const std::size_t before = IniFileParses();
    for (const ParaKeyDefault& entry : ParaKeys)
        EXPECT_EQ(para.ReadParaString(entry.key), Trim(entry.defaultText));
    EXPECT_EQ(para.ReadChartColours().values[0], ColourKeys[0].defaultColour);
    EXPECT_EQ(IniFileParses() - before, 1u);

    ASSERT_TRUE(para.WriteParaString("Fo", "1G"));
    EXPECT_EQ(para.ReadParaString("Fo"), "1G");
}

TEST(ProgramDirectory, InstalledProgramKeepsItsSettingsInTheUserFolder) {
    test::TempDir dir;
    const ScopedEnv xdg("XDG_CONFIG_HOME", dir.path().c_str());
    const std::string bin = dir.file("prefix/bin");
    std::filesystem::create_directories(bin);
    EXPECT_FALSE(IsInstalledProgram(bin)); // a writable bin folder alone is a build or a copy
    EXPECT_EQ(ResolveProgramDirectory(bin, ""), bin);

    std::filesystem::create_directories(dir.file("prefix/share/quorvane"));
    EXPECT_TRUE(IsInstalledProgram(bin));
    EXPECT_EQ(ResolveProgramDirectory(bin, ""), dir.file("quorvane"));
    EXPECT_EQ(ResolveProgramDirectory(bin, dir.file("chosen")), dir.file("chosen")); // --data-dir still wins
}
