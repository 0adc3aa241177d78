#include "sparams/sparameter_file_row.h"

#include "chart/readout_message.h"
#include "core/decimal.h"
#include "sparams/sparameter_file_words.h"

#include <charconv>
#include <cmath>

namespace qv {

namespace {

// The calculator reads plain decimals only: a cell shown in exponent form ("1.12202E-50") travels
// as the same number in fixed notation. A value whose fixed form would not fit a slot is beyond
// any S-parameter: its tiny magnitude travels as 0.
std::string PlainDecimal(const std::string& cell) {
    if (cell.find_first_of("eE") == std::string::npos)
        return cell;
    Real value = 0;
    if (!TryStrToFloat(cell, value))
        return cell;
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value), std::chars_format::fixed);
    const auto length = static_cast<std::size_t>(result.ptr - buffer);
    if (result.ec != std::errc() || length >= static_cast<std::size_t>(ReadoutSlotBytes))
        return std::fabs(value) < 1 ? "0" : cell;
    return std::string(buffer, length);
}

} // namespace

std::string TableRowMessage(const SParameterTable& table, std::size_t row) {
    const MakerLayout& layout = LayoutOfFormat(table.format);
    ReadoutMessage message;
    auto cell = [&](int column) { return PlainDecimal(CellText(table, row, column)); };
    int slot = 0;
    message.lines[static_cast<std::size_t>(slot++)] = cell(0);
    for (int magnitude : layout.magnitudeColumns) {
        message.lines[static_cast<std::size_t>(slot++)] = cell(magnitude);
        message.lines[static_cast<std::size_t>(slot++)] = cell(magnitude + 1);
    }
    message.lineCount = slot;
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
