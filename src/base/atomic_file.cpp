// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "base/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace milora {
namespace {

std::string reason(int err) {
    if (err == EFBIG) {
        return std::string(std::strerror(err)) +
               " (the file would pass the size limit set for this session, ulimit -f)";
    }
    return std::strerror(err);
}

// A write past the file-size limit (ulimit -f) would end the program with SIGXFSZ. With the signal
// ignored the write fails with EFBIG instead, and the save reports it like any other failure. A
// handler someone else installed is left alone. Looked at on every save (one system call), so
// that whoever set the default back is overruled.
void ignore_file_size_signal() {
    struct sigaction current {};
    if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ::sigaction(SIGXFSZ, &ignore, nullptr);
    }
}

bool write_all(int fd, const std::string& contents) {
    const char* p = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// Where a write to `path` lands: a symbolic link is followed to the file it names (which need not
// exist yet), so that the new file replaces that file and not the link.
std::filesystem::path link_target(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path p(path);
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
        const fs::path next = fs::read_symlink(p, ec);
        if (ec) {
            break;
        }
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return p;
}

// The hidden name of the temporary file for `target`, before mkstemp's six characters; it must
// stay within the longest name a folder takes.
std::string hidden_prefix(const std::filesystem::path& target) {
    return "." + target.filename().string().substr(0, 200) + ".";
}

bool is_temp_suffix(std::string_view s) {
    return s.size() == 6 && std::all_of(s.begin(), s.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
           });
}

// Removes what an earlier save of `target` left when it was killed before its rename. A save
// still running in another program is younger than this, and its file is left alone.
void remove_stale_temporaries(const std::filesystem::path& folder,
                              const std::filesystem::path& target) {
    namespace fs = std::filesystem;
    constexpr auto kStale = std::chrono::minutes(10);
    const std::string prefix = hidden_prefix(target);
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    const auto now = fs::file_time_type::clock::now();
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix) ||
            !is_temp_suffix(std::string_view(name).substr(prefix.size()))) {
            continue;
        }
        std::error_code e;
        if (!it->is_regular_file(e) || it->is_symlink(e)) {
            continue;
        }
        const auto written = fs::last_write_time(it->path(), e);
        if (!e && now - written > kStale) {
            fs::remove(it->path(), e);
        }
    }
}

// True when the file may not be written: no write permission for anyone (which root, too, is
// meant to respect) or none for this user.
bool is_read_only(const std::filesystem::path& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) {
        return false;
    }
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return true;
    }
    return ::access(target.c_str(), W_OK) != 0 && (errno == EACCES || errno == EPERM);
}

} // namespace

Status write_file_atomically(const std::string& path, const std::string& contents,
                             const std::function<void()>& before_rename) {
    namespace fs = std::filesystem;
    ignore_file_size_signal();
    std::error_code ec;
    const fs::path target = link_target(path);
    const fs::file_status existing = fs::status(target, ec);
    if (fs::is_directory(existing)) {
        return Failure{reason(EISDIR)};
    }
    if (fs::exists(existing) && !fs::is_regular_file(existing)) {
        // A device or a pipe cannot be replaced by a file; renaming over it would remove it.
        return Failure{"Not a regular file"};
    }
    if (fs::exists(existing) && is_read_only(target)) {
        return Failure{kReadOnlyReason};
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    remove_stale_temporaries(folder, target);
    std::string temp = (folder / (hidden_prefix(target) + "XXXXXX")).string();
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return Failure{reason(errno)};
    }
    temp = name.data();
    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        return Status{Failure{reason(err)}};
    };
    // Keep the permissions an existing file had; a new file gets the usual ones.
    struct stat old {};
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    if (::fchmod(fd, mode) != 0) {
        return fail(errno);
    }
    if (!write_all(fd, contents) || ::fsync(fd) != 0) {
        return fail(errno);
    }
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return Failure{reason(err)};
    }
    try {
        if (before_rename) {
            before_rename();
        }
    } catch (...) {
        ::unlink(temp.c_str());
        return Failure{"the write was interrupted"};
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return Failure{reason(err)};
    }
    return {};
}

Result<std::string> read_file(const std::string& path) {
    // Not blocking on a pipe that nobody writes to; only a regular file is read, so that a
    // device such as /dev/zero cannot fill the memory.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const int err = errno;
        if (err == ENOENT || err == ENOTDIR) {
            return Failure{"it does not exist"};
        }
        if (err == EACCES || err == EPERM) {
            return Failure{"there is no permission to read it"};
        }
        return Failure{reason(err)};
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        return Failure{reason(err)};
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return Failure{"it is not a regular file"};
    }
    const std::string too_large =
        "it is larger than the limit of " + std::to_string(kMaxReadSize / (1024 * 1024)) + " MB";
    if (static_cast<std::size_t>(st.st_size) > kMaxReadSize) {
        ::close(fd);
        return Failure{too_large};
    }
    std::string out;
    out.reserve(static_cast<std::size_t>(st.st_size));
    char buf[65536];
    std::string why;
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            why = reason(errno);
            break;
        }
        if (out.size() + static_cast<std::size_t>(n) > kMaxReadSize) {
            why = too_large;
            break;
        }
        if (n == 0) {
            break;
        }
        out.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (!why.empty()) {
        return Failure{why};
    }
    return out;
}

} // namespace milora
