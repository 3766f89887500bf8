// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT

// The compiled handbook (edt.chm, as the build makes it) against the program: every topic a
// command can open is a page of the file with its anchor, every contents and index entry leads
// somewhere, and the pages are written out. Read with the program's own help file reader.

#include "calc/constants.h"
#include "calc/registry.h"
#include "cardata/data_settings.h"
#include "handbook/handbook_text.h"
#include "help/chm_file.h"
#include "help/search_index.h"
#include "mileage/mileage_tracker.h"
#include "shell/help_topics.h"
#include "shell/main_tables.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace fs = std::filesystem;
using namespace milora;
using namespace milora::handbook_test;

namespace {

// The pages the project compiles, by the names in its [FILES] section.
std::vector<std::string> project_pages() {
    std::istringstream in(read_file(kSource / "edt.hhp"));
    std::vector<std::string> pages;
    bool files = false;
    for (std::string line; std::getline(in, line);) {
        line = collapse(line);
        if (!line.empty() && line.front() == '[') {
            files = line == "[FILES]";
        } else if (files && line.size() > 4 && line.ends_with(".htm")) {
            pages.push_back(line);
        }
    }
    return pages;
}

class BuiltHandbookTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(help::ChmFile::supported()) << "this build cannot read help files";
        ASSERT_TRUE(chm.open(MILORA_BUILT_HANDBOOK)) << MILORA_BUILT_HANDBOOK;
    }
    static void TearDownTestSuite() { chm.close(); }

    // Whether "Page.htm#anchor" names a page of the file holding that anchor; says why not.
    static ::testing::AssertionResult opens(const std::string& topic) {
        const std::size_t hash = topic.find('#');
        const std::string page = topic.substr(0, hash);
        const std::optional<std::string> html = chm.read("/" + page);
        if (!html) {
            return ::testing::AssertionFailure() << "no page " << page;
        }
        if (hash != std::string::npos && !has_anchor(*html, topic.substr(hash + 1))) {
            return ::testing::AssertionFailure() << page << " has no anchor " << topic.substr(hash);
        }
        return ::testing::AssertionSuccess();
    }

    static std::map<std::string, std::string> pages() {
        std::map<std::string, std::string> all;
        for (const std::string& name : project_pages()) {
            const std::optional<std::string> html = chm.read("/" + name);
            EXPECT_TRUE(html.has_value()) << name << " is in edt.hhp but not in edt.chm";
            if (html) {
                all[name] = *html;
            }
        }
        return all;
    }

    static help::ChmFile chm;
};

help::ChmFile BuiltHandbookTest::chm;

TEST_F(BuiltHandbookTest, EveryTopicTheProgramOpensIsAPageWithItsAnchor) {
    std::set<std::string> topics;
    for (const shell::HelpTopic& t : shell::help_topics()) {
        topics.insert(t.topic);
    }
    for (const calc::CalculatorEntry& entry : calc::calculators()) {
        const std::string topic = entry.make()->description().help_topic;
        EXPECT_FALSE(topic.empty()) << entry.window << " opens no topic";
        topics.insert(topic);
    }
    topics.insert(cardata::kHelpTopic);
    topics.insert(mileage::kHelpTopic); // the tracker and its plot
    EXPECT_GE(topics.size(), 45u);
    for (const std::string& topic : topics) {
        EXPECT_TRUE(opens(topic)) << topic;
    }
    EXPECT_FALSE(opens("Tires.htm#no_such_anchor")); // the check itself can fail
}

TEST_F(BuiltHandbookTest, EveryContentsAndIndexEntryLeadsToAPageAndAnchor) {
    for (const char* sitemap : {"edt.hhc", "edt.hhk"}) {
        SCOPED_TRACE(sitemap);
        const std::optional<std::string> compiled = chm.read(std::string("/") + sitemap);
        ASSERT_TRUE(compiled.has_value()) << "edt.chm holds no " << sitemap;
        const std::vector<std::string> locals = sitemap_locals(*compiled);
        EXPECT_GE(locals.size(), std::string(sitemap) == "edt.hhk" ? 60u : 37u);
        for (const std::string& local : locals) {
            EXPECT_TRUE(opens(local)) << local;
        }
    }
}

