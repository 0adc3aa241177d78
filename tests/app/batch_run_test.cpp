#include "app/batch_run.h"
#include "core/settings/atomic_file.h"
#include "core/settings/settings_store.h"
#include "support/test_paths.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace qv {
namespace {

std::string DataFile(const std::string& name) {
    return std::string(QV_BATCH_TEST_DATA) + "/" + name;
}

class Batch : public ::testing::Test {
protected:
    test::TempDir dir;
    std::ostringstream out;
    std::ostringstream err;

    int runFile(const std::string& script, const std::string& chart = {}) {
        std::istringstream noInput;
        return RunBatch({dir.path(), script, chart}, noInput, out, err);
    }
    int runText(const std::string& text, const std::string& chart = {}) {
        std::istringstream input(text);
        return RunBatch({dir.path(), "-", chart}, input, out, err);
    }
};

// The golden text was worked out by hand: node impedances from z' = z + jX/Zo and
// y' = y + jB*Zo at 554 MHz, the match figures from Gamma = (z* - 1)/(z* + 1).
TEST_F(Batch, TwentyLineScriptGivesTheGoldenText) {
    EXPECT_EQ(runFile(DataFile("batch_twenty_lines.txt")), 0);
    EXPECT_EQ(out.str(), ReadWholeFile(DataFile("batch_twenty_lines.out")).value());
    EXPECT_EQ(err.str(), "line 15: 'x' is not a valid integer value\n");
}

std::vector<std::string> LinesStartingWith(const std::string& text, const std::string& prefix) {
    std::vector<std::string> found;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        if (line.starts_with(prefix))
            found.push_back(line);
    return found;
}

// A lossless load on the chart's rim is a total mismatch, never an error; in conjugate mode a
// complex source is compared by power waves.
TEST_F(Batch, MatchFiguresOnTheRimAndForAComplexSource) {
    EXPECT_EQ(runText("setload 0 33.3\nsetsrc 50 0\naddc 2 1 c 5p\ngetmatch\nsetload 0 40\ngetmatch\n"
                      "delc 2\nsetm 0\nsetload 50 50\nsetsrc 50 50\ngetmatch\nsetload 10 50\ngetmatch\n"),
              0);
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(LinesStartingWith(out.str(), ">RLmatch="),
              (std::vector<std::string>{
                  ">RLmatch=0.00 IVmatch= INF ILmatch= INF", ">RLmatch=0.00 IVmatch= INF ILmatch= INF",
                  ">RLmatch=3.01 IVmatch=5.83 ILmatch=3.01", ">RLmatch=0.69 IVmatch=25.16 ILmatch=8.33"}));
}

// A fresh start matches to Zo: a load alone already has finite figures.
TEST_F(Batch, AFreshStartMatchesToZo) {
    EXPECT_EQ(runText("setload 10 15\ngetmatch\n"), 0);
    EXPECT_EQ(LinesStartingWith(out.str(), ">RLmatch="),
              std::vector<std::string>{">RLmatch=3.21 IVmatch=5.47 ILmatch=2.82"});
}

// Fo and Zo are stored as texts that the next start reads back to the same values.
TEST_F(Batch, FoAndZoAreStoredExactly) {
    const std::pair<const char*, const char*> rows[] = {
        {"setfre 2.345678G\nsetzo 33.333333\n", "2.345678G 33.333333"},
        {"setfre 500\nsetzo 0.001\n", "500 0.001"}};
    for (const auto& [script, stored] : rows) {
        EXPECT_EQ(runText(script), 0);
        EXPECT_EQ(ReadIniString(dir.file("para.ini"), "PARA", "Fo") + " " +
                      ReadIniString(dir.file("para.ini"), "PARA", "Zo"),
                  stored);
    }
    EXPECT_EQ(err.str(), "");
}

// Under a file-size limit a save fails with its message instead of ending the run.
TEST_F(Batch, ASaveBeyondTheFileSizeLimitFailsAndTheScriptGoesOn) {
    const std::string file = dir.file("design.smh");
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int status = runText("setload 50 0\nsave " + file + "\ngetcurr\n");
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(LinesStartingWith(out.str(), ">保存失败"),
              std::vector<std::string>{">保存失败: 超过文件大小限制,没有保存: " + file});
    EXPECT_TRUE(out.str().ends_with("\n1\n"));
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".design.smh")) << entry.path();
}

TEST_F(Batch, AnUnreadableScriptEndsWithStatusTwo) {
    EXPECT_EQ(runFile(dir.file("missing.txt")), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("missing.txt"), std::string::npos);
}

TEST_F(Batch, StandardInputWithCrLfAndAByteOrderMark) {
    EXPECT_EQ(runText("\xEF\xBB\xBFsetload 50 0\r\ngetcurr\r\n\r\nsettop 1\r\nexit"), 0);
    EXPECT_EQ(out.str(), ">负载阻抗:=50.000-j0.000欧\n1\nexit\n");
}

TEST_F(Batch, FileDialogsAreNotShownHeadless) {
    EXPECT_EQ(runText("save\nrdf\n"), 0);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("no file dialog"), std::string::npos);
}

TEST_F(Batch, SaveChangeAndReloadGiveTheSameListing) {
    const std::string file = dir.file("design.smh");
    EXPECT_EQ(runText("setload 10 15\nsetsrc 50 0\naddc 2 3 l 1.2n\naddc 3 2 c 12p\naddc 4 1 c 33p\n"
                      "modify 4 c 39p\ndisp\nsave " +
                      file + "\nsetfre 900m\nrdf " + file + "\ndisp\n"),
              0);
    const std::string text = out.str();
    const std::size_t first = text.find(">0:");
    const std::size_t saved = text.find("保存成功\n");
    const std::size_t second = text.find(">0:", saved);
    ASSERT_NE(saved, std::string::npos) << text;
    ASSERT_NE(second, std::string::npos) << text;
    EXPECT_EQ(text.substr(first, saved - first), text.substr(second)) << text;
    EXPECT_NE(text.find("rdf\n"), std::string::npos);
    EXPECT_EQ(err.str(), "");
}

TEST_F(Batch, SaveChartShowsTheMatchingPath) {
    const std::string picture = dir.file("chart.png");
    EXPECT_EQ(runText("setload 10 15\nsetsrc 50 0\naddc 2 3 l 1.2n\n", picture), 0);
    QImage image(QString::fromStdString(picture));
    ASSERT_FALSE(image.isNull());
    // The series inductor's arc is drawn in its line colour, 0xE000E0 (BGR): red E0, blue E0.
    int arcPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            arcPixels += QColor(image.pixel(x, y)) == QColor(0xE0, 0x00, 0xE0);
    EXPECT_GT(arcPixels, 20);
}

TEST_F(Batch, AnUnwritableChartEndsWithStatusOne) {
    EXPECT_EQ(runText("getcurr\n", dir.file("no/such/folder/chart.bmp")), 1);
    EXPECT_EQ(out.str(), "0\n");
}

} // namespace
} // namespace qv
