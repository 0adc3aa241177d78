#pragma once

#include "core/numbers/real.h"
#include "core/settings/atomic_file.h"
#include "sparams/analysis/sparameter_error.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Two-port S-parameter text files (".s2p", ".txt") read whole into header lines and table rows.
//
// A line is cut at "!" (a comment), then split into words. A line whose first word is a number
// (exponent forms included) is a data line; the others are header lines. Header lines before the
// first data line are kept as written. After the data has begun, blank and comment lines are
// skipped, and the table ends at the first other line, at a "[Noise Data]" or "[End]" keyword,
// and at the noise-parameter block (a frequency not above the previous one, or a row of five
// numbers). The option line ("# GHz S MA R 50") gives the frequency unit and the data format;
// frequencies are shown in MHz, dB and real/imaginary pairs as linear magnitude and angle.
namespace qv {

// Limits that keep a hostile file from exhausting memory; real files stay far below them (the
// largest instrument sweeps have about 100,000 frequencies).
inline constexpr std::size_t MaxSParameterFileBytes = MaxInputFileBytes;
inline constexpr std::size_t MaxSParameterFileLines = 300000;

// The makers' column layouts of the table window's maker list, numbered from 1.
inline constexpr int MakerFormatCount = 5;
inline constexpr int AgilentFormat = 4;

struct MakerLayout {
    std::vector<std::string> captions;   // the grid's fixed header row; its size is the column count
    std::array<int, 4> magnitudeColumns; // S11, S21, S12, S22; each angle follows its magnitude
};

// The layout of a maker format; any number outside 1..5 gives format 1.
const MakerLayout& LayoutOfFormat(int format);

// The maker names of the table window's list, in format order.
extern const std::array<const char*, MakerFormatCount> MakerNames;

struct PolarValue {
    Real magnitude = 0; // linear
    Real angleDegrees = 0;
};

// A word of a data line as a place in SParameterTable::text; length 0 for a missing word.
struct WordSpan {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
};

inline constexpr int MaxTableColumns = 11;

// A data line: its words in the columns of the layout, and S11 and S22 as numbers when both words
// of the pair are numbers. The texts shown for the cells are made from the words on demand
// (CellText), so a file of thousands of rows costs no text until a row is shown.
struct SParameterRow {
    std::array<WordSpan, MaxTableColumns> words{};
    std::optional<PolarValue> s11;
    std::optional<PolarValue> s22;
    // The exact values of the pairs the cells show rounded, for the two-port design.
    std::optional<PolarValue> s21;
    std::optional<PolarValue> s12;
};

enum class SParameterDataFormat { MagnitudeAngle, Decibel, RealImaginary };

// What the header view notes after the header lines.
enum class SParameterNote {
    NoDataRows,
    OtherParameter, // the option line names Y, Z, H or G parameters; the table shows them as S
    OtherReference, // the file's reference impedance is not Zo
};

struct SParameterWarning {
    SParameterNote note = SParameterNote::NoDataRows;
    std::string parameter{}; // OtherParameter: the option line's word
    std::string reference{}; // OtherReference: the file's reference words, space-separated
    Real Zo = 50;            // OtherReference: the impedance the file was compared with
};

struct SParameterTable {
    std::string text;                     // the data lines' bytes, which the rows' words point into
    std::vector<std::string> headerLines; // the file's bytes of each line, without its line end
    std::vector<SParameterWarning> warnings;
    std::vector<SParameterRow> rows;
    // The reference impedance of ports 1 and 2: a "[Reference]" line (one value per port), else
    // the option line's "R", else 50 ohm. NaN when the file's word is no positive number.
    std::array<Real, 2> portReferenceOhms{50, 50};

    // How the words are read and shown.
    int format = 1;                // the maker layout
    bool onePort = false;          // rows hold the frequency and S11 only
    bool frequencyInUnits = false; // an option line was seen: column 0 is converted to MHz
    Real mhzPerUnit = 1000;
    SParameterDataFormat dataFormat = SParameterDataFormat::MagnitudeAngle;

    std::string_view word(const SParameterRow& row, int column) const;
};

// The text shown in a cell: the frequency in MHz (as written when the file has no option line),
// dB magnitudes and real/imaginary pairs as linear magnitude and angle, every other number in
// plain decimals; a word that is no number as written; empty for a column past the row's words.
std::string CellText(const SParameterTable& table, std::size_t row, int column);
std::vector<std::string> CellTexts(const SParameterTable& table, std::size_t row);

// The frequency of a row in MHz; nothing when its word is no number.
std::optional<Real> RowMhz(const SParameterTable& table, std::size_t row);

struct SParameterParse {
    std::optional<SParameterTable> table;
    SParameterError error; // when there is no table
};

struct SParameterParseOptions {
    int format = 1;
    Real Zo = 50;                   // a file referenced to another impedance gets a warning line
    bool requirePlotValues = false; // a row without numeric S11 and S22 is then an error
    bool onePort = false;           // an ".s1p": each row is a frequency and S11 only
};

// Total: any bytes give either a table or an error that names the failing line. A file of more
// than MaxSParameterFileBytes bytes or MaxSParameterFileLines lines is refused.
SParameterParse ParseSParameterFile(std::string_view bytes, const SParameterParseOptions& options);

// Text for display: the bytes as UTF-8 when they are valid UTF-8, else as GBK, else with every
// byte above 127 replaced by "?".
std::string DisplayTextOfBytes(std::string_view bytes);

// A value with six significant digits in the general form ("0.501187", "12.5", "1E-5"), the
// way converted magnitudes are shown; exact to the sixth digit.
std::string SixSignificantDigits(Real value);

} // namespace qv
