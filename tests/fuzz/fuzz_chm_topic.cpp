// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Looking up a help topic in a help file: any file and any topic, and no crash, leak or hang.
//
// An input is the topic ("Tires.htm#alignment"), a NUL byte, then the bytes of the whole file.
// The file is handed to the reader through a file in memory, as the viewer hands it edt.chm. What
// the viewer makes of the file's pages, contents and index is read from it too.

#include "help/chm_file.h"
#include "help/page_text.h"
#include "help/search_index.h"
#include "help/sitemap.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// One file in memory for the whole run, rewritten for each input.
int memory_file() {
    static const int fd = [] {
        const int f = ::memfd_create("fuzz.chm", MFD_CLOEXEC);
        if (f < 0) {
            std::perror("memfd_create");
            std::abort();
        }
        return f;
    }();
    return fd;
}

void put(int fd, const std::uint8_t* data, std::size_t size) {
    if (::ftruncate(fd, 0) != 0) {
        std::abort();
    }
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(fd, data + done, size - done, static_cast<off_t>(done));
        if (n <= 0) {
            std::abort();
        }
        done += static_cast<std::size_t>(n);
    }
}

// What the viewer asks for: the page of the topic, without its anchor.
std::string page_of(const std::string& topic) {
    const std::string page = topic.substr(0, topic.find('#'));
    return page.starts_with('/') ? page : "/" + page;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string topic = input.substr(0, nul);
    const std::size_t start = nul == std::string::npos ? size : nul + 1;

    const int fd = memory_file();
    put(fd, data + start, size - start);
    milora::help::ChmFile file;
    if (!file.open("/proc/self/fd/" + std::to_string(fd))) {
        return 0;
    }
    for (const std::string& name : {page_of(topic), topic, std::string("/images/road.png")}) {
        const bool found = file.contains(name);
        const auto bytes = file.read(name);
        if (bytes && (!found || bytes->size() > milora::help::ChmFile::kMaxObjectSize)) {
            std::abort(); // read what it says is not there, or more than it may
        }
        if (bytes && bytes->size() <= milora::help::kLargestPage) {
            const milora::help::PageText text = milora::help::page_text(*bytes);
            milora::help::SearchIndex index;
            index.add_page(name, text.title, text.text);
            (void)index.search(topic);
            (void)milora::help::flatten_deep_tables(*bytes);
        }
    }
    const auto names = file.names();
    if (names.size() > milora::help::ChmFile::kMaxNames) {
        std::abort();
    }
    for (const std::string& name : names) {
        if (name.ends_with(".hhc") || name.ends_with(".hhk")) {
            if (const auto bytes = file.read(name)) {
                (void)milora::help::parse_sitemap(*bytes);
            }
        }
    }
    // The contents and index of the topic itself, as if it were a sitemap.
    (void)milora::help::parse_sitemap(topic);
    return 0;
}
