// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT

// The handbook's worked examples against the calculators. Every <div class="example"
// title="milora-calc ..."> is run as that milora-calc command, in process, and every
// class="result" element inside it must read exactly as one of the texts the command prints.
// A change to a calculator that changes a number quoted in the handbook fails here.

#include "cli/calc_cli.h"
#include "handbook/handbook_text.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace fs = std::filesystem;
using namespace milora;
using namespace milora::handbook_test;

namespace {

std::vector<std::string> split_words(const std::string& s) {
    std::vector<std::string> words;
    std::istringstream in(s);
    for (std::string w; in >> w;) {
        words.push_back(w);
    }
    return words;
}

// The texts a milora-calc run prints: the TEXT of each "NAME: TEXT" or "NAME(INDEX): TEXT" line
// without its " [bold]"/" [red]" marks, and each other line (a mileage list or summary) whole.
std::set<std::string> printed_texts(const std::string& out) {
    std::set<std::string> texts;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        std::size_t p = 0;
        while (p < line.size() &&
               (std::isalnum(static_cast<unsigned char>(line[p])) || line[p] == '_')) {
            ++p;
        }
        if (p > 0 && p < line.size() && line[p] == '(') {
            const std::size_t close = line.find(')', p);
            p = close == std::string::npos ? 0 : close + 1;
        }
        std::string text = line;
        if (p > 0 && line.compare(p, 2, ": ") == 0) {
            text = line.substr(p + 2);
            for (bool again = true; again;) {
                again = false;
                for (const std::string mark : {" [bold]", " [red]"}) {
                    if (text.size() >= mark.size() &&
                        text.compare(text.size() - mark.size(), mark.size(), mark) == 0) {
                        text.erase(text.size() - mark.size());
                        again = true;
                    }
                }
            }
        }
        text = collapse(text);
        if (!text.empty()) {
            texts.insert(text);
        }
    }
    return texts;
}

struct Example {
    std::string page;
    std::string command;
    std::vector<std::string> results;
};

std::vector<Example> all_examples() {
    std::vector<Example> examples;
    std::vector<fs::path> pages;
    for (const auto& entry : fs::directory_iterator(kSource)) {
        if (entry.path().extension() == ".htm") {
            pages.push_back(entry.path());
        }
    }
    std::sort(pages.begin(), pages.end());
    for (const fs::path& page : pages) {
        for (const Element& div : elements_of_class(read_file(page), "example")) {
            Example e;
            e.page = page.filename().string();
            e.command = collapse(div.attribute("title"));
            for (const Element& result : elements_of_class(div.inner, "result")) {
                e.results.push_back(visible_text(result.inner));
            }
            examples.push_back(std::move(e));
        }
    }
    return examples;
}

} // namespace

TEST(HandbookExamplesTest, ReaderTakesLabelsAndMarksApart) {
    const std::set<std::string> texts = printed_texts("lblA: $1800  a year [bold] [red]\n"
                                                      "lblB(3): 22.0\n"
                                                      "\n"
                                                      " 9/16/2006   1000   10.0   XXXX\n"
                                                      "Your overall average is 30.0.\n");
    EXPECT_EQ(texts, (std::set<std::string>{"$1800 a year", "22.0", "9/16/2006 1000 10.0 XXXX",
                                            "Your overall average is 30.0."}));
    // Pages are read as the help viewer reads them: entities decoded, a no-break space a blank,
    // inline tags joining the words around them.
    EXPECT_EQ(visible_text("<p>It&#39;s <b>$3.49</b>&nbsp;a\n gallon &amp; more</p>"),
              "It's $3.49 a gallon & more");
    EXPECT_EQ(visible_text("<li><b>Gas Cost</b>: 3</li><li>next</li>"), "Gas Cost: 3 next");
    const std::vector<Element> r = elements_of_class(
        "<div class=\"example\" title=\"x\"><div>in</div><span class=\"result\">1</span></div>"
        "<blockquote class=\"result\"><b>2</b></blockquote>",
        "result");
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(visible_text(r[1].inner), "2");
}

TEST(HandbookExamplesTest, EveryResultIsATextTheCalculatorPrints) {
    const std::vector<Example> examples = all_examples();
    ASSERT_FALSE(examples.empty()) << "no worked example in " << kSource;
    for (const Example& e : examples) {
        SCOPED_TRACE(e.page + ": " + e.command);
        std::vector<std::string> args = split_words(e.command);
        ASSERT_GE(args.size(), 2u);
        ASSERT_EQ(args[0], "milora-calc");
        args.erase(args.begin());
        // A mileage example names a file under the handbook's own folder.
        if (args[0] == "mileage") {
            args[1] = (kSource / args[1]).string();
        }
        for (const std::string& a : args) {
            EXPECT_NE(a, "--car") << "examples use the built-in car data";
            EXPECT_NE(a, "--json");
        }
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(cli::run(args, out, err), cli::kExitOk) << err.str();
        const std::set<std::string> texts = printed_texts(out.str());
        EXPECT_FALSE(e.results.empty()) << "an example with nothing to check";
        for (const std::string& result : e.results) {
            EXPECT_TRUE(texts.count(result)) << "not printed: \"" << result << "\"\n" << out.str();
        }
    }
}