TEST_F(BuiltHandbookTest, ContentsListEveryPage) {
    std::set<std::string> listed;
    for (const std::string& local : sitemap_locals(read_file(kSource / "edt.hhc"))) {
        listed.insert(local.substr(0, local.find('#')));
    }
    for (const std::string& page : project_pages()) {
        EXPECT_TRUE(listed.count(page)) << page << " is not in the contents";
    }
    // And the project compiles every page of the folder.
    const std::vector<std::string> compiled = project_pages();
    for (const auto& entry : fs::directory_iterator(kSource)) {
        if (entry.path().extension() == ".htm") {
            const std::string name = entry.path().filename().string();
            EXPECT_NE(std::find(compiled.begin(), compiled.end(), name), compiled.end())
                << name << " is not in edt.hhp";
        }
    }
}

TEST_F(BuiltHandbookTest, EveryPageIsWrittenOutInPlainWords) {
    for (const auto& [name, html] : pages()) {
        SCOPED_TRACE(name);
        EXPECT_GE(word_count(html), 150u);
        const std::string low = lower(html);
        EXPECT_EQ(low.find("specification"), std::string::npos);
        // Nor a numbered section reference ("Part" and a number): pages speak for themselves.
        for (std::size_t at = html.find("Part "); at != std::string::npos;
             at = html.find("Part ", at + 1)) {
            EXPECT_FALSE(at + 5 < html.size() &&
                         std::isdigit(static_cast<unsigned char>(html[at + 5])))
                << html.substr(at, 12);
        }
        EXPECT_NE(low.find("<title>"), std::string::npos);
        EXPECT_NE(low.find("href=\"handbook.css\""), std::string::npos);
    }
}

TEST_F(BuiltHandbookTest, TheWholeHandbookHoldsFifteenThousandWords) {
    std::size_t total = 0;
    for (const auto& [name, html] : pages()) {
        total += word_count(html);
    }
    EXPECT_GE(total, 15000u);
}

// Sentences of eight words or more appear once in the whole handbook: no page is stamped out of
// another. Quoted program output (class="result") may of course repeat, and so may short table
// cells and list items such as "Gas Cost: from your car data".
std::vector<std::string> sentences(std::string html) {
    for (const Element& e : elements_of_class(html, "result")) {
        const std::size_t at = html.find(e.inner);
        if (at != std::string::npos) {
            html.erase(at, e.inner.size());
        }
    }
    // A block ends a sentence even without a full stop.
    std::string marked;
    const std::string low = lower(html);
    for (std::size_t i = 0; i < html.size(); ++i) {
        if (html[i] == '<') {
            std::size_t n = i + 1 + (low.compare(i + 1, 1, "/") == 0 ? 1 : 0);
            for (const char* block : {"p", "li", "td", "th", "tr", "h1", "h2", "h3", "h4", "div",
                                      "blockquote", "br", "ul", "ol", "table"}) {
                const std::size_t len = std::char_traits<char>::length(block);
                if (low.compare(n, len, block) == 0 && n + len < low.size() &&
                    !std::isalnum(static_cast<unsigned char>(low[n + len]))) {
                    marked += " |";
                    break;
                }
            }
        }
        marked += html[i];
    }
    const std::string text = visible_text(marked);
    std::vector<std::string> found;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size() || text[i] == '|' ||
                         ((text[i] == '.' || text[i] == '!' || text[i] == '?') &&
                          (i + 1 == text.size() || text[i + 1] == ' '));
        if (!end) {
            continue;
        }
        std::string sentence = collapse(text.substr(start, i - start));
        start = i + 1;
        if (std::count(sentence.begin(), sentence.end(), ' ') >= 7) {
            found.push_back(std::move(sentence));
        }
    }
    return found;
}

TEST_F(BuiltHandbookTest, NoSentenceIsRepeated) {
    std::map<std::string, std::string> seen;
    for (const auto& [name, html] : pages()) {
        for (const std::string& sentence : sentences(html)) {
            const auto [it, fresh] = seen.emplace(lower(sentence), name);
            EXPECT_TRUE(fresh) << "\"" << sentence << "\" on " << it->second << " and " << name;
        }
    }
}

