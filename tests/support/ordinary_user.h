// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Permission checks that hold for root too. Root reads and writes whatever a file's permissions
// say, and the tests often run as root (CI does): there the check runs in a child process that
// first hands the named files and folders to the user "nobody" and then becomes that user, so a
// locked file or folder refuses it as it refuses any ordinary owner. As any other user the check
// simply runs.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <grp.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace milora::test {

inline constexpr uid_t kNobody = 65534;
inline constexpr gid_t kNoGroup = 65534;

// Hands `paths` to nobody and gives up root for good; false (with the reason on standard error)
// when any step is refused.
inline bool become_nobody(const std::vector<std::string>& paths) {
    for (const std::string& p : paths) {
        if (::lchown(p.c_str(), kNobody, kNoGroup) != 0) {
            std::perror(p.c_str());
            return false;
        }
    }
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNoGroup) != 0 || ::setuid(kNobody) != 0) {
        std::perror("becoming nobody");
        return false;
    }
    return ::geteuid() == kNobody && ::setuid(0) != 0; // no way back to root
}

// Runs `check` as an ordinary user that owns `paths` (parents first). `check` returns what went
// wrong, empty when nothing did; a text is a test failure.
inline void expect_as_ordinary_user(const std::vector<std::string>& paths,
                                    const std::function<std::string()>& check) {
    if (::geteuid() != 0) {
        EXPECT_EQ(check(), "");
        return;
    }
    // A forked child, so that the paths are the test's own and the test removes them afterwards.
    EXPECT_EXIT(
        {
            if (!become_nobody(paths)) {
                std::_Exit(2);
            }
            const bool failed_before = ::testing::Test::HasFailure();
            std::string fault = check();
            if (!failed_before && ::testing::Test::HasFailure()) {
                fault += "an expectation inside the check failed (run as another user to see it)";
            }
            std::fputs(fault.c_str(), stderr);
            std::_Exit(fault.empty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace milora::test
