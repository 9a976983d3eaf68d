#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace zem::fuzz {

// A folder of this process's own (name.PID under the system's temporary
// folder), made on first use and removed again when the run ends.
inline const std::filesystem::path& ScratchFolder(const std::string& name) {
    struct Scratch {
        std::filesystem::path path;
        ~Scratch() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const Scratch scratch{[&] {
        auto path = std::filesystem::temp_directory_path() / (name + "." + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }()};
    return scratch.path;
}

}  // namespace zem::fuzz
