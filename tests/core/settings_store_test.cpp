#include "core/settings/atomic_file.h"
#include "core/settings/ini_document.h"
#include "core/settings/settings_store.h"
#include "support/test_paths.h"

#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>

using namespace qv;

namespace {

using test::WriteBytes;

std::string Bytes(const std::string& path) {
    return ReadWholeFile(path).value_or("<no file>");
}

std::string Gbk(std::string_view utf8) {
    bool ok = false;
    std::string gbk = Utf8ToGbk(utf8, &ok);
    EXPECT_TRUE(ok) << utf8;
    return gbk;
}

class IniFile : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.file("test.ini");
};

} // namespace

TEST(GbkText, ConvertsBothWaysAndRejectsWhatGbkCannotHold) {
    EXPECT_EQ(Utf8ToGbk("圆图电导圆"), "\xD4\xB2\xCD\xBC\xB5\xE7\xB5\xBC\xD4\xB2");
    EXPECT_EQ(GbkToUtf8("\xD4\xB2\xCD\xBC\xB5\xE7\xB5\xBC\xD4\xB2"), "圆图电导圆");
    EXPECT_EQ(Utf8ToGbk("μH"), "\xA6\xCC"
                               "H"); // Greek mu is in GBK, the micro sign is not
    bool ok = true;
    EXPECT_EQ(Utf8ToGbk("µH", &ok), "");
    EXPECT_FALSE(ok);
    EXPECT_EQ(GbkToUtf8("ab\xD4", &ok), ""); // truncated double-byte character
    EXPECT_FALSE(ok);
    EXPECT_EQ(Utf8ToGbk("\xFF", &ok), ""); // not UTF-8
    EXPECT_FALSE(ok);
    EXPECT_EQ(GbkToUtf8("", &ok), "");
    EXPECT_TRUE(ok);
}

TEST_F(IniFile, MissingFileSectionOrKeyReadsAsMissing) {
    EXPECT_EQ(ReadIniString(path, "PARA", "Fo"), "");
    EXPECT_EQ(ReadIniInteger(path, "PARA", "Fo"), -65535);
    WriteBytes(path, "[PARA]\r\nFo=554M\r\n");
    EXPECT_EQ(ReadIniString(path, "Color", "Fo"), "");
    EXPECT_EQ(ReadIniString(path, "PARA", "Zo"), "");
    EXPECT_EQ(ReadIniString(dir.path(), "PARA", "Fo"), ""); // a directory is no file
}

TEST_F(IniFile, ValuesAreTrimmedAndIntegersChecked) {
    WriteBytes(path, "[PARA]\nS11R=0.89 \n Zo = 50 \nn=  -12 \nbad=12a\nbig=99999999999\nempty=\n");
    EXPECT_EQ(ReadIniString(path, "PARA", "S11R"), "0.89");
    EXPECT_EQ(ReadIniString(path, "PARA", "Zo"), "50");
    EXPECT_EQ(ReadIniInteger(path, "PARA", "n"), -12);
    EXPECT_EQ(ReadIniInteger(path, "PARA", "bad"), -65535);
    EXPECT_EQ(ReadIniInteger(path, "PARA", "big"), -65535);
    EXPECT_EQ(ReadIniInteger(path, "PARA", "empty"), -65535);
}

TEST_F(IniFile, NewFileIsWrittenInGbkWithCrlfAndNoBlanksAroundEquals) {
    ASSERT_TRUE(WriteIniString(path, "PARA", "负载R", "1.42"));
    ASSERT_TRUE(WriteIniInteger(path, "Color", "标注点色", 255));
    ASSERT_TRUE(WriteIniString(path, "PARA", "Fo", "554M"));
    EXPECT_EQ(Bytes(path),
              "[PARA]\r\n" + Gbk("负载R") + "=1.42\r\nFo=554M\r\n[Color]\r\n" + Gbk("标注点色") + "=255\r\n");
    EXPECT_EQ(ReadIniString(path, "PARA", "负载R"), "1.42");
    EXPECT_EQ(ReadIniInteger(path, "Color", "标注点色"), 255);
}

TEST_F(IniFile, RewritingAKeyChangesOnlyItsValueAndKeepsItsSpelling) {
    WriteBytes(path, "[PARA]\r\nfo = 1G\r\nZo=50\r\n");
    ASSERT_TRUE(WriteIniString(path, "PARA", "Fo", "2.4G"));
    EXPECT_EQ(Bytes(path), "[PARA]\r\nfo=2.4G\r\nZo=50\r\n");
    ASSERT_TRUE(WriteIniString(path, "PARA", "Zo", "50")); // same value: file unchanged
    EXPECT_EQ(Bytes(path), "[PARA]\r\nfo=2.4G\r\nZo=50\r\n");
}

