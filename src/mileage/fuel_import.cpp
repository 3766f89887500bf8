// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/fuel_import.h"

#include "base/shown_text.h"
#include "numbers/line_reading.h"
#include "numbers/number_reading.h"
#include "numbers/precision.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace milora::mileage {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view without_bom(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    return text;
}

using numbers::is_blank;
using numbers::trim;

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

bool contains(std::string_view s, std::string_view part) {
    return s.find(part) != std::string_view::npos;
}

// A cell as quoted in a reason: cut short, control characters shown as "?".
std::string shown(std::string_view cell) {
    return shown_text(cell, 24);
}

// One record of a delimited file: its cells (quotes removed) and the line it starts on. A cell is
// a view into the file's text; only a cell whose quotes hide doubled quotes or line ends is
// copied, into a buffer reused from record to record, so a long file costs no allocation per row.
struct Record {
    std::vector<std::string_view> views;
    std::vector<std::string> copies; // copies[i] backs views[i] where `copied[i]`
    std::vector<char> copied;
    std::size_t size = 0;
    std::int64_t line = 0;

    std::string_view operator[](std::size_t i) const {
        return i < size ? views[i] : std::string_view();
    }
    std::string_view cell(int i) const {
        return i < 0 ? std::string_view() : (*this)[static_cast<std::size_t>(i)];
    }
};

// Reads records separated by `sep`. A quoted cell may hold the separator, doubled quotes and
// line ends; text after its closing quote is kept (some apps write `"Odometer" (km)`). Blank
// lines are no records.
class Records {
public:
    Records(std::string_view text, char sep) : text_(text), sep_(sep) {
        ends_[static_cast<unsigned char>(sep)] = true;
        ends_['\r'] = true;
        ends_['\n'] = true;
    }

    bool next(Record& r) {
        while (pos_ < text_.size()) {
            r.line = line_;
            r.size = 0;
            bool any = false;
            for (;;) {
                if (r.size == r.views.size()) {
                    r.views.emplace_back();
                    r.copies.emplace_back();
                    r.copied.push_back(0);
                }
                any = read_cell(r, r.size) || any;
                ++r.size;
                if (pos_ < text_.size() && text_[pos_] == sep_) {
                    ++pos_;
                    any = true;
                    continue;
                }
                end_line();
                break;
            }
            // The copies may have moved while the record grew: point their views at them anew.
            for (std::size_t i = 0; i < r.size; ++i) {
                if (r.copied[i]) {
                    r.views[i] = r.copies[i];
                }
            }
            if (any) {
                return true;
            }
        }
        return false;
    }

private:
    bool at_line_end() const {
        return pos_ >= text_.size() || text_[pos_] == '\r' || text_[pos_] == '\n';
    }

    void end_line() {
        if (pos_ >= text_.size()) {
            return;
        }
        pos_ += text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n' ? 2 : 1;
        ++line_;
    }

    bool skippable(char c) const { return c != sep_ && is_blank(c); }

    std::size_t unquoted_end() const {
        std::size_t end = pos_;
        while (end < text_.size() && !ends_[static_cast<unsigned char>(text_[end])]) {
            ++end;
        }
        return end;
    }

    static std::string_view without_trailing_blanks(std::string_view s) {
        while (!s.empty() && is_blank(s.back())) {
            s.remove_suffix(1);
        }
        return s;
    }

    // Reads cell i of `r`; true when it holds anything (a pair of quotes counts).
    bool read_cell(Record& r, std::size_t i) {
        r.copied[i] = 0;
        while (pos_ < text_.size() && skippable(text_[pos_])) {
            ++pos_;
        }
        if (pos_ >= text_.size() || text_[pos_] != '"') {
            const std::size_t end = unquoted_end();
            r.views[i] = without_trailing_blanks(text_.substr(pos_, end - pos_));
            pos_ = end;
            return !r.views[i].empty();
        }
        // A quoted cell: a plain view when nothing inside needs undoing.
        const std::size_t start = ++pos_;
        std::size_t close = start;
        while (close < text_.size() && text_[close] != '"' && text_[close] != '\r' &&
               text_[close] != '\n') {
            ++close;
        }
        if (close == text_.size()) {
            close = std::string_view::npos;
        }
        if (close != std::string_view::npos && text_[close] == '"' &&
            (close + 1 >= text_.size() || text_[close + 1] != '"')) {
            pos_ = close + 1;
            const std::size_t end = unquoted_end();
            if (trim(text_.substr(pos_, end - pos_)).empty()) {
                r.views[i] = text_.substr(start, close - start);
                pos_ = end;
                return true;
            }
        }
        pos_ = start;
        std::string& cell = r.copies[i];
        cell.clear();
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '"') {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                    cell += '"';
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                break;
            }
            if (c == '\r' || c == '\n') {
                end_line();
                cell += '\n';
                continue;
            }
            cell += c;
            ++pos_;
        }
        const std::size_t end = unquoted_end();
        cell += trim(text_.substr(pos_, end - pos_));
        pos_ = end;
        r.copied[i] = 1;
        return true;
    }

    std::string_view text_;
    char sep_;
    std::array<bool, 256> ends_{}; // the bytes that end an unquoted cell
    std::size_t pos_ = 0;
    std::int64_t line_ = 1;
};

