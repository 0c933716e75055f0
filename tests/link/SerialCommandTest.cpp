#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "link/CSerialCommand.h"
#include "link/CSerialPort.h"
#include "link/CSerialPortAircon.h"

namespace {

CSerialCommand FrameOf(const std::vector<uint8_t>& bytes) {
    CSerialCommand frame;
    std::memcpy(frame.m_frame, bytes.data(), bytes.size());
    frame.m_length = static_cast<int32_t>(bytes.size());
    return frame;
}

// A sound response frame for `code` with `data`.
std::vector<uint8_t> Response(uint8_t code, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> f = {0x02, 0x01, static_cast<uint8_t>(data.size() + 1), code};
    f.insert(f.end(), data.begin(), data.end());
    uint32_t sum = 0;
    for (size_t i = 1; i < f.size(); ++i) {
        sum += f[i];
    }
    f.push_back(static_cast<uint8_t>(sum));
    f.push_back(0x03);
    return f;
}

std::vector<std::string> DumpLines(const uint8_t* data, int32_t count) {
    std::vector<std::string> lines;
    CSerialPort::HexDumpLines(
        data, count,
        [](void* context, const std::string& line) {
            static_cast<std::vector<std::string>*>(context)->push_back(line);
        },
        &lines);
    return lines;
}

} // namespace

TEST(SerialCommandTest, RequestsAreByteExact) {
    const std::vector<std::vector<uint8_t>> expected = {
        {0x02, 0x01, 0x01, 0x01, 0x03, 0x03},
        {0x02, 0x01, 0x01, 0x02, 0x04, 0x03},
        {0x02, 0x01, 0x01, 0x03, 0x05, 0x03},
        {0x02, 0x01, 0x01, 0x04, 0x06, 0x03},
    };
    for (uint8_t code = 1; code <= 4; ++code) {
        CSerialCommand frame;
        ASSERT_EQ(MakeCommand(code, frame), 6);
        EXPECT_EQ(std::vector<uint8_t>(frame.m_frame, frame.m_frame + 6), expected[code - 1]);
        EXPECT_EQ(frame.m_frame[6], 0) << "a frame is followed by a zero byte";
    }
}

TEST(SerialCommandTest, CodesOtherThanRequestsAreRefusedWithAZeroFrame) {
    for (int code : {0x00, 0x05, 0x21, 0x24, 0xFF}) {
        CSerialCommand frame;
        MakeCommand(0x01, frame); // leaves bytes behind that must be wiped
        EXPECT_EQ(MakeCommand(static_cast<uint8_t>(code), frame), 0);
        EXPECT_EQ(frame.m_length, 0);
        for (uint8_t b : frame.m_frame) {
            ASSERT_EQ(b, 0);
        }
    }
}

TEST(SerialCommandTest, LenTableCoversEveryCode) {
    for (int code = 0; code <= 0xFF; ++code) {
        uint8_t expected = 1;
        switch (code) {
        case 0x21:
            expected = 31;
            break;
        case 0x22:
            expected = 13;
            break;
        case 0x23:
            expected = 12;
            break;
        case 0x25:
            expected = 21;
            break;
        case 0x26:
            expected = 25;
            break;
        default:
            break;
        }
        EXPECT_EQ(CommandLen(static_cast<uint8_t>(code)), expected) << code;
    }
}

TEST(SerialCommandTest, AnalyzeResponseChecksInOrder) {
    const auto end = FrameOf({0x02, 0x01, 0x01, 0x24, 0x26, 0x03});
    EXPECT_EQ(AnalyzeResponse(end), 0x24);
    EXPECT_EQ(GetPayload(end), nullptr);

    EXPECT_EQ(AnalyzeResponse(FrameOf({0x03, 0x01, 0x01, 0x24, 0x26, 0x03})), kFrameBadStart);
    EXPECT_EQ(AnalyzeResponse(FrameOf({0x02, 0x00, 0x01, 0x24, 0x26, 0x03})), kFrameBadStart);
    EXPECT_EQ(AnalyzeResponse(FrameOf({0x02, 0x01, 0x01, 0x24, 0x27, 0x03})), kFrameBadChecksum);
    EXPECT_EQ(AnalyzeResponse(FrameOf({0x02, 0x01, 0x01, 0x24, 0x26, 0x04})), kFrameBadEnd);
    // checksum and end both wrong: the checksum decides
    EXPECT_EQ(AnalyzeResponse(FrameOf({0x02, 0x01, 0x01, 0x24, 0x00, 0x00})), kFrameBadChecksum);

    auto identity = Response(0x21, std::vector<uint8_t>(30, 0x11));
    identity[2] = 30;
    EXPECT_EQ(AnalyzeResponse(FrameOf(identity)), kFrameBadLen);
}

