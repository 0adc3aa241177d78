#include "matching/model/network_file.h"

#include "core/numbers/extended_codec.h"
#include "core/settings/atomic_file.h"
#include "matching/model/match_node_codec.h"
#include "support/test_paths.h"

#include <array>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

namespace qv {
namespace {

std::string Slice(const std::string& bytes, std::size_t offset, std::size_t size) {
    return bytes.substr(offset, size);
}

std::string Ext(Real value) {
    const ExtendedBytes b = EncodeExtended(value);
    return std::string(b.begin(), b.end());
}

std::string Int32(std::int32_t value) {
    std::string out(4, '\0');
    for (int i = 0; i < 4; ++i)
        out[static_cast<std::size_t>(i)] = static_cast<char>(static_cast<std::uint32_t>(value) >> (8 * i));
    return out;
}

using test::ReadBytes;
using test::WriteBytes;

class NetworkFile : public ::testing::Test {
protected:
    void SetUp() override {
        WritableNetwork(state).Fo = 433.92e6L;
        WritableNetwork(state).Zo = 75;
        WritableNetwork(state).network[0].sourceR = 75;
        WritableNetwork(state).network[0].nodeR = 75;
    }

    // What a load may change, as bytes, to check it did not: the count, Fo, Zo and slots 0..last.
    std::string snapshot(int last = LastMatchSlot) const {
        return EncodeNetworkFile(state.network, last, state.Fo, state.Zo) + Int32(state.NodeCount);
    }

    test::TempDir dir;
    std::string path = dir.file("net.smh");
    ProgramState state{dir.path()};
};

TEST(MatchNodeCodec, FieldsSitAtTheirOffsets) {
    MatchNode node;
    node.kind = SeriesMicrostripLine;
    node.sourceR = 1.5L;
    node.sourceX = -2.25L;
    node.nodeR = 0.125L;
    node.nodeX = 3;
    std::memcpy(node.label.data(), "W:1/L:2", 8);
    node.strip = {1e9L, 1e-3L, 2e-3L, 3e-3L, 4.4L, 5e-3L};
    node.R = 10;
    node.value = -20;
    std::array<std::uint8_t, MatchNodeBytes> out{};
    EncodeMatchNode(node, out.data());
    const std::string bytes(out.begin(), out.end());
    EXPECT_EQ(Slice(bytes, 0, 4), Int32(0));
    EXPECT_EQ(Slice(bytes, 4, 4), Int32(5));
    EXPECT_EQ(Slice(bytes, 8, 10), Ext(1.5L));
    EXPECT_EQ(Slice(bytes, 24, 10), Ext(-2.25L));
    EXPECT_EQ(Slice(bytes, 40, 10), Ext(0.125L));
    EXPECT_EQ(Slice(bytes, 56, 10), Ext(3));
    EXPECT_EQ(Slice(bytes, 72, 8), std::string("W:1/L:2\0", 8));
    EXPECT_EQ(Slice(bytes, 96, 10), Ext(1e9L));
    EXPECT_EQ(Slice(bytes, 112, 10), Ext(1e-3L));
    EXPECT_EQ(Slice(bytes, 122, 10), Ext(2e-3L));
    EXPECT_EQ(Slice(bytes, 132, 10), Ext(3e-3L));
    EXPECT_EQ(Slice(bytes, 142, 10), Ext(4.4L));
    EXPECT_EQ(Slice(bytes, 152, 10), Ext(5e-3L));
    EXPECT_EQ(Slice(bytes, 184, 10), Ext(10));
    EXPECT_EQ(Slice(bytes, 200, 10), Ext(-20));
    // 1.5 is mantissa 0xC000000000000000, exponent 0x3FFF.
    EXPECT_EQ(Slice(bytes, 8, 10), std::string("\0\0\0\0\0\0\0\xC0\xFF\x3F", 10));
}

TEST(MatchNodeCodec, DecodedRecordEncodesToTheSameBytes) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::array<std::uint8_t, MatchNodeBytes> in{};
        for (auto& b : in)
            b = static_cast<std::uint8_t>(random());
        std::array<std::uint8_t, MatchNodeBytes> out{};
        EncodeMatchNode(DecodeMatchNode(in.data()), out.data());
        ASSERT_EQ(in, out) << round; // NaN payloads and unnormals included
    }
}

