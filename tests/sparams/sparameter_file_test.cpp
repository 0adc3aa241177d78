#include "sparams/analysis/sparameter_file.h"

#include "chart/analysis/readout_message.h"
#include "core/numbers/engineering.h"
#include "core/rf/conversions.h"
#include "sparams/analysis/file_input_directories.h"
#include "sparams/analysis/sparameter_file_row.h"
#include "sparams/analysis/sparameter_file_words.h"
#include "sparams/drawing/sparameter_file_plot.h"
#include "sparams/model/sparameter_file_texts.h"
#include "support/test_paths.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace qv {
namespace {

using Cells = std::vector<std::string>;

SParameterTable Parse(const std::string& text, int format = 1, Real Zo = 50) {
    SParameterParse parsed = ParseSParameterFile(text, {format, Zo, false});
    EXPECT_TRUE(parsed.table) << SParameterErrorText(parsed.error).toStdString();
    return parsed.table.value_or(SParameterTable{});
}

std::string Error(const std::string& text, int format = 1, bool plot = false) {
    const SParameterParse parsed = ParseSParameterFile(text, {format, 50, plot});
    EXPECT_FALSE(parsed.table);
    return SParameterErrorText(parsed.error).toStdString();
}

const std::string MaRow = "1.0 0.95 -30 4.2 150 0.05 60 0.5 -20\n";

TEST(SplitWords, PrintableRunsOrNumberRuns) {
    const Tokens t = SplitWords("\t# GHz\x01S\xB0MA  R 50\r", 1);
    EXPECT_EQ(std::vector<std::string>(t.words.begin(), t.words.begin() + t.count),
              (std::vector<std::string>{"#", "GHz", "S", "MA", "R", "50"}));
    std::string many;
    for (int i = 0; i < 25; ++i)
        many += "w ";
    EXPECT_EQ(SplitWords(many, 1).count, 20);
    const Tokens numbers = SplitWords("f=1000MHz |S11|=0.95 -30.5", 0);
    EXPECT_EQ(numbers.count, 4);
    EXPECT_EQ(numbers[0], "1000");
    EXPECT_EQ(numbers[1], "11");
    EXPECT_EQ(numbers[3], "-30.5");
}

TEST(DirectoryOfPath, CutsBeforeTheLastSeparator) {
    EXPECT_EQ(DirectoryOfPath("/home/rf/data/bfp450.s2p"), "/home/rf/data");
    EXPECT_EQ(DirectoryOfPath("  C:\\data\\a.s2p  "), "C:\\data");
    EXPECT_EQ(DirectoryOfPath("/a.s2p"), "/");
    EXPECT_EQ(DirectoryOfPath("a.s2p"), "");
    EXPECT_EQ(DirectoryOfPath(""), "");
}

TEST(SParameterFile, HeaderLinesOptionLineAndMagnitudeAngleRows) {
    const SParameterTable t =
        Parse("! comment\r\n# GHz S MA R 50\r\n" + MaRow + "2 .9 -35.25 4 140 0.06 55 0.45 -25");
    EXPECT_EQ(t.headerLines, (Cells{"! comment", "# GHz S MA R 50"}));
    EXPECT_TRUE(t.warnings.empty());
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(CellTexts(t, 0), (Cells{"1000", "0.95", "-30", "4.2", "150", "0.05", "60", "0.5", "-20"}));
    EXPECT_EQ(CellText(t, 1, 0), "2000");
    EXPECT_EQ(CellText(t, 1, 1), ".9"); // plain decimals stay as written
    ASSERT_TRUE(t.rows[1].s22);
    EXPECT_DOUBLE_EQ(static_cast<double>(t.rows[1].s22->magnitude), 0.45);
    EXPECT_EQ(t.rows[1].s22->angleDegrees, -25);
}

TEST(SParameterFile, FrequencyUnitsAndNumberForms) {
    struct Case {
        std::string option;
        std::string frequency;
        std::string mhz;
    };
    for (const Case& c : std::vector<Case>{{"# Hz S MA R 50", "1.5E9", "1500"},
                                           {"# hz s ma r 50", "000500000", "0.5"},
                                           {"# kHz S MA R 50", "2500", "2.5"},
                                           {"# MHz S MA R 50", "+1.2E-001", "0.12"},
                                           {"# GHz S MA R 50", "0.1", "100"},
                                           {"#", "2", "2000"},
                                           {"# THz S MA R 50", "2", "2000"},
                                           {"#GHz S MA R 50", "3", "3000"}}) {
        const SParameterTable t = Parse(c.option + "\n" + c.frequency + " 1 0 0 0 0 0 1 0\n");
        ASSERT_EQ(t.rows.size(), 1u) << c.option;
        EXPECT_EQ(CellText(t, 0, 0), c.mhz) << c.option;
    }
    // Without an option line the frequency stays as written.
    EXPECT_EQ(CellText(Parse("1.5E9 1 0 0 0 0 0 1 0\n"), 0, 0), "1.5E9");
    // Exponent and signed values read as plain decimals.
    EXPECT_EQ(CellText(Parse("# Hz S MA R 50\n1e9 +1.2252435857E-001 -6.0E+01 0 0 0 0 1 0\n"), 0, 1),
              "0.12252435857");
}

TEST(SParameterFile, DecibelAndRealImaginaryBecomeLinearMagnitudeAndAngle) {
    const SParameterTable db = Parse("# MHz S DB R 50\n100 -6.0 -30 20 150 -40 60 0 -20\n");
    EXPECT_EQ(CellTexts(db, 0), (Cells{"100", "0.501187", "-30", "10", "150", "0.01", "60", "1", "-20"}));
    EXPECT_NEAR(static_cast<double>(db.rows[0].s11->magnitude), 0.5011872336, 1e-9);

    const SParameterTable ri = Parse("# GHz S RI R 50\n1 0 1 -1 0 0.3 0.4 -0.5 -0.5\n");
    EXPECT_EQ(CellTexts(ri, 0), (Cells{"1000", "1", "90", "1", "180", "0.5", "53.1301", "0.707107", "-135"}));
    EXPECT_NEAR(static_cast<double>(ri.rows[0].s22->angleDegrees), -135, 1e-12);

    // Agilent layout: S11, S21, S12 and S22 magnitudes are 1, 4, 6 and 8; "S21 dB" and "MSG MAG"
    // keep the maker's text.
    const SParameterTable agilent =
        Parse("# MHz S DB R 50\n100 -6 10 20 20 30 -40 40 0 50 18.5\n", AgilentFormat);
    EXPECT_EQ(CellTexts(agilent, 0),
              (Cells{"100", "0.501187", "10", "20", "10", "30", "0.01", "40", "1", "50", "18.5"}));
}

TEST(SParameterFile, WhereTheTableEnds) {
    struct Case {
        const char* name;
        std::string afterTwoRows;
        std::size_t rows;
    };
    const std::string twoRows = "# GHz S MA R 50\n1 .9 -10 2 100 .1 10 .8 -5\n2 .8 -20 2 90 .1 20 .7 -10\n";
    for (const Case& c : std::vector<Case>{
             {"comments and blanks go on", "\n! note\n   \t\n3 .7 -30 2 80 .1 30 .6 -15\n", 3},
             {"noise block by frequency", "\n1 .7 -30 2 80 .1 30 .6 -15\n", 2},
             {"noise block of five numbers", "4 0.5 .6 20 .2\n", 2},
             {"noise keyword", "[Noise Data]\n3 .7 -30 2 80 .1 30 .6 -15\n", 2},
             {"end keyword", "[End]\n3 .7 -30 2 80 .1 30 .6 -15\n", 2},
             {"text line", "END\n3 .7 -30 2 80 .1 30 .6 -15\n", 2},
             {"trailing comment on a row", "3 .7 -30 2 80 .1 30 .6 -15 ! 42.3\n", 3},
         }) {
        const SParameterTable t = Parse(twoRows + c.afterTwoRows);
        EXPECT_EQ(t.rows.size(), c.rows) << c.name;
        EXPECT_EQ(CellTexts(t, t.rows.size() - 1).size(), 9u) << c.name;
    }
}

TEST(SParameterFile, LineEndsTabsAndByteOrderMark) {
    const std::string body =
        "! c\r# GHz S MA R 50\r\n1\t.9\t-10 2 100 .1 10 .8 -5\n2 .8 -20 2 90 .1 20 .7 -10\r";
    const SParameterTable t = Parse("\xEF\xBB\xBF" + body);
    EXPECT_EQ(t.headerLines, (Cells{"! c", "# GHz S MA R 50"}));
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(CellText(t, 1, 8), "-10");
}

TEST(SParameterFile, TouchstoneTwoKeywordsOrderAndReference) {
    const std::string file = "[Version] 2.0\n# GHz S MA R 50\n[Number of Ports] 2\n"
                             "[Two-Port Data Order] 12_21\n[Reference]\n50\n25.0\n[Network Data]\n"
                             "1 .9 -10 .1 10 2 100 .8 -5\n[End]\n";
    const SParameterTable t = Parse(file);
    EXPECT_EQ(t.headerLines.size(), 8u); // the reference values are header lines too
    ASSERT_EQ(t.rows.size(), 1u);
    EXPECT_EQ(CellTexts(t, 0), (Cells{"1000", ".9", "-10", "2", "100", ".1", "10", ".8", "-5"}));
    ASSERT_EQ(t.warnings.size(), 1u);
    EXPECT_NE(t.warnings[0].reference.find("50 25.0"), std::string::npos);
    EXPECT_EQ(t.portReferenceOhms, (std::array<Real, 2>{50, 25}));
    // The option line's one reference holds for both ports; a word that is no impedance gives NaN.
    EXPECT_EQ(Parse("# GHz S MA R 75\n" + MaRow, 1, 75).portReferenceOhms, (std::array<Real, 2>{75, 75}));
    EXPECT_TRUE(std::isnan(Parse("# GHz S MA R x\n" + MaRow).portReferenceOhms[1]));
}

TEST(SParameterPlot, EachPortIsPlottedAsItsImpedanceAgainstZo) {
    // |S22| 0.66 at -14 degrees against 25 ohm is 91.144 - j51.569 ohm; against 50 ohm that
    // impedance has another reflection, which the chart shows.
    const PolarValue s22{0.66L, -14};
    const PolarValue shown = ReflectionAgainstZo(s22, 25, 50);
    const Complex z = ReflectionToImpedance(PolarToGamma(shown.magnitude, shown.angleDegrees), 50);
    const Complex expected = ReflectionToImpedance(PolarToGamma(0.66L, -14), 25);
    EXPECT_NEAR(static_cast<double>(z.re), static_cast<double>(expected.re), 1e-12);
    EXPECT_NEAR(static_cast<double>(z.im), static_cast<double>(expected.im), 1e-12);
    EXPECT_NEAR(static_cast<double>(expected.re), 91.144, 5e-4);
    EXPECT_EQ(ReflectionAgainstZo(s22, 50, 50).magnitude, s22.magnitude);
    EXPECT_EQ(ReflectionAgainstZo(s22, std::nanl(""), 50).angleDegrees, s22.angleDegrees);
}

TEST(SParameterFile, WarningsForAnotherReferenceOrParameter) {
    EXPECT_TRUE(Parse("# GHz S MA R 75\n" + MaRow, 1, 75).warnings.empty());
    const SParameterTable other = Parse("# GHz Z MA R 75\n" + MaRow, 1, 50);
    EXPECT_EQ(other.warnings.size(), 2u);
    // The first option line counts; a second is shown but ignored.
    const SParameterTable twice = Parse("# GHz S MA R 50\n# Hz S DB R 75\n" + MaRow);
    EXPECT_TRUE(twice.warnings.empty());
    EXPECT_EQ(CellText(twice, 0, 0), "1000");
    EXPECT_EQ(Parse("! only a comment\n").warnings.size(), 1u); // no data rows
}

TEST(SParameterFile, ConvertedCellThatIsNoNumberFailsTheWholeFile) {
    EXPECT_EQ(Error("# GHz S DB R 50\n" + MaRow + "2 x -10 2 100 .1 10 .8 -5\n"),
              "第3行：'x' is not a valid floating point value");
    EXPECT_EQ(Error("# GHz S RI R 50\n1 .9 -10 2 100 .1 10 .8\n"), "第2行：缺少S22 A的数值");
    EXPECT_EQ(Error("# GHz S DB R 50\n1 1e5000 0 0 0 0 0 0 0\n"),
              "第2行：'1e5000' is not a valid floating point value");
    EXPECT_EQ(Error("# GHz S DB R 50\n1 1e300 0 0 0 0 0 0 0\n"), "第2行：'1e300' 超出数值范围");
    EXPECT_EQ(Error("# GHz S DB R 50\n1 inf 0 0 0 0 0 0 0\n"),
              "第2行：'inf' is not a valid floating point value");
    EXPECT_EQ(Error("# GHz S DB R 50\n1 +-3 0 0 0 0 0 0 0\n"),
              "第2行：'+-3' is not a valid floating point value");
    EXPECT_EQ(Error(std::string(MaxSParameterFileLines + 1, '\n')), "文件超过300000行，不是S参数文件");
    EXPECT_EQ(Error(std::string(MaxSParameterFileBytes + 1, '\0')), "文件超过8 MiB，不是S参数文件");
    EXPECT_EQ(Parse(std::string(MaxSParameterFileLines, '\n')).rows.size(), 0u);
    // A dB magnitude is converted even beside an angle that is no number.
    const std::string badAngle = "# GHz S DB R 50\n1 -6 x 0 0 0 0 0 0\n";
    EXPECT_EQ(CellText(Parse(badAngle), 0, 1), "0.501187");
    EXPECT_EQ(CellText(Parse(badAngle), 0, 2), "x");
    EXPECT_EQ(Error(badAngle, 1, true), "第2行：'x' is not a valid floating point value");
    // Magnitude/angle cells are converted only for plotting.
    const std::string shortRow = "# GHz S MA R 50\n1 .9 -10 2 100 .1 10 .8\n";
    EXPECT_EQ(CellText(Parse(shortRow), 0, 8), "");
    EXPECT_EQ(Error(shortRow, 1, true), "第2行：缺少S22 A的数值");
}

TEST(SParameterFile, RandomBytesGiveATableOrAMessage) {
    std::mt19937 random(11);
    const std::string alphabet = "0123456789.-+eE# \t\r\n!abcRIMADBHzGk[]_\xEF\xBB\xBF\xB0";
    const std::string valid = "# GHz S DB R 50\n" + MaRow + "2 .8 -20 2 90 .1 20 .7 -10\n";
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = valid;
        const int edits = 1 + static_cast<int>(random() % 12);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = random() % (bytes.size() + 1);
            if (random() % 2)
                bytes.insert(at, 1, alphabet[random() % alphabet.size()]);
            else if (at < bytes.size())
                bytes[at] = static_cast<char>(random() % 256);
        }
        for (int format = 1; format <= MakerFormatCount; format += 3) {
            const SParameterParse parsed = ParseSParameterFile(bytes, {format, 50, round % 2 == 0});
            ASSERT_NE(parsed.table.has_value(), parsed.error.failed());
            if (!parsed.table)
                continue;
            for (std::size_t row = 0; row < parsed.table->rows.size(); ++row)
                ASSERT_EQ(CellTexts(*parsed.table, row).size(), LayoutOfFormat(format).captions.size());
        }
    }
}

