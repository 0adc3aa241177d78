#include "core/settings/atomic_file.h"
#include "core/settings/settings_store.h"
#include "core/settings/spara_file.h"
#include "support/random_text.h"
#include "support/test_paths.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>

namespace qv {
namespace {

SetupEntries Sample() {
    SetupEntries e;
    e.normalised = true;
    e.loadR = " 1.42";
    e.loadX = "2.22 ";
    e.sourceR = "50";
    e.sourceX = "0";
    e.decibels = true;
    e.loadMag = "-3";
    e.loadAngle = "120";
    e.sourceMag = "0.001";
    e.sourceAngle = "负载"; // any text the field held, kept in GBK
    return e;
}

TEST(SparaFile, SavesAndLoadsBothGroups) {
    test::TempDir dir;
    const std::string path = dir.file("match.txt");
    ASSERT_TRUE(WriteSparaSetup(path, Sample()));
    const std::optional<SetupEntries> back = ReadSparaSetup(path);
    ASSERT_TRUE(back);
    SetupEntries expected = Sample();
    expected.loadR = "1.42"; // texts are stored trimmed
    expected.loadX = "2.22";
    EXPECT_EQ(*back, expected);
}

TEST(SparaFile, GoldenBytesInGbk) {
    test::TempDir dir;
    const std::string path = dir.file("match.txt");
    ASSERT_TRUE(WriteSparaSetup(path, Sample()));
    const std::string bytes = ReadWholeFile(path).value();
    EXPECT_EQ(bytes,
              "[Spara]\r\nparaflag=1\r\nLoadZi=1.42\r\nLoadZj=2.22\r\nOrgZi=50\r\nOrgZj=0\r\nLogflag=1\r\n"
              "LoadRi=-3\r\nLoadRg=120\r\nOrgRi=0.001\r\nOrgRg=\xB8\xBA\xD4\xD8\r\n");
}

TEST(SparaFile, KeepsTheSParametersOfTheTwoPortCalculator) {
    test::TempDir dir;
    const std::string path = dir.file("amp.s2p");
    ASSERT_TRUE(WriteFileAtomically(path, "[Spara]\r\nS11i=0.5\r\nparaflag=0\r\n[Other]\r\nx=1\r\n"));
    ASSERT_TRUE(WriteSparaSetup(path, Sample()));
    EXPECT_EQ(ReadIniString(path, "Spara", "S11i"), "0.5");
    EXPECT_EQ(ReadIniString(path, "Other", "x"), "1");
    EXPECT_EQ(ReadIniString(path, "Spara", "paraflag"), "1");
}

TEST(SparaFile, TheCalculatorsImpedancesReadAsLoadAndSource) {
    test::TempDir dir;
    const std::string path = dir.file("z.txt");
    ASSERT_TRUE(
        WriteFileAtomically(path, "[spara]\nparaflag=0\nLoadZi=12.5\nLoadZj=-3\nOrgZi=50\nOrgZj=0\n"));
    const std::optional<SetupEntries> e = ReadSparaSetup(path);
    ASSERT_TRUE(e);
    EXPECT_FALSE(e->normalised);
    EXPECT_EQ(e->loadR, "12.5");
    EXPECT_EQ(e->loadX, "-3");
    EXPECT_TRUE(e->loadMag.empty()); // a missing key is an empty text
    EXPECT_FALSE(e->decibels);
}

TEST(SparaFile, AFileWithoutTheKeysIsNoParameterFile) {
    test::TempDir dir;
    const std::string path = dir.file("junk.txt");
    const char junk[] = "\x00\xff\x13garbage\n[Spara]\nS11i=1\n";
    ASSERT_TRUE(WriteFileAtomically(path, std::string(junk, sizeof junk - 1)));
    EXPECT_FALSE(ReadSparaSetup(path));
    EXPECT_FALSE(ReadSparaSetup(dir.file("absent.txt")));
}

TEST(SparaFile, RandomBytesReadWithoutFailing) {
    test::TempDir dir;
    const std::string path = dir.file("random.txt");
    test::RandomText random(11);
    for (int i = 0; i < 300; ++i) {
        ASSERT_TRUE(WriteFileAtomically(path, random.from("[]=\r\nSparaLoadZi\xB8\xBA\x80\xFF", 200)));
        EXPECT_NO_THROW(ReadSparaSetup(path));
    }
}

TEST(SparaFile, AFailedSaveLeavesTheOldFile) {
    test::TempDir dir;
    const std::string path = dir.file("keep.txt");
    ASSERT_TRUE(WriteFileAtomically(path, "[Spara]\r\nLoadZi=7\r\n"));
    SetupEntries bad = Sample();
    bad.loadR = "😀"; // no GBK form
    EXPECT_FALSE(WriteSparaSetup(path, bad));
    EXPECT_EQ(ReadWholeFile(path).value(), "[Spara]\r\nLoadZi=7\r\n");
    EXPECT_FALSE(WriteSparaSetup(dir.file("no/such/folder/x.txt"), Sample()));
}

TEST(SparaFile, TheCalculatorsSaveKeepsTheSetupsOwnKeys) {
    test::TempDir dir;
    const std::string path = dir.file("both.txt");
    ASSERT_TRUE(WriteSparaSetup(path, Sample()));
    TwoPortEntries entries;
    entries.sFields = {"0.6", "-160", "0.5", "-30", "0.05", "40", "2.5", "80"};
    entries.z11R = "13.07";
    ASSERT_TRUE(WriteSparaTwoPort(path, entries));
    const std::optional<SetupEntries> setup = ReadSparaSetup(path);
    ASSERT_TRUE(setup);
    EXPECT_FALSE(setup->normalised); // the calculator's impedances are in ohms
    EXPECT_EQ(setup->loadR, "13.07");
    EXPECT_EQ(setup->loadMag, "-3"); // the reflection group stays
    EXPECT_EQ(ReadSparaSFields(path), std::optional(entries.sFields));

    EXPECT_FALSE(ReadSparaSFields(dir.file("absent.txt")));
    ASSERT_TRUE(WriteFileAtomically(path, "[Spara]\r\nLoadZi=7\r\n"));
    EXPECT_FALSE(ReadSparaSFields(path)); // no S keys: not the calculator's file
}

} // namespace
} // namespace qv