// The index as the viewer reads it from the compiled file: keyword -> Local.
std::multimap<std::string, std::string> index_entries(const help::ChmFile& chm) {
    std::multimap<std::string, std::string> index;
    const std::optional<std::string> hhk = chm.read("/edt.hhk");
    if (hhk) {
        for (const help::SitemapEntry& e : sitemap_entries(*hhk)) {
            index.emplace(e.name, e.local);
        }
    }
    return index;
}

std::string page_of(const std::string& topic) {
    return topic.substr(0, topic.find('#'));
}

TEST_F(BuiltHandbookTest, IndexNamesEveryCalculatorAndEveryMainWindowButton) {
    const std::multimap<std::string, std::string> index = index_entries(chm);
    EXPECT_GE(index.size(), 150u);
    for (const calc::CalculatorEntry& entry : calc::calculators()) {
        const calc::WindowDescription d = entry.make()->description();
        const auto [from, to] = index.equal_range(d.caption);
        EXPECT_NE(from, to) << "no index entry for the window title \"" << d.caption << "\"";
        for (auto it = from; it != to; ++it) {
            EXPECT_EQ(it->second, d.help_topic) << d.caption;
        }
    }
    for (const shell::MainTab& tab : shell::main_tabs()) {
        for (const shell::MainRow& row : tab.rows) {
            std::string caption = row.caption;
            for (std::size_t at = caption.find("&&"); at != std::string::npos;
                 at = caption.find("&&", at + 1)) {
                caption.erase(at, 1); // a doubled & shows as one
            }
            const auto it = index.find(caption);
            ASSERT_NE(it, index.end()) << "no index entry for the button \"" << caption << "\"";
            if (row.action == shell::RowAction::Exit) {
                continue;
            }
            // The entry leads where the row's Help button (or the chapter button) leads.
            const char* control = row.help_button ? row.help_button : row.button;
            const auto topic = std::find_if(
                shell::help_topics().begin(), shell::help_topics().end(),
                [control](const shell::HelpTopic& h) { return std::string(h.control) == control; });
            ASSERT_NE(topic, shell::help_topics().end()) << control;
            EXPECT_EQ(page_of(it->second), page_of(topic->topic)) << caption;
        }
    }
    // Words drivers type: the program's own spelling, both spellings, abbreviations.
    for (const char* word : {"fillup", "fill-up", "liters", "litres", "kilometers", "kilometres",
                             "CO2", "MPG", "A/C", "psi", "E85", "L/100 km", "tyres", "petrol"}) {
        EXPECT_TRUE(index.count(word)) << word;
    }
}

// The full-text search, built from the compiled pages the way the help viewer builds it.
help::SearchIndex search_index(const help::ChmFile& chm) {
    help::SearchIndex index;
    for (const std::string& name : chm.names()) {
        if (!name.ends_with(".htm")) {
            continue;
        }
        const std::optional<std::string> html = chm.read(name);
        const help::PageText page = help::page_text(html.value_or(""));
        index.add_page(name.substr(1), page.title, lower(page.text));
    }
    return index;
}

std::set<std::string> pages_found(const help::SearchIndex& index, std::string_view words) {
    std::set<std::string> pages;
    for (const help::SearchIndex::Hit& hit : index.search(words)) {
        pages.insert(hit.page);
    }
    return pages;
}

TEST_F(BuiltHandbookTest, SearchFindsTheSamePagesInUsAndBritishSpelling) {
    const help::SearchIndex index = search_index(chm);
    for (const auto& [us, uk] : {std::pair{"liters", "litres"}, {"kilometers", "kilometres"}}) {
        const std::set<std::string> found = pages_found(index, us);
        EXPECT_FALSE(found.empty()) << us;
        EXPECT_EQ(found, pages_found(index, uk)) << us << " / " << uk;
    }
}

