// zemsim: a virtual radio on a pseudo-terminal, for trying the program
// without a radio and for the tests of the link.
#include "pty_radio.h"
#include "virtual_radio.h"

#include "zem_version.h"

#include "document/program_file.h"
#include "document/radio_image.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>
#include <sys/stat.h>

namespace {

const char* const kUsage = R"(usage: zemsim [options]

A virtual radio on a pseudo-terminal. Point the program (or zemtool --port)
at the device path printed on start; stop with Ctrl+C.

  --memory FILE        the radio's memory: a program file, loaded at start and
                       saved (atomically) after blocks were written; a missing
                       file starts from a new document's image
  --link PATH          also make a symbolic link to the device at PATH
  --radios N           serve N radios, each on its own pseudo-terminal (one
                       path printed per line); with N > 1, radio k's memory
                       file and link get "-k" and k added (demo.zem ->
                       demo-2.zem, --link /tmp/radio -> /tmp/radio2)
  --only K             the fault options after it apply to radio K only
  --swap MS            one cable, many radios: MS after the last block of a
                       write (or of the read-back that follows it) the radio
                       is taken off, and MS later a fresh one (as at the
                       start) is put on
  --paced              take the line time of 9600 baud for every byte
  --baud N             line rate for --paced (default 9600)
  --silent             answer nothing (a radio that is off)
  --ignore-wakeups N   ignore the first N wake-up sequences
  --no-final-ack       do not confirm programming mode
  --short-reply A[:N]  send only N bytes (default 9) for the block at address A
  --no-ack A           withhold the acknowledgement of the block at address A
  --no-write-ack A     the same, for a written block only
  --hang-up A          drop the line when the block at address A is asked for
  --drop-write A       acknowledge the written block at address A but keep
                       the old bytes (shows in a verify)
  --repeat-byte A[:N]  the cable doubles byte N (0-11, default 6) of the reply
                       to the block read at address A: the bytes after it
                       shift, and one byte too many arrives
  --misaddress A[:B]   answer the read of the block at address A with the
                       header and bytes of the block at B (default: the next
                       block, A + 8)
  --ack-only           no radio, a faulty adapter: every byte received is
                       answered with twelve 0x06 bytes and nothing else
  --echo               send every received byte back (a faulty cable)
  --ignore-writes      acknowledge written blocks but keep the old memory
  --help               this text
  --version            print the version

Addresses are image offsets, decimal or 0x-hexadecimal, e.g. 0x3C8.
)";

std::atomic<bool> stopRequested{false};

void OnSignal(int) { stopRequested = true; }

bool ParseNumber(const std::string& text, unsigned long& value) {
    try {
        std::size_t used = 0;
        value = std::stoul(text, &used, 0);
        return used == text.size();
    } catch (...) {
        return false;
    }
}

// Radio k's name for a file or link given for all radios: "demo.zem" ->
// "demo-2.zem" for a memory file, "/tmp/radio" -> "/tmp/radio2" for a link.
std::string NumberedPath(const std::string& path, int k, int radios, bool beforeExtension) {
    if (path.empty() || radios == 1) return path;
    if (!beforeExtension) return path + std::to_string(k);
    auto slash = path.find_last_of('/');
    auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) || dot == slash + 1)
        return path + "-" + std::to_string(k);
    return path.substr(0, dot) + "-" + std::to_string(k) + path.substr(dot);
}

// One radio of the line-up, answering on its own thread.
struct Served {
    std::string memoryPath;
    std::unique_ptr<zem::sim::VirtualRadio> radio;
    std::unique_ptr<zem::sim::PtyRadio> pty;
    std::thread thread;
    int status = 0;
};

}  // namespace

