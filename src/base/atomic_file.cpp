// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "base/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace milora {
namespace {

std::string reason(int err) {
    return std::strerror(err);
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

} // namespace

WriteResult write_file_atomically(const std::string& path, const std::string& contents,
                                  const std::function<void()>& before_rename) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target = link_target(path);
    const fs::file_status existing = fs::status(target, ec);
    if (fs::is_directory(existing)) {
        return {false, reason(EISDIR)};
    }
    if (fs::exists(existing) && !fs::is_regular_file(existing)) {
        // A device or a pipe cannot be replaced by a file; renaming over it would remove it.
        return {false, "Not a regular file"};
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    // The hidden name must stay within the longest name a folder takes.
    std::string hidden(".");
    hidden += target.filename().string().substr(0, 200);
    hidden += ".XXXXXX";
    std::string temp = (folder / hidden).string();
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return {false, reason(errno)};
    }
    temp = name.data();
    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        return WriteResult{false, reason(err)};
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
        return {false, reason(err)};
    }
    try {
        if (before_rename) {
            before_rename();
        }
    } catch (...) {
        ::unlink(temp.c_str());
        return {false, "the write was interrupted"};
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return {false, reason(err)};
    }
    return {};
}

bool read_whole_file(const std::string& path, std::string& contents) {
    // Not blocking on a pipe that nobody writes to; only a regular file is read, so that a
    // device such as /dev/zero cannot fill the memory.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<std::size_t>(st.st_size) > kMaxReadSize) {
        ::close(fd);
        return false;
    }
    std::string out;
    out.reserve(static_cast<std::size_t>(st.st_size));
    char buf[65536];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 || out.size() + static_cast<std::size_t>(n) > kMaxReadSize) {
            ok = false;
            break;
        }
        if (n == 0) {
            break;
        }
        out.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (ok) {
        contents = std::move(out);
    }
    return ok;
}

} // namespace milora
