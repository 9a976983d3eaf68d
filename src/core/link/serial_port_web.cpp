// The serial port of the browser edition: the cable the user granted to the
// page through the Web Serial interface. The page's script (globalThis.zemSerial)
// owns the SerialPort object and its streams; the calls here wait on its
// promises through Asyncify, so the clone protocol above runs unchanged, with
// the same time-outs as on the desktop.
#include "link/serial_port.h"

#include "link/link_messages.h"
#include "translate.h"

#include <emscripten.h>

#include <memory>
#include <string>
#include <vector>

namespace zem {

namespace {

// Opens the port the page chose; 0 when done, else the reason in the page's
// last error.
EM_ASYNC_JS(int, zem_serial_open, (), { return await globalThis.zemSerial.open(); });

// Drops what has arrived and not been read yet.
EM_JS(void, zem_serial_purge, (), { globalThis.zemSerial.purge(); });

// How many bytes have arrived and not been read yet.
EM_JS(int, zem_serial_waiting, (), { return globalThis.zemSerial.waiting(); });

// 1 when the bytes went to the line.
EM_ASYNC_JS(int, zem_serial_write, (const std::uint8_t* bytes, int count), {
    const data = HEAPU8.slice(bytes, bytes + count);
    return (await globalThis.zemSerial.write(data)) ? 1 : 0;
});

// Waits for count bytes with the port's time-outs and copies what came into
// buffer. Returns the count, or -(count + 1) when the line failed.
EM_ASYNC_JS(int, zem_serial_read, (std::uint8_t* buffer, int count, int totalMs, int intervalMs), {
    const got = await globalThis.zemSerial.read(count, totalMs, intervalMs);
    HEAPU8.set(got.bytes, buffer);
    return got.ok ? got.bytes.length : -got.bytes.length - 1;
});

EM_ASYNC_JS(void, zem_serial_close, (), { await globalThis.zemSerial.close(); });

// Why the last call failed, in the user's words: the page's own text when
// no port was chosen, else the browser's.
EM_JS(void, zem_serial_error, (char* buffer, int size),
      { stringToUTF8(globalThis.zemSerial.lastError || "", buffer, size); });

Text LastError() {
    static const char* const kNoPortChosen = ZEM_TRANSLATE_NOOP("zem::Link", "no serial port was chosen");
    char text[256] = {};
    zem_serial_error(text, static_cast<int>(sizeof text));
    return text == std::string(kNoPortChosen) ? LinkText(kNoPortChosen) : Text(text);
}

class WebSerialPort final : public SerialPort {
public:
    explicit WebSerialPort(const PortTimeouts& timeouts) : timeouts_(timeouts) {}
    ~WebSerialPort() override { close(); }

    void purge(PurgeMask) override { zem_serial_purge(); }

    bool write(const std::uint8_t* bytes, std::size_t count) override {
        if (closed_) return false;
        return zem_serial_write(bytes, static_cast<int>(count)) == 1;
    }

    ReadResult read(std::uint8_t* buffer, std::size_t count) override {
        ReadResult result;
        if (closed_) {
            result.ok = false;
            return result;
        }
        const int got = zem_serial_read(buffer, static_cast<int>(count),
                                        static_cast<int>(timeouts_.readTotal(count).count()),
                                        static_cast<int>(timeouts_.readInterval.count()));
        result.ok = got >= 0;
        result.count = static_cast<std::size_t>(got >= 0 ? got : -got - 1);
        return result;
    }

    std::size_t bytesWaiting() override { return closed_ ? 0 : static_cast<std::size_t>(zem_serial_waiting()); }

    void close() override {
        if (closed_) return;
        closed_ = true;
        zem_serial_close();
    }

    // The page's own words, said as they are.
    Text lastError() const override { return LastError(); }

private:
    PortTimeouts timeouts_;
    bool closed_ = false;
};

}  // namespace

// The browser knows its ports only as the cable the user granted; there are
// no device names to map.
std::string DeviceForPortNumber(int) { return {}; }

int PortNumberForDevice(const std::string&) { return 0; }

OpenResult OpenSerialPort(const std::string&, const PortTimeouts& timeouts) {
    OpenResult result;
    if (zem_serial_open() != 0) {
        result.error = OpenError::Other;
        result.detail = LastError();
        return result;
    }
    result.port = std::make_unique<WebSerialPort>(timeouts);
    return result;
}

std::vector<PortInfo> ListSerialPorts() { return {}; }

}  // namespace zem