TEST(SerialCommandTest, PayloadOnlyForSoundRecordFrames) {
    for (auto [code, size] : std::vector<std::pair<uint8_t, size_t>>{
             {0x21, 30}, {0x22, 12}, {0x23, 11}, {0x25, 20}, {0x26, 24}}) {
        std::vector<uint8_t> data(size);
        for (size_t i = 0; i < size; ++i) {
            data[i] = static_cast<uint8_t>(i + 1);
        }
        const auto frame = FrameOf(Response(code, data));
        ASSERT_EQ(AnalyzeResponse(frame), code);
        const uint8_t* payload = GetPayload(frame);
        ASSERT_EQ(payload, frame.m_frame + 4);
        EXPECT_EQ(std::memcmp(payload, data.data(), size), 0);

        auto broken = frame;
        broken.m_frame[4] ^= 0xFF;
        EXPECT_EQ(GetPayload(broken), nullptr) << "checksum no longer fits";
    }
    // A code outside the table passes the frame checks with LEN 1 but has no record.
    const auto unknown = FrameOf(Response(0x27, {}));
    EXPECT_EQ(AnalyzeResponse(unknown), 0x27);
    EXPECT_EQ(GetPayload(unknown), nullptr);
}

TEST(SerialCommandTest, HexDumpLayout) {
    const uint8_t six[] = {0x02, 0x01, 0x01, 0x01, 0x02, 0x03};
    const auto lines = DumpLines(six, 6);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "\t\t          00 01 02 03 04 05 06 07  08 09 0A 0B 0C 0D 0E 0F");
    EXPECT_EQ(lines[1], "\t\t          ------------------------------------------------");
    const std::string expected =
        "\t\t00000000  02 01 01 01 02 03 " + std::string(33, ' ') + "......" + std::string(11, ' ');
    EXPECT_EQ(lines[2], expected);
    EXPECT_EQ(lines[2].size(), 80u);

    // Second row: offset in decimal, the gap before position 8 in both parts.
    std::vector<uint8_t> bytes(18);
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<uint8_t>('A' + i);
    }
    const auto two = DumpLines(bytes.data(), 18);
    ASSERT_EQ(two.size(), 4u);
    EXPECT_EQ(two[2], "\t\t00000000  41 42 43 44 45 46 47 48  49 4a 4b 4c 4d 4e 4f 50   ABCDEFGH "
                      "IJKLMNOP");
    EXPECT_EQ(two[3].substr(0, 18), "\t\t00000016  51 52 ");

    EXPECT_EQ(DumpLines(six, 0).size(), 2u);
    EXPECT_TRUE(DumpLines(nullptr, 6).empty());
}

TEST(SerialCommandTest, HexDumpDropsThePercentSign) {
    const uint8_t bytes[] = {0x41, 0x25, 0x42};
    const auto lines = DumpLines(bytes, 3);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[2].find("41 25 42 "), std::string::npos);
    EXPECT_EQ(lines[2].find('%'), std::string::npos);
    EXPECT_NE(lines[2].find(" AB "), std::string::npos);
    EXPECT_EQ(lines[2].size(), 79u);
}

TEST(SerialPortAirconTest, StoringRules) {
    CSerialPortAircon port("/nonexistent");
    std::vector<uint8_t> identity(30, 0);
    std::memcpy(identity.data(), "RAS-1", 5);
    identity[28] = 0x10;
    EXPECT_FALSE(port.StoreAirconInfo(identity.data())) << "all-zero MAC is no identity";
    EXPECT_EQ(port.AirconInfo().roomCode, 0);

    identity[27] = 0x01;
    EXPECT_TRUE(port.StoreAirconInfo(identity.data()));
    EXPECT_EQ(port.AirconInfo().macAddr[7], 0x01);
    EXPECT_EQ(port.AirconInfo().roomCode, 0x10);

    std::vector<uint8_t> settingsC(24, 1);
    port.StoreDriveInfoC(settingsC.data());
    EXPECT_EQ(settingsC[22], 0xFF) << "forced in the received frame too";
    EXPECT_EQ(port.DriveInfoC().remoconDisplayTime, 0xFF);
    EXPECT_EQ(port.DriveInfoC().dehumidificationMode, 1);

    PAYLOAD_MSG_RET_LOG log{};
    log.useTime = 7;
    EXPECT_TRUE(port.AddLogData(log));
    log.useTime = 8;
    EXPECT_TRUE(port.AddLogData(log));
    PAYLOAD_MSG_RET_LOG out{};
    ASSERT_TRUE(port.GetLogData(1, out));
    EXPECT_EQ(out.useTime, 8);
    EXPECT_FALSE(port.GetLogData(2, out));
    EXPECT_FALSE(port.GetLogData(-1, out));

    port.SetInUse(1);
    port.SetPortName("ttyACM0");
    EXPECT_EQ(port.InitCommunicationData(), 0);
    EXPECT_EQ(port.GetLogCount(), 0);
    EXPECT_EQ(port.DriveInfoC().volume, 0);
    EXPECT_EQ(port.AirconInfo().macAddr[7], 0x01) << "identity survives between runs";
    EXPECT_EQ(port.InUse(), 1);

    port.SetDevicePath("X");
    port.Reset();
    EXPECT_EQ(port.AirconInfo().macAddr[7], 0);
    EXPECT_EQ(port.InUse(), 0);
    EXPECT_TRUE(port.PortName().empty());
    EXPECT_TRUE(port.DevicePath().empty());
}
