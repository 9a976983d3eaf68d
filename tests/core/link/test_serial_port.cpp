// The port number rule. The POSIX port itself (raw bytes both ways, time-outs,
// hang-ups, exclusive use, closing) is met by the transfer tests, which run it
// on a pseudo-terminal.
#include "link/serial_port.h"

#include <gtest/gtest.h>

namespace zem {
namespace {

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
