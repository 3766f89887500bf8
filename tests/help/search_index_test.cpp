// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "help/page_text.h"
#include "help/search_index.h"

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

TEST(SearchIndex, AHandbookSizedIndexFindsEveryPageAndEachWordOnce) {
    std::string text;
    for (int w = 0; w < 100; ++w) { // 400 words a page, about the handbook's
        text += "word" + std::to_string(w % 700) + " fuel economy tires ";
    }
    SearchIndex index;
    for (int p = 0; p < 80; ++p) {
        index.add_page("P" + std::to_string(p) + ".htm", "Page " + std::to_string(p), text);
    }
    EXPECT_EQ(index.search("economy").size(), 80U);
    EXPECT_EQ(index.search("word99 tires").size(), 80U);
    EXPECT_TRUE(index.search("word100").empty());
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

TEST(SearchIndex, SpellingsQuotesAndRepeatedWordsAreOneWord) {
    EXPECT_EQ(SearchIndex::fold_spelling("litres"), "liters");
    EXPECT_EQ(SearchIndex::fold_spelling("kilometres"), "kilometers");
    EXPECT_EQ(SearchIndex::fold_spelling("tyres"), "tires");
    EXPECT_EQ(SearchIndex::fold_spelling("pressure"), "pressure");
    // Typographic quotes, dashes and the no-break space end a word; accented letters do not.
    EXPECT_EQ(SearchIndex::words("\xE2\x80\x9Ctires\xE2\x80\x9D \xC2\xAB"
                                 "caf\xC3\xA9\xC2\xBB\xC2\xA0one\xE2\x80\x94two"),
              (std::vector<std::string>{"tires", "caf\xC3\xA9", "one", "two"}));
    SearchIndex index;
    index.add_page("Metric.htm", "Metric", "a tank of 50 litres is 13 gallons");
    index.add_page("Us.htm", "US", "13 gallons are 50 liters");
    for (const char* asked : {"liters", "litres", "\xE2\x80\x9Clitres\xE2\x80\x9D", "LITRE"}) {
        EXPECT_EQ(pages_of(index.search(asked)), (std::vector<std::string>{"Metric.htm", "Us.htm"}))
            << asked;
    }
    // A thousand times the same word asks for one word; distinct words are cut at the bound.
    std::string many;
    for (int i = 0; i < 1000; ++i) {
        many += "a ";
    }
    EXPECT_EQ(SearchIndex::query_words(many), std::vector<std::string>{"a"});
    std::string distinct;
    for (int i = 0; i < 1000; ++i) {
        distinct += "w" + std::to_string(i) + " ";
    }
    EXPECT_EQ(SearchIndex::query_words(distinct).size(), SearchIndex::kMostQueryWords);
    EXPECT_EQ(index.search(many + "gallons").size(), 2U);
}

TEST(SearchIndex, TextIndexedIsBoundedPerPageAndInAllAndSaidSo) {
    SearchIndex index;
    std::string page;
    while (page.size() < 2 * SearchIndex::kMostTextPerPage) {
        page += "fuel ";
    }
    page += "lastword";
    EXPECT_FALSE(index.add_page("Big.htm", "Big", page));
    EXPECT_FALSE(index.whole());
    EXPECT_LE(index.text_indexed(), SearchIndex::kMostTextPerPage);
    EXPECT_TRUE(index.search("lastword").empty()); // past the cut
    EXPECT_EQ(index.search("fuel").size(), 1U);
    for (int p = 0; index.text_indexed() < SearchIndex::kMostTextInAll; ++p) {
        index.add_page("P" + std::to_string(p) + ".htm", "P", page);
        ASSERT_LT(p, 1000);
    }
    EXPECT_EQ(index.text_indexed(), SearchIndex::kMostTextInAll);
    // Past the bound a page is listed by name but its text is not indexed.
    EXPECT_FALSE(index.add_page("After.htm", "After", "odometer"));
    EXPECT_LE(index.text_indexed(), SearchIndex::kMostTextInAll);
    EXPECT_TRUE(index.search("odometer").empty());

    SearchIndex small;
    EXPECT_TRUE(small.add_page("A.htm", "A", "a small page"));
    EXPECT_TRUE(small.whole());
}

TEST(SearchIndex, AHitCarriesASnippetAroundItsFirstWord) {
    SearchIndex index;
    std::string text = "Tires and wheels. ";
    for (int i = 0; i < 30; ++i) {
        text += "Some words before the hit. ";
    }
    text += "Inflate to the pressure on the door sticker, not the sidewall maximum. ";
    for (int i = 0; i < 30; ++i) {
        text += "Some words after the hit. ";
    }
    index.add_page("Tires.htm", "Tires", text);
    const auto hits = index.search("sticker");
    ASSERT_EQ(hits.size(), 1U);
    EXPECT_NE(hits[0].snippet.find("door sticker"), std::string::npos) << hits[0].snippet;
    EXPECT_LE(hits[0].snippet.size(), SearchIndex::kSnippetLength + 6); // and two ellipses
    EXPECT_TRUE(hits[0].snippet.starts_with("\xE2\x80\xA6"));
}

TEST(PageText, HugeSpansAndSizesAreCutAndCountedAsTheCellsTheyMake) {
    using milora::help::bound_sizes;
    EXPECT_EQ(bound_sizes("<td colspan=1000000 rowspan=\"99999999999999999999999\">x</td>"),
              "<td colspan=100 rowspan=\"100\">x</td>");
    EXPECT_EQ(bound_sizes("<table width=\"100000%\" height=50000><img width='9999999'>"),
              "<table width=\"100%\" height=4000><img width='4000'>");
    EXPECT_EQ(bound_sizes("<font size=999>big</font><hr size=90000>"),
              "<font size=7>big</font><hr size=4000>");
    // Sensible values, other attributes and text stay as they are.
    const std::string fine = "<td colspan=2 title=\"colspan=1000000\">width=99999</td>";
    EXPECT_EQ(bound_sizes(fine), fine);
    // 1,000 rows of one cell spanning many columns are many cells: the tables are flattened.
    std::string rows;
    for (int i = 0; i < 1000; ++i) {
        rows += "<tr><td colspan=1000000>x</td></tr>";
    }
    const std::string flat = flatten_deep_tables("<table>" + rows + "</table>");
    EXPECT_EQ(flat.find("<td"), std::string::npos);
    // A few spanning cells are not.
    const std::string few = "<table><tr><td colspan=3>x</td></tr></table>";
    EXPECT_EQ(flatten_deep_tables(few), few);
}
