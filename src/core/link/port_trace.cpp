#include "link/port_trace.h"

#include "document/program_file.h"
#include "link/link_messages.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace zem {

namespace {

class TracingSerialPort final : public SerialPort {
public:
    TracingSerialPort(std::unique_ptr<SerialPort> inner, std::FILE* log)
        : inner_(std::move(inner)), log_(log), start_(std::chrono::steady_clock::now()) {}

    ~TracingSerialPort() override {
        close();
        std::fclose(log_);
    }

    void purge(PurgeMask mask) override {
        line(mask == PurgeMask::Clear ? "purge" : "purge+abort");
        inner_->purge(mask);
    }

    bool write(const std::uint8_t* bytes, std::size_t count) override {
        bool ok = inner_->write(bytes, count);
        line("TX", bytes, count, ok ? std::string() : " write failed: " + inner_->lastError().english());
        return ok;
    }

    ReadResult read(std::uint8_t* buffer, std::size_t count) override {
        ReadResult r = inner_->read(buffer, count);
        std::string note;
        if (!r.ok)
            note = " line failed: " + inner_->lastError().english();
        else if (r.count < count)
            note = " (" + std::to_string(r.count) + " of " + std::to_string(count) + ", timed out)";
        line("RX", buffer, r.count, note);
        return r;
    }

    // Only bytes that are there are logged: the purge that follows throws
    // them away unseen, and a sound exchange's log stays as it was.
    std::size_t bytesWaiting() override {
        std::size_t waiting = inner_->bytesWaiting();
        if (waiting > 0) line(("waiting " + std::to_string(waiting)).c_str());
        return waiting;
    }

    void close() override {
        if (closed_) return;
        closed_ = true;
        inner_->close();
        line("close");
        std::fflush(log_);
    }

    Text lastError() const override { return inner_->lastError(); }

private:
    void line(const char* what, const std::uint8_t* bytes = nullptr, std::size_t count = 0,
              const std::string& note = {}) {
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
        std::fprintf(log_, "%10.3f %s", ms, what);
        for (std::size_t i = 0; i < count; ++i) std::fprintf(log_, " %02X", bytes[i]);
        std::fprintf(log_, "%s\n", note.c_str());
    }

    std::unique_ptr<SerialPort> inner_;
    std::FILE* log_;
    std::chrono::steady_clock::time_point start_;
    bool closed_ = false;
};

}  // namespace

std::unique_ptr<SerialPort> TraceSerialPort(std::unique_ptr<SerialPort> port, const std::filesystem::path& logPath,
                                            const std::string& portName, Text& error) {
#ifdef _WIN32
    std::FILE* log = _wfopen(logPath.c_str(), L"a");  // the wide name: any folder name works
#else
    std::FILE* log = std::fopen(logPath.c_str(), "a");
#endif
    if (!log) {
        error = LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "cannot open the trace log %1"), {PathText(logPath)});
        return port;
    }
    std::time_t now = std::time(nullptr);
    char stamp[32] = "";
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S UTC", std::gmtime(&now));
    std::fprintf(log, "# %s: port %s opened; milliseconds since the open, TX = to the radio, RX = from it\n",
                 stamp, portName.c_str());
    return std::make_unique<TracingSerialPort>(std::move(port), log);
}

}  // namespace zem