// The first record of the file split at `sep`, its cells in lower case.
std::vector<std::string> header_cells(std::string_view text, char sep) {
    Records records(text, sep);
    Record r;
    std::vector<std::string> out;
    if (records.next(r)) {
        for (std::size_t i = 0; i < r.size; ++i) {
            out.push_back(lower(r[i]));
        }
    }
    return out;
}

int find_column(const std::vector<std::string>& header, std::string_view name) {
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool has_all(const std::vector<std::string>& header,
             std::initializer_list<std::string_view> names) {
    return std::all_of(names.begin(), names.end(),
                       [&](std::string_view n) { return find_column(header, n) >= 0; });
}

// --- Cell values ---

std::optional<double> number(std::string_view cell, bool decimal_comma) {
    std::optional<double> v;
    if (decimal_comma) {
        // "1.234,5": the point groups thousands, the comma is the decimal point. A point that
        // cannot group thousands ("9.0") is a decimal point after all.
        std::string swapped(cell);
        for (char& c : swapped) {
            c = c == ',' ? '.' : c == '.' ? ',' : c;
        }
        v = numbers::parse_number(swapped);
    }
    if (!v) {
        v = numbers::parse_number(cell);
    }
    if (v && !std::isfinite(*v)) {
        return std::nullopt;
    }
    return v;
}

bool read_int(std::string_view s, int& value) {
    if (s.empty() || s.size() > 4) {
        return false;
    }
    value = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    return true;
}

// A date as M/D/YYYY, from ISO (YYYY-MM-DD, also YYYY/MM/DD), US (M/D/YYYY) or European
// (DD.MM.YYYY) form; whatever follows a blank or a T (a time) is ignored.
std::optional<std::string> us_date(std::string_view cell) {
    std::string_view t = trim(cell);
    const std::size_t end = t.find_first_of(" T");
    if (end != std::string_view::npos) {
        t = t.substr(0, end);
    }
    const std::size_t a = t.find_first_of("-/.");
    if (a == std::string_view::npos) {
        return std::nullopt;
    }
    const char sep = t[a];
    const std::size_t b = t.find(sep, a + 1);
    if (b == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view p1 = t.substr(0, a);
    const std::string_view p2 = t.substr(a + 1, b - a - 1);
    const std::string_view p3 = t.substr(b + 1);
    int x = 0;
    int y = 0;
    int z = 0;
    if (!read_int(p1, x) || !read_int(p2, y) || !read_int(p3, z)) {
        return std::nullopt;
    }
    int year = 0;
    int month = 0;
    int day = 0;
    if (p1.size() == 4 && sep != '.') {
        year = x, month = y, day = z;
    } else if (p3.size() == 4 && sep == '/') {
        month = x, day = y, year = z;
    } else if (p3.size() == 4 && sep == '.') {
        day = x, month = y, year = z;
    } else {
        return std::nullopt;
    }
    if (year < 1000 || month < 1 || month > 12 || day < 1 || day > 31) {
        return std::nullopt;
    }
    char out[16];
    char* p = std::to_chars(out, out + sizeof out, month).ptr;
    *p++ = '/';
    p = std::to_chars(p, out + sizeof out, day).ptr;
    *p++ = '/';
    p = std::to_chars(p, out + sizeof out, year).ptr;
    return std::string(out, p);
}

// Whether `cell`, blanks around it dropped, is one of `words` (lower case) in any case.
bool is_one_of(std::string_view cell, std::initializer_list<std::string_view> words) {
    const std::string_view v = trim(cell);
    return std::any_of(words.begin(), words.end(), [&](std::string_view w) {
        return w.size() == v.size() &&
               std::equal(w.begin(), w.end(), v.begin(), [](char a, char b) {
                   return a == (b >= 'A' && b <= 'Z' ? static_cast<char>(b - 'A' + 'a') : b);
               });
    });
}

bool is_yes(std::string_view cell) {
    return is_one_of(cell, {"1", "yes", "y", "true", "x"});
}

bool is_no(std::string_view cell) {
    return is_one_of(cell, {"0", "no", "n", "false"});
}

// --- The rows of the fill-up section, in file order ---

enum class Problem : std::uint8_t { None, NoOdometer, NoVolume, BadDate };

struct FillRow {
    double odometer = 0;
    double volume = 0;
    std::int64_t line = 0;
    std::string date;  // M/D/YYYY, or the cell as found when it is no date
    float economy = 0; // LubeLogger's FuelEconomy, for telling its units
    Problem problem = Problem::None;
    bool partial = false;
    bool missed = false;
};

struct Parsed {
    bool found = false;
    ImportReport report;
    std::vector<FillRow> rows;
};

// Fills `row` from the cells of one record; a missing odometer or volume is a problem of the
// row, not of the file.
void fill_row(FillRow& row, std::int64_t line, std::string_view date, std::string_view odometer,
              std::string_view volume, bool decimal_comma) {
    row.line = line;
    const auto odo = number(odometer, decimal_comma);
    const auto vol = number(volume, decimal_comma);
    if (!odo || !(*odo > 0)) {
        row.problem = Problem::NoOdometer;
        row.date = shown(odometer);
        return;
    }
    row.odometer = *odo;
    if (!vol || !(*vol > 0)) {
        row.problem = Problem::NoVolume;
        row.date = shown(volume);
        return;
    }
    row.volume = *vol;
    if (auto d = us_date(date)) {
        row.date = std::move(*d);
    } else {
        row.problem = Problem::BadDate;
        row.date = shown(date);
    }
}

void skip(ImportReport& report, std::int64_t line, std::string reason) {
    report.skipped.push_back({line, std::move(reason)});
}

// The first record of a file as its header: every cell in lower case. False for an empty file.
bool read_header(Records& records, Record& r, std::vector<std::string>& h) {
    if (!records.next(r)) {
        return false;
    }
    h.clear();
    for (std::size_t i = 0; i < r.size; ++i) {
        h.push_back(lower(r[i]));
    }
    return true;
}

// --- The layouts ---

bool parse_fuelly(std::string_view text, Parsed& p) {
    Records records(text, ',');
    Record r;
    std::vector<std::string> h;
    if (!read_header(records, r, h)) {
        return false;
    }
    const int date = find_column(h, "fuelup_date");
    if (date < 0) {
        return false;
    }
    const int odo = find_column(h, "odometer");
    int vol = find_column(h, "gallons");
    if (vol < 0) {
        vol = find_column(h, "litres");
        if (vol < 0) {
            vol = find_column(h, "liters");
        }
        if (vol >= 0) {
            p.report.volume = VolumeUnit::Litres;
        }
    }
    if (find_column(h, "km") >= 0 || find_column(h, "kilometers") >= 0) {
        p.report.distance = DistanceUnit::Kilometres;
    }
    const int missed = find_column(h, "missed_fuelup");
    const int partial = find_column(h, "partial_fuelup");
    while (records.next(r)) {
        FillRow& row = p.rows.emplace_back();
        fill_row(row, r.line, r.cell(date), r.cell(odo), r.cell(vol), false);
        row.partial = is_yes(r.cell(partial));
        row.missed = is_yes(r.cell(missed));
    }
    return true;
}

bool parse_lubelogger(std::string_view text, Parsed& p) {
    Records records(text, ',');
    Record r;
    std::vector<std::string> h;
    if (!read_header(records, r, h)) {
        return false;
    }
    if (!has_all(h, {"date", "odometer", "fuelconsumed", "isfilltofull"})) {
        return false;
    }
    const int date = find_column(h, "date");
    const int odo = find_column(h, "odometer");
    const int vol = find_column(h, "fuelconsumed");
    const int full = find_column(h, "isfilltofull");
    const int missed = find_column(h, "missedfuelup");
    const int economy = find_column(h, "fueleconomy");
    while (records.next(r)) {
        FillRow& row = p.rows.emplace_back();
        fill_row(row, r.line, r.cell(date), r.cell(odo), r.cell(vol), false);
        row.partial = !is_yes(r.cell(full));
        row.missed = is_yes(r.cell(missed));
        if (const auto e = number(r.cell(economy), false); e && *e > 0 && *e < 1e30) {
            row.economy = static_cast<float>(*e);
        }
    }
    return true;
}

bool parse_spritmonitor(std::string_view text, Parsed& p) {
    Records records(text, ';');
    Record r;
    std::vector<std::string> h;
    if (!read_header(records, r, h)) {
        return false;
    }
    int date = -1;
    int odo = -1;
    int vol = -1;
    int type = -1;
    if (has_all(h, {"datum", "km-stand", "spritmenge", "tankart"})) {
        date = find_column(h, "datum");
        odo = find_column(h, "km-stand");
        vol = find_column(h, "spritmenge");
        type = find_column(h, "tankart");
    } else if (has_all(h, {"date", "odometer", "trip", "quantity", "type"})) {
        date = find_column(h, "date");
        odo = find_column(h, "odometer");
        vol = find_column(h, "quantity");
        type = find_column(h, "type");
    } else {
        return false;
    }
    p.report.distance = DistanceUnit::Kilometres;
    p.report.volume = VolumeUnit::Litres;
    while (records.next(r)) {
        FillRow& row = p.rows.emplace_back();
        fill_row(row, r.line, r.cell(date), r.cell(odo), r.cell(vol), true);
        const std::string_view t = trim(r.cell(type));
        row.partial = t == "2";
        row.missed = t == "3" || t == "0";
    }
    return true;
}

// Sectioned files: a marker line `## Name` (quoted or not) starts a section, the next record is
// its header, and the records after it are its rows.
bool section_marker(const Record& r, std::string& name) {
    const std::string_view first = trim(r[0]);
    if (!first.starts_with("##")) {
        return false;
    }
    for (std::size_t i = 1; i < r.size; ++i) {
        if (!trim(r[i]).empty()) {
            return false;
        }
    }
    name = trim(first.substr(2));
    return true;
}

template <class Header, class Row>
void parse_sections(std::string_view text, std::string_view fill_section, Parsed& p,
                    Header on_header, Row on_row) {
    Records records(text, ',');
    Record r;
    std::string section;
    bool in_fill = false;
    bool expect_header = false;
    while (records.next(r)) {
        std::string name;
        if (section_marker(r, name)) {
            section = name;
            in_fill = lower(name) == fill_section;
            expect_header = true;
            continue;
        }
        if (expect_header) {
            expect_header = false;
            if (in_fill) {
                on_header(r);
            }
            continue;
        }
        if (in_fill) {
            on_row(r); // counted with the fill-ups
            continue;
        }
        ++p.report.rows;
        if (section.empty()) {
            skip(p.report, r.line, "a row outside the fill-up section");
        } else {
            skip(p.report, r.line, "a row of the " + shown(section) + " section, not a fill-up");
        }
    }
}

bool has_marker(std::string_view text, std::string_view marker) {
    // The marker must be a line of its own (quotes and blanks around it allowed).
    for (std::size_t at = text.find(marker); at != std::string_view::npos;
         at = text.find(marker, at + 1)) {
        std::size_t b = at;
        while (b > 0 && (is_blank(text[b - 1]) || text[b - 1] == '"')) {
            --b;
        }
        std::size_t e = at + marker.size();
        while (e < text.size() && (is_blank(text[e]) || text[e] == '"' || text[e] == ',')) {
            ++e;
        }
        if ((b == 0 || text[b - 1] == '\n' || text[b - 1] == '\r') &&
            (e == text.size() || text[e] == '\n' || text[e] == '\r')) {
            return true;
        }
    }
    return false;
}

void parse_fuelio(std::string_view text, Parsed& p) {
    p.report.distance = DistanceUnit::Kilometres;
    p.report.volume = VolumeUnit::Litres;
    int date = -1;
    int odo = -1;
    int vol = -1;
    int full = -1;
    int missed = -1;
    auto on_header = [&](const Record& r) {
        for (std::size_t i = 0; i < r.size; ++i) {
            const std::string h = lower(trim(r[i]));
            const int col = static_cast<int>(i);
            if (h == "data" || h == "date") {
                date = col;
            } else if (h.starts_with("odo")) {
                odo = col;
                if (contains(h, "(mi")) {
                    p.report.distance = DistanceUnit::Miles;
                }
            } else if (h.starts_with("fuel") && vol < 0) {
                vol = col;
                if (contains(h, "imp")) {
                    p.report.volume = VolumeUnit::ImperialGallons;
                } else if (contains(h, "gal")) {
                    p.report.volume = VolumeUnit::UsGallons;
                }
            } else if (h == "full") {
                full = col;
            } else if (h == "missed") {
                missed = col;
            }
        }
    };
    auto on_row = [&](const Record& r) {
        FillRow& row = p.rows.emplace_back();
        fill_row(row, r.line, r.cell(date), r.cell(odo), r.cell(vol), false);
        row.partial = trim(r.cell(full)) == "0";
        row.missed = trim(r.cell(missed)) == "1";
    };
    parse_sections(text, "log", p, on_header, on_row);
}

bool is_drivvo_yes(std::string_view cell) {
    static constexpr std::array<std::string_view, 9> kYes = {"yes",
                                                             "sim",
                                                             "si",
                                                             "s\xC3\xAD",
                                                             "ja",
                                                             "tak",
                                                             "oui",
                                                             "\xD0\x94\xD0\xB0",
                                                             "\xD0\xB4\xD0\xB0"};
    const std::string v = lower(trim(cell));
    return std::find(kYes.begin(), kYes.end(), v) != kYes.end();
}

void parse_drivvo(std::string_view text, Parsed& p) {
    p.report.distance = DistanceUnit::Kilometres;
    p.report.volume = VolumeUnit::Litres;
    auto on_header = [&](const Record& r) {
        if (contains(lower(r[0]), "(mi")) {
            p.report.distance = DistanceUnit::Miles;
        }
        for (std::size_t i = 1; i < r.size; ++i) {
            if (contains(lower(r[i]), "gal")) {
                p.report.volume = VolumeUnit::UsGallons;
            }
        }
    };
    auto on_row = [&](const Record& r) {
        FillRow& row = p.rows.emplace_back();
        fill_row(row, r.line, r[1], r[0], r[5], false);
        row.partial = !is_drivvo_yes(r[6]);
    };
    parse_sections(text, "refuelling", p, on_header, on_row);
}

// The generic form's columns, from its lower-case header.
struct GenericColumns {
    int date = -1;
    int odometer = -1;
    int volume = -1;
    int full = -1;
    int partial = -1;
    int missed = -1;
};

bool names_volume(const std::string& h) {
    if (contains(h, "price") || contains(h, "cost") || contains(h, "per ") || contains(h, "/")) {
        return false;
    }
    for (const std::string_view word : {"gallon", "litre", "liter", "quantity", "volume"}) {
        if (contains(h, word)) {
            return true;
        }
    }
    return false;
}

GenericColumns generic_columns(const std::vector<std::string>& h) {
    GenericColumns c;
    int fuel = -1;
    for (std::size_t i = 0; i < h.size(); ++i) {
        const std::string& n = h[i];
        const int col = static_cast<int>(i);
        if (c.date < 0 && contains(n, "date")) {
            c.date = col;
        } else if (c.odometer < 0 &&
                   (contains(n, "odometer") || contains(n, "odo") || contains(n, "mileage"))) {
            c.odometer = col;
        } else if (c.volume < 0 && names_volume(n)) {
            c.volume = col;
        } else if (contains(n, "partial")) {
            c.partial = col;
        } else if (contains(n, "missed")) {
            c.missed = col;
        } else if (contains(n, "full")) {
            c.full = col;
        } else if (fuel < 0 && contains(n, "fuel") && !contains(n, "price") &&
                   !contains(n, "cost") && !contains(n, "type") && !contains(n, "econom")) {
            fuel = col;
        }
    }
    if (c.volume < 0) {
        c.volume = fuel;
    }
    return c;
}

char generic_separator(std::string_view text) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view first = text.substr(0, end);
    char best = ',';
    std::ptrdiff_t most = 0;
    for (const char sep : {'\t', ';', ','}) {
        const auto n = std::count(first.begin(), first.end(), sep);
        if (n > most) {
            most = n;
            best = sep;
        }
    }
    return best;
}

bool has_word(std::string_view h, std::string_view word) {
    for (std::size_t at = h.find(word); at != std::string_view::npos; at = h.find(word, at + 1)) {
        const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); };
        const bool before = at == 0 || !letter(h[at - 1]);
        const bool after = at + word.size() >= h.size() || !letter(h[at + word.size()]);
        if (before && after) {
            return true;
        }
    }
    return false;
}