TEST_F(BuiltHandbookTest, TextIsInUsSpelling) {
    // The tracker's Units menu spells its captions the British way; quoting them is quoting the
    // program.
    const std::vector<std::string> captions = {"Kilometres and Litres"};
    const std::vector<std::string> british = {
        "litre",   "kilometre", "colour",    "favour",    "centre",   "licence",   "tyre",
        "vapour",  "manoeuv",   "agonis",    "carburett", "labelled", "neighbour", "behaviour",
        "organis", "programme", "catalogue", "aluminium", "kerb",     "travelled", "modelled"};
    for (const auto& [name, html] : pages()) {
        std::string text = visible_text(html);
        for (const std::string& c : captions) {
            for (std::size_t at = text.find(c); at != std::string::npos; at = text.find(c, at)) {
                text.erase(at, c.size());
            }
        }
        for (const std::string& word : help::SearchIndex::words(text)) {
            for (const std::string& b : british) {
                EXPECT_FALSE(word.starts_with(b)) << name << ": " << word;
            }
        }
    }
}

// Sentences once found untrue of the program, and the true ones that replaced them.
TEST_F(BuiltHandbookTest, PagesSayWhatTheProgramDoes) {
    const std::map<std::string, std::string> all = pages();
    const std::vector<std::string> untrue = {
        "does not ask, so save first",          // the tracker asks before losing changes
        "would be read as 41",                  // "41,200" is read as 41200
        "rounded to whole dollars",             // nearly every calculator shows cents
        "A full tank of gas weighs",            // garbled
        "40 to 50 miles per hour",              // the speed table peaks at 55
        "deliberately simple and conservative", // most models lean generous
        "a typical gap between regular and premium",
        "that the developers read", // no promise of a reader
    };
    for (const auto& [name, html] : all) {
        const std::string text = visible_text(html);
        for (const std::string& s : untrue) {
            EXPECT_EQ(text.find(s), std::string::npos) << name << ": " << s;
        }
    }
    const std::string tracker = visible_text(all.at("What_s_Your_True_MPG.htm"));
    for (const char* s : {"Save Modified Data?", "\"41,200\" and \"41200\"", "Use In Calculators",
                          "Undo", "Delete Entry", "Edit Entry"}) {
        EXPECT_NE(tracker.find(s), std::string::npos) << s;
    }
    EXPECT_NE(visible_text(all.at("Entering_Settings.htm")).find("From Mileage Log..."),
              std::string::npos);
}

// A chapter names the boxes of its calculator as the window labels them, so that a reader finds
// the box the text speaks of.
TEST_F(BuiltHandbookTest, EveryChapterNamesItsCalculatorsBoxes) {
    for (const calc::CalculatorEntry& entry : calc::calculators()) {
        const calc::WindowDescription d = entry.make()->description();
        const std::optional<std::string> html = chm.read("/" + page_of(d.help_topic));
        ASSERT_TRUE(html.has_value()) << d.help_topic;
        std::string text = lower(visible_text(*html));
        // A topic with an anchor is the section from that anchor on.
        const std::size_t hash = d.help_topic.find('#');
        if (hash != std::string::npos) {
            const std::string anchor = d.help_topic.substr(hash + 1);
            for (const std::string& needle : {"id=\"" + anchor + "\"", "name=\"" + anchor + "\""}) {
                const std::size_t at = html->find(needle);
                if (at != std::string::npos) {
                    text = lower(visible_text(html->substr(at)));
                }
            }
        }
        // The boxes a calculator has of its own (not filled from the car data), by the name on
        // their label without the unit: "Expected Savings ($)" is "expected savings".
        for (const calc::BoxDesc& box : d.boxes) {
            if (box.car_field != nullptr) {
                continue;
            }
            std::string name = collapse(box.caption.substr(0, box.caption.find('(')));
            while (!name.empty() && (name.back() == ':' || name.back() == ' ')) {
                name.pop_back();
            }
            EXPECT_NE(text.find(lower(name)), std::string::npos)
                << d.window << " box \"" << name << "\" is not named on " << d.help_topic;
        }
    }
}

// The carbon dioxide figures on How Milora Counts are the ones the calculators use.
TEST_F(BuiltHandbookTest, HowMiloraCountsQuotesTheProgramsConstants) {
    const std::string text = visible_text(pages().at("How_Milora_Counts.htm"));
    for (const double value : {kCo2PerGallon, calc::kCo2PerGallonGrid}) {
        std::ostringstream s;
        s << value << " pounds";
        EXPECT_NE(text.find(s.str()), std::string::npos) << s.str();
    }
}

} // namespace