TEST(RowMessage, AgilentRowsLeaveOutTheMakersFigures) {
    const std::string line = "100 0.5 10 20 10 30 0.01 40 1 50 18.5\n";
    const std::optional<ReadoutMessage> agilent =
        DecodeReadoutMessage(TableRowMessage(Parse(line, AgilentFormat), 0));
    ASSERT_TRUE(agilent);
    EXPECT_EQ(agilent->lineCount, 9);
    EXPECT_EQ(agilent->lines[3], "10");
    EXPECT_EQ(agilent->lines[8], "50");
    EXPECT_EQ(agilent->lines[9], "");

    const std::optional<ReadoutMessage> nine = DecodeReadoutMessage(TableRowMessage(Parse(line), 0));
    EXPECT_EQ(std::vector<std::string>(nine->lines.begin(), nine->lines.begin() + 9),
              (Cells{"100", "0.5", "10", "20", "10", "30", "0.01", "40", "1"}));
}

TEST(RowMessage, NumbersShownWithAnExponentTravelInPlainDecimals) {
    // The first row of a maker's 1 pF capacitor file: |S21| of 1.12202E-50 in the grid.
    const SParameterTable t = Parse("# MHz S DB R 50\n100 -1000 90 -999 5 -999 5 0 -90\n");
    EXPECT_EQ(CellText(t, 0, 3), "1.12202E-50");
    const std::optional<ReadoutMessage> m = DecodeReadoutMessage(TableRowMessage(t, 0));
    ASSERT_TRUE(m);
    // Every digit of the value read (-999 dB), not the cell's six.
    EXPECT_TRUE(m->lines[3].starts_with("0." + std::string(49, '0') + "1122018454")) << m->lines[3];
    EXPECT_EQ(m->lines[1], "0." + std::string(49, '0') + "1");
    EXPECT_EQ(ValidateNumber(m->lines[3]), 1);
}

