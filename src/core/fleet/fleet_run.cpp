#include "fleet/fleet_run.h"

#include "fleet/fleet_checks.h"
#include "link/link_messages.h"
#include "link/port_trace.h"

#include <algorithm>

namespace zem {

namespace {

bool Active(RadioState state) {
    return state == RadioState::BackingUp || state == RadioState::Writing || state == RadioState::Verifying;
}

}  // namespace

FleetRun::FleetRun(const RadioImage& plan, std::vector<std::string> ports, FleetOptions options)
    : FleetRun(std::vector<RadioImage>{plan}, std::move(ports), std::move(options)) {}

FleetRun::FleetRun(std::vector<RadioImage> plans, std::vector<std::string> ports, FleetOptions options)
    : plans_(std::move(plans)),
      ports_(std::move(ports)),
      options_(std::move(options)),
      firstOfSame_(FirstOfSamePort(ports_)),
      portsLeft_(static_cast<int>(ports_.size())),
      tracePaths_(ports_.size()) {
    for (const std::string& port : ports_) {
        slots_.push_back(std::make_unique<Slot>());
        slots_.back()->status.port = port;
        slots_.back()->steadyStart = std::chrono::steady_clock::now();
    }
}

FleetRun::~FleetRun() {
    cancel();
    wait();
}

void FleetRun::start() {
    if (!threads_.empty()) return;
    for (std::size_t i = 0; i < ports_.size(); ++i) threads_.emplace_back([this, i] { runPort(i); });
}

void FleetRun::cancel() { cancel_ = true; }

void FleetRun::wait() {
    for (std::thread& thread : threads_)
        if (thread.joinable()) thread.join();
}

std::vector<PortStatus> FleetRun::snapshot() const {
    std::vector<PortStatus> statuses;
    const auto now = std::chrono::steady_clock::now();
    for (const auto& slot : slots_) {
        std::lock_guard<std::mutex> lock(slot->mutex);
        statuses.push_back(slot->status);
        const RadioState state = slot->status.state;
        if (Active(state) || (state == RadioState::Waiting && !slot->status.ended))
            statuses.back().elapsed = now - slot->steadyStart;
    }
    return statuses;
}

std::vector<RadioResult> FleetRun::results() const {
    std::vector<RadioResult> copy;
    {
        std::lock_guard<std::mutex> lock(resultsMutex_);
        copy = results_;
    }
    if (!options_.repeat)
        std::stable_sort(copy.begin(), copy.end(),
                         [](const RadioResult& a, const RadioResult& b) { return a.portIndex < b.portIndex; });
    return copy;
}

bool FleetRun::allDone() const {
    std::lock_guard<std::mutex> lock(resultsMutex_);
    return !results_.empty() &&
           std::all_of(results_.begin(), results_.end(), [](const RadioResult& r) { return r.job.ok; });
}

template <typename Change>
void FleetRun::update(std::size_t index, Change change) {
    Slot& slot = *slots_[index];
    std::lock_guard<std::mutex> lock(slot.mutex);
    change(slot);
}

void FleetRun::finish(RadioResult result) {
    update(result.portIndex, [&](Slot& slot) {
        PortStatus& s = slot.status;
        s.state = result.job.ok ? RadioState::Done : RadioState::Failed;
        ++(result.job.ok ? s.done : s.failed);
        if (result.job.ok) s.percent = 100;
        s.message = result.job.message;
        s.detail = result.job.detail;
        s.backupPath = result.job.backupPath;
        s.last = result.job;
        s.elapsed = result.duration;
    });
    std::lock_guard<std::mutex> lock(resultsMutex_);
    results_.push_back(std::move(result));
}

bool FleetRun::countReached() const { return options_.count > 0 && claimed_.load() >= options_.count; }

// Takes one of the count's radios; false when they are all taken.
bool FleetRun::claimRadio() {
    if (options_.count <= 0) return true;
    int taken = claimed_.load();
    while (taken < options_.count)
        if (claimed_.compare_exchange_weak(taken, taken + 1)) return true;
    return false;
}

std::unique_ptr<SerialPort> FleetRun::openPort(std::size_t index, RadioJobResult& failure) {
    const std::string& name = ports_[index];
    OpenResult opened = options_.opener ? options_.opener(name, CloneTimeouts) : OpenSerialPort(name, CloneTimeouts);
    if (!opened.port) {
        failure.message = LinkText(kMsgOpenPortFailed);
        failure.detail = opened.detail;
        return nullptr;
    }
    if (options_.traceFolder.empty()) return std::move(opened.port);
    Text error;  // a log that cannot be written does not stop the radio
    // One log per port for the whole run, its name reserved at the first
    // open: ports whose paths end in the same name get logs of their own.
    std::string& log = tracePaths_[index];
    if (log.empty()) log = ReserveNewFile(options_.traceFolder + "/" + PortFileBase(name, static_cast<int>(index) + 1),
                                          ".log", error);
    if (log.empty()) return std::move(opened.port);
    return TraceSerialPort(std::move(opened.port), PathFromUtf8(log), name, error);
}

// A pause between quiet tries that ends early on cancel.
void FleetRun::pauseBetweenTries() const {
    const auto until = std::chrono::steady_clock::now() + options_.pauseBetweenTries;
    while (!cancel_.load() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
            std::chrono::milliseconds(20), until - std::chrono::steady_clock::now()));
}

