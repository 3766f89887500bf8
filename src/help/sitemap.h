// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The contents (.hhc) and index (.hhk) of a help file: HTML lists of <OBJECT type="text/sitemap">
// entries, each with a Name and a Local parameter, a nested <UL> after an entry holding its
// children. Read without Qt from whatever bytes the file holds: a damaged or hostile list gives
// fewer entries, never a crash, a deep recursion or an unbounded tree.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace milora::help {

// One of the pages an index keyword names, with the title the index gives it (may be empty).
struct SitemapTopic {
    std::string title;
    std::string local;
};

struct SitemapEntry {
    std::string name;  // as written, with character references decoded
    std::string local; // "Tires.htm#alignment"; empty for a heading without a page
    std::vector<SitemapEntry> children;
    // Every page the entry names, `local` first; an index keyword may name several, each after
    // a Name of its own. At most kMaxSitemapTopics.
    std::vector<SitemapTopic> topics;
};

inline constexpr std::size_t kMaxSitemapTopics = 50;

// Deeper lists are attached at this depth, so that walking the tree stays cheap.
inline constexpr int kMaxSitemapDepth = 16;
// Entries past this many are left out.
inline constexpr std::size_t kMaxSitemapEntries = 20000;

std::vector<SitemapEntry> parse_sitemap(std::string_view html);

// `text` with the character references an HTML attribute may hold (&amp; &#233; &#xE9; ...)
// decoded to UTF-8.
std::string decode_entities(std::string_view text);

} // namespace milora::help