TEST(RowMessage, PickedLineSendsItsNumberRuns) {
    const std::string bytes = InputLineMessage("1000 0.95 -30.5 4.2 150");
    ASSERT_EQ(bytes.size(), static_cast<std::size_t>(ReadoutMessageBytes));
    const std::optional<ReadoutMessage> m = DecodeReadoutMessage(bytes);
    EXPECT_EQ(m->lineCount, 5);
    EXPECT_EQ(m->width, 0);
    EXPECT_EQ(m->height, 0);
    EXPECT_EQ(std::vector<std::string>(m->lines.begin(), m->lines.begin() + 6),
              (Cells{"1000", "0.95", "-30.5", "4.2", "150", ""}));
}

TEST(SParameterPlot, MarkersLabelsAndLegends) {
    RecordingSurface surface(600, 600);
    const ChartGeometry geometry{300, 300, 300};
    DrawSParameterLegends(surface);
    const PlottedRow plotted = PlotSParamRow(surface, geometry, "1000", {-6.0206, 90}, {-6.0206, 180}, true);
    ASSERT_TRUE(plotted.s11 && plotted.s22);
    EXPECT_EQ(plotted.s11->x, 300);
    EXPECT_EQ(plotted.s11->y, 150);
    EXPECT_EQ(plotted.s22->x, 150);
    EXPECT_EQ(plotted.s22->y, 300);
    std::vector<std::tuple<std::string, int, int, int>> texts;
    std::vector<int> markers;
    for (const Primitive& p : surface.primitives) {
        if (p.kind == Primitive::Kind::Text)
            texts.emplace_back(p.text, p.x1, p.y1, p.font.colour);
        if (p.kind == Primitive::Kind::Ellipse)
            markers.push_back(p.pen.colour);
    }
    EXPECT_EQ(texts,
              (std::vector<std::tuple<std::string, int, int, int>>{{"---- S11", 10, 10, S11MarkerColour},
                                                                   {"---- S22", 10, 30, S22MarkerColour},
                                                                   {"1000", 302, 152, S11LabelColour},
                                                                   {"1000", 152, 302, S22LabelColour}}));
    EXPECT_EQ(markers, (std::vector<int>{S11MarkerColour, S22MarkerColour}));

    RecordingSurface far(600, 600);
    EXPECT_FALSE(PlotSParamRow(far, geometry, "", {1e30L, 0}, {0.5, 0}, false).s11);

    const SParameterTable rows =
        Parse("100 .5 0 0 0 0 0 .5 0\n200 .5 0 0 0 0 0 .5 0\n300 .5 0 0 0 0 0 .5 0\n");
    EXPECT_EQ(RowLabel(rows, 0, 2), "100");
    EXPECT_EQ(RowLabel(rows, 1, 2), "");
    EXPECT_EQ(RowLabel(rows, 2, 2), "300");
}

