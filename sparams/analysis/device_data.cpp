#include "sparams/analysis/device_data.h"

#include "core/numbers/decimal.h"
#include "core/numbers/text_format.h"
#include "core/numbers/tokens.h"
#include "core/settings/atomic_file.h"
#include "sparams/analysis/sparameter_file.h"
#include "sparams/analysis/sparameter_file_words.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace qv {

namespace {

Complex Rectangular(const PolarValue& p) {
    const Real a = p.angleDegrees * DegreesToRadians;
    return {p.magnitude * std::cos(a), p.magnitude * std::sin(a)};
}

// A frequency in hertz rounded to 15 significant digits, so that "0.9" GHz is 900 MHz exactly.
Real RoundedHertz(Real value) {
    Real rounded = value;
    TryStrToFloat(FormatGeneral(value), rounded);
    return rounded;
}

// What the header tells about the noise block: the frequency unit, the reference and the version.
struct NoiseConventions {
    Real hertzPerUnit = 1e9; // Touchstone's default unit is GHz
    Real referenceOhms = 50;
    bool version2 = false;
};

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    return lines;
}

NoiseConventions ConventionsOf(const std::vector<std::string>& headerLines) {
    NoiseConventions c;
    bool optionSeen = false;
    bool referenceSeen = false;
    for (const std::string& line : headerLines) {
        const WordViews words = SplitPrintableWords(std::string_view(line).substr(0, line.find('!')));
        if (words.count == 0)
            continue;
        const std::string first = LowerAscii(words[0]);
        if (first.starts_with("#") && !optionSeen) {
            optionSeen = true;
            for (int k = 0; k < words.count; ++k) {
                std::string word = LowerAscii(k == 0 ? words[0].substr(1) : words[k]);
                if (word == "hz")
                    c.hertzPerUnit = 1;
                else if (word == "khz")
                    c.hertzPerUnit = 1e3L;
                else if (word == "mhz")
                    c.hertzPerUnit = 1e6L;
                else if (word == "ghz")
                    c.hertzPerUnit = 1e9L;
                else if (word == "r" && k + 1 < words.count && !referenceSeen)
                    TryStrToFloat(words[k + 1], c.referenceOhms);
            }
        } else if (first == "[version]" && words.count >= 2) {
            c.version2 = words[1].starts_with("2");
        } else if (first == "[reference]" && words.count >= 2) {
            referenceSeen = TryStrToFloat(words[1], c.referenceOhms);
        }
    }
    return c;
}

bool KeywordLine(std::string_view content, std::string_view keyword) {
    const std::string lower = LowerAscii(Trim(content));
    return lower.starts_with(keyword);
}

// The noise rows of the file; rows that do not hold five numbers are skipped.
std::vector<NoiseRow> NoiseRowsOf(std::string_view bytes, const NoiseConventions& c) {
    std::vector<NoiseRow> rows;
    bool inNoise = false;
    bool dataSeen = false;
    Real previous = 0;
    for (std::string_view line : Lines(bytes)) {
        const std::string_view content = line.substr(0, line.find('!'));
        if (KeywordLine(content, "[noise data]")) {
            inNoise = true;
            continue;
        }
        if (KeywordLine(content, "[end]"))
            break;
        const WordViews words = SplitPrintableWords(content);
        Real frequency = 0;
        if (words.count == 0 || !TryStrToFloat(words[0], frequency))
            continue;
        if (!inNoise && !c.version2) {
            if (dataSeen && (words.count == 5 || frequency <= previous))
                inNoise = true;
            dataSeen = true;
            previous = frequency;
        }
        if (!inNoise || words.count < 5)
            continue;
        std::array<Real, 5> v{};
        bool numbers = true;
        for (int k = 0; k < 5; ++k)
            numbers = numbers && TryStrToFloat(words[k], v[static_cast<std::size_t>(k)]);
        if (!numbers)
            continue;
        const Real rn = c.version2 ? v[4] : v[4] * c.referenceOhms;
        const Complex gopt = Rectangular({v[2], v[3]});
        rows.push_back({RoundedHertz(v[0] * c.hertzPerUnit), {v[1], gopt, rn}});
    }
    return rows;
}

Real Lerp(Real a, Real b, Real t) {
    return a + (b - a) * t;
}

Complex Lerp(Complex a, Complex b, Real t) {
    return {Lerp(a.re, b.re, t), Lerp(a.im, b.im, t)};
}

