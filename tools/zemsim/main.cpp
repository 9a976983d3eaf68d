// zemsim: a virtual radio on a pseudo-terminal, for trying the program
// without a radio and for the tests of the link.
#include "pty_radio.h"
#include "virtual_radio.h"

#include "zem_version.h"

#include "document/program_file.h"
#include "document/radio_image.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <sys/stat.h>

namespace {

const char* const kUsage = R"(usage: zemsim [options]

A virtual radio on a pseudo-terminal. Point the program (or zemtool --port)
at the device path printed on start; stop with Ctrl+C.

  --memory FILE        the radio's memory: a program file, loaded at start and
                       saved (atomically) after blocks were written; a missing
                       file starts from a new document's image
  --link PATH          also make a symbolic link to the device at PATH
  --paced              take the line time of 9600 baud for every byte
  --baud N             line rate for --paced (default 9600)
  --silent             answer nothing (a radio that is off)
  --ignore-wakeups N   ignore the first N wake-up sequences
  --no-final-ack       do not confirm programming mode
  --short-reply A[:N]  send only N bytes (default 9) for the block at address A
  --no-ack A           withhold the acknowledgement of the block at address A
  --no-write-ack A     the same, for a written block only
  --hang-up A          drop the line when the block at address A is asked for
  --echo               send every received byte back (a faulty cable)
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

}  // namespace

int main(int argc, char** argv) {
    zem::sim::RadioFaults faults;
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
        } else if (arg == "--paced") {
            line.paced = true;
        } else if (arg == "--baud") {
            value(number);
            line.baud = static_cast<int>(number);
        } else if (arg == "--silent") {
            faults.silent = true;
        } else if (arg == "--ignore-wakeups") {
            value(number);
            faults.ignoreWakeUps = static_cast<int>(number);
        } else if (arg == "--no-final-ack") {
            faults.noFinalAck = true;
        } else if (arg == "--short-reply") {
            std::string where = text();
            auto colon = where.find(':');
            unsigned long length = faults.shortReplyLength;
            if (!ParseNumber(where.substr(0, colon), number) ||
                (colon != std::string::npos && !ParseNumber(where.substr(colon + 1), length))) {
                std::cerr << "zemsim: --short-reply needs ADDRESS[:LENGTH]\n";
                return 2;
            }
            faults.shortReplyAt = static_cast<std::uint16_t>(number);
            faults.shortReplyLength = length;
        } else if (arg == "--no-ack") {
            value(number);
            faults.noAckAt = static_cast<std::uint16_t>(number);
        } else if (arg == "--no-write-ack") {
            value(number);
            faults.noWriteAckAt = static_cast<std::uint16_t>(number);
        } else if (arg == "--hang-up") {
            value(number);
            faults.hangUpAt = static_cast<std::uint16_t>(number);
        } else if (arg == "--echo") {
            faults.echo = true;
        } else {
            std::cerr << "zemsim: unknown option " << arg << " (see --help)\n";
            return 2;
        }
    }
    if (line.baud <= 0) {
        std::cerr << "zemsim: --baud must be positive\n";
        return 2;
    }

    zem::RadioImage memory = zem::NewDocumentImage();
    struct stat st{};
    if (!memoryPath.empty() && ::stat(memoryPath.c_str(), &st) == 0) {
        zem::FileResult loaded = zem::LoadProgramFile(memoryPath, memory);
        if (!loaded.ok) {
            std::cerr << "zemsim: " << loaded.message << "\n";
            return 1;
        }
    }

    zem::sim::VirtualRadio radio(memory, faults);
    std::string error;
    auto pty = zem::sim::PtyRadio::Create(radio, line, error);
    if (!pty) {
        std::cerr << "zemsim: " << error << "\n";
        return 1;
    }
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::cout << pty->path() << std::endl;

    int status = 0;
    pty->run(stopRequested, [&](const zem::RadioImage& image) {
        if (memoryPath.empty()) return;
        zem::FileResult saved = zem::SaveProgramFile(memoryPath, image);
        if (!saved.ok) {
            std::cerr << "zemsim: " << saved.message << "\n";
            status = 1;
        }
    });
    if (pty->hungUp()) std::cerr << "zemsim: the radio hung up the line\n";
    return status;
}
