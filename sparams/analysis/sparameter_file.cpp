#include "sparams/analysis/sparameter_file.h"

#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/text_format.h"
#include "core/numbers/tokens.h"
#include "core/settings/settings_store.h"
#include "sparams/analysis/sparameter_file_words.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

namespace qv {

const std::array<const char*, MakerFormatCount> MakerNames = {"Fujitsu", "MITSUBISHI", "motorola", "Agilent",
                                                              "WJ"};

namespace {

const MakerLayout NineColumns{
    {"频率MHz", "S11 M", "S11 A", "S21 M", "S21 A", "S12 M", "S12 A", "S22 M", "S22 A"}, {1, 3, 5, 7}};

// "S21 dB" and "MSG MAG" are the maker's own figures; they are neither converted nor sent.
const MakerLayout ElevenColumns{
    {"频率", "S11 M", "S11 A", "S21 dB", "S21 M", "S21 A", "S12 M", "S12 A", "S22 M", "S22 A", "MSG MAG"},
    {1, 4, 6, 8}};

using DataFormat = SParameterDataFormat;

constexpr int PortCount = 2;

struct FileOptions {
    bool optionLineSeen = false;
    Real mhzPerUnit = 1000; // Touchstone's default unit is GHz
    DataFormat format = DataFormat::MagnitudeAngle;
    std::string parameter = "S";
    std::vector<std::string> reference{"50"};
    bool order12_21 = false; // "[Two-Port Data Order] 12_21": S12 before S21 in each row
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The exact powers of ten of a double.
constexpr std::array<double, 23> ExactPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Clinger's fast path: a decimal whose digits fit 2^53 and whose power of ten is exact is one
// correctly rounded multiplication or division away from its double, the same double from_chars
// gives. Nothing for any other text, which from_chars then reads.
std::optional<double> FastDecimal(std::string_view word) {
    const char* p = word.data();
    const char* const end = p + word.size();
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '-' || *p == '+'))
        ++p;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int fractionDigits = 0;
    bool point = false;
    for (; p != end; ++p) {
        if (IsDigit(*p)) {
            if (++digits > 18)
                return std::nullopt;
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
            fractionDigits += point ? 1 : 0;
        } else if (*p == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    int exponent = 0;
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        const bool negativeExponent = p != end && *p == '-';
        if (p != end && (*p == '-' || *p == '+'))
            ++p;
        int exponentDigits = 0;
        for (; p != end && IsDigit(*p); ++p) {
            if (++exponentDigits > 4)
                return std::nullopt;
            exponent = exponent * 10 + (*p - '0');
        }
        if (exponentDigits == 0)
            return std::nullopt;
        exponent = negativeExponent ? -exponent : exponent;
    }
    const int scale = exponent - fractionDigits;
    if (p != end || mantissa > (std::uint64_t{1} << 53) || scale < -22 || scale > 22)
        return std::nullopt;
    double value = static_cast<double>(mantissa);
    value = scale < 0 ? value / ExactPowersOfTen[static_cast<std::size_t>(-scale)]
                      : value * ExactPowersOfTen[static_cast<std::size_t>(scale)];
    return negative ? -value : value;
}

// A word in decimal notation: an optional sign, digits with at most one point, an optional
// exponent. Read as a double, which holds every digit a measurement file carries and reads
// several times faster than an extended value.
bool IsNumber(std::string_view word, double& value) {
    const bool plus = !word.empty() && word[0] == '+'; // from_chars takes a "-" but no "+"
    const std::size_t start = plus ? 1 : 0;
    const std::size_t first = !plus && !word.empty() && word[0] == '-' ? 1 : start;
    // A digit or a point must follow the sign: no "inf", "nan" or second sign.
    if (first >= word.size() || (word[first] != '.' && !IsDigit(word[first])))
        return false;
    if (const std::optional<double> fast = FastDecimal(word)) {
        value = *fast;
        return true;
    }
    double parsed = 0;
    const auto [end, error] = std::from_chars(word.data() + start, word.data() + word.size(), parsed);
    if (error != std::errc() || end != word.data() + word.size() || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool IsNumber(std::string_view word) {
    double ignored = 0;
    return IsNumber(word, ignored);
}

Real PowerOfTen(int exponent) {
    Real power = 1;
    for (int k = 0; k < std::abs(exponent); ++k)
        power *= 10;
    return exponent < 0 ? 1 / power : power;
}

// Up to the given significant digits, in plain decimals; the program's general form, with its
// exponent, for the rare value too small or large for that.
std::string ShortText(Real value, int significant) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                      std::chars_format::general, significant);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    if (text == "-0")
        return "0";
    if (text.find('e') == std::string_view::npos)
        return std::string(text);
    Real rounded = value;
    TryStrToFloat(text, rounded);
    return FormatGeneral(rounded);
}

enum class ByteKind : unsigned char { Blank, Word, Comment, LineEnd };

constexpr std::array<ByteKind, 256> ByteKinds = [] {
    std::array<ByteKind, 256> kinds{};
    for (int c = 33; c <= 126; ++c)
        kinds[static_cast<std::size_t>(c)] = ByteKind::Word;
    kinds['!'] = ByteKind::Comment;
    kinds['\r'] = ByteKind::LineEnd;
    kinds['\n'] = ByteKind::LineEnd;
    return kinds;
}();

ByteKind KindOf(char c) {
    return ByteKinds[static_cast<unsigned char>(c)];
}

// The lines of a text one after the other (CR, LF and CRLF all end a line): each line whole, the
// part before a "!" comment, and the words of that part (runs of printable ASCII, at most
// MaxTokens), found in one pass. The word slots are reused from line to line.
class LineScanner {
public:
    explicit LineScanner(std::string_view text) : text_(text) {}