int main(int argc, char** argv) {
    // Fault options are kept with the radio they are for (0: every radio)
    // and applied once the number of radios is known.
    std::vector<std::pair<int, std::function<void(zem::sim::RadioFaults&)>>> faultOptions;
    int target = 0;
    unsigned long radios = 1;
    zem::sim::LineOptions line;
    std::string memoryPath;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](unsigned long& number) {
            if (i + 1 >= argc || !ParseNumber(argv[++i], number)) {
                std::cerr << "zemsim: " << arg << " needs a number\n";
                std::exit(2);
            }
        };
        auto text = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::cerr << "zemsim: " << arg << " needs a value\n";
                std::exit(2);
            }
            return argv[++i];
        };
        auto fault = [&](std::function<void(zem::sim::RadioFaults&)> set) { faultOptions.emplace_back(target, set); };
        unsigned long number = 0;
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (arg == "--version") {
            std::cout << "zemsim " ZEM_VERSION "\n";
            return 0;
        } else if (arg == "--memory") {
            memoryPath = text();
        } else if (arg == "--link") {
            line.linkPath = text();
        } else if (arg == "--radios") {
            value(radios);
            if (radios < 1 || radios > 64) {
                std::cerr << "zemsim: --radios needs a number 1-64\n";
                return 2;
            }
        } else if (arg == "--only") {
            value(number);
            target = static_cast<int>(number);
        } else if (arg == "--swap") {
            value(number);
            line.swapAfter = std::chrono::milliseconds(number);
        } else if (arg == "--paced") {
            line.paced = true;
        } else if (arg == "--baud") {
            value(number);
            line.baud = static_cast<int>(number);
        } else if (arg == "--silent") {
            fault([](auto& f) { f.silent = true; });
        } else if (arg == "--ignore-wakeups") {
            value(number);
            fault([number](auto& f) { f.ignoreWakeUps = static_cast<int>(number); });
        } else if (arg == "--no-final-ack") {
            fault([](auto& f) { f.noFinalAck = true; });
        } else if (arg == "--short-reply" || arg == "--repeat-byte" || arg == "--misaddress") {
            // ADDRESS[:SECOND]: the length of a short reply, the doubled byte,
            // or the block answered for.
            const bool misaddress = arg == "--misaddress", repeat = arg == "--repeat-byte";
            const char* secondName = misaddress ? "ADDRESS" : repeat ? "BYTE" : "LENGTH";
            std::string where = text();
            auto colon = where.find(':');
            unsigned long second = 0;
            const bool secondGiven = colon != std::string::npos;
            const unsigned long secondLimit = misaddress ? 0x3F8 : repeat ? 11 : ~0UL;
            if (!ParseNumber(where.substr(0, colon), number) ||
                (secondGiven && (!ParseNumber(where.substr(colon + 1), second) || second > secondLimit))) {
                std::cerr << "zemsim: " << arg << " needs ADDRESS[:" << secondName << "]"
                          << (repeat ? " with BYTE 0-11" : misaddress ? " with ADDRESS up to 0x3F8" : "") << "\n";
                return 2;
            }
            const auto address = static_cast<std::uint16_t>(number);
            if (arg == "--short-reply") {
                const std::size_t length = secondGiven ? second : zem::sim::RadioFaults{}.shortReplyLength;
                fault([address, length](auto& f) {
                    f.shortReplyAt = address;
                    f.shortReplyLength = length;
                });
            } else if (repeat) {
                const std::size_t index = secondGiven ? second : zem::sim::RadioFaults{}.repeatedByte;
                fault([address, index](auto& f) {
                    f.repeatByteAt = address;
                    f.repeatedByte = index;
                });
            } else {
                std::optional<std::uint16_t> other;
                if (secondGiven) other = static_cast<std::uint16_t>(second);
                fault([address, other](auto& f) {
                    f.misaddressAt = address;
                    f.answerFor = other;
                });
            }
        } else if (arg == "--no-ack") {
            value(number);
            fault([number](auto& f) { f.noAckAt = static_cast<std::uint16_t>(number); });
        } else if (arg == "--no-write-ack") {
            value(number);
            fault([number](auto& f) { f.noWriteAckAt = static_cast<std::uint16_t>(number); });
        } else if (arg == "--hang-up") {
            value(number);
            fault([number](auto& f) { f.hangUpAt = static_cast<std::uint16_t>(number); });
        } else if (arg == "--drop-write") {
            value(number);
            fault([number](auto& f) { f.dropWriteAt = static_cast<std::uint16_t>(number); });
        } else if (arg == "--ack-only") {
            fault([](auto& f) { f.ackOnly = true; });
        } else if (arg == "--echo") {
            fault([](auto& f) { f.echo = true; });
        } else if (arg == "--ignore-writes") {
            fault([](auto& f) { f.ignoreWrites = true; });
        } else {
            std::cerr << "zemsim: unknown option " << arg << " (see --help)\n";
            return 2;
        }
    }
    if (line.baud <= 0) {
        std::cerr << "zemsim: --baud must be positive\n";
        return 2;
    }
    const int count = static_cast<int>(radios);
    for (const auto& option : faultOptions) {
        if (option.first > count) {
            std::cerr << "zemsim: --only " << option.first << ": there are only " << count << " radios\n";
            return 2;
        }
    }

    std::vector<std::unique_ptr<Served>> served;
    for (int k = 1; k <= count; ++k) {
        auto one = std::make_unique<Served>();
        one->memoryPath = NumberedPath(memoryPath, k, count, true);
        zem::RadioImage memory = zem::NewDocumentImage();
        struct stat st{};
        if (!one->memoryPath.empty() && ::stat(one->memoryPath.c_str(), &st) == 0) {
            zem::FileResult loaded = zem::LoadProgramFile(zem::PathFromUtf8(one->memoryPath), memory);
            if (!loaded.ok) {
                std::cerr << "zemsim: " << loaded.message << "\n";
                return 1;
            }
        }
        zem::sim::RadioFaults faults;
        for (const auto& option : faultOptions)
            if (option.first == 0 || option.first == k) option.second(faults);
        one->radio = std::make_unique<zem::sim::VirtualRadio>(memory, faults);
        zem::sim::LineOptions own = line;
        own.linkPath = NumberedPath(line.linkPath, k, count, false);
        std::string error;
        one->pty = zem::sim::PtyRadio::Create(*one->radio, own, error);
        if (!one->pty) {
            std::cerr << "zemsim: " << error << "\n";
            return 1;
        }
        served.push_back(std::move(one));
    }
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    for (const auto& one : served) std::cout << one->pty->path() << '\n';
    std::cout.flush();

    for (const auto& one : served) {
        Served* radio = one.get();
        radio->thread = std::thread([radio] {
            radio->pty->run(stopRequested, [radio](const zem::RadioImage& image) {
                if (radio->memoryPath.empty()) return;
                zem::FileResult saved = zem::SaveProgramFile(zem::PathFromUtf8(radio->memoryPath), image);
                if (!saved.ok) {
                    std::cerr << "zemsim: " << saved.message << "\n";
                    radio->status = 1;
                }
            });
            if (radio->pty->hungUp()) std::cerr << "zemsim: the radio on " + radio->pty->path() + " hung up the line\n";
        });
    }
    int status = 0;
    for (const auto& one : served) {
        one->thread.join();
        status = std::max(status, one->status);
    }
    return status;
}
