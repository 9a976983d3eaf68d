// The serial port on Windows: a COM device opened exclusively for
// synchronous I/O; the driver's communication time-outs bound every read.
// The port list carries the names Device Manager shows.
#include "link/serial_port.h"

#include "link/link_messages.h"

#include <windows.h>
#include <setupapi.h>

#include <cstdio>
#include <cwctype>
#include <map>

namespace zem {

namespace {

std::string SystemErrorText(DWORD error) {
    char text[256] = "";
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                             sizeof text, nullptr);
    while (n > 0 && (text[n - 1] == '\n' || text[n - 1] == '\r' || text[n - 1] == ' ')) text[--n] = '\0';
    if (n == 0) std::snprintf(text, sizeof text, "system error %lu", static_cast<unsigned long>(error));
    return text;
}

const char* const kPortClosed = ZEM_TRANSLATE_NOOP("zem::Link", "the port is closed");

Text NotSerialPort(const std::string& device) {
    return LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "%1: not a serial port"), {device});
}

DWORD Ms(std::chrono::milliseconds value) { return static_cast<DWORD>(value.count()); }

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                   nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

// The device setup class "Ports (COM & LPT)".
const GUID kPortsClass = {0x4d36e978, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};

// The number of a port name "COM1" to "COM99" in any case, 0 for others
// (printer ports share the setup class).
int ComNumber(std::wstring name) {
    for (wchar_t& c : name) c = static_cast<wchar_t>(std::towupper(c));
    std::string narrow(name.begin(), name.end());
    return name.size() == narrow.size() ? PortNumberForDevice(narrow) : 0;
}

// The names Device Manager shows for the ports present, by port number,
// e.g. 3 -> "USB Serial Port (COM3)".
std::map<int, std::string> DeviceManagerNames() {
    std::map<int, std::string> names;
    HDEVINFO set = SetupDiGetClassDevsW(&kPortsClass, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) return names;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, &device); ++i) {
        HKEY key = SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key == INVALID_HANDLE_VALUE) continue;
        wchar_t port[32] = {};
        DWORD size = sizeof port - sizeof port[0];  // room for the terminator the value may lack
        DWORD type = 0;
        LONG read = RegQueryValueExW(key, L"PortName", nullptr, &type, reinterpret_cast<BYTE*>(port), &size);
        RegCloseKey(key);
        int number = read == ERROR_SUCCESS && type == REG_SZ ? ComNumber(port) : 0;
        if (number == 0) continue;
        wchar_t name[256] = {};
        if (SetupDiGetDeviceRegistryPropertyW(set, &device, SPDRP_FRIENDLYNAME, nullptr, reinterpret_cast<BYTE*>(name),
                                              sizeof name - sizeof name[0], nullptr) ||
            SetupDiGetDeviceRegistryPropertyW(set, &device, SPDRP_DEVICEDESC, nullptr, reinterpret_cast<BYTE*>(name),
                                              sizeof name - sizeof name[0], nullptr)) {
            names[number] = Utf8(name);
        }
    }
    SetupDiDestroyDeviceInfoList(set);
    return names;
}

class Win32SerialPort final : public SerialPort {
public:
    explicit Win32SerialPort(HANDLE handle) : handle_(handle) {}
    ~Win32SerialPort() override { close(); }

    void purge(PurgeMask mask) override {
        // Only the receive side is emptied, so that stale bytes are never
        // taken for the answer to the next request. Clearing the transmit
        // queue would throw away bytes the program has just written and the
        // line has not sent yet: a block's 4-byte header takes 4.2 ms at
        // 9600 baud and is followed by a purge 1 ms later. With synchronous
        // I/O there is no transfer to abort, so both masks do the same.
        if (handle_ == INVALID_HANDLE_VALUE) return;
        DWORD flags = PURGE_RXCLEAR;
        if (mask == PurgeMask::AbortAndClear) flags |= PURGE_RXABORT;
        PurgeComm(handle_, flags);
    }

    bool write(const std::uint8_t* bytes, std::size_t count) override {
        if (handle_ == INVALID_HANDLE_VALUE) return fail(LinkText(kPortClosed));
        DWORD written = 0;
        if (!WriteFile(handle_, bytes, static_cast<DWORD>(count), &written, nullptr))
            return fail(LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "write failed: %1"), {SystemErrorText(GetLastError())}));
        return written == count || fail(LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "write timed out")));
    }

    ReadResult read(std::uint8_t* buffer, std::size_t count) override {
        ReadResult result;
        if (handle_ == INVALID_HANDLE_VALUE) {
            result.ok = fail(LinkText(kPortClosed));
            return result;
        }
        // The driver fills only what arrived; the rest of the buffer keeps
        // its contents.
        DWORD received = 0;
        if (!ReadFile(handle_, buffer, static_cast<DWORD>(count), &received, nullptr))
            result.ok = fail(LinkText(kMsgLineFailed, {SystemErrorText(GetLastError())}));
        result.count = received;
        return result;
    }

    std::size_t bytesWaiting() override {
        DWORD errors = 0;
        COMSTAT status{};
        if (handle_ == INVALID_HANDLE_VALUE || !ClearCommError(handle_, &errors, &status)) return 0;
        return status.cbInQue;
    }

    void close() override {
        if (handle_ == INVALID_HANDLE_VALUE) return;
        CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

    Text lastError() const override { return error_; }

private:
    bool fail(Text why) {
        error_ = std::move(why);
        return false;
    }

    HANDLE handle_;
    Text error_;
};

}  // namespace

