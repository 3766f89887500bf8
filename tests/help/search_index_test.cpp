// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "help/page_text.h"
#include "help/search_index.h"

#include <chrono>
#include <gtest/gtest.h>

using milora::help::flatten_deep_tables;
using milora::help::page_text;
using milora::help::SearchIndex;

namespace {

std::string nested_tables(int depth) {
    std::string html;
    for (int i = 0; i < depth; ++i) {
        html += "<table><tr><td>c" + std::to_string(i) + "</td><td>";
    }
    html += "deepest";
    for (int i = 0; i < depth; ++i) {
        html += "</td></tr></table>";
    }
    return html;
}

int deepest_table(const std::string& html) {
    // Every table here opens before any closes, so the count of opening tags is the depth.
    int deepest = 0;
    for (std::size_t at = 0; (at = html.find("<table", at)) != std::string::npos; ++at) {
        ++deepest;
    }
    return deepest;
}

std::vector<std::string> pages_of(const std::vector<SearchIndex::Hit>& hits) {
    std::vector<std::string> out;
    for (const auto& h : hits) {
        out.push_back(h.page);
    }
    return out;
}

} // namespace

TEST(PageText, TakesTheTitleAndTheVisibleWords) {
    const auto page = page_text(
        "<html><head><title> Tire &amp; wheel\n care </title><style>h1 { color: red }</style>"
        "<script>var hidden = 1;</script></head><body><h1>Tires</h1><!-- a comment -->"
        "<p>Keep them <b>in</b>flated.</p><table><tr><td>one</td><td>two</td></tr></table>"
        "</body></html>");
    EXPECT_EQ(page.title, "Tire & wheel care");
    EXPECT_EQ(page.text, "Tires Keep them inflated. one two");
    // Without a title the first heading names the page.
    EXPECT_EQ(page_text("<h2>Oil <i>grades</i></h2><p>x</p>").title, "Oil grades");
    EXPECT_EQ(page_text("<p>no title").title, "");
}

TEST(PageText, DeepTablesAreFlattenedBelowTheDepthTheViewerLaysOut) {
    const std::string shallow = nested_tables(3);
    EXPECT_EQ(flatten_deep_tables(shallow), shallow);
    const std::string flat = flatten_deep_tables(nested_tables(100));
    EXPECT_EQ(deepest_table(flat), milora::help::kDeepestTable);
    // Every cell's text is still there, and the tables kept are whole.
    std::string words;
    for (int i = 0; i < 100; ++i) {
        words += "c" + std::to_string(i) + " ";
    }
    EXPECT_EQ(page_text(flat).text, words + "deepest");
    std::size_t opened = 0;
    std::size_t closed = 0;
    for (std::size_t at = 0; (at = flat.find("<table", at)) != std::string::npos; ++at) {
        ++opened;
    }
    for (std::size_t at = 0; (at = flat.find("</table>", at)) != std::string::npos; ++at) {
        ++closed;
    }
    EXPECT_EQ(opened, closed);
    // Stray closing tags do not make the count go below zero.
    const std::string stray = "</table></table>" + nested_tables(8);
    EXPECT_EQ(deepest_table(flatten_deep_tables(stray)), milora::help::kDeepestTable);
}

TEST(SearchIndex, FindsPagesHoldingEveryWordBestFirst) {
    SearchIndex index;
    index.add_page("Tires.htm", "Tires", "tires tire pressure and tires again underinflated tires");
    index.add_page("Oil.htm", "Oil", "oil grades and one word about tires");
    index.add_page("Pressure.htm", "Tire pressure", "pressure of the tires");
    index.add_page("Idling.htm", "Idling", "idling wastes fuel");
    EXPECT_EQ(index.page_count(), 4U);
    // The title counts more than a few words in the text.
    EXPECT_EQ(pages_of(index.search("TIRES")),
              (std::vector<std::string>{"Tires.htm", "Oil.htm", "Pressure.htm"}));
    // Every word of the question; a word finds the longer words it begins. Both words in the
    // title outrank more hits in the text.
    EXPECT_EQ(pages_of(index.search("tire pressure")),
              (std::vector<std::string>{"Pressure.htm", "Tires.htm"}));
    EXPECT_EQ(pages_of(index.search("underinflat")), std::vector<std::string>{"Tires.htm"});
    EXPECT_TRUE(index.search("carburettor").empty());
    EXPECT_TRUE(index.search("  ,.; ").empty());
    // Letters beyond ASCII are part of words.
    index.add_page("Cafe.htm", "Caf\xC3\xA9", "caf\xC3\xA9 stop");
    EXPECT_EQ(pages_of(index.search("caf\xC3\xA9")), std::vector<std::string>{"Cafe.htm"});
    EXPECT_TRUE(index.search("caf").size() == 1U);
}

TEST(SearchIndex, AHandbookSizedIndexIsBuiltAndSearchedQuickly) {
    std::string text;
    for (int w = 0; w < 100; ++w) { // 400 words a page, about the handbook's
        text += "word" + std::to_string(w % 700) + " fuel economy tires ";
    }
    const auto start = std::chrono::steady_clock::now();
    SearchIndex index;
    for (int p = 0; p < 80; ++p) {
        index.add_page("P" + std::to_string(p) + ".htm", "Page " + std::to_string(p), text);
    }
    const auto built = std::chrono::steady_clock::now();
    EXPECT_EQ(index.search("economy").size(), 80U);
    const auto searched = std::chrono::steady_clock::now();
    EXPECT_LT(built - start, std::chrono::milliseconds(500)); // a debug build on a busy machine
    EXPECT_LT(searched - built, std::chrono::milliseconds(100));
}

TEST(PageText, LongWordsGetAPlaceToBreakAndManyCellsLoseTheirTables) {
    const std::string zwsp = "\xE2\x80\x8B";
    const std::string word(450, 'w');
    const std::string broken = milora::help::break_long_words(
        "<style>p{}" + word + "</style><p title=\"" + word + "\">" + word + "</p>");
    EXPECT_EQ(broken, "<style>p{}" + word + "</style><p title=\"" + word + "\">" +
                          std::string(200, 'w') + zwsp + std::string(200, 'w') + zwsp +
                          std::string(50, 'w') + "</p>");
    // Not inside a character reference or a letter of several bytes.
    const std::string refs = milora::help::break_long_words(std::string(199, 'w') + "&amp;x");
    EXPECT_EQ(refs, std::string(199, 'w') + "&amp;" + zwsp + "x");
    const std::string accents = milora::help::break_long_words(std::string(199, 'w') + "\xC3\xA9x");
    EXPECT_EQ(accents, std::string(199, 'w') + "\xC3\xA9" + zwsp + "x");
    // Short words are left alone.
    EXPECT_EQ(milora::help::break_long_words("<p>a few words</p>"), "<p>a few words</p>");

    std::string rows;
    for (std::size_t i = 0; i <= milora::help::kMostTableCells; ++i) {
        rows += "<tr><td>a</td></tr>";
    }
    const std::string flat = flatten_deep_tables("<table>" + rows + "</table>");
    EXPECT_EQ(flat.find("<td"), std::string::npos);
    EXPECT_EQ(flat.find("<table"), std::string::npos);
}
