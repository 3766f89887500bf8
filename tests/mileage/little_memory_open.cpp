// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// A program for one check: a file for which the memory runs out fails that one reading, the log
// stays as it was and the user is told why. It is built plainly even beside a sanitizer build,
// whose reserved address space leaves no room to run under a memory limit.
//
// Usage: milora-little-memory-open LOG BIG_FILE
// Opens LOG, then BIG_FILE with room for its text but not for its rows; exits 0 when LOG's
// entries were kept and the one message said that the memory ran out, 1 otherwise, saying what
// happened.

#include "mileage/fuel_import.h"
#include "mileage/mileage_tracker.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <sys/resource.h>

using namespace milora;
using namespace milora::mileage;

namespace {

long address_space_kb() {
    std::ifstream status("/proc/self/status");
    std::string word;
    long kb = 0;
    while (status >> word) {
        if (word == "VmSize:") {
            status >> kb;
        }
    }
    return kb;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s LOG BIG_FILE\n", argv[0]);
        return 2;
    }
    MileageTracker tracker;
    tracker.open(argv[1]);
    const MileageLog::Index entries = tracker.log().fillup_count();
    if (entries == 0 || !tracker.dialogue().take_kept().empty()) {
        std::fprintf(stderr, "%s did not open as a log\n", argv[1]);
        return 1;
    }
    const auto limit = static_cast<rlim_t>(address_space_kb() + 160 * 1024) * 1024;
    const rlimit r{limit, limit};
    if (setrlimit(RLIMIT_AS, &r) != 0) {
        std::perror("setrlimit");
        return 1;
    }
    tracker.open(argv[2]);
    const std::vector<Message> told = tracker.dialogue().take_kept();
    const bool kept = tracker.log().fillup_count() == entries && told.size() == 1 &&
                      told[0] == out_of_memory_message(argv[2]);
    if (!kept) {
        std::fprintf(stderr, "after the reading: %lld entries (before: %lld), %zu messages\n",
                     static_cast<long long>(tracker.log().fillup_count()),
                     static_cast<long long>(entries), told.size());
        for (const Message& m : told) {
            std::fprintf(stderr, "  %s\n", m.text.c_str());
        }
    }
    return kept ? 0 : 1;
}
