// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "app/atomic_file.h"

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

} // namespace

WriteResult write_file_atomically(const std::string& path, const std::string& contents,
                                  const std::function<void()>& before_rename) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    if (fs::is_directory(target)) {
        return {false, reason(EISDIR)};
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string hidden(".");
    hidden += target.filename().string();
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
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
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
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return {false, reason(err)};
    }
    return {};
}

bool read_whole_file(const std::string& path, std::string& contents) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) {
        return false;
    }
    struct stat st {};
    if (::fstat(::fileno(f), &st) != 0 || S_ISDIR(st.st_mode)) {
        std::fclose(f);
        return false;
    }
    std::string out;
    char buf[65536];
    std::size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        out.append(buf, n);
    }
    const bool ok = std::ferror(f) == 0;
    std::fclose(f);
    if (ok) {
        contents = std::move(out);
    }
    return ok;
}

} // namespace milora
