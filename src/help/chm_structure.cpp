// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "help/chm_structure.h"

#include <cctype>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace milora::help {
namespace {

class Structure {
public:
    explicit Structure(int fd) : fd_(fd) {}

    // The names of the directory in the order of its chain of listing pages (see names()).
    std::vector<std::string> listed_names(std::size_t most) const {
        std::vector<std::string> out;
        std::vector<bool> seen(pages_, false);
        auto take = [&](std::uint64_t i) {
            seen[i] = true;
            for (const std::string& name : page_names_[i]) {
                if (out.size() < most) {
                    out.push_back(name);
                }
            }
        };
        // The chain starts at the listing page nothing comes before, whatever the header says
        // (chmcmd writes 1 there although page 0 comes first); a page met twice ends it.
        std::uint64_t at = pages_;
        for (std::uint64_t i = 0; i < pages_ && at == pages_; ++i) {
            if (is_listing(i) && static_cast<std::int32_t>(u32(page(i) + 12)) == -1) {
                at = i;
            }
        }
        while (at < pages_ && !seen[at] && is_listing(at)) {
            take(at);
            const auto next = static_cast<std::int32_t>(u32(page(at) + 16));
            at = next < 0 ? pages_ : static_cast<std::uint64_t>(next);
        }
        // Listing pages off the chain still hold names.
        for (std::uint64_t i = 0; i < pages_; ++i) {
            if (!seen[i] && is_listing(i)) {
                take(i);
            }
        }
        return out;
    }

    bool plausible() {
        struct stat st {};
        if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
            return false;
        }
        size_ = static_cast<std::uint64_t>(st.st_size);
        return header() && directory() && compression();
    }

private:
    static constexpr std::uint64_t kItsfLength = 0x60;
    static constexpr std::uint64_t kItspLength = 0x54;
    static constexpr std::uint64_t kPmglHeader = 20;
    static constexpr std::uint64_t kPmgiHeader = 8;
    static constexpr std::uint64_t kLongestName = 512;            // chmlib's CHM_MAX_PATHLEN
    static constexpr std::uint64_t kLargestDirectory = 64 << 20;  // far above any handbook's
    static constexpr std::uint64_t kFrame = 0x8000;               // LZX frames are 32 KiB
    static constexpr std::uint64_t kLargestFrame = kFrame + 6144; // chmlib's buffer for one

    // An entry of a listing page: where the object lies.
    struct Unit {
        std::uint64_t space = 0;
        std::uint64_t start = 0;
        std::uint64_t length = 0;
    };

    static std::uint32_t u32(const unsigned char* p) {
        return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
               static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    }
    static std::uint64_t u64(const unsigned char* p) {
        return static_cast<std::uint64_t>(u32(p)) | static_cast<std::uint64_t>(u32(p + 4)) << 32;
    }

    bool fetch(std::uint64_t offset, std::uint64_t length, std::vector<unsigned char>& out) const {
        if (offset > size_ || length > size_ - offset) {
            return false;
        }
        out.resize(static_cast<std::size_t>(length));
        std::size_t done = 0;
        while (done < out.size()) {
            const ssize_t n = ::pread(fd_, out.data() + done, out.size() - done,
                                      static_cast<off_t>(offset + done));
            if (n <= 0) {
                return false;
            }
            done += static_cast<std::size_t>(n);
        }
        return true;
    }

    // The number chmlib reads: 7 bits a byte, high bit set on all but the last; false when it
    // would run past `end`.
    static bool cword(const unsigned char*& p, const unsigned char* end, std::uint64_t& value) {
        value = 0;
        while (p < end) {
            const unsigned char b = *p++;
            value = (value << 7) + (b & 0x7F);
            if (b < 0x80) {
                return true;
            }
        }
        return false;
    }

