#include "sparams/analysis/sparameter_file_row.h"

#include "chart/analysis/readout_message.h"
#include "sparams/analysis/sparameter_file_words.h"

namespace qv {

std::string TableRowMessage(const SParameterRow& row, int format) {
    const MakerLayout& layout = LayoutOfFormat(format);
    ReadoutMessage message;
    auto cell = [&](int column) {
        const auto index = static_cast<std::size_t>(column);
        return index < row.cells.size() ? row.cells[index] : std::string();
    };
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
