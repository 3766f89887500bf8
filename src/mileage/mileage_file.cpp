// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/mileage_file.h"

#include "base/shown_text.h"
#include "mileage/import_records.h"
#include "numbers/line_reading.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace milora::mileage {
namespace {

void append_quoted(std::string& out, const std::string& text) {
    out += '"';
    for (const char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

constexpr std::int64_t kProgressLines = 16384; // lines between calls of `progress`

// Why a record of the reader is none of this format's, or nullopt when it is one.
std::optional<std::string> record_fault(const import::CsvRecord& r) {
    using import::CsvRecord;
    for (std::size_t k = 0; k < r.size && k < 3; ++k) {
        if (r.has(k, CsvRecord::Unclosed)) {
            return std::string("a quoted item has no closing quote");
        }
        if (r.has(k, CsvRecord::TextAfter)) {
            return std::string("there is text after a quoted item");
        }
    }
    if (r.size < 3) {
        return std::string("the line is cut short: it has ") +
               (r.size == 1 ? "one item" : "two items") + " instead of three";
    }
    if (r.size > 3) {
        return std::string("it has more than three items");
    }
    return std::nullopt;
}

std::optional<float> read_item(std::string_view item) {
    return numbers::read_line_number(std::string(item));
}

// An item as quoted in a message: cut short, control characters shown as "?".
std::string shown(std::string_view item) {
    return shown_text(item, 32);
}

// A figure of the file: the number text form, which keeps 7 significant digits. That is enough
// for a value typed in miles or US gallons, but a value typed in kilometres or litres is held in
// miles or US gallons with all of a single's digits, and 7 of them may read back as a neighbouring
// single that shows one unit off (12345 km as 12346). Such a value is written with the fewest
// digits that read back to the very single held, up to 9.
std::string figure_text(float value) {
    std::string text = numbers::number_text(value);
    float back = 0;
    const auto read = std::from_chars(text.data(), text.data() + text.size(), back);
    if (read.ec == std::errc{} && back == value) {
        return text;
    }
    char buf[64];
    const float magnitude = std::fabs(value);
    const bool plain = magnitude >= 1e-5F && magnitude < 1e7F;
    const auto res =
        std::to_chars(buf, buf + sizeof buf, value,
                      plain ? std::chars_format::fixed : std::chars_format::scientific);
    text.assign(buf, res.ptr);
    if (!plain) {
        // The exponent as the number text form writes it: "1.2345679E+07".
        const std::size_t e = text.find('e');
        if (e != std::string::npos) {
            text[e] = 'E';
        }
    }
    return text;
}

void skip(ReadResult& result, std::int64_t line, std::string reason) {
    if (result.skipped.size() < ReadResult::kSkippedKept) {
        result.skipped.push_back(ReadStop{line, std::move(reason)});
    }
    ++result.skipped_lines;
}

std::string entries_read(std::int64_t n) {
    return n == 1 ? "1 entry was read" : std::to_string(n) + " entries were read";
}

} // namespace

bool is_mileage_record(std::string_view line) {
    import::CsvReader reader(line, ',', import::CsvReader::Quotes::OneLine);
    import::CsvRecord r;
    return reader.next(r) && !record_fault(r) && read_item(r[1]) && read_item(r[2]);
}

std::string mileage_file_text(const MileageLog& log) {
    std::string out;
    out.reserve(static_cast<std::size_t>(log.fillup_count()) * 32);
    for (const Fillup& f : log.entries()) {
        append_quoted(out, f.Fillup_Date);
        out += ',';
        out += figure_text(f.Fillup_Odometer);
        out += ',';
        out += figure_text(f.Fillup_Gallons);
        out += "\r\n";
    }
    return out;
}

Status write_mileage_file(const std::string& path, const MileageLog& log,
                          const std::function<void()>& before_rename) {
    return write_file_atomically(path, mileage_file_text(log), before_rename);
}

ReadResult read_mileage_text(const std::string& contents, MileageLog& log,
                             const std::function<bool(std::size_t, std::size_t)>& progress) {
    ReadResult result;
    std::string_view text(contents);
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3); // a byte order mark that spreadsheets put before UTF-8 text
    }
    // Room for every line at once: growing a million entries by doubling would hold two copies.
    const auto line_ends =
        static_cast<MileageLog::Index>(std::count(text.begin(), text.end(), '\n'));
    log.reserve(log.fillup_count() + line_ends + 1);
    import::CsvReader reader(text, ',', import::CsvReader::Quotes::OneLine);
    import::CsvRecord r;
    std::int64_t next_progress = kProgressLines;
    bool after_skip = false; // a line was skipped since the last entry
    while (reader.next(r)) {
        if (progress && r.line >= next_progress) {
            next_progress = (r.line / kProgressLines + 1) * kProgressLines;
            if (!progress(reader.position(), text.size())) {
                result.cancelled = true;
                break;
            }
        }
        auto stop = [&](std::string reason) { result.stop = ReadStop{r.line, std::move(reason)}; };
        if (auto wrong = record_fault(r)) {
            stop(*wrong);
            break;
        }
        const auto odometer = read_item(r[1]);
        if (!odometer) {
            stop("the odometer reading \"" + shown(r[1]) + "\" is not a number");
            break;
        }
        const auto gallons = read_item(r[2]);
        if (!gallons) {
            stop("the gallons \"" + shown(r[2]) + "\" are not a number");
            break;
        }
        if (!log.empty() && !(*odometer > log.odometer(log.fillup_count()))) {
            skip(result, r.line,
                 "its odometer reading " + numbers::number_text(*odometer) +
                     " is not above the previous entry's " +
                     numbers::number_text(log.odometer(log.fillup_count())));
            after_skip = true;
            continue;
        }
        try {
            log.append(std::string(r[0]), *odometer, *gallons);
        } catch (const numbers::FloatFault&) {
            stop("its odometer reading and gallons give no meaningful MPG");
            break;
        }
        ++result.entries;
        if (after_skip) {
            result.unreliable.push_back(log.fillup_count());
            after_skip = false;
        }
    }
    return result;
}

