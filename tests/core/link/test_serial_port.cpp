// The POSIX serial port on a bare pseudo-terminal: raw bytes, partial
// reads, hang-ups, exclusive use, and the port number rule.
#include "link/serial_port.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace zem {
namespace {

// The other end of a pseudo-terminal, standing in for the radio.
class PtyPeer {
public:
    PtyPeer() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        EXPECT_GE(master_, 0);
        ::grantpt(master_);
        ::unlockpt(master_);
        device_ = ::ptsname(master_);
    }
    ~PtyPeer() { hangUp(); }
    const std::string& device() const { return device_; }
    void send(std::vector<std::uint8_t> bytes) { ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), (ssize_t)bytes.size()); }
    std::vector<std::uint8_t> receive(std::size_t count) {
        std::vector<std::uint8_t> bytes(count);
        std::size_t got = 0;
        while (got < count) {
            ssize_t n = ::read(master_, bytes.data() + got, count - got);
            if (n <= 0) break;
            got += static_cast<std::size_t>(n);
        }
        bytes.resize(got);
        return bytes;
    }
    void hangUp() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }

private:
    int master_ = -1;
    std::string device_;
};

const std::vector<std::uint8_t> kAwkward = {0x11, 0x13, 0x0D, 0x0A, 0x03, 0x04, 0x1A, 0x7F, 0x00, 0xFF, 0x08, 0x15};

TEST(SerialPort, LineIsRawInBothDirections) {
    PtyPeer peer;
    OpenResult opened = OpenSerialPort(peer.device(), ServiceTimeouts);
    ASSERT_TRUE(opened.port) << opened.detail;

    ASSERT_TRUE(opened.port->write(kAwkward.data(), kAwkward.size()));
    EXPECT_EQ(peer.receive(kAwkward.size()), kAwkward);

    peer.send(kAwkward);
    std::vector<std::uint8_t> got(kAwkward.size());
    ReadResult r = opened.port->read(got.data(), got.size());
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.count, kAwkward.size());
    EXPECT_EQ(got, kAwkward);
}

TEST(SerialPort, ShortReadReturnsTheCountAndLeavesTheRestOfTheBufferAlone) {
    PtyPeer peer;
    OpenResult opened = OpenSerialPort(peer.device(), ServiceTimeouts);
    ASSERT_TRUE(opened.port);

    peer.send({1, 2, 3, 4, 5});
    std::vector<std::uint8_t> buffer(12, 0x6D);
    ReadResult r = opened.port->read(buffer.data(), buffer.size());
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.count, 5u);
    EXPECT_EQ(buffer, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 0x6D, 0x6D, 0x6D, 0x6D, 0x6D, 0x6D, 0x6D}));

    // Silence is a time-out, not an error, and touches nothing.
    r = opened.port->read(buffer.data(), 1);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.count, 0u);
    EXPECT_EQ(buffer[0], 1);
}

TEST(SerialPort, HungUpLineIsAnErrorNotATimeOut) {
    PtyPeer peer;
    OpenResult opened = OpenSerialPort(peer.device(), CloneTimeouts);
    ASSERT_TRUE(opened.port);
    peer.hangUp();
    std::uint8_t byte = 0x6D;
    ReadResult r = opened.port->read(&byte, 1);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.count, 0u);
    EXPECT_EQ(byte, 0x6D);
    EXPECT_FALSE(opened.port->lastError().empty());
}

TEST(SerialPort, SecondOpenerIsRefusedUntilTheFirstCloses) {
    PtyPeer peer;
    OpenResult first = OpenSerialPort(peer.device(), CloneTimeouts);
    ASSERT_TRUE(first.port);
    OpenResult second = OpenSerialPort(peer.device(), CloneTimeouts);
    EXPECT_FALSE(second.port);
    EXPECT_EQ(second.error, OpenError::InUse);
    EXPECT_NE(second.detail.find("in use"), std::string::npos);

    first.port->close();
    first.port->close();  // closing twice is harmless
    EXPECT_TRUE(OpenSerialPort(peer.device(), CloneTimeouts).port);
}

TEST(PortNames, NumbersMapByTheFixedRuleAndPathsPassThrough) {
    struct Case {
        const char* name;
        const char* device;
    };
    for (const Case& c : {Case{"1", "/dev/ttyS0"}, Case{"32", "/dev/ttyS31"}, Case{"33", "/dev/ttyUSB0"},
                          Case{"64", "/dev/ttyUSB31"}, Case{"65", "/dev/ttyACM0"}, Case{"96", "/dev/ttyACM31"},
                          Case{"COM34", "/dev/ttyUSB1"}, Case{"97", ""}, Case{"0", ""}, Case{"100", ""},
                          Case{"007", ""}, Case{"1x", ""}, Case{"", ""}, Case{"ttyUSB0", ""},
                          Case{"/dev/cu.usbserial-1410", "/dev/cu.usbserial-1410"}, Case{"./radio", "./radio"}}) {
        EXPECT_EQ(DeviceForPortName(c.name), c.device) << c.name;
        if (*c.device && std::string(c.name).find('/') == std::string::npos) {
            EXPECT_EQ(DeviceForPortNumber(PortNumberForDevice(c.device)), c.device);
        }
    }
    EXPECT_EQ(PortNumberForDevice("/dev/ttyUSB32"), 0);
    EXPECT_EQ(PortNumberForDevice("/dev/pts/3"), 0);
}

}  // namespace
}  // namespace zem