    bool next() {
        const std::size_t n = text_.size();
        if (next_ >= n)
            return false;
        const std::size_t start = next_;
        std::size_t i = start;
        std::size_t contentEnd = std::string_view::npos;
        words.count = 0;
        while (i < n) {
            const ByteKind kind = KindOf(text_[i]);
            if (kind == ByteKind::Blank) {
                ++i;
            } else if (kind == ByteKind::Word) {
                const std::size_t begin = i;
                while (i < n && KindOf(text_[i]) == ByteKind::Word)
                    ++i;
                if (words.count < MaxTokens)
                    words.words[static_cast<std::size_t>(words.count++)] = text_.substr(begin, i - begin);
            } else {
                if (kind == ByteKind::Comment) {
                    contentEnd = i;
                    while (i < n && KindOf(text_[i]) != ByteKind::LineEnd)
                        ++i;
                }
                break;
            }
        }
        line = text_.substr(start, i - start);
        content = text_.substr(start, (contentEnd == std::string_view::npos ? i : contentEnd) - start);
        next_ = i + (i + 1 < n && text_[i] == '\r' && text_[i + 1] == '\n' ? 2 : 1);
        return true;
    }

    std::string_view line;
    std::string_view content;
    WordViews words;

private:
    std::string_view text_;
    std::size_t next_ = 0;
};

void ReadOptionLine(const WordViews& words, FileOptions& options) {
    options.optionLineSeen = true;
    std::vector<std::string> items;
    if (words[0].size() > 1)
        items.emplace_back(words[0].substr(1)); // "#GHz" written without a blank
    for (int k = 1; k < words.count; ++k)
        items.emplace_back(words[k]);
    for (std::size_t k = 0; k < items.size(); ++k) {
        const std::string item = LowerAscii(items[k]);
        if (item == "hz")
            options.mhzPerUnit = 1e-6L;
        else if (item == "khz")
            options.mhzPerUnit = 1e-3L;
        else if (item == "mhz")
            options.mhzPerUnit = 1;
        else if (item == "ghz")
            options.mhzPerUnit = 1000;
        else if (item == "db")
            options.format = DataFormat::Decibel;
        else if (item == "ri")
            options.format = DataFormat::RealImaginary;
        else if (item == "ma")
            options.format = DataFormat::MagnitudeAngle;
        else if (item == "s" || item == "y" || item == "z" || item == "h" || item == "g")
            options.parameter = items[k];
        else if (item == "r" && k + 1 < items.size())
            options.reference = {items[++k]};
    }
}

// "[Two-Port Data Order] 12_21" as the name "two-port data order" and the argument "12_21".
struct Keyword {
    std::string name;
    std::string_view argument;
};

std::optional<Keyword> KeywordOf(std::string_view content) {
    const std::string_view trimmed = Trim(content);
    if (trimmed.empty() || trimmed.front() != '[')
        return std::nullopt;
    const std::size_t close = trimmed.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    Keyword keyword;
    const WordViews nameWords = SplitPrintableWords(trimmed.substr(1, close - 1));
    for (int k = 0; k < nameWords.count; ++k) {
        if (k > 0)
            keyword.name += ' ';
        keyword.name += LowerAscii(nameWords[k]);
    }
    keyword.argument = trimmed.substr(close + 1);
    return keyword;
}

// Six significant digits: enough for any maker's magnitude, short enough for a grid cell.
std::string MagnitudeText(Real value) {
    return SixSignificantDigits(value);
}

std::string AngleText(Real degrees) {
    return ShortText(std::round(degrees * 10000) / 10000, 15);
}

// A number written with an exponent, a plus sign or other decorations is shown in plain form so
// that every cell reads, and is sent, as a plain decimal.
std::string PlainNumberText(std::string_view word) {
    double value = 0;
    if (ValidateNumber(word) == 1 || !IsNumber(word, value))
        return std::string(word);
    return ShortText(value, 15);
}

// 20 lg|S| as a linear magnitude. The value was read as a double; its power of ten in double keeps
// every digit it has. exp2 rather than exp: glibc's exp takes a slow path on a good share of these
// values.
Real DecibelsToLinear(double decibels) {
    return std::exp2(decibels * (std::numbers::log2e * std::numbers::ln10 / 20));
}

// The pair of a converted format as a linear magnitude and an angle in degrees.
PolarValue ConvertedPair(DataFormat format, double first, double second) {
    if (format == DataFormat::Decibel)
        return {DecibelsToLinear(first), second};
    if (format == DataFormat::RealImaginary)
        return {std::hypot(static_cast<Real>(first), static_cast<Real>(second)),
                std::atan2(static_cast<Real>(second), static_cast<Real>(first)) * 180 /
                    std::numbers::pi_v<Real>};
    return {first, second};
}

// The column of the pair whose magnitude or angle the column holds, or -1.
int PairMagnitudeColumn(const MakerLayout& layout, int column) {
    for (int magnitude : layout.magnitudeColumns)
        if (column == magnitude || column == magnitude + 1)
            return magnitude;
    return -1;
}

class TableParser {
public:
    explicit TableParser(const SParameterParseOptions& options)
        : options_(options), layout_(LayoutOfFormat(options.format)) {}

