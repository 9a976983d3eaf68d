// The port number rule. The POSIX port itself (raw bytes both ways, time-outs,
// hang-ups, exclusive use, closing) is met by the transfer tests, which run it
// on a pseudo-terminal.
#include "link/serial_port.h"

#include <gtest/gtest.h>

namespace zem {
namespace {

#ifdef _WIN32
TEST(PortNames, NumbersMapToComDevicesAndPathsPassThrough) {
    using Case = std::pair<const char*, const char*>;  // the name given, its device (empty: refused)
    for (const auto& [name, device] :
         {Case{"1", "COM1"}, Case{"9", "COM9"}, Case{"10", "\\\\.\\COM10"}, Case{"99", "\\\\.\\COM99"},
          Case{"COM12", "\\\\.\\COM12"}, Case{"com3", "COM3"}, Case{"0", ""}, Case{"100", ""}, Case{"007", ""},
          Case{"1x", ""}, Case{"", ""}, Case{"\\\\.\\CNCA0", "\\\\.\\CNCA0"}}) {
        EXPECT_EQ(DeviceForPortName(name), device) << name;
    }
    for (int number : {1, 9, 10, 99}) EXPECT_EQ(PortNumberForDevice(DeviceForPortNumber(number)), number);
    EXPECT_EQ(PortNumberForDevice("COM100"), 0);
    EXPECT_EQ(PortNumberForDevice("\\\\.\\CNCA0"), 0);
}

TEST(PortList, ListsEveryComPortOnceInNumberOrder) {
    const std::vector<PortInfo> ports = ListSerialPorts();
    for (std::size_t i = 0; i < ports.size(); ++i) {
        EXPECT_EQ(ports[i].device, DeviceForPortNumber(ports[i].number));
        EXPECT_FALSE(ports[i].description.empty()) << ports[i].device;
        if (i > 0) { EXPECT_LT(ports[i - 1].number, ports[i].number); }
    }
}
#else
TEST(PortNames, NumbersMapByTheFixedRuleAndPathsPassThrough) {
    using Case = std::pair<const char*, const char*>;  // the name given, its device (empty: refused)
    for (const auto& [name, device] :
         {Case{"1", "/dev/ttyS0"}, Case{"32", "/dev/ttyS31"}, Case{"33", "/dev/ttyUSB0"}, Case{"64", "/dev/ttyUSB31"},
          Case{"65", "/dev/ttyACM0"}, Case{"96", "/dev/ttyACM31"}, Case{"COM34", "/dev/ttyUSB1"}, Case{"97", ""},
          Case{"0", ""}, Case{"100", ""}, Case{"007", ""}, Case{"1x", ""}, Case{"", ""}, Case{"ttyUSB0", ""},
          Case{"/dev/cu.usbserial-1410", "/dev/cu.usbserial-1410"}, Case{"./radio", "./radio"}}) {
        EXPECT_EQ(DeviceForPortName(name), device) << name;
        if (*device && std::string(name).find('/') == std::string::npos) {
            EXPECT_EQ(DeviceForPortNumber(PortNumberForDevice(device)), device);
        }
    }
    EXPECT_EQ(PortNumberForDevice("/dev/ttyUSB32"), 0);
    EXPECT_EQ(PortNumberForDevice("/dev/pts/3"), 0);
}
#endif

}  // namespace
}  // namespace zem
