// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What a calculator window holds, as data: boxes, option groups, result labels and grids, buttons.
// Any renderer turns a description into a window; the Qt one is ui/calculator_window. Every name is
// the objectName of its widget; an element of a label or option array is named `name_index`.

#include "base/car_data.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace milora::calc {

inline constexpr int kScalar = -1; // the index of a label that is not part of an array

struct BoxDesc {
    std::string name;           // txtCombined_MPG
    std::string caption;        // the label beside the box
    std::string tooltip;        // the box's tooltip
    std::string message;        // the validation message
    std::string label_tooltip;  // the label's own tooltip, where it has one
    std::string label_name;     // objectName of the label; "lbl" + name without "txt" when empty
    bool zero_allowed = false;  // time-worth boxes accept 0
    bool plain_message = false; // the message box has no icon and the program's title
    // Where a model has no meaning from some value on: when above 0, a value (as Calculate reads
    // it) of upper_limit or more is refused with limit_message, in the same kind of message box.
    double upper_limit = 0;
    std::string limit_message;
    std::string heading;      // a fixed label above the box and its label, where it has one
    std::string heading_name; // objectName of that heading label
    // The text the box starts with when the window opens: the car data field, or else a fixed
    // number, in the number text form. Neither: the logic unit's load fills it (or it stays empty).
    float CarData::*car_field = nullptr;
    std::optional<float> start_value;

    // The parts only some boxes have, added to a box made by `box` below; each returns the box
    // with that part set.
    BoxDesc from(float CarData::*field) const;
    BoxDesc starting_at(float value) const;
    BoxDesc allowing_zero() const;
    BoxDesc with_plain_message() const;
    BoxDesc with_label_tooltip(std::string text) const;
    BoxDesc with_label_name(std::string label) const;
    BoxDesc limited_to(double limit, std::string refusal) const;
    BoxDesc under_heading(std::string text, std::string label) const;
};

// A box with what every box has: its name, the caption beside it, its tooltip and the message shown
// when its text is refused.
BoxDesc box(std::string name, std::string caption, std::string tooltip, std::string message);

struct OptionDesc {
    int index = 0;
    std::string caption;
    std::string tooltip;
};

struct OptionGroupDesc {
    std::string name;       // optHigh_Tank; the elements are optHigh_Tank_2 ...
    std::string frame_name; // Frame1
    std::string frame_caption;
    std::string frame_tooltip;
    std::vector<OptionDesc> options;
    int columns = 0; // options a row, filled row by row; 0: all in one row
};

enum class Align { Left, Center, Right };

struct LabelDesc {
    std::string name;
    std::string text; // design text, shown until the logic unit changes it
    std::string tooltip;
    int first = kScalar; // an array holds the indexes first..last
    int last = kScalar;
    bool bold = false;
    int points = 0; // 0: the window's font size
    bool visible = true;
    Align align = Align::Left;
    bool wrap = true; // false: the text stays on one line and the window widens to show it
    bool is_array() const { return first != kScalar; }
};

// A table: each row a caption label at the left and an array of cells, all rows with the same
// indexes. `header` is an optional array shown above the rows (column titles). A row without cells
// (an unnamed `cells`) is a caption across the whole table: a heading or a note between rows.
struct GridDesc {
    struct Row {
        LabelDesc caption;
        LabelDesc cells;
        bool spans() const { return cells.name.empty(); }
    };
    std::vector<Row> rows;
    int caption_width = 0; // pixels for the caption column; 0: fit the texts
    int cell_width = 0;    // pixels for each cell; 0: fit the texts
};

using ResultItem = std::variant<LabelDesc, GridDesc>;

enum class ButtonRole { Calculate, Print, Help, Exit };

struct ButtonDesc {
    std::string name; // cmdCalculate, cmdPrintPR ...
    std::string caption;
    std::string tooltip;
    ButtonRole role = ButtonRole::Calculate;
};

struct WindowDescription {
    std::string window;     // B01_HowMuchDoYouSpendOnGas
    std::string caption;    // window title
    std::string help_topic; // "Tires.htm#alignment"
    bool landscape = false; // print orientation
    std::vector<BoxDesc> boxes;
    int box_columns = 1; // boxes laid out in this many columns
    std::vector<OptionGroupDesc> option_groups;
    std::vector<ResultItem> results;
    std::vector<ButtonDesc> buttons;
    int width = 640; // the window's width in pixels; the height follows the content

    const BoxDesc* find_box(std::string_view name) const;
    // The button with this role; a description without one is a programming error (throws).
    ButtonDesc& button(ButtonRole role);
    // Gives Print, Help and Exit tooltips other than the usual ones.
    void set_tooltips(std::string print, std::string help, std::string exit);
    const OptionGroupDesc* find_option_group(std::string_view name) const;
};

// A window with no boxes, options or results yet: its name, title and help topic, and the usual
// four buttons, of which only Calculate has a tooltip of its own.
WindowDescription describe_window(std::string window, std::string caption, std::string help_topic,
                                  std::string calculate_tooltip);

// The usual four buttons; `calculate_tooltip` differs from window to window, and so may the others.
std::vector<ButtonDesc>
standard_buttons(std::string calculate_tooltip,
                 std::string print_tooltip = "Click here to Print results",
                 std::string help_tooltip = "Click here to open Help manual",
                 std::string exit_tooltip = "Click here to Exit calculator");

} // namespace milora::calc