bool parse_generic(std::string_view text, Parsed& p) {
    const char sep = generic_separator(text);
    Records records(text, sep);
    Record r;
    std::vector<std::string> h;
    if (!read_header(records, r, h)) {
        return false;
    }
    const GenericColumns c = generic_columns(h);
    if (c.date < 0 || c.odometer < 0 || c.volume < 0) {
        return false;
    }
    const std::string& odo_name = h[static_cast<std::size_t>(c.odometer)];
    const std::string& vol_name = h[static_cast<std::size_t>(c.volume)];
    if (has_word(odo_name, "km")) {
        p.report.distance = DistanceUnit::Kilometres;
    }
    if (contains(vol_name, "litre") || contains(vol_name, "liter") || contains(vol_name, "(l)")) {
        p.report.volume = VolumeUnit::Litres;
    } else if (has_word(vol_name, "imp") || has_word(vol_name, "uk")) {
        p.report.volume = VolumeUnit::ImperialGallons;
    }
    const bool decimal_comma = sep != ',';
    while (records.next(r)) {
        FillRow& row = p.rows.emplace_back();
        fill_row(row, r.line, r.cell(c.date), r.cell(c.odometer), r.cell(c.volume), decimal_comma);
        row.partial = is_yes(r.cell(c.partial)) || (c.full >= 0 && is_no(r.cell(c.full)));
        row.missed = is_yes(r.cell(c.missed));
    }
    return true;
}