Result<std::string> read_mileage_contents(const std::string& path) {
    return read_file(path);
}

Message read_stopped_message(const std::string& path, const ReadResult& result) {
    const ReadStop& s = result.stop.value();
    return {kProgramTitle,
            "Reading of the file \"" + path + "\" stopped at line " + std::to_string(s.line) +
                ": " + s.reason + ". " + entries_read(result.entries) + " before that line.",
            Icon::Warning, Buttons::Ok};
}

Message lines_skipped_message(const std::string& path, const ReadResult& result) {
    constexpr std::size_t kShown = 5;
    const std::int64_t n = result.skipped_lines;
    std::string text = "In the file \"" + path + "\", " +
                       (n == 1 ? std::string("1 line was") : std::to_string(n) + " lines were") +
                       " skipped, so that no MPG counts them:";
    for (std::size_t i = 0; i < result.skipped.size() && i < kShown; ++i) {
        text += "\nline " + std::to_string(result.skipped[i].line) + ": " +
                result.skipped[i].reason + ";";
    }
    if (n > static_cast<std::int64_t>(kShown)) {
        text += "\nand " + std::to_string(n - static_cast<std::int64_t>(kShown)) + " more;";
    }
    text.back() = '.';
    text += "\nSaving the log leaves the skipped lines out of the file.";
    return {kProgramTitle, text, Icon::Warning, Buttons::Ok};
}

Message cannot_open_message(const std::string& path, const std::string& why) {
    const std::string because = why.empty() ? "" : ": " + why;
    return {kProgramTitle, "The file \"" + path + "\" could not be opened" + because + ".",
            Icon::Warning, Buttons::Ok};
}

Message save_failed_message(const std::string& path, const std::string& why) {
    return {kProgramTitle,
            "The file \"" + path + "\" could not be saved: " + why +
                ". Your data has not been saved.",
            Icon::Warning, Buttons::Ok};
}

} // namespace milora::mileage