TEST(DirectoryList, KeepsEachFolderOnceAcrossARewrite) {
    test::TempDir dir;
    EXPECT_TRUE(ReadDirectoryList(dir.path()).empty());
    std::vector<std::string> list;
    EXPECT_TRUE(AddDirectory(list, "/data/nxp"));
    EXPECT_FALSE(AddDirectory(list, "/data/nxp"));
    EXPECT_FALSE(AddDirectory(list, ""));
    EXPECT_TRUE(AddDirectory(list, "/data/中文"));
    ASSERT_TRUE(WriteDirectoryList(dir.path(), list));
    EXPECT_EQ(ReadDirectoryList(dir.path()), list);
}

} // namespace
} // namespace qv

namespace qv {
namespace {

TEST(SixSignificantDigits, AgreesWithTheExactDecimalForm) {
    // The reference is the standard library's exact rounding of the double.
    const auto reference = [](double v) {
        char buffer[64];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 6).ptr;
        return std::string(buffer, end);
    };
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> exponent(-4, 6);
    for (int i = 0; i < 200000; ++i) {
        const double v = (i % 2 ? -1 : 1) * std::pow(10.0, exponent(random));
        const std::string expected = reference(v);
        if (expected.find('e') == std::string::npos) {
            ASSERT_EQ(SixSignificantDigits(v), expected) << v;
        }
    }
    EXPECT_EQ(SixSignificantDigits(9.9999951), "10");
    EXPECT_EQ(SixSignificantDigits(0.501187), "0.501187");
    EXPECT_EQ(SixSignificantDigits(0.0001), "0.0001");
    EXPECT_EQ(SixSignificantDigits(0), "0");
}

} // namespace
} // namespace qv