TEST(MatchNodeCodec, ChangedFieldReplacesOnlyItsBytes) {
    std::array<std::uint8_t, MatchNodeBytes> in{};
    in.fill(0x5A);
    MatchNode node = DecodeMatchNode(in.data());
    node.nodeR = 2;
    std::array<std::uint8_t, MatchNodeBytes> out{};
    EncodeMatchNode(node, out.data());
    for (std::size_t i = 0; i < MatchNodeBytes; ++i) {
        if (i >= 40 && i < 50)
            continue;
        EXPECT_EQ(out[i], 0x5A) << i;
    }
    EXPECT_EQ(DecodeExtended(out.data() + 40), 2);
}

TEST_F(NetworkFile, EmptyNetworkIs256Bytes) {
    ASSERT_TRUE(SaveNetworkFile(state, path));
    const std::string bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 256u);
    EXPECT_EQ(Slice(bytes, 0, 4), Int32(0));
    EXPECT_EQ(Slice(bytes, 4 + 8, 10), Ext(75)); // slot 0's source resistance: Zo in ohms
    EXPECT_EQ(Slice(bytes, 236, 10), Ext(433.92e6L));
    EXPECT_EQ(Slice(bytes, 246, 10), Ext(75));
}

TEST_F(NetworkFile, ThreeElementsAre1184BytesWithFoAt1164) {
    WritableNetwork(state).NodeCount = 4;
    ASSERT_TRUE(SaveNetworkFile(state, path));
    const std::string bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 1184u);
    EXPECT_EQ(NetworkFileBytes(4), 1184);
    EXPECT_EQ(Slice(bytes, 1164, 10), Ext(433.92e6L));
    EXPECT_EQ(Slice(bytes, 1174, 10), Ext(75));
}

TEST_F(NetworkFile, SaveThenLoadRestoresEverySlotByteForByte) {
    std::mt19937 random(11);
    const int n = 37;
    std::string image = Int32(n);
    for (int slot = 0; slot <= n; ++slot) {
        std::array<std::uint8_t, MatchNodeBytes> record{};
        for (auto& b : record)
            b = static_cast<std::uint8_t>(random());
        image.append(record.begin(), record.end());
    }
    image += Ext(1.2345e9L) + Ext(50);
    WriteBytes(path, image);

    ASSERT_TRUE(LoadNetworkFile(WritableNetwork(state), path));
    EXPECT_EQ(state.NodeCount, n);
    EXPECT_EQ(state.Fo, 1.2345e9L);
    EXPECT_EQ(state.Zo, 50);
    const std::string copy = dir.file("copy.smh");
    ASSERT_TRUE(SaveNetworkFile(state, copy));
    EXPECT_EQ(ReadBytes(copy), image);

    ProgramState other{dir.path()};
    ASSERT_TRUE(LoadNetworkFile(WritableNetwork(other), copy));
    EXPECT_EQ(EncodeNetworkFile(other.network, n, other.Fo, other.Zo), image);
}

TEST_F(NetworkFile, LoadKeepsTheSlotsAfterTheCount) {
    WritableNetwork(state).network[3].nodeR = 42;
    ProgramState saved{dir.path()};
    WritableNetwork(saved).NodeCount = 2;
    ASSERT_TRUE(SaveNetworkFile(saved, path));
    ASSERT_TRUE(LoadNetworkFile(WritableNetwork(state), path));
    EXPECT_EQ(state.NodeCount, 2);
    EXPECT_EQ(state.network[3].nodeR, 42);
}

TEST_F(NetworkFile, BytesAfterTheFormatAreIgnoredAndNotWrittenBack) {
    WritableNetwork(state).NodeCount = 1;
    ASSERT_TRUE(SaveNetworkFile(state, path));
    WriteBytes(path, ReadBytes(path) + "trailing junk");
    ASSERT_TRUE(LoadNetworkFile(WritableNetwork(state), path));
    ASSERT_TRUE(SaveNetworkFile(state, path));
    EXPECT_EQ(ReadBytes(path).size(), static_cast<std::size_t>(NetworkFileBytes(1)));
}

TEST_F(NetworkFile, HostileCountsAreRefusedAndChangeNothing) {
    WritableNetwork(state).NodeCount = 3;
    WritableNetwork(state).network[2].nodeX = -0.5L;
    const std::string before = snapshot();
    const std::string body(static_cast<std::size_t>(NetworkFileBytes(LastMatchSlot)), '\0');
    for (std::int32_t count : {-1, 501, 2147483647, -2147483647 - 1}) {
        WriteBytes(path, Int32(count) + body);
        const FileOutcome outcome = LoadNetworkFile(WritableNetwork(state), path);
        EXPECT_FALSE(outcome) << count;
        EXPECT_FALSE(outcome.reason().empty());
        EXPECT_EQ(snapshot(), before) << count;
    }
}