std::string DeviceForPortNumber(int number) {
    if (number < 1 || number > 99) return {};
    // COM10 and above are reachable only through the device namespace.
    return (number <= 9 ? "COM" : "\\\\.\\COM") + std::to_string(number);
}

int PortNumberForDevice(const std::string& path) {
    std::string name = path.rfind("\\\\.\\", 0) == 0 ? path.substr(4) : path;
    if (name.size() < 4 || name.size() > 5 || name.compare(0, 3, "COM") != 0) return 0;
    if (name.find_first_not_of("0123456789", 3) != std::string::npos) return 0;
    int number = std::stoi(name.substr(3));
    return number >= 1 && number <= 99 ? number : 0;
}

OpenResult OpenSerialPort(const std::string& name, const PortTimeouts& timeouts) {
    OpenResult result;
    std::string device = DeviceForPortName(name);
    if (device.empty()) {
        result.error = OpenError::BadName;
        result.detail =
            LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "\"%1\" is neither a port number 1-99 nor a device path"), {name});
        return result;
    }
    // The wide name: a device path is UTF-8 like every other name.
    const std::wstring wide = Wide(device);
    // A folder would only answer "access denied", which reads like a port
    // held by another program.
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        result.error = OpenError::NotSerialPort;
        result.detail = NotSerialPort(device);
        return result;
    }
    HANDLE handle = CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE, 0 /* exclusive */, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            result.error = OpenError::NoSuchDevice;
            result.detail = LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "%1: no such device"), {device});
            break;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            // Windows answers "access denied" for a COM port another program holds.
            result.error = OpenError::InUse;
            result.detail = LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "%1: in use by another program"), {device});
            break;
        default:
            result.error = OpenError::Other;
            result.detail = Text::Joined({device, SystemErrorText(error)}, ": ");
        }
        return result;
    }
    // Only a communications device takes a line setting. A name that leads
    // to a file or another device is refused before a single byte goes
    // out: the wake-up bytes would overwrite the start of a file.
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    bool serial = GetCommState(handle, &dcb);
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.fParity = FALSE;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    serial = serial && SetCommState(handle, &dcb);
    if (!serial) {
        CloseHandle(handle);
        result.error = OpenError::NotSerialPort;
        result.detail = NotSerialPort(device);
        return result;
    }
    // The results of the other configuration calls are not examined: a port
    // that refuses them shows itself by the radio not answering.
    SetupComm(handle, 1024, 512);
    COMMTIMEOUTS t{};
    t.ReadIntervalTimeout = Ms(timeouts.readInterval);
    t.ReadTotalTimeoutMultiplier = Ms(timeouts.readTotalMultiplier);
    t.ReadTotalTimeoutConstant = Ms(timeouts.readTotalConstant);
    t.WriteTotalTimeoutMultiplier = Ms(timeouts.writeTotalMultiplier);
    t.WriteTotalTimeoutConstant = Ms(timeouts.writeTotalConstant);
    SetCommTimeouts(handle, &t);
    result.port = std::make_unique<Win32SerialPort>(handle);
    return result;
}

std::vector<PortInfo> ListSerialPorts() {
    // Every COM name the system knows, described by Device Manager's name
    // where the port has one (a USB cable does), else by the device behind
    // the name; ports Device Manager lists under another name are added.
    std::map<int, std::string> names = DeviceManagerNames();
    std::map<int, std::string> found;
    wchar_t target[512];
    for (int number = 1; number <= 99; ++number) {
        std::wstring name = L"COM" + std::to_wstring(number);
        if (QueryDosDeviceW(name.c_str(), target, sizeof target / sizeof target[0]) == 0) continue;
        auto named = names.find(number);
        found[number] = named != names.end() ? named->second : Utf8(target);
    }
    for (const auto& [number, name] : names) found.emplace(number, name);
    std::vector<PortInfo> ports;
    for (const auto& [number, description] : found) ports.push_back({number, DeviceForPortNumber(number), description});
    return ports;
}

}  // namespace zem