bool generic_header(std::string_view text) {
    const GenericColumns c = generic_columns(header_cells(text, generic_separator(text)));
    return c.date >= 0 && c.odometer >= 0 && c.volume >= 0;
}

// --- From rows to entries ---

std::optional<float> to_single(double v) {
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return static_cast<float>(v);
}

double to_miles(double odometer, DistanceUnit unit) {
    return unit == DistanceUnit::Kilometres ? odometer / kKilometresPerMile : odometer;
}

double to_gallons(double volume, VolumeUnit unit) {
    switch (unit) {
    case VolumeUnit::Litres:
        return volume / kLitresPerGallon;
    case VolumeUnit::ImperialGallons:
        return volume * kGallonsPerImperialGallon;
    case VolumeUnit::UsGallons:
        break;
    }
    return volume;
}

// Rule 6 over the rows in odometer order.
void tell_lubelogger_units(const std::vector<FillRow>& rows, const std::vector<std::size_t>& order,
                           ImportReport& report) {
    std::int64_t metric = 0;
    std::int64_t imperial = 0;
    std::optional<double> last_full;
    double previous = -1;
    double volume = 0;
    for (const std::size_t i : order) {
        const FillRow& row = rows[i];
        if (!(row.odometer > previous)) {
            continue; // skipped by rule 3
        }
        previous = row.odometer;
        volume += row.volume;
        if (row.partial) {
            continue;
        }
        if (last_full && !row.missed && row.economy > 0) {
            const double q = (row.odometer - *last_full) / volume;
            const double e = row.economy;
            if (std::fabs(e - 100 / q) < std::fabs(e - q)) {
                ++metric;
            } else {
                ++imperial;
            }
        }
        last_full = row.odometer;
        volume = 0;
    }
    if (metric > imperial) {
        report.distance = DistanceUnit::Kilometres;
        report.volume = VolumeUnit::Litres;
    }
}

