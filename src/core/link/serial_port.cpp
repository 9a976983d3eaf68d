#include "link/serial_port.h"

#include <cctype>

namespace zem {

using std::chrono::milliseconds;

const PortTimeouts CloneTimeouts{milliseconds(800), milliseconds(500), milliseconds(520), milliseconds(120),
                                 milliseconds(800)};
const PortTimeouts ServiceTimeouts{milliseconds(80), milliseconds(500), milliseconds(120), milliseconds(120),
                                   milliseconds(80)};

namespace {

// A port number written as plain decimal digits, 1-99; 0 for anything else.
int ParsePortNumber(const std::string& name) {
    std::string digits = name;
    if (digits.size() > 3 && (digits.compare(0, 3, "COM") == 0 || digits.compare(0, 3, "com") == 0))
        digits = digits.substr(3);
    if (digits.empty() || digits.size() > 2) return 0;
    for (char c : digits)
        if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
    int number = std::stoi(digits);
    return number >= 1 && number <= 99 ? number : 0;
}

}  // namespace

std::string DeviceForPortName(const std::string& name) {
    if (int number = ParsePortNumber(name)) return DeviceForPortNumber(number);
    // Anything else that names a device is taken as it is.
    if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos) return name;
    return {};
}

}  // namespace zem