TEST_F(NetworkFile, TruncatedFilesAreRefusedAtEveryLength) {
    ProgramState saved{dir.path()};
    WritableNetwork(saved).NodeCount = 4;
    WritableNetwork(saved).Zo = 60;
    WritableNetwork(saved).network[4].nodeR = 9;
    const std::string whole = EncodeNetworkFile(saved.network, 4, saved.Fo, saved.Zo);
    WritableNetwork(state).NodeCount = 2;
    const std::string before = snapshot(4);
    for (std::size_t length = 0; length < whole.size(); ++length) {
        WriteBytes(path, whole.substr(0, length));
        ASSERT_FALSE(LoadNetworkFile(WritableNetwork(state), path)) << length;
        ASSERT_EQ(snapshot(4), before) << length;
    }
    WriteBytes(path, whole);
    EXPECT_TRUE(LoadNetworkFile(WritableNetwork(state), path));
    EXPECT_EQ(state.network[4].nodeR, 9);
}

TEST_F(NetworkFile, ReferenceImpedanceMustBeFiniteAndPositive) {
    const std::string before = snapshot();
    const std::string head = EncodeNetworkFile(state.network, 0, state.Fo, 1).substr(0, 246);
    for (Real zo : {Real{0}, Real{-50}, std::numeric_limits<Real>::infinity(),
                    std::numeric_limits<Real>::quiet_NaN(), std::numeric_limits<Real>::denorm_min()}) {
        WriteBytes(path, head + Ext(zo));
        EXPECT_FALSE(LoadNetworkFile(WritableNetwork(state), path)) << static_cast<double>(zo);
        EXPECT_EQ(snapshot(), before);
    }
    // Fo as setfre takes it: a positive number that para.ini can store (no subnormal).
    for (Real fo : {Real{0}, Real{-554e6L}, std::numeric_limits<Real>::quiet_NaN(),
                    std::numeric_limits<Real>::infinity(), std::numeric_limits<Real>::denorm_min() * 3}) {
        WriteBytes(path, EncodeNetworkFile(state.network, 0, fo, 50));
        const FileOutcome outcome = LoadNetworkFile(WritableNetwork(state), path);
        EXPECT_FALSE(outcome) << static_cast<double>(fo);
        EXPECT_EQ(outcome.reason(), "网络文件的频率不是可用的正数");
        EXPECT_EQ(snapshot(), before);
    }
}

TEST_F(NetworkFile, APipeIsRefusedWithoutWaitingForAWriter) {
    const std::string pipe = dir.file("pipe.smh");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string before = snapshot();
    const FileOutcome outcome = LoadNetworkFile(WritableNetwork(state), pipe);
    EXPECT_FALSE(outcome);
    EXPECT_NE(outcome.reason().find("不是普通文件"), std::string::npos);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(NetworkFile, RandomBytesNeverCrashAndChangeNothingWhenRefused) {
    std::mt19937 random(3);
    for (int round = 0; round < 300; ++round) {
        std::string bytes(random() % 3000, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        // Now and then a count the format allows, so decoding goes past the header.
        if (round % 3 == 0 && bytes.size() >= 4)
            bytes.replace(0, 4, Int32(static_cast<std::int32_t>(random() % 12)));
        WriteBytes(path, bytes);
        const std::string before = snapshot();
        const FileOutcome outcome = LoadNetworkFile(WritableNetwork(state), path);
        if (!outcome) {
            ASSERT_EQ(snapshot(), before) << round;
        } else {
            ASSERT_GE(state.NodeCount, 0);
            ASSERT_LE(state.NodeCount, LastMatchSlot);
            ASSERT_GT(state.Zo, 0);
        }
    }
}

TEST_F(NetworkFile, MissingFileIsAFailure) {
    const std::string before = snapshot();
    EXPECT_FALSE(LoadNetworkFile(WritableNetwork(state), dir.file("none.smh")));
    EXPECT_FALSE(LoadNetworkFile(WritableNetwork(state), dir.path()));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(NetworkFile, FailedSaveIsReportedAndCreatesNothing) {
    const std::string nowhere = dir.file("missing/net.smh");
    const FileOutcome outcome = SaveNetworkFile(state, nowhere);
    EXPECT_FALSE(outcome);
    EXPECT_FALSE(outcome.reason().empty());
    EXPECT_FALSE(ReadWholeFile(nowhere).has_value());
}

TEST_F(NetworkFile, SaveReplacesALongerFileWhole) {
    WriteBytes(path, std::string(5000, 'x'));
    ASSERT_TRUE(SaveNetworkFile(state, path));
    EXPECT_EQ(ReadBytes(path), EncodeNetworkFile(state.network, 0, state.Fo, state.Zo));
}

} // namespace
} // namespace qv