TEST_F(IniFile, NewKeyGoesToTheEndOfItsSectionBeforeTheBlankSeparator) {
    WriteBytes(path, "[PARA]\nFo=1G\n\n[Color]\na=1\n");
    ASSERT_TRUE(WriteIniString(path, "para", "Zo", "75"));
    ASSERT_TRUE(WriteIniString(path, "Spara", "S11", "1"));
    EXPECT_EQ(Bytes(path), "[PARA]\nFo=1G\nZo=75\n\n[Color]\na=1\n[Spara]\nS11=1\n");
}

TEST_F(IniFile, LastLineWithoutLineEndGetsOneBeforeAnAddedLine) {
    WriteBytes(path, "[PARA]\nFo=1G");
    ASSERT_TRUE(WriteIniString(path, "PARA", "Zo", "75"));
    EXPECT_EQ(Bytes(path), "[PARA]\nFo=1G\nZo=75\n");
    WriteBytes(path, "Fo=1G");
    ASSERT_TRUE(WriteIniString(path, "PARA", "Fo", "2G")); // a key outside any section is not in "PARA"
    EXPECT_EQ(Bytes(path), "Fo=1G\r\n[PARA]\r\nFo=2G\r\n");
}

TEST_F(IniFile, AsciiNamesMatchWithoutCaseChineseNamesExactly) {
    WriteBytes(path, "[para]\r\nFO=554M\r\n" + Gbk("负载R") + "=1.42\r\n");
    EXPECT_EQ(ReadIniString(path, "PARA", "Fo"), "554M");
    EXPECT_EQ(ReadIniString(path, "Para", "fo"), "554M");
    EXPECT_EQ(ReadIniString(path, "PARA", "负载r"), "1.42"); // the ASCII letter of a Chinese key
    EXPECT_EQ(ReadIniString(path, "PARA", "负载"), "");
    EXPECT_EQ(ReadIniString(path, "PARA", "源点R"), "");
}

// In GBK the trail byte of a double-byte character can be an ASCII letter: 0x81 0x41 and 0x81 0x61
// are two different characters, which folding the raw bytes would confuse.
TEST_F(IniFile, GbkTrailBytesThatLookLikeLettersAreNotCaseFolded) {
    const std::string upper = GbkToUtf8("\x81\x41");
    const std::string lower = GbkToUtf8("\x81\x61");
    ASSERT_FALSE(upper.empty());
    ASSERT_FALSE(lower.empty());
    ASSERT_NE(upper, lower);
    ASSERT_TRUE(WriteIniString(path, "PARA", upper, "first"));
    EXPECT_EQ(ReadIniString(path, "PARA", lower), "");
    ASSERT_TRUE(WriteIniString(path, "PARA", lower, "second"));
    EXPECT_EQ(ReadIniString(path, "PARA", upper), "first");
    EXPECT_EQ(ReadIniString(path, "PARA", lower), "second");
}

// 0x5D (']') is a valid GBK trail byte, so a section name can hold it inside a character.
TEST_F(IniFile, SectionNameWithBracketTrailByteRoundTrips) {
    const std::string name = GbkToUtf8("\x81\x5D") + "节";
    ASSERT_FALSE(name.empty());
    ASSERT_TRUE(WriteIniString(path, name, "k", "v"));
    EXPECT_EQ(Bytes(path), "[\x81\x5D" + Gbk("节") + "]\r\nk=v\r\n");
    EXPECT_EQ(ReadIniString(path, name, "k"), "v");
}

TEST_F(IniFile, FirstOfDuplicateKeysCountsForReadAndWrite) {
    WriteBytes(path, "[PARA]\nFo=1G\nfo=2G\n[para]\nFo=3G\n");
    EXPECT_EQ(ReadIniString(path, "PARA", "Fo"), "1G");
    ASSERT_TRUE(WriteIniString(path, "PARA", "FO", "4G"));
    EXPECT_EQ(Bytes(path), "[PARA]\nFo=4G\nfo=2G\n[para]\nFo=3G\n");
}

TEST_F(IniFile, RefusesNamesAndValuesThatWouldBreakTheFile) {
    WriteBytes(path, "[PARA]\r\nFo=1G\r\n");
    EXPECT_FALSE(WriteIniString(path, "PARA", "Fo", "1G\r\nZo=0"));
    EXPECT_FALSE(WriteIniString(path, "PARA", "a=b", "1"));
    EXPECT_FALSE(WriteIniString(path, "PARA", "", "1"));
    EXPECT_FALSE(WriteIniString(path, "PARA", "[x]", "1"));
    EXPECT_FALSE(WriteIniString(path, "PA]RA", "k", "1"));
    EXPECT_FALSE(WriteIniString(path, "", "k", "1"));
    EXPECT_FALSE(WriteIniString(path, "PARA", "Fo", "5µH")); // no micro sign in GBK
    EXPECT_EQ(Bytes(path), "[PARA]\r\nFo=1G\r\n");
}