    SParameterParse parse(std::string_view bytes);

private:
    bool readHeaderLine(std::string_view line, std::string_view content, const WordViews& words);
    bool readDataLine(int lineNumber, const WordViews& words, double frequency);
    bool convertPair(int lineNumber, const SParameterRow& row, int column, bool keepValue,
                     std::optional<PolarValue>& value);
    void failOnCell(int lineNumber, const SParameterRow& row, int column);
    void fail(int lineNumber, SParameterFault fault, std::string_view word, int column = 0) {
        error_ = {fault, lineNumber, 0, options_.format, column, std::string(word)};
    }
    void setReferences();
    void addWarnings();

    const SParameterParseOptions& options_;
    const MakerLayout& layout_;
    FileOptions file_;
    SParameterTable table_;
    int referenceValuesPending_ = 0;
    std::optional<std::vector<std::string>> keywordReference_;
    std::optional<double> previousFrequency_;
    SParameterError error_;
};

// Returns false when the line ends the table.
bool TableParser::readHeaderLine(std::string_view line, std::string_view content, const WordViews& words) {
    table_.headerLines.emplace_back(line);
    if (referenceValuesPending_ > 0 && words.count > 0 && IsNumber(words[0])) {
        for (int k = 0; k < words.count && referenceValuesPending_ > 0; ++k, --referenceValuesPending_)
            keywordReference_->emplace_back(words[k]);
        return true;
    }
    referenceValuesPending_ = 0;
    if (words.count > 0 && words[0].front() == '#') {
        if (!file_.optionLineSeen) // a second option line is ignored
            ReadOptionLine(words, file_);
        return true;
    }
    const std::optional<Keyword> keyword = KeywordOf(content);
    if (!keyword)
        return true;
    if (keyword->name == "noise data" || keyword->name == "end")
        return false;
    if (keyword->name == "two-port data order") {
        file_.order12_21 = Trim(keyword->argument) == "12_21";
    } else if (keyword->name == "reference") {
        keywordReference_.emplace();
        const WordViews values = SplitPrintableWords(keyword->argument);
        for (int k = 0; k < values.count && k < PortCount; ++k)
            keywordReference_->emplace_back(values[k]);
        referenceValuesPending_ = PortCount - static_cast<int>(keywordReference_->size());
    }
    return true;
}

void TableParser::failOnCell(int lineNumber, const SParameterRow& row, int column) {
    const std::string_view word = table_.word(row, column);
    if (word.empty())
        fail(lineNumber, SParameterFault::MissingValue, word, column);
    else
        fail(lineNumber, SParameterFault::NotANumber, word);
}

// One magnitude/angle pair: the words of a converted format must be numbers; the value is kept
// for S11 and S22, which are plotted.
bool TableParser::convertPair(int lineNumber, const SParameterRow& row, int column, bool keepValue,
                              std::optional<PolarValue>& value) {
    const bool convertsFirst = file_.format != DataFormat::MagnitudeAngle;
    const bool convertsSecond = file_.format == DataFormat::RealImaginary;
    double first = 0;
    double second = 0;
    const bool firstIsNumber = (convertsFirst || keepValue) && IsNumber(table_.word(row, column), first);
    const bool secondIsNumber =
        (convertsSecond || keepValue) && IsNumber(table_.word(row, column + 1), second);
    if (convertsFirst && !firstIsNumber) {
        failOnCell(lineNumber, row, column);
        return false;
    }
    if (convertsSecond && !secondIsNumber) {
        failOnCell(lineNumber, row, column + 1);
        return false;
    }
    // Only a dB magnitude can overflow: 10^(dB/20) beyond the double range.
    if (file_.format == DataFormat::Decibel &&
        !(first * (std::numbers::log2e * std::numbers::ln10 / 20) < 1024)) {
        fail(lineNumber, SParameterFault::OutOfRange, table_.word(row, column));
        return false;
    }
    if (keepValue && firstIsNumber && secondIsNumber)
        value = ConvertedPair(file_.format, first, second);
    return true;
}

bool TableParser::readDataLine(int lineNumber, const WordViews& words, double frequency) {
    const std::size_t columns = layout_.captions.size();
    // Made in place; a failing row fails the whole file, which is then dropped.
    SParameterRow& row = table_.rows.emplace_back();
    for (std::size_t k = 0; k < columns && k < static_cast<std::size_t>(words.count); ++k) {
        const std::string_view word = words[static_cast<int>(k)];
        row.words[k] = {static_cast<std::uint32_t>(word.data() - table_.text.data()),
                        static_cast<std::uint32_t>(word.size())};
    }
    if (file_.order12_21) {
        const auto s21 = static_cast<std::size_t>(layout_.magnitudeColumns[1]);
        const auto s12 = static_cast<std::size_t>(layout_.magnitudeColumns[2]);
        std::swap(row.words[s21], row.words[s12]);
        std::swap(row.words[s21 + 1], row.words[s12 + 1]);
    }
    if (file_.optionLineSeen && !std::isfinite(static_cast<double>(frequency * file_.mhzPerUnit))) {
        fail(lineNumber, SParameterFault::OutOfRange, words[0]);
        return false;
    }

    std::array<std::optional<PolarValue>, 4> pairs;
    // A one-port row holds S11 alone.
    const std::size_t pairCount = options_.onePort ? 1 : pairs.size();
    for (std::size_t k = 0; k < pairCount; ++k)
        if (!convertPair(lineNumber, row, layout_.magnitudeColumns[k], true, pairs[k]))
            return false;
    row.s11 = pairs[0];
    row.s22 = pairs[3];
    row.s21 = pairs[1];
    row.s12 = pairs[2];
    if (options_.requirePlotValues) {
        for (int pair : {0, 3}) {
            const int column = layout_.magnitudeColumns[static_cast<std::size_t>(pair)];
            if (pairs[static_cast<std::size_t>(pair)])
                continue;
            failOnCell(lineNumber, row, IsNumber(table_.word(row, column)) ? column + 1 : column);
            return false;
        }
    }
    return true;
}

// Per port: the "[Reference]" values, else the option line's one value for both ports.
void TableParser::setReferences() {
    const std::vector<std::string>& words = keywordReference_ ? *keywordReference_ : file_.reference;
    for (std::size_t port = 0; port < table_.portReferenceOhms.size(); ++port) {
        const std::string& word = words.empty() ? std::string("50") : words[std::min(port, words.size() - 1)];
        double ohms = 0;
        table_.portReferenceOhms[port] = IsNumber(word, ohms) && ohms > 0
                                             ? static_cast<Real>(ohms)
                                             : std::numeric_limits<Real>::quiet_NaN();
    }
}

void TableParser::addWarnings() {
    if (table_.rows.empty())
        table_.warnings.push_back({SParameterNote::NoDataRows});
    if (!file_.optionLineSeen)
        return;
    if (LowerAscii(file_.parameter) != "s")
        table_.warnings.push_back({SParameterNote::OtherParameter, file_.parameter});
    const std::vector<std::string>& reference = keywordReference_ ? *keywordReference_ : file_.reference;
    bool differs = false;
    std::string named;
    for (const std::string& word : reference) {
        double ohms = 0;
        differs = differs || !IsNumber(word, ohms) || ohms != options_.Zo;
        if (!named.empty())
            named += ' ';
        named += word;
    }
    if (differs)
        table_.warnings.push_back({SParameterNote::OtherReference, {}, named, options_.Zo});
}

SParameterParse TableParser::parse(std::string_view bytes) {
    if (bytes.size() > MaxSParameterFileBytes)
        return {std::nullopt,
                {SParameterFault::TooManyBytes, 0, static_cast<int>(MaxSParameterFileBytes >> 20)}};
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    // The rows point into the table's own copy of the bytes: one allocation for the text and one,
    // sized by the line count, for the rows.
    table_.text.assign(bytes);
    const std::string_view text = table_.text;
    std::size_t lineCount = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    if (lineCount == 0)
        lineCount = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r'));
    if (lineCount > MaxSParameterFileLines)
        return {std::nullopt, {SParameterFault::TooManyLines, 0, static_cast<int>(MaxSParameterFileLines)}};
    table_.rows.reserve(lineCount + 1);
    table_.format = options_.format;
    table_.onePort = options_.onePort;

    int lineNumber = 0;
    LineScanner scanner(text);
    while (scanner.next()) {
        if (++lineNumber > static_cast<int>(MaxSParameterFileLines))
            return {std::nullopt,
                    {SParameterFault::TooManyLines, 0, static_cast<int>(MaxSParameterFileLines)}};
        const std::string_view line = scanner.line;
        const std::string_view content = scanner.content;
        const WordViews& words = scanner.words;
        double frequency = 0;
        const bool startsWithNumber = words.count > 0 && IsNumber(words[0], frequency);
        if (table_.rows.empty()) {
            if (!startsWithNumber || referenceValuesPending_ > 0) {
                if (!readHeaderLine(line, content, words))
                    break;
                continue;
            }
        } else {
            if (words.count == 0)
                continue;
            const bool noiseBlock =
                words.count == 5 || (previousFrequency_ && frequency <= *previousFrequency_);
            if (!startsWithNumber || noiseBlock)
                break;
        }
        if (!readDataLine(lineNumber, words, frequency))
            return {std::nullopt, error_};
        previousFrequency_ = frequency;
    }
    table_.frequencyInUnits = file_.optionLineSeen;
    table_.mhzPerUnit = file_.mhzPerUnit;
    table_.dataFormat = file_.format;
    setReferences();
    addWarnings();
    return {std::move(table_), {}};
}

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int follow = 0;
        if (lead < 0x80)
            follow = 0;
        else if (lead >= 0xC2 && lead <= 0xDF)
            follow = 1;
        else if (lead >= 0xE0 && lead <= 0xEF)
            follow = 2;
        else if (lead >= 0xF0 && lead <= 0xF4)
            follow = 3;
        else
            return false;
        if (i + static_cast<std::size_t>(follow) >= text.size())
            return false;
        for (int k = 1; k <= follow; ++k)
            if ((static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80)
                return false;
        i += static_cast<std::size_t>(follow) + 1;
    }
    return true;
}

} // namespace