// The index of the row at or just below f, and the weight of the next row; nothing outside.
template <typename Row>
std::optional<std::pair<std::size_t, Real>> Bracket(const std::vector<Row>& rows, Real f) {
    if (rows.empty())
        return std::nullopt;
    const auto near = [f](Real row) { return std::fabs(f - row) <= 1e-12L * std::fabs(row); };
    if (near(rows.front().frequencyHz))
        return std::pair<std::size_t, Real>{0, 0};
    if (near(rows.back().frequencyHz))
        return std::pair<std::size_t, Real>{rows.size() - 1, 0};
    if (!(f > rows.front().frequencyHz && f < rows.back().frequencyHz))
        return std::nullopt;
    // The last row at or below f.
    const auto above = std::upper_bound(rows.begin(), rows.end(), f,
                                        [](Real x, const Row& row) { return x < row.frequencyHz; });
    const std::size_t k = static_cast<std::size_t>(above - rows.begin()) - 1;
    if (near(rows[k].frequencyHz) || k + 1 == rows.size())
        return std::pair<std::size_t, Real>{k, 0};
    if (near(rows[k + 1].frequencyHz))
        return std::pair<std::size_t, Real>{k + 1, 0};
    const Real t = (f - rows[k].frequencyHz) / (rows[k + 1].frequencyHz - rows[k].frequencyHz);
    return std::pair<std::size_t, Real>{k, t};
}

} // namespace

DeviceRead ReadDeviceData(std::string_view bytes) {
    const SParameterParse parse = ParseSParameterFile(bytes, {});
    if (!parse.table)
        return {std::nullopt, {DeviceFault::NotParsed, {}, parse.error}};
    const NoiseConventions conventions = ConventionsOf(parse.table->headerLines);
    const bool optionLine = [&] {
        for (const std::string& line : parse.table->headerLines) {
            const WordViews words = SplitPrintableWords(std::string_view(line).substr(0, line.find('!')));
            if (words.count > 0 && words[0].starts_with("#"))
                return true;
        }
        return false;
    }();
    DeviceData data;
    data.referenceOhms = conventions.referenceOhms;
    for (std::size_t index = 0; index < parse.table->rows.size(); ++index) {
        const SParameterRow& row = parse.table->rows[index];
        const std::string frequencyText = CellText(*parse.table, index, 0);
        Real frequency = 0;
        if (!row.s11 || !row.s21 || !row.s12 || !row.s22 || !TryStrToFloat(frequencyText, frequency))
            return {std::nullopt, {DeviceFault::IncompleteRow, frequencyText}};
        // The table shows MHz once an option line is read; without one the file's own GHz.
        const Real hertz = RoundedHertz(frequency * (optionLine ? 1e6L : 1e9L));
        if (!data.rows.empty() && hertz <= data.rows.back().frequencyHz)
            return {std::nullopt, {DeviceFault::FallingFrequency, frequencyText}};
        data.rows.push_back(
            {hertz,
             {Rectangular(*row.s11), Rectangular(*row.s22), Rectangular(*row.s12), Rectangular(*row.s21)}});
    }
    if (data.rows.empty())
        return {std::nullopt, {DeviceFault::NoTwoPortData}};
    for (NoiseRow& row : NoiseRowsOf(bytes, conventions))
        if (data.noise.empty() || row.frequencyHz > data.noise.back().frequencyHz)
            data.noise.push_back(row);
    return {std::move(data), {}};
}

DeviceRead ReadDeviceFile(const std::string& path) {
    const std::optional<std::string> bytes = ReadFilePrefix(path, MaxSParameterFileBytes + 1);
    if (!bytes)
        return {std::nullopt, {DeviceFault::Unreadable, path}};
    if (bytes->size() > MaxSParameterFileBytes)
        return {std::nullopt, {DeviceFault::TooLarge, path}};
    return ReadDeviceData(*bytes);
}

std::optional<DevicePoint> DeviceAt(const DeviceData& data, Real frequencyHz) {
    const auto at = Bracket(data.rows, frequencyHz);
    if (!at)
        return std::nullopt;
    const auto [k, t] = *at;
    DevicePoint point;
    point.frequencyHz = frequencyHz;
    const SMatrix& a = data.rows[k].s;
    if (t == 0) {
        point.s = a;
    } else {
        const SMatrix& b = data.rows[k + 1].s;
        point.s = {Lerp(a.s11, b.s11, t), Lerp(a.s22, b.s22, t), Lerp(a.s12, b.s12, t),
                   Lerp(a.s21, b.s21, t)};
    }
    if (const auto n = Bracket(data.noise, frequencyHz)) {
        const auto [j, u] = *n;
        const NoiseParameters& p = data.noise[j].noise;
        if (u == 0) {
            point.noise = p;
        } else {
            const NoiseParameters& q = data.noise[j + 1].noise;
            point.noise = NoiseParameters{Lerp(p.minimumDb, q.minimumDb, u),
                                          Lerp(p.optimumReflection, q.optimumReflection, u),
                                          Lerp(p.resistanceOhms, q.resistanceOhms, u)};
        }
    }
    return point;
}

} // namespace qv