std::string line_ref(std::int64_t line) {
    return "line " + std::to_string(line);
}

void convert(Parsed& p, MileageLog& log) {
    ImportReport& report = p.report;
    std::vector<FillRow>& rows = p.rows;
    report.rows += static_cast<std::int64_t>(rows.size());
    constexpr float kNoMiles = -1;
    // Per row: its odometer in miles (kNoMiles when it has none) and the entry that holds its
    // fuel (0 when it was skipped), for telling which tanks lost a fill-up.
    std::vector<float> miles(rows.size(), kNoMiles);
    std::vector<MileageLog::Index> entry_of(rows.size(), 0);
    std::vector<std::size_t> lost;
    auto drop = [&](std::size_t i, std::string reason) {
        skip(report, rows[i].line, std::move(reason));
        lost.push_back(i);
    };

    std::vector<std::size_t> order;
    order.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        FillRow& row = rows[i];
        switch (row.problem) {
        case Problem::NoOdometer:
            drop(i, row.date.empty() ? "no odometer reading"
                                     : "no odometer reading (\"" + row.date + "\")");
            continue;
        case Problem::NoVolume:
            drop(i, row.date.empty() ? "no fuel volume" : "no fuel volume (\"" + row.date + "\")");
            continue;
        case Problem::BadDate:
            drop(i, "the date \"" + row.date + "\" is in no known form");
            break; // its odometer still places it
        case Problem::None:
            order.push_back(i);
            continue;
        }
    }
    const auto by_odometer = [&](std::size_t a, std::size_t b) {
        return rows[a].odometer < rows[b].odometer;
    };
    // Exports come oldest or newest first; only a mixed order needs sorting.
    if (std::is_sorted(order.rbegin(), order.rend(), [&](std::size_t a, std::size_t b) {
            return rows[a].odometer <= rows[b].odometer;
        })) {
        std::reverse(order.begin(), order.end()); // strictly falling: no equal readings to keep
    } else {
        std::stable_sort(order.begin(), order.end(), by_odometer);
    }
    if (report.format == ImportFormat::LubeLogger) {
        tell_lubelogger_units(rows, order, report);
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].problem != Problem::NoOdometer) {
            miles[i] = to_single(to_miles(rows[i].odometer, report.distance)).value_or(kNoMiles);
        }
    }

    std::vector<std::size_t> accepted;
    accepted.reserve(order.size());
    for (const std::size_t i : order) {
        if (!(miles[i] > 0)) {
            drop(i, "the odometer reading is too large");
            continue;
        }
        if (!accepted.empty() && !(miles[i] > miles[accepted.back()])) {
            const FillRow& before = rows[accepted.back()];
            drop(i, rows[i].odometer == before.odometer
                        ? "the same odometer reading as " + line_ref(before.line)
                        : "the odometer reading is not above that of " + line_ref(before.line));
            continue;
        }
        accepted.push_back(i);
    }

    std::vector<bool> estimated;
    std::vector<std::size_t> pending; // partial fill-ups waiting for a full one
    double pending_volume = 0;
    log.reserve(log.fillup_count() + static_cast<MileageLog::Index>(accepted.size()));
    for (const std::size_t i : accepted) {
        FillRow& row = rows[i];
        if (row.partial) {
            pending.push_back(i);
            pending_volume += row.volume;
            continue;
        }
        const bool missed = row.missed && log.fillup_count() >= 2;
        std::optional<float> gallons =
            to_single(to_gallons(row.volume + pending_volume, report.volume));
        try {
            if (missed) {
                gallons = (miles[i] - log.last().Fillup_Odometer) / log.overall_average();
            }
            if (!gallons) {
                throw numbers::FloatFault();
            }
            log.append(std::move(row.date), miles[i], *gallons);
        } catch (const numbers::FloatFault&) {
            drop(i, "its odometer reading and fuel give no meaningful MPG");
            for (const std::size_t k : pending) {
                drop(k, "a partial fill-up for the fill-up on " + line_ref(row.line) +
                            ", which was skipped");
            }
            pending.clear();
            pending_volume = 0;
            continue;
        }
        const MileageLog::Index entry = log.fillup_count();
        entry_of[i] = entry;
        for (const std::size_t k : pending) {
            entry_of[k] = entry;
        }
        report.merged_partial += static_cast<std::int64_t>(pending.size());
        pending.clear();
        pending_volume = 0;
        estimated.resize(static_cast<std::size_t>(entry) + 1);
        if (missed) {
            ++report.missed;
            estimated[static_cast<std::size_t>(entry)] = true;
        }
    }
    for (const std::size_t k : pending) {
        drop(k, "a partial fill-up with no full fill-up after it");
    }
    estimated.resize(static_cast<std::size_t>(log.fillup_count()) + 1);

    // A skipped fill-up with an odometer reading took its fuel from the first entry above that
    // reading; one without a reading from the later of the entries beside it in the file. An
    // estimated entry (rule 5) does not use the fuel bought, so it loses nothing.
    std::vector<MileageLog::Index> unreliable;
    auto mark = [&](MileageLog::Index e) {
        if (e >= 2 && !estimated[static_cast<std::size_t>(e)]) {
            unreliable.push_back(e);
        }
    };
    const auto& entries = log.entries();
    std::vector<MileageLog::Index> before;
    std::vector<MileageLog::Index> after;
    for (const std::size_t i : lost) {
        if (miles[i] > 0) {
            const auto at =
                std::upper_bound(entries.begin(), entries.end(), miles[i],
                                 [](float m, const Fillup& f) { return m < f.Fillup_Odometer; });
            if (at != entries.begin() && at != entries.end()) {
                mark(static_cast<MileageLog::Index>(at - entries.begin()) + 1);
            }
            continue;
        }
        if (before.empty()) {
            before.assign(rows.size(), 0);
            after.assign(rows.size(), 0);
            MileageLog::Index seen = 0;
            for (std::size_t k = 0; k < rows.size(); ++k) {
                before[k] = seen;
                seen = entry_of[k] > 0 ? entry_of[k] : seen;
            }
            seen = 0;
            for (std::size_t k = rows.size(); k-- > 0;) {
                after[k] = seen;
                seen = entry_of[k] > 0 ? entry_of[k] : seen;
            }
        }
        if (before[i] > 0 && after[i] > 0) {
            mark(std::max(before[i], after[i]));
        }
    }
    std::sort(unreliable.begin(), unreliable.end());
    unreliable.erase(std::unique(unreliable.begin(), unreliable.end()), unreliable.end());
    report.unreliable = std::move(unreliable);
    std::stable_sort(report.skipped.begin(), report.skipped.end(),
                     [](const SkippedRow& a, const SkippedRow& b) { return a.line < b.line; });
    rows.clear();
    rows.shrink_to_fit();
}

