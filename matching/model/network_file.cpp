#include "matching/model/network_file.h"

#include "core/numbers/engineering.h"
#include "core/numbers/extended_codec.h"
#include "core/settings/atomic_file.h"
#include "matching/model/match_node_codec.h"
#include "matching/model/network_texts.h"
#include "ui/file_failure_text.h"

#include <cmath>
#include <memory>
#include <stdexcept>

namespace qv {

namespace {

const std::uint8_t* Bytes(std::string_view text) {
    return reinterpret_cast<const std::uint8_t*>(text.data());
}
std::uint8_t* Bytes(std::string& text) {
    return reinterpret_cast<std::uint8_t*>(text.data());
}

long long SlotsEnd(int n) {
    return NetworkFileHeaderBytes + static_cast<long long>(MatchNodeBytes) * (n + 1);
}

} // namespace

std::string EncodeNetworkFile(const MatchNetwork& network, int nodeCount, Real Fo, Real Zo) {
    if (nodeCount < 0 || nodeCount > LastMatchSlot)
        throw FileFormatError("node count outside 0..500");
    std::string bytes(static_cast<std::size_t>(NetworkFileBytes(nodeCount)), '\0');
    std::uint8_t* out = Bytes(bytes);
    const auto count = static_cast<std::uint32_t>(nodeCount);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(count >> (8 * i));
    for (int slot = 0; slot <= nodeCount; ++slot)
        EncodeMatchNode(network[slot], out + NetworkFileHeaderBytes + MatchNodeBytes * slot);
    const ExtendedBytes fo = EncodeExtended(Fo);
    const ExtendedBytes zo = EncodeExtended(Zo);
    const long long end = SlotsEnd(nodeCount);
    std::copy(fo.begin(), fo.end(), out + end);
    std::copy(zo.begin(), zo.end(), out + end + 10);
    return bytes;
}

NetworkDecode DecodeNetworkFile(std::string_view bytes) {
    if (bytes.size() < static_cast<std::size_t>(NetworkFileHeaderBytes))
        return NetworkDecode::Refused(NetworkText::tr("网络文件太短").toStdString());
    const std::uint8_t* in = Bytes(bytes);
    std::uint32_t count = 0;
    for (int i = 0; i < 4; ++i)
        count |= std::uint32_t{in[i]} << (8 * i);
    const auto n = static_cast<std::int32_t>(count);
    if (n < 0 || n > LastMatchSlot)
        return NetworkDecode::Refused(NetworkText::tr("网络文件的节点数不在0..500之间").toStdString());
    if (static_cast<long long>(bytes.size()) < NetworkFileBytes(n))
        return NetworkDecode::Refused(NetworkText::tr("网络文件比它的节点数所需的短").toStdString());

    NetworkImage image;
    image.nodeCount = n;
    image.records.reserve(static_cast<std::size_t>(n) + 1);
    for (int slot = 0; slot <= n; ++slot)
        image.records.push_back(DecodeMatchNode(in + NetworkFileHeaderBytes + MatchNodeBytes * slot));
    const long long end = SlotsEnd(n);
    image.Fo = DecodeExtended(in + end);
    image.Zo = DecodeExtended(in + end + 10);
    // setfre refuses the same values: every lumped reactance is taken at Fo.
    if (!IsUsablePositive(image.Fo))
        return NetworkDecode::Refused(NetworkText::tr("网络文件的频率不是可用的正数").toStdString());
    // Every normalisation divides by Zo.
    if (!IsUsablePositive(image.Zo))
        return NetworkDecode::Refused(NetworkText::tr("网络文件的特征阻抗不是可用的正数").toStdString());
    return image;
}

FileOutcome SaveNetworkFile(const ProgramState& state, const std::string& fileName) {
    if (state.NodeCount < 0 || state.NodeCount > LastMatchSlot)
        return FileOutcome::Refused(NetworkText::tr("节点数不在0..500之间,网络没有保存").toStdString());
    FileFailure failure;
    if (!WriteFileAtomically(fileName, EncodeNetworkFile(state.network, state.NodeCount, state.Fo, state.Zo),
                             &failure))
        return FileOutcome::Refused(FileFailureLine(failure).toStdString());
    return {};
}

FileOutcome LoadNetworkFile(NetworkState& state, const std::string& fileName) {
    // What follows the largest network file is no part of the format, however long the file is.
    FileFailure failure;
    const std::optional<std::string> bytes =
        ReadFilePrefix(fileName, static_cast<std::size_t>(NetworkFileBytes(LastMatchSlot)), &failure);
    if (!bytes)
        return FileOutcome::Refused(FileFailureLine(failure).toStdString());
    const NetworkDecode decoded = DecodeNetworkFile(*bytes);
    if (!decoded)
        return FileOutcome::Refused(decoded.reason());
    const NetworkImage& image = *decoded;
    for (int slot = 0; slot <= image.nodeCount; ++slot)
        state.network[slot] = image.records[static_cast<std::size_t>(slot)];
    state.NodeCount = image.nodeCount;
    state.Fo = image.Fo;
    state.Zo = image.Zo;
    return {};
}

Refusable<SweepNetwork> ReadSweepNetwork(const std::string& fileName, int effflag, const PartsModel& parts) {
    // Five hundred slots: too large for the stack.
    const auto state = std::make_unique<NetworkState>();
    const FileOutcome read = LoadNetworkFile(*state, fileName);
    if (!read)
        return Refusable<SweepNetwork>::Refused(read.reason());
    state->effflag = effflag;
    state->parts = parts;
    return SweepNetworkOf(*state);
}

} // namespace qv