    bool header() {
        std::vector<unsigned char> h;
        if (!fetch(0, kItsfLength, h) || std::memcmp(h.data(), "ITSF", 4) != 0) {
            return false;
        }
        const std::uint32_t version = u32(&h[4]);
        const std::uint32_t header_length = u32(&h[8]);
        if (!((version == 2 && header_length >= 0x58) || (version == 3 && header_length >= 0x60))) {
            return false;
        }
        const std::uint64_t dir_offset = u64(&h[72]);
        const std::uint64_t dir_length = u64(&h[80]);
        const std::uint64_t data_offset =
            version == 3 ? u64(&h[88]) : dir_offset + dir_length; // as chmlib computes it
        std::vector<unsigned char> p;
        if (dir_length > kLargestDirectory || !fetch(dir_offset, kItspLength, p) ||
            std::memcmp(p.data(), "ITSP", 4) != 0 || u32(&p[4]) != 1 || u32(&p[8]) != kItspLength) {
            return false;
        }
        block_ = u32(&p[16]);
        root_ = static_cast<std::int32_t>(u32(&p[28]));
        const auto head = static_cast<std::int32_t>(u32(&p[32]));
        if (root_ <= -1) {
            root_ = head; // no index pages: the one listing page is the root
        }
        if (block_ < 64 || block_ > 0x10000 || dir_length < kItspLength + block_ ||
            dir_offset > size_ || dir_length > size_ - dir_offset || data_offset > size_) {
            return false;
        }
        pages_ = (dir_length - kItspLength) / block_;
        page_names_.assign(static_cast<std::size_t>(pages_), {});
        pages_offset_ = dir_offset + kItspLength;
        data_offset_ = data_offset;
        return root_ >= 0 && static_cast<std::uint64_t>(root_) < pages_ &&
               fetch(pages_offset_, pages_ * block_, dir_);
    }

    const unsigned char* page(std::uint64_t i) const { return dir_.data() + i * block_; }
    bool is_listing(std::uint64_t i) const { return std::memcmp(page(i), "PMGL", 4) == 0; }
    bool is_index(std::uint64_t i) const { return std::memcmp(page(i), "PMGI", 4) == 0; }

    // What chmlib compares: the name up to its first NUL, letters in either case.
    static bool same_name(const unsigned char* name, std::uint64_t length, const char* wanted) {
        std::size_t i = 0;
        for (; i < length && name[i] != 0; ++i) {
            if (wanted[i] == '\0' ||
                std::tolower(name[i]) != std::tolower(static_cast<unsigned char>(wanted[i]))) {
                return false;
            }
        }
        return wanted[i] == '\0';
    }

    // Every entry of every listing and index page lies whole inside its page, and an index page
    // leads only to a listing page or to an index page before it, so that a lookup ends.
    bool directory() {
        for (std::uint64_t i = 0; i < pages_; ++i) {
            const bool listing = is_listing(i);
            if (!listing && !is_index(i)) {
                continue; // chmlib gives up when it comes to such a page
            }
            const std::uint64_t head = listing ? kPmglHeader : kPmgiHeader;
            const std::uint32_t free_space = u32(page(i) + 4);
            if (free_space > block_ - head) {
                return false;
            }
            const unsigned char* p = page(i) + head;
            const unsigned char* end = page(i) + block_ - free_space;
            while (p < end) {
                std::uint64_t length = 0;
                if (!cword(p, end, length) || length > kLongestName ||
                    length > static_cast<std::uint64_t>(end - p)) {
                    return false;
                }
                const unsigned char* name = p;
                p += length;
                if (listing) {
                    Unit u;
                    // Section 0 is stored, 1 compressed; chmlib takes any other for compressed
                    // before it knows how.
                    if (!cword(p, end, u.space) || !cword(p, end, u.start) ||
                        !cword(p, end, u.length) || u.space > 1) {
                        return false;
                    }
                    units_.push_back(u);
                    remember(name, length, u);
                    keep_name(i, name, length);
                    continue;
                }
                std::uint64_t child = 0;
                if (!cword(p, end, child)) {
                    return false;
                }
                // chmlib keeps the page number as an int.
                const auto as_int = static_cast<std::int32_t>(static_cast<std::uint32_t>(child));
                if (as_int < 0 || static_cast<std::uint64_t>(as_int) >= pages_) {
                    return false;
                }
                const auto c = static_cast<std::uint64_t>(as_int);
                if (!is_listing(c) && !(is_index(c) && c < i)) {
                    return false;
                }
            }
        }
        return true;
    }

    // A name a reader of the help file asks for: "/Tires.htm", not the compiler's own tables
    // ("/#SYSTEM", "/$WWKeywordLinks/", "::DataSpace/...") nor a folder. Up to its first NUL, as
    // chmlib reads it.
    void keep_name(std::uint64_t i, const unsigned char* name, std::uint64_t length) {
        std::size_t n = 0;
        while (n < length && name[n] != 0) {
            ++n;
        }
        if (n > 1 && name[0] == '/' && name[1] != '#' && name[1] != '$' && name[n - 1] != '/') {
            page_names_[i].emplace_back(reinterpret_cast<const char*>(name), n);
        }
    }

    static constexpr const char* kResetTable =
        "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
        "InstanceData/ResetTable";
    static constexpr const char* kContent = "::DataSpace/Storage/MSCompressed/Content";
    static constexpr const char* kControlData = "::DataSpace/Storage/MSCompressed/ControlData";

