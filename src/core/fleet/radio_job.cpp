#include "fleet/radio_job.h"

#include "translate.h"

#include "compare/verify_mismatch.h"
#include "fleet/fleet_checks.h"
#include "link/clone_constants.h"
#include "link/link_messages.h"
#include "link/transfer.h"

#include <filesystem>
#include <thread>

namespace zem {

namespace {

const char* const kMsgCancelled = ZEM_TRANSLATE_NOOP("zem::Link", "Cancelled");

// The job's own port lent to each step: the step's "close" leaves it open,
// so the radio keeps its cable for the whole job and nobody else takes it
// between the steps.
class LentPort final : public SerialPort {
public:
    explicit LentPort(SerialPort& port) : port_(port) {}
    void purge(PurgeMask mask) override { port_.purge(mask); }
    bool write(const std::uint8_t* bytes, std::size_t count) override { return port_.write(bytes, count); }
    ReadResult read(std::uint8_t* buffer, std::size_t count) override { return port_.read(buffer, count); }
    std::size_t bytesWaiting() override { return port_.bytesWaiting(); }
    void close() override {}
    Text lastError() const override { return port_.lastError(); }

private:
    SerialPort& port_;
};

void Pause(const std::function<void(std::chrono::milliseconds)>& sleep, std::chrono::milliseconds duration) {
    if (sleep)
        sleep(duration);
    else
        std::this_thread::sleep_for(duration);
}

}  // namespace

const char* RadioStateText(RadioState state) {
    switch (state) {
    case RadioState::Waiting: return ZEM_TRANSLATE_NOOP("zem::Link", "waiting");
    case RadioState::BackingUp: return ZEM_TRANSLATE_NOOP("zem::Link", "backing up");
    case RadioState::Writing: return ZEM_TRANSLATE_NOOP("zem::Link", "writing");
    case RadioState::Verifying: return ZEM_TRANSLATE_NOOP("zem::Link", "verifying");
    case RadioState::Done: return ZEM_TRANSLATE_NOOP("zem::Link", "done");
    case RadioState::Failed: return ZEM_TRANSLATE_NOOP("zem::Link", "failed");
    }
    return "";
}

Text RadioJobResult::holdsText() const {
    if (ok || noRadio) return {};
    switch (holds) {
    case RadioHolds::Unchanged: return LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "the radio is unchanged"));
    case RadioHolds::PartialWrite:
        return LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "the radio holds a partial write (%1 of %2 blocks)"),
                        {std::to_string(blocksWritten), std::to_string(kTransferBlockCount)});
    case RadioHolds::WrittenUnchecked:
        return LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "the radio holds the whole write, not checked"));
    case RadioHolds::WrittenDiffers:
        return LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "the radio holds a write that differs from the plan"));
    case RadioHolds::Checked: break;
    }
    return {};
}

std::string RadioJobResult::describe(const std::string& wayBack) const {
    if (ok) return {};
    std::string text = describeFailure();
    if (const std::string holding = holdsText().english(); !holding.empty()) text += "; " + holding;
    if (!backupPath.empty()) text += "; backup: " + backupPath;
    if (needsRestore() && !backupPath.empty() && !wayBack.empty()) text += "; to put it back: " + wayBack;
    return text;
}

std::string RadioJobResult::describeFailure() const {
    const std::string text = message.english();
    const std::string why = detail.english();
    std::string step;
    switch (failedIn) {
    case RadioState::BackingUp: step = "backup"; break;
    case RadioState::Writing: step = "write"; break;
    case RadioState::Verifying: step = "verify"; break;
    default: break;
    }
    if (why.empty() && step.empty()) return text;
    return text + " (" + (step.empty() ? "" : step + (why.empty() ? "" : ": ")) + why + ")";
}

