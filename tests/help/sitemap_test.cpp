// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "help/sitemap.h"

#include <gtest/gtest.h>

using milora::help::decode_entities;
using milora::help::parse_sitemap;
using milora::help::SitemapEntry;

namespace {

std::string entry(const std::string& name, const std::string& local) {
    return R"(<LI> <OBJECT type="text/sitemap"><param name="Name" value=")" + name +
           R"("><param name="Local" value=")" + local + R"("></OBJECT>)" + "\n";
}

std::string nested(int depth) {
    std::string html;
    for (int i = 0; i < depth; ++i) {
        html += "<UL>" + entry("level " + std::to_string(i), "p.htm");
    }
    for (int i = 0; i < depth; ++i) {
        html += "</UL>";
    }
    return html;
}

int depth_of(const std::vector<SitemapEntry>& entries) {
    int deepest = 0;
    for (const SitemapEntry& e : entries) {
        deepest = std::max(deepest, 1 + depth_of(e.children));
    }
    return deepest;
}

} // namespace

TEST(Sitemap, ReadsTheTreeOfAContentsFile) {
    const std::string hhc =
        "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n<HTML><BODY>\n"
        "<OBJECT type=\"text/site properties\"><param name=\"ImageType\" "
        "value=\"Folder\"></OBJECT>\n<UL>" +
        entry("Introduction", "Introduction.htm") + entry("Tires &amp; wheels", "Tires.htm") +
        "<UL>" + entry("Wheel alignment", "Tires.htm#alignment") +
        // A heading without a page, with a lower-case object and params
        // in the other order, unquoted type
        "<li><object type=text/sitemap><param value='Oil &quot;grades&quot;' "
        "name='name'></object>" +
        "</UL>" + entry("FAQ", "ms-its:edt.chm::/FAQ.htm") + "</UL></BODY></HTML>";
    const auto tree = parse_sitemap(hhc);
    ASSERT_EQ(tree.size(), 3U);
    EXPECT_EQ(tree[0].name, "Introduction");
    EXPECT_EQ(tree[0].local, "Introduction.htm");
    EXPECT_EQ(tree[1].name, "Tires & wheels");
    ASSERT_EQ(tree[1].children.size(), 2U);
    EXPECT_EQ(tree[1].children[0].local, "Tires.htm#alignment");
    EXPECT_EQ(tree[1].children[1].name, "Oil \"grades\"");
    EXPECT_EQ(tree[1].children[1].local, "");
    EXPECT_EQ(tree[2].local, "ms-its:edt.chm::/FAQ.htm");
}

TEST(Sitemap, AnIndexEntryKeepsItsFirstNameAndPage) {
    // An index entry may name the topic titles and pages it leads to after its keyword.
    const auto index = parse_sitemap(
        R"(<UL><LI><OBJECT type="text/sitemap"><param name="Name" value="tires">)"
        R"(<param name="Name" value="Tire pressure"><param name="Local" value="Tires.htm">)"
        R"(<param name="Local" value="Other.htm"></OBJECT></UL>)");
    ASSERT_EQ(index.size(), 1U);
    EXPECT_EQ(index[0].name, "tires");
    EXPECT_EQ(index[0].local, "Tires.htm");
    // Every page it names, each with the title before it, for the viewer to offer.
    ASSERT_EQ(index[0].topics.size(), 2U);
    EXPECT_EQ(index[0].topics[0].title, "Tire pressure");
    EXPECT_EQ(index[0].topics[0].local, "Tires.htm");
    EXPECT_EQ(index[0].topics[1].title, "");
    EXPECT_EQ(index[0].topics[1].local, "Other.htm");
    // However many it names, the list is bounded.
    std::string many = R"(<UL><LI><OBJECT type="text/sitemap"><param name="Name" value="k">)";
    for (int i = 0; i < 1000; ++i) {
        many += R"(<param name="Local" value="P.htm">)";
    }
    const auto bounded = parse_sitemap(many + "</OBJECT></UL>");
    ASSERT_EQ(bounded.size(), 1U);
    EXPECT_EQ(bounded[0].topics.size(), milora::help::kMaxSitemapTopics);
}

TEST(Sitemap, DamagedListsGiveFewerEntriesNeverMore) {
    EXPECT_TRUE(parse_sitemap("").empty());
    EXPECT_TRUE(
        parse_sitemap("<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"x")
            .empty());
    EXPECT_TRUE(parse_sitemap("</UL></UL><UL>").empty());
    // Params outside an object, and objects of another type, are no entries.
    EXPECT_TRUE(parse_sitemap(R"(<param name="Name" value="x"><OBJECT type="text/html">)"
                              R"(<param name="Name" value="y"></OBJECT>)")
                    .empty());
    // A list with no entry before it adds its entries to the list around it.
    const auto orphans = parse_sitemap("<UL><UL>" + entry("a", "a.htm") + "</UL></UL>");
    ASSERT_EQ(orphans.size(), 1U);
    EXPECT_EQ(orphans[0].name, "a");
}

TEST(Sitemap, DeepListsAndHugeListsAreBounded) {
    const auto deep = parse_sitemap(nested(5000));
    EXPECT_EQ(depth_of(deep), milora::help::kMaxSitemapDepth);
    std::string many;
    for (std::size_t i = 0; i < milora::help::kMaxSitemapEntries + 10; ++i) {
        many += entry("e", "e.htm");
    }
    EXPECT_EQ(parse_sitemap("<UL>" + many + "</UL>").size(), milora::help::kMaxSitemapEntries);
}

TEST(Sitemap, DecodesCharacterReferences) {
    EXPECT_EQ(decode_entities("A &amp; B &lt;3&gt; &#233;t&#xE9; &nbsp;"),
              "A & B <3> \xC3\xA9t\xC3\xA9 \xC2\xA0");
    // Unknown, unfinished or out-of-range references stay as written.
    EXPECT_EQ(decode_entities("&bogus; &#; &#xD800; &#99999999; & &amp"),
              "&bogus; &#; &#xD800; &#99999999; & &amp");
}