    void remember(const unsigned char* name, std::uint64_t length, const Unit& u) {
        const char* names[] = {kResetTable, kContent, kControlData};
        for (std::size_t k = 0; k < 3; ++k) {
            if (same_name(name, length, names[k])) {
                ++found_[k];
                compression_units_[k] = u;
            }
        }
    }

    // The tables chmlib decompresses by, when it will use them (all three present, uncompressed).
    bool compression() {
        for (std::size_t k = 0; k < 3; ++k) {
            if (found_[k] > 1) {
                return false; // which one chmlib takes depends on its index walk
            }
        }
        if (found_[0] == 0 || found_[1] == 0 || found_[2] == 0) {
            return true;
        }
        const Unit& reset = compression_units_[0];
        const Unit& content = compression_units_[1];
        const Unit& control = compression_units_[2];
        if (reset.space != 0 || content.space != 0 || control.space != 0) {
            return true;
        }
        std::vector<unsigned char> c;
        if (control.length < 0x18 || control.length > 256 ||
            !fetch_unit(control, 0, control.length, c) || std::memcmp(&c[4], "LZXC", 4) != 0) {
            return false;
        }
        const std::uint32_t version = u32(&c[8]);
        std::uint32_t reset_interval = u32(&c[12]);
        std::uint32_t window = u32(&c[16]);
        const std::uint32_t windows_per_reset = u32(&c[20]);
        if (version == 2) {
            reset_interval *= 0x8000; // in uint32, as chmlib does
            window *= 0x8000;
        } else if (version != 1) {
            return false;
        }
        const bool window_ok =
            window >= 0x8000 && window <= 0x200000 && (window & (window - 1)) == 0;
        if (!window_ok || reset_interval == 0 || reset_interval % (window / 2) != 0 ||
            reset_interval / (window / 2) * windows_per_reset == 0) {
            return false;
        }

        std::vector<unsigned char> r;
        if (reset.length < 0x28 || !fetch_unit(reset, 0, 0x28, r) || u32(&r[0]) != 2) {
            return false;
        }
        const std::uint64_t blocks = u32(&r[4]);
        const std::uint64_t table = u32(&r[12]);
        const std::uint64_t uncompressed = u64(&r[16]);
        const std::uint64_t compressed = u64(&r[24]);
        if (u64(&r[32]) != kFrame || blocks == 0 || table > reset.length ||
            blocks > (reset.length - table) / 8 || compressed > content.length ||
            uncompressed > blocks * kFrame) {
            return false;
        }
        std::vector<unsigned char> t;
        if (!fetch_unit(reset, table, blocks * 8, t)) {
            return false;
        }
        for (std::uint64_t b = 0; b < blocks; ++b) {
            const std::uint64_t start = u64(&t[b * 8]);
            const std::uint64_t next = b + 1 < blocks ? u64(&t[(b + 1) * 8]) : compressed;
            if (start > next || next > compressed || next - start > kLargestFrame) {
                return false;
            }
        }
        // Every compressed object lies inside what the tables decompress.
        for (const Unit& u : units_) {
            if (u.space != 0 && (u.start > uncompressed || u.length > uncompressed - u.start)) {
                return false;
            }
        }
        return true;
    }

    bool fetch_unit(const Unit& u, std::uint64_t offset, std::uint64_t length,
                    std::vector<unsigned char>& out) const {
        if (offset > u.length || length > u.length - offset || u.start > size_ ||
            data_offset_ > size_ - u.start) {
            return false;
        }
        return fetch(data_offset_ + u.start + offset, length, out);
    }

    int fd_;
    std::uint64_t size_ = 0;
    std::uint64_t block_ = 0;
    std::int32_t root_ = -1;
    std::uint64_t pages_ = 0;
    std::uint64_t pages_offset_ = 0;
    std::uint64_t data_offset_ = 0;
    std::vector<unsigned char> dir_;
    std::vector<Unit> units_;
    std::vector<std::vector<std::string>> page_names_; // per directory page
    std::size_t found_[3] = {0, 0, 0};
    Unit compression_units_[3];
};

} // namespace

bool plausible_help_file(const std::string& path) {
    std::vector<std::string> names;
    return read_help_file_directory(path, names, 0);
}

bool read_help_file_directory(const std::string& path, std::vector<std::string>& names,
                              std::size_t most) {
    names.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    Structure structure(fd);
    const bool ok = structure.plausible();
    ::close(fd);
    if (ok) {
        names = structure.listed_names(most);
    }
    return ok;
}

} // namespace milora::help