bool parse(ImportFormat format, std::string_view text, Parsed& p) {
    p.report.format = format;
    p.rows.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    switch (format) {
    case ImportFormat::Fuelly:
        return parse_fuelly(text, p);
    case ImportFormat::Fuelio:
        if (!has_marker(text, "## Log")) {
            return false;
        }
        parse_fuelio(text, p);
        return true;
    case ImportFormat::Drivvo:
        if (!has_marker(text, "##Refuelling")) {
            return false;
        }
        parse_drivvo(text, p);
        return true;
    case ImportFormat::LubeLogger:
        return parse_lubelogger(text, p);
    case ImportFormat::Spritmonitor:
        return parse_spritmonitor(text, p);
    case ImportFormat::Generic:
        return parse_generic(text, p);
    case ImportFormat::Milora:
        break;
    }
    return false;
}

struct FormatNames {
    ImportFormat format;
    const char* name;
    const char* app;
};
constexpr std::array<FormatNames, 7> kFormats{{
    {ImportFormat::Milora, "milora", "Milora"},
    {ImportFormat::Fuelly, "fuelly", "Fuelly"},
    {ImportFormat::Fuelio, "fuelio", "Fuelio"},
    {ImportFormat::LubeLogger, "lubelogger", "LubeLogger"},
    {ImportFormat::Spritmonitor, "spritmonitor", "Spritmonitor"},
    {ImportFormat::Drivvo, "drivvo", "Drivvo"},
    {ImportFormat::Generic, "generic", "a CSV file with named columns"},
}};

} // namespace

