// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// A damaged help file is refused before the help file reader can be misled by it. Each damage
// below once made the reader allocate gigabytes or divide by zero.

#include "help/chm_file.h"
#include "help/page_text.h"
#include "help/search_index.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

using milora::help::ChmFile;
namespace fs = std::filesystem;

namespace {

class ChmFileTest : public ::testing::Test {
protected:
    std::string handbook;
    milora::test::TempFolder temp{"chm"};
    fs::path damaged = temp.path() / "damaged.chm";

    void SetUp() override {
#ifndef MILORA_TEST_HANDBOOK
        GTEST_SKIP() << "this build cannot read help files";
#else
        std::ifstream in(MILORA_TEST_HANDBOOK, std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        handbook = all.str();
#endif
    }

    // Whether the handbook with `bytes` written at `offset` opens.
    bool opens_with(std::size_t offset, const std::string& bytes) {
        std::string copy = handbook;
        copy.replace(offset, bytes.size(), bytes);
        std::ofstream(damaged, std::ios::binary) << copy;
        ChmFile file;
        return file.open(damaged.string());
    }
    std::size_t find(const std::string& what) const {
        const std::size_t at = handbook.find(what);
        EXPECT_NE(at, std::string::npos) << what;
        return at;
    }
};

std::string le32(std::uint32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i) {
        s[static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    return s;
}

} // namespace

TEST_F(ChmFileTest, TheWholeHandbookOpensAndReadsItsPages) {
    ChmFile file;
    ASSERT_TRUE(file.open(MILORA_TEST_HANDBOOK));
    const auto page = file.read("/Tires.htm");
    ASSERT_TRUE(page);
    EXPECT_NE(page->find("alignment"), std::string::npos);
    EXPECT_TRUE(file.contains("/images/road.png"));
    EXPECT_FALSE(file.read("/Tires.htm#alignment"));
    EXPECT_FALSE(file.read(std::string("/Tires.htm\0x", 12)));
}

TEST_F(ChmFileTest, ListsTheFilesOfTheHandbookButNotItsBookkeeping) {
    ChmFile file;
    EXPECT_TRUE(file.names().empty()); // nothing open
    ASSERT_TRUE(file.open(MILORA_TEST_HANDBOOK));
    const auto names = file.names();
    for (const char* expected :
         {"/Introduction.htm", "/Tires.htm", "/Getting_Started.htm", "/handbook.css",
          "/images/road.png", "/handbook.hhc", "/handbook.hhk"}) {
        EXPECT_NE(std::find(names.begin(), names.end(), expected), names.end()) << expected;
    }
    for (const std::string& name : names) {
        EXPECT_TRUE(name.starts_with('/') && name[1] != '#' && name[1] != '$') << name;
        EXPECT_TRUE(file.contains(name)) << name;
    }
}

TEST_F(ChmFileTest, ADamagedDirectoryOrTableIsRefused) {
    const std::size_t itsp = find("ITSP");
    const std::size_t name = find("/Tires.htm");
    const std::size_t lzxc = find("LZXC");
    // The directory's page length, as read by the reader's every lookup: 4 GB.
    EXPECT_FALSE(opens_with(itsp + 16, le32(0xFE000000)));
    // An index root beyond the directory.
    EXPECT_FALSE(opens_with(itsp + 28, le32(7)));
    // A table stored in a section that does not exist: the reader took it for compressed before
    // it knew how to decompress, and divided by zero.
    const std::string reset_table = "/InstanceData/ResetTable";
    EXPECT_FALSE(opens_with(find(reset_table) + reset_table.size(), std::string(1, '\x02')));
    EXPECT_FALSE(opens_with(name + std::strlen("/Tires.htm"), std::string(1, '\x02')));
    // A name longer than the reader's buffer for it (513 bytes).
    EXPECT_FALSE(opens_with(name - 1, "\x84\x01"));
    // A compression window of no size.
    EXPECT_FALSE(opens_with(lzxc + 12, le32(0)));
    // Not a help file at all.
    EXPECT_FALSE(opens_with(0, "XTSF"));
    EXPECT_FALSE(opens_with(0, std::string(handbook.size(), '\0')));
}

TEST_F(ChmFileTest, APipeOrAFolderIsNoHelpFile) {
    const fs::path pipe = temp.path() / "pipe.chm";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    ChmFile file;
    EXPECT_FALSE(file.open(pipe.string())); // and does not wait for a writer
    EXPECT_FALSE(file.open(temp.path().string()));
}

// chmcmd writes the directory's first listing page as 1 although page 0 comes first; a reader
// that starts where the header says sees only some of the names once there are several pages.
TEST(ChmFileDirectory, AHelpFileOfSeveralListingPagesListsEveryPage) {
#ifndef MILORA_MANY_PAGES_HANDBOOK
    GTEST_SKIP() << "this build cannot read help files";
#else
    ChmFile file;
    ASSERT_TRUE(file.open(MILORA_MANY_PAGES_HANDBOOK));
    const auto names = file.names();
    std::size_t chapters = 0;
    for (const std::string& name : names) {
        chapters += name.starts_with("/Chapter_") ? 1 : 0;
        EXPECT_TRUE(file.contains(name)) << name;
    }
    EXPECT_EQ(chapters, 200U);
    EXPECT_NE(std::find(names.begin(), names.end(), "/Chapter_0.htm"), names.end());
    // Each name once, so that a page is searched once.
    auto sorted = names;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
    // The word only Chapter 0 holds is found through the names.
    milora::help::SearchIndex index;
    for (const std::string& name : names) {
        if (name.ends_with(".htm")) {
            const auto text = milora::help::page_text(*file.read(name));
            index.add_page(name, text.title, text.text);
        }
    }
    const auto hits = index.search("odometer");
    ASSERT_EQ(hits.size(), 1U);
    EXPECT_EQ(hits[0].page, "/Chapter_0.htm");
#endif
}