RadioJobResult ProgramRadio(SerialPort& port, const std::string& portName, const RadioImage& plan,
                            const RadioJobOptions& options, const std::atomic<bool>& cancelled,
                            const RadioJobHooks& hooks, int portNumber, int nth) {
    RadioJobResult result;
    const bool backup = !options.backupFolder.empty();
    const int total = kTransferBlockCount * (1 + (backup ? 1 : 0) + (options.verify ? 1 : 0));

    // One session per radio, on the job's own port.
    LinkSession session;
    session.port = portName;
    session.opener = [&port](const std::string&, const PortTimeouts&) {
        OpenResult lent;
        lent.port = std::make_unique<LentPort>(port);
        return lent;
    };
    session.hooks.cancelled = [&cancelled] { return cancelled.load(); };
    session.hooks.sleep = options.sleep;
    // Nobody sits in front of a radio of a fleet: a radio that does not
    // answer is woken again as often as the retry count allows.
    session.hooks.retryHandshake = RetryTimes(options.retries, [&cancelled] { return cancelled.load(); });
    int base = 0;  // blocks of the steps before the current one
    session.hooks.progress = [&hooks, &base, total](int done, int) {
        if (hooks.progress) hooks.progress(base + done, total);
    };

    // A step that did not end: its failure into result.
    auto fail = [&](RadioState state, const LinkOutcome& link) {
        result.failedIn = state;
        if (cancelled.load()) {
            result.message = LinkText(kMsgCancelled);
            result.detail =
                state == RadioState::Verifying
                    ? LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "cancelled during verify, after the whole write"))
                : result.blocksWritten > 0
                    ? LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "cancelled at block %1 of %2"),
                               {std::to_string(result.blocksWritten), std::to_string(kTransferBlockCount)})
                    : LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "cancelled before the first block was written"));
            return result;
        }
        // A radio given up on has no message of its own: the fleet's retry
        // count answered the question the window would have asked. A
        // read-back's message is the radio's own, the report says the step.
        Text message = link.message;
        if (state == RadioState::Verifying && message.marked() && message.args().size() == 1 &&
            std::string(message.source()) == kMsgVerifyReadFailedBecause)
            message = message.args().front();
        result.message = link.status == LinkStatus::Abandoned ? LinkText(kMsgCommunicationError) : message;
        result.detail = link.detail;
        return result;
    };

    if (backup) {
        if (hooks.state) hooks.state(RadioState::BackingUp);
        RadioImage radio = NewDocumentImage();
        const ExchangeOutcome read = ReadRadio(radio, session);
        if (!read.completed()) return fail(RadioState::BackingUp, read.link);
        base += kTransferBlockCount;
        // Saved before the first block is written: whatever happens next,
        // what the radio held is on disk, under a name no other radio has.
        Text error;
        const std::string path = ReserveBackupPath(options.backupFolder, portName, portNumber, nth, error);
        FileResult saved = path.empty() ? FileResult::failure(error) : SaveProgramFile(PathFromUtf8(path), radio);
        if (!saved.ok) {
            std::error_code ec;
            if (!path.empty()) std::filesystem::remove(std::filesystem::u8path(path), ec);  // the empty reservation
            result.failedIn = RadioState::BackingUp;
            result.message = saved.said();
            result.detail = LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "no backup, so nothing was written"));
            return result;
        }
        result.backupPath = path;
    }
    // The write and its check, each with a fresh handshake.
    if (hooks.state) hooks.state(RadioState::Writing);
    RadioState state = RadioState::Writing;
    RadioImage readBack = plan;
    const ExchangeOutcome written = WriteRadio(
        plan, session, options.verify,
        [&] {
            state = RadioState::Verifying;
            base += kTransferBlockCount;
            if (hooks.state) hooks.state(state);
        },
        &readBack);
    result.blocksWritten = written.blocksWritten;
    result.holds = written.holds;
    if (!written.completed()) return fail(state, written.link);
    if (written.holds == RadioHolds::WrittenDiffers) {
        result.failedIn = RadioState::Verifying;
        // The verify's finding without its advice, on one line as a report has it.
        result.message = VerifyMismatchFinding(plan, written.verify.differences);
        result.detail = DescribeMismatch(plan, readBack);
        return result;
    }
    result.ok = true;
    return result;
}

ProbeResult ProbeRadio(SerialPort& port, const std::function<void(std::chrono::milliseconds)>& sleep) {
    port.purge(PurgeMask::AbortAndClear);
    for (std::uint8_t byte : kMagic) {
        Pause(sleep, kStepPause);
        port.purge(PurgeMask::Clear);
        port.write(&byte, 1);
    }
    std::uint8_t answer = kNoReplyByte;
    ReadResult r = port.read(&answer, 1);
    if (!r.ok) return ProbeResult::LineFailed;
    return r.count == 1 && answer == kAck ? ProbeResult::Answered : ProbeResult::Silent;
}

}  // namespace zem