const char* format_name(ImportFormat format) {
    return kFormats.at(static_cast<std::size_t>(format)).name;
}

const char* app_name(ImportFormat format) {
    return kFormats.at(static_cast<std::size_t>(format)).app;
}

std::optional<ImportFormat> format_named(std::string_view name) {
    for (const FormatNames& f : kFormats) {
        if (name == f.name) {
            return f.format;
        }
    }
    return std::nullopt;
}

const char* unit_name(DistanceUnit unit) {
    return unit == DistanceUnit::Kilometres ? "km" : "mi";
}

const char* unit_name(VolumeUnit unit) {
    switch (unit) {
    case VolumeUnit::Litres:
        return "l";
    case VolumeUnit::ImperialGallons:
        return "imp_gal";
    case VolumeUnit::UsGallons:
        break;
    }
    return "gal";
}

std::optional<ImportFormat> detect_format(std::string_view contents) {
    const std::string_view text = without_bom(contents);
    if (has_marker(text, "## Log")) {
        return ImportFormat::Fuelio;
    }
    if (has_marker(text, "##Refuelling")) {
        return ImportFormat::Drivvo;
    }
    const std::vector<std::string> comma = header_cells(text, ',');
    if (find_column(comma, "fuelup_date") >= 0) {
        return ImportFormat::Fuelly;
    }
    if (has_all(comma, {"date", "odometer", "fuelconsumed", "isfilltofull"})) {
        return ImportFormat::LubeLogger;
    }
    const std::vector<std::string> semicolon = header_cells(text, ';');
    if (has_all(semicolon, {"datum", "km-stand", "spritmenge", "tankart"}) ||
        has_all(semicolon, {"date", "odometer", "trip", "quantity", "type"})) {
        return ImportFormat::Spritmonitor;
    }
    if (generic_header(text)) {
        return ImportFormat::Generic;
    }
    // Milora's own files: the first line that is not blank is a record, or there is none.
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = text.substr(pos, end - pos);
        if (!trim(line).empty()) {
            return is_mileage_record(line) ? std::optional(ImportFormat::Milora) : std::nullopt;
        }
        pos = end + 1;
    }
    return ImportFormat::Milora;
}