TEST_F(IniFile, KeepsLineEndsBomAndUnreadableLinesOnRewrite) {
    struct Case {
        const char* name;
        std::string before;
        std::string after;
    };
    const std::string junk = std::string("\x01\xFF\xFE\x00junk", 8);
    const Case cases[] = {
        {"LF", "[PARA]\nFo=1G\n", "[PARA]\nFo=1G\nZo=75\n"},
        {"CRLF", "[PARA]\r\nFo=1G\r\n", "[PARA]\r\nFo=1G\r\nZo=75\r\n"},
        {"CR", "[PARA]\rFo=1G\r", "[PARA]\rFo=1G\rZo=75\r"},
        {"mixed", "[A]\r\nx=1\r\n[PARA]\nFo=1G\n", "[A]\r\nx=1\r\n[PARA]\nFo=1G\nZo=75\n"},
        {"junk", "[PARA]\r\n" + junk + "\r\nno equals sign\r\n;Zo=1\r\n=5\r\nFo=1G\r\n",
         "[PARA]\r\n" + junk + "\r\nno equals sign\r\n;Zo=1\r\n=5\r\nFo=1G\r\nZo=75\r\n"},
        {"junk before sections", junk + "\n[PARA]\n", junk + "\n[PARA]\nZo=75\n"},
        {"undecodable value", "[PARA]\nZo=\xD4\n", "[PARA]\nZo=75\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(path, c.before);
        EXPECT_NE(ReadIniString(path, "PARA", "Zo"), "75");
        ASSERT_TRUE(WriteIniString(path, "PARA", "Zo", "75"));
        EXPECT_EQ(Bytes(path), c.after);
        EXPECT_EQ(ReadIniString(path, "PARA", "Zo"), "75");
    }
}

// A file that begins with a UTF-8 byte-order mark was saved as UTF-8 by an editor: its keys are
// read as UTF-8 and additions are written in UTF-8, so the file stays in one encoding.
TEST_F(IniFile, FileWithUtf8ByteOrderMarkIsReadAndExtendedAsUtf8) {
    WriteBytes(path, "\xEF\xBB\xBF[PARA]\r\n负载R=3\r\n");
    EXPECT_EQ(ReadIniString(path, "PARA", "负载R"), "3");
    ASSERT_TRUE(WriteIniString(path, "PARA", "源点R", "50"));
    EXPECT_EQ(Bytes(path), "\xEF\xBB\xBF[PARA]\r\n负载R=3\r\n源点R=50\r\n");
}

TEST(IniDocument, RandomBytesParseWithoutLossAndStayWritable) {
    // Fragments that steer the generator into section, entry and line-end paths.
    const std::string fragments[] = {"[",
                                     "]",
                                     "=",
                                     "\r",
                                     "\n",
                                     "\r\n",
                                     "PARA",
                                     "Fo",
                                     " ",
                                     ";",
                                     "\xEF\xBB\xBF",
                                     "\xD4\xB2",
                                     "\x81",
                                     "\x81]",
                                     std::string(1, '\0')};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255), pick(0, 2), fragment(0, std::size(fragments) - 1);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        const int pieces = std::uniform_int_distribution<int>(0, 40)(random);
        for (int i = 0; i < pieces; ++i)
            bytes += pick(random) == 0 ? std::string(1, static_cast<char>(byte(random)))
                                       : fragments[fragment(random)];

        ini::Document document = ini::Document::Parse(bytes);
        ASSERT_EQ(document.Serialize(), bytes) << "round " << round;
        (void)document.Value("PARA", "Fo");
        ASSERT_TRUE(document.Set("PARA", "Fo", "554M")) << "round " << round;
        const std::string rewritten = document.Serialize();
        EXPECT_EQ(ini::Document::Parse(rewritten).Value("para", "fo"), "554M") << "round " << round;
    }
}

TEST_F(IniFile, RandomFilesOnDiskReadAndWriteWithoutCrash) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255), length(0, 300);
    for (int round = 0; round < 100; ++round) {
        std::string bytes(static_cast<std::size_t>(length(random)), '\0');
        for (char& c : bytes)
            c = static_cast<char>(byte(random));
        WriteBytes(path, bytes);
        (void)ReadIniString(path, "PARA", "Fo");
        (void)ReadIniInteger(path, "Color", "标注字色");
        ASSERT_TRUE(WriteIniInteger(path, "Color", "标注字色", 7));
        EXPECT_EQ(ReadIniInteger(path, "Color", "标注字色"), 7);
    }
}
