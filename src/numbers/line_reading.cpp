// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "numbers/line_reading.h"

#include "numbers/number_reading.h"

namespace milora::numbers {

std::string_view trim(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::vector<std::string> split_lines(const std::string& contents) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < contents.size(); ++i) {
        const char c = contents[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < contents.size() && contents[i + 1] == '\n') {
                ++i;
            }
        } else {
            line.push_back(c);
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

std::optional<float> read_line_number(const std::string& line) {
    if (line.find(',') != std::string::npos) {
        return std::nullopt; // no thousands separators in a file
    }
    return parse_single(line);
}

} // namespace milora::numbers