// One cable, many radios: tries the wake-up quietly until a radio answers
// (present) or until none does any more (the radio was taken off). A line
// that failed (an adapter pulled out) counts as no radio and is opened again
// for the next try. False on cancel, when the count is reached, or while
// waiting for a radio when the port cannot be opened again before cancel.
bool FleetRun::waitFor(std::size_t index, std::unique_ptr<SerialPort>& port, bool present) {
    for (bool first = true;; first = false) {
        if (cancel_.load() || (present && countReached())) return false;
        if (!first) pauseBetweenTries();
        if (cancel_.load() || (present && countReached())) return false;
        if (!port) {
            RadioJobResult failure;
            port = openPort(index, failure);
            if (!port) {
                if (!present) return true;
                update(index, [&](Slot& slot) { slot.status.detail = failure.detail; });
                continue;
            }
        }
        ProbeResult probe = ProbeRadio(*port, options_.job.sleep);
        if (probe == ProbeResult::LineFailed) {
            port->close();
            port.reset();
            if (!present) return true;
            continue;
        }
        if ((probe == ProbeResult::Answered) == present) return true;
    }
}

RadioResult FleetRun::programOne(std::size_t index, SerialPort& port, int nth) {
    RadioResult result;
    result.portIndex = index;
    result.port = ports_[index];
    result.sequence = options_.repeat ? ++attached_ : static_cast<int>(index) + 1;
    result.started = std::chrono::system_clock::now();
    const auto start = std::chrono::steady_clock::now();
    update(index, [&](Slot& slot) {
        slot.status.percent = 0;
        slot.status.started = result.started;
        slot.status.backupPath.clear();
        slot.steadyStart = start;
    });
    RadioJobHooks hooks;
    hooks.state = [this, index](RadioState state) { update(index, [&](Slot& slot) { slot.status.state = state; }); };
    hooks.progress = [this, index](int done, int total) {
        update(index, [&](Slot& slot) { slot.status.percent = total > 0 ? done * 100 / total : 0; });
    };
    const RadioImage& plan = plans_.size() == ports_.size() ? plans_[index] : plans_.front();
    result.job = ProgramRadio(port, ports_[index], plan, options_.job, cancel_, hooks, static_cast<int>(index) + 1, nth);
    result.duration = std::chrono::steady_clock::now() - start;
    return result;
}

void FleetRun::runPort(std::size_t index) {
    const std::string& name = ports_[index];
    auto failNow = [&](RadioJobResult job) {
        RadioResult result;
        result.portIndex = index;
        result.port = name;
        result.sequence = options_.repeat ? 0 : static_cast<int>(index) + 1;
        result.started = std::chrono::system_clock::now();
        result.job = std::move(job);
        result.job.noRadio = true;
        finish(std::move(result));
    };
    update(index, [](Slot& slot) { slot.steadyStart = std::chrono::steady_clock::now(); });
    RadioJobResult failure;
    std::unique_ptr<SerialPort> port;
    if (firstOfSame_[index] != index) {
        const std::string& first = ports_[firstOfSame_[index]];
        failure.message = LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "Port given twice"));
        failure.detail =
            first == name ? LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "%1 is given more than once"), {name})
                          : LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "%1 is the same port as %2"), {name, first});
        failNow(failure);
    } else if (!(port = openPort(index, failure))) {
        failNow(failure);
    } else if (!options_.repeat) {
        finish(programOne(index, *port, 1));
    } else {
        for (int nth = 1;; ++nth) {
            update(index, [](Slot& slot) {
                slot.status.state = RadioState::Waiting;
                slot.status.elapsed = {};  // the wait's own time, not the last radio's
                slot.steadyStart = std::chrono::steady_clock::now();
            });
            if (!waitFor(index, port, true) || !claimRadio()) break;
            finish(programOne(index, *port, nth));
            // The radio stays on the cable until the user takes it off; it
            // must not be taken for the next one.
            if (countReached() || !waitFor(index, port, false)) break;
            update(index, [](Slot& slot) { slot.status.percent = 0; });
        }
    }
    if (port) port->close();
    update(index, [](Slot& slot) { slot.status.ended = true; });
    --portsLeft_;
}

}  // namespace zem