LogRead read_log_text(const std::string& contents, MileageLog& log,
                      std::optional<ImportFormat> from,
                      const std::function<bool(std::size_t, std::size_t)>& progress) {
    LogRead result;
    const std::optional<ImportFormat> format = from ? from : detect_format(contents);
    if (!format) {
        return result;
    }
    if (*format == ImportFormat::Milora) {
        result.understood = true;
        result.milora = read_mileage_text(contents, log, progress);
        result.report.rows = result.milora.entries;
        return result;
    }
    Parsed p;
    if (!parse(*format, without_bom(contents), p)) {
        return result;
    }
    convert(p, log);
    result.understood = true;
    result.report = std::move(p.report);
    return result;
}

Message not_understood_message(const std::string& path) {
    return {kProgramTitle,
            "The file \"" + path +
                "\" is in none of the layouts Milora reads. Milora reads its own files: three "
                "columns and no header, the date in double quotes as M/D/YYYY, the odometer in "
                "miles and the gallons (\"9/16/2006\",12345,10.5); the exports of Fuelly, Fuelio, "
                "LubeLogger, Spritmonitor and Drivvo; and any CSV file whose first line names a "
                "date column, an odometer column (odometer, odo or mileage) and a fuel column "
                "(gallons, litres, liters, fuel, quantity or volume).",
            Icon::Warning, Buttons::Ok};
}

} // namespace milora::mileage
