#include "sparams/analysis/two_port_records.h"

#include "chart/analysis/readout_message.h"
#include "core/settings/settings_store.h"

namespace qv {

std::optional<ReceivedRow> DecodeReceivedRow(std::string_view bytes) {
    const std::optional<ReadoutMessage> message = DecodeReadoutMessage(bytes);
    if (!message)
        return std::nullopt;
    const auto field = [&](std::size_t i) { return GbkToUtf8(message->lines[i]); };
    ReceivedRow row;
    row.frequency = field(0);
    if (message->lineCount <= TwoPortRowMaxFields) {
        std::array<std::string, 8> fields;
        for (std::size_t i = 0; i < fields.size(); ++i)
            fields[i] = field(i + 1);
        row.fields = fields;
        row.polar = message->width == PolarRowMark;
        if (message->lineCount >= 13) {
            std::array<std::string, 4> noise;
            for (std::size_t i = 0; i < noise.size(); ++i)
                noise[i] = field(i + 9);
            row.noise = noise;
        }
    }
    return row;
}

StabilityCircles CircleRecord(const StabilityCircle& input, const StabilityCircle& output) {
    return {input.centre.magnitude,
            output.centre.magnitude,
            input.centre.angleDegrees,
            output.centre.angleDegrees,
            input.radius,
            output.radius};
}

} // namespace qv
