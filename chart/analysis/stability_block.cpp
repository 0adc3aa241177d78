#include "chart/analysis/stability_block.h"

#include "core/numbers/extended_codec.h"

#include <cstring>

namespace qv {

std::string EncodeStabilityBlock(const StabilityCircles& c) {
    std::string out;
    for (const Real value : {c.inputCentreMagnitude, c.outputCentreMagnitude, c.inputCentreAngle,
                             c.outputCentreAngle, c.inputRadius, c.outputRadius}) {
        const ExtendedBytes bytes = EncodeExtended(value);
        out.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    return out;
}

std::optional<StabilityCircles> DecodeStabilityBlock(std::string_view bytes) {
    if (bytes.size() < static_cast<std::size_t>(StabilityBlockBytes))
        return std::nullopt;
    const auto at = [&](int offset) {
        return DecodeExtended(reinterpret_cast<const std::uint8_t*>(bytes.data()) + offset);
    };
    return StabilityCircles{at(0), at(10), at(20), at(30), at(40), at(50)};
}

} // namespace qv
