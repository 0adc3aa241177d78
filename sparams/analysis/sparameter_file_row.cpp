#include "sparams/analysis/sparameter_file_row.h"

#include "chart/analysis/readout_message.h"
#include "core/numbers/decimal.h"
#include "sparams/analysis/sparameter_file_words.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace qv {

std::string ExactDecimalText(Real value) {
    if (value == 0 || !std::isfinite(value))
        return "0";
    // 21 significant digits read back to the same extended value.
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::clamp(20 - exponent, 0, 60);
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, value);
    std::string text(buffer);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

std::string TableRowMessage(const SParameterTable& table, std::size_t rowIndex,
                            const std::optional<NoiseParameters>& noise) {
    const MakerLayout& layout = LayoutOfFormat(table.format);
    const SParameterRow& row = table.rows[rowIndex];
    ReadoutMessage message;
    auto cell = [&](int column) { return CellText(table, rowIndex, column); };
    // The cell as it stands when it is a plain decimal that reads back to the value, else the
    // value in full. The file's numbers are read as doubles, so a cell that gives the same double
    // is the value itself. The calculator reads no exponents.
    auto exact = [&](int column, std::optional<Real> value) {
        std::string text = cell(column);
        Real shown = 0;
        const bool plain = text.find_first_of("eE") == std::string::npos;
        if (value && !(plain && TryStrToFloat(text, shown) &&
                       static_cast<double>(shown) == static_cast<double>(*value)))
            text = ExactDecimalText(*value);
        return text;
    };
    const std::array<const std::optional<PolarValue>*, 4> values = {&row.s11, &row.s21, &row.s12, &row.s22};
    int slot = 0;
    message.lines[static_cast<std::size_t>(slot++)] = cell(0);
    for (std::size_t k = 0; k < values.size(); ++k) {
        const int magnitude = layout.magnitudeColumns[k];
        const std::optional<PolarValue>& value = *values[k];
        message.lines[static_cast<std::size_t>(slot++)] =
            exact(magnitude, value ? std::optional(value->magnitude) : std::nullopt);
        message.lines[static_cast<std::size_t>(slot++)] =
            exact(magnitude + 1, value ? std::optional(value->angleDegrees) : std::nullopt);
    }
    if (noise) {
        const MagnitudeAngle optimum = PolarOf(noise->optimumReflection);
        for (const Real v :
             {noise->minimumDb, optimum.magnitude, optimum.angleDegrees, noise->resistanceOhms})
            message.lines[static_cast<std::size_t>(slot++)] = ExactDecimalText(v);
    }
    message.lineCount = slot;
    message.width = PolarRowMark;
    return EncodeReadoutMessage(message);
}

std::string InputLineMessage(std::string_view line) {
    const Tokens words = SplitWords(line, 0);
    ReadoutMessage message;
    for (int k = 0; k < words.count; ++k)
        message.lines[static_cast<std::size_t>(k)] = words[k];
    message.lineCount = words.count;
    return EncodeReadoutMessage(message);
}

} // namespace qv