const MakerLayout& LayoutOfFormat(int format) {
    return format == AgilentFormat ? ElevenColumns : NineColumns;
}

std::string SixSignificantDigits(Real value) {
    constexpr int Digits = 6;
    const double magnitude = std::fabs(static_cast<double>(value));
    // The plain range of the general form: 1e-4 <= |v| < 1e6. Anything else, and zero, takes
    // the general path.
    if (!(magnitude >= 1e-4 && magnitude < 1e6))
        return ShortText(value, Digits);
    // The decade by comparison: the library's log10 is slow beside everything else here.
    int exponent = -4;
    for (double decade = 1e-3; exponent < Digits - 1 && magnitude >= decade; decade *= 10)
        ++exponent;
    std::int64_t digits = 0;
    int decimals = 0;
    // The exact double scaled in extended precision: a wrong rounding of the sixth digit would
    // need the scaled value within 1e-19 of a tie.
    for (int attempt = 0; attempt < 3; ++attempt) {
        decimals = Digits - 1 - exponent;
        digits = std::llround(static_cast<Real>(magnitude) * PowerOfTen(decimals));
        if (digits >= 1000000)
            ++exponent;
        else if (digits < 100000)
            --exponent;
        else
            break;
    }
    if (exponent < -4 || exponent >= Digits || digits < 100000 || digits >= 1000000)
        return ShortText(value, Digits);
    std::string text = std::to_string(digits);
    if (decimals > 0) {
        if (static_cast<int>(text.size()) <= decimals)
            text.insert(0, static_cast<std::size_t>(decimals + 1) - text.size(), '0');
        text.insert(text.size() - static_cast<std::size_t>(decimals), 1, '.');
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    if (std::signbit(static_cast<double>(value)))
        text.insert(0, 1, '-');
    return text;
}

std::string_view SParameterTable::word(const SParameterRow& row, int column) const {
    if (column < 0 || column >= MaxTableColumns)
        return {};
    const WordSpan span = row.words[static_cast<std::size_t>(column)];
    return std::string_view(text).substr(span.offset, span.length);
}

// The frequency as its cell shows it, read back: "0.03" GHz is exactly 30 MHz, as the user reads
// it, not the binary neighbour of 0.03 times 1000.
std::optional<Real> RowMhz(const SParameterTable& table, std::size_t row) {
    if (row >= table.rows.size())
        return std::nullopt;
    Real mhz = 0;
    if (!TryStrToFloat(CellText(table, row, 0), mhz))
        return std::nullopt;
    return mhz;
}

std::string CellText(const SParameterTable& table, std::size_t rowIndex, int column) {
    const MakerLayout& layout = LayoutOfFormat(table.format);
    if (rowIndex >= table.rows.size() || column < 0 || column >= static_cast<int>(layout.captions.size()))
        return {};
    const SParameterRow& row = table.rows[rowIndex];
    const std::string_view word = table.word(row, column);
    if (column == 0) {
        double value = 0;
        if (!table.frequencyInUnits || !IsNumber(word, value))
            return std::string(word);
        return ShortText(value * table.mhzPerUnit, 15);
    }
    const int magnitudeColumn = PairMagnitudeColumn(layout, column);
    const bool converted = table.dataFormat != DataFormat::MagnitudeAngle && magnitudeColumn >= 0 &&
                           (!table.onePort || magnitudeColumn == layout.magnitudeColumns[0]);
    const bool isMagnitude = column == magnitudeColumn;
    if (!converted || (!isMagnitude && table.dataFormat == DataFormat::Decibel))
        return PlainNumberText(word);
    double first = 0;
    double second = 0;
    IsNumber(table.word(row, magnitudeColumn), first);
    IsNumber(table.word(row, magnitudeColumn + 1), second);
    const PolarValue polar = ConvertedPair(table.dataFormat, first, second);
    return isMagnitude ? MagnitudeText(polar.magnitude) : AngleText(polar.angleDegrees);
}

std::vector<std::string> CellTexts(const SParameterTable& table, std::size_t row) {
    std::vector<std::string> cells;
    const int columns = static_cast<int>(LayoutOfFormat(table.format).captions.size());
    for (int column = 0; column < columns; ++column)
        cells.push_back(CellText(table, row, column));
    return cells;
}

SParameterParse ParseSParameterFile(std::string_view bytes, const SParameterParseOptions& options) {
    return TableParser(options).parse(bytes);
}

std::string DisplayTextOfBytes(std::string_view bytes) {
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    bool ok = false;
    std::string text = GbkToUtf8(bytes, &ok);
    if (ok)
        return text;
    text.clear();
    for (char c : bytes)
        text += static_cast<unsigned char>(c) < 0x80 ? c : '?';
    return text;
}

} // namespace qv
