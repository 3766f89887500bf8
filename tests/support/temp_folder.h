// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// A folder of the test's own under the system's temporary folder, named after the program, its
// process and the running test so that test programs running side by side never share one, and
// removed with everything in it (even files a test made read-only) when the test ends.

#include "base/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace milora::test {

class TempFolder {
public:
    explicit TempFolder(const std::string& purpose) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("milora-" + purpose + "-" + std::to_string(::getpid()) +
                 (test != nullptr ? "-" + std::string(test->name()) : std::string()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of `name` in the folder.
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Writes `contents` as the file `name`, byte for byte; its path.
    std::string put(const std::string& name, const std::string& contents) const {
        const auto p = path_ / name;
        std::ofstream(p, std::ios::binary) << contents;
        return p.string();
    }

private:
    std::filesystem::path path_;
};

// The whole file at `path`, or nothing when it cannot be read (a file a test expects gone).
inline std::string slurp(const std::string& path) {
    Result<std::string> read = read_file(path);
    return read ? std::move(*read) : std::string();
}

} // namespace milora::test
