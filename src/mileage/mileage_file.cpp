// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/mileage_file.h"

#include "base/shown_text.h"
#include "numbers/line_reading.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

#include <algorithm>
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

using numbers::is_blank;
using numbers::trim;

// The three items of one line, or why the line is no record.
struct Record {
    std::string date;
    std::string odometer;
    std::string gallons;
};

std::optional<std::string> split_record(std::string_view line, Record& record) {
    std::string* items[] = {&record.date, &record.odometer, &record.gallons};
    std::size_t pos = 0;
    for (std::size_t k = 0; k < 3; ++k) {
        if (k > 0) {
            if (pos >= line.size() || line[pos] != ',') {
                return std::string("the line is cut short: it has ") +
                       (k == 1 ? "one item" : "two items") + " instead of three";
            }
            ++pos;
        }
        std::string& item = *items[k];
        item.clear();
        while (pos < line.size() && is_blank(line[pos])) {
            ++pos;
        }
        if (pos < line.size() && line[pos] == '"') {
            ++pos;
            for (;;) {
                if (pos >= line.size()) {
                    return std::string("a quoted item has no closing quote");
                }
                if (line[pos] == '"') {
                    if (pos + 1 < line.size() && line[pos + 1] == '"') {
                        item += '"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                item += line[pos++];
            }
            while (pos < line.size() && is_blank(line[pos])) {
                ++pos;
            }
            if (pos < line.size() && line[pos] != ',') {
                return std::string("there is text after a quoted item");
            }
        } else {
            const std::size_t comma = line.find(',', pos);
            const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
            item = trim(line.substr(pos, end - pos));
            pos = end;
        }
    }
    if (pos < line.size()) {
        return std::string("it has more than three items");
    }
    return std::nullopt;
}

// An item as quoted in a message: cut short, control characters shown as "?".
std::string shown(const std::string& item) {
    return shown_text(item, 32);
}

std::string entries_read(std::int64_t n) {
    return n == 1 ? "1 entry was read" : std::to_string(n) + " entries were read";
}

} // namespace

bool is_mileage_record(std::string_view line) {
    Record record;
    return !split_record(line, record) && numbers::read_line_number(record.odometer) &&
           numbers::read_line_number(record.gallons);
}

std::string mileage_file_text(const MileageLog& log) {
    std::string out;
    out.reserve(static_cast<std::size_t>(log.fillup_count()) * 32);
    for (const Fillup& f : log.entries()) {
        append_quoted(out, f.Fillup_Date);
        out += ',';
        out += numbers::number_text(f.Fillup_Odometer);
        out += ',';
        out += numbers::number_text(f.Fillup_Gallons);
        out += "\r\n";
    }
    return out;
}

WriteResult write_mileage_file(const std::string& path, const MileageLog& log,
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
    std::int64_t line_number = 0;
    Record record;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = text.substr(pos, end - pos);
        pos = end;
        if (pos < text.size()) {
            pos += (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
        }
        ++line_number;
        if (progress && line_number % 16384 == 0 && !progress(pos, text.size())) {
            result.cancelled = true;
            break;
        }
        if (trim(line).empty()) {
            continue;
        }
        auto stop = [&](std::string reason) {
            result.stop = ReadStop{line_number, std::move(reason)};
        };
        if (auto wrong = split_record(line, record)) {
            stop(*wrong);
            break;
        }
        const auto odometer = numbers::read_line_number(record.odometer);
        if (!odometer) {
            stop("the odometer reading \"" + shown(record.odometer) + "\" is not a number");
            break;
        }
        const auto gallons = numbers::read_line_number(record.gallons);
        if (!gallons) {
            stop("the gallons \"" + shown(record.gallons) + "\" are not a number");
            break;
        }
        try {
            log.append(record.date, *odometer, *gallons);
        } catch (const numbers::FloatFault&) {
            stop("its odometer reading and gallons give no meaningful MPG");
            break;
        }
        ++result.entries;
    }
    return result;
}

std::optional<std::string> read_mileage_contents(const std::string& path, std::string* why) {
    std::string contents;
    std::string failed = read_whole_file_why(path, contents);
    if (!failed.empty()) {
        if (why != nullptr) {
            *why = std::move(failed);
        }
        return std::nullopt;
    }
    return contents;
}

Message read_stopped_message(const std::string& path, const ReadResult& result) {
    const ReadStop& s = result.stop.value();
    return {kProgramTitle,
            "Reading of the file \"" + path + "\" stopped at line " + std::to_string(s.line) +
                ": " + s.reason + ". " + entries_read(result.entries) + " before that line.",
            Icon::Warning, Buttons::Ok};
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
