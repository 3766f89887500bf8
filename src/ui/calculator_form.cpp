// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/calculator_form.h"

#include "ui/qt_text.h"
#include "ui/services.h"
#include "ui/validating_edit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

namespace milora::ui {
namespace {

QString element_name(const std::string& name, int index) {
    return index == calc::kScalar ? qt_text(name)
                                  : qt_text(name) + QLatin1Char('_') + QString::number(index);
}

Qt::Alignment alignment(calc::Align a) {
    switch (a) {
    case calc::Align::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case calc::Align::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case calc::Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

std::string box_label_name(const calc::BoxDesc& b) {
    if (!b.label_name.empty()) {
        return b.label_name;
    }
    return "lbl" + (b.name.rfind("txt", 0) == 0 ? b.name.substr(3) : b.name);
}

} // namespace

CalculatorForm::CalculatorForm(QWidget& window, const calc::WindowDescription& description,
                               MessageService& messages, Actions actions)
    : window_(window), description_(description), actions_(std::move(actions)) {
    auto* root = new QVBoxLayout(&window_);
    root->setSpacing(10);
    build_boxes(*root, messages);
    build_option_groups(*root);
    build_results(*root);
    root->addStretch(1);
    build_buttons(*root);
    set_tab_order();
}

QLabel* CalculatorForm::build_label(const calc::LabelDesc& d, int index) {
    auto* label = new QLabel(&window_);
    label->setObjectName(element_name(d.name, index));
    if (index != calc::kScalar) {
        label->setProperty("index", index);
    }
    label->setTextFormat(Qt::PlainText);
    // Every text may wrap, so that a long figure never widens the window past the screen; a text
    // meant for one line gets the width of its longest sample when the window is sized.
    label->setWordWrap(true);
    if (!d.wrap) {
        one_line_labels_.push_back(label);
    }
    label->setAlignment(alignment(d.align));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (!d.tooltip.empty()) {
        label->setToolTip(qt_text(d.tooltip));
    }
    labels_[{d.name, index}] = label;
    return label;
}

void CalculatorForm::build_boxes(QVBoxLayout& root, MessageService& messages) {
    if (description_.boxes.empty()) {
        return;
    }
    // `box_columns` label/box pairs a row, filled column by column.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    const int columns = std::max(1, description_.box_columns);
    const int rows = (static_cast<int>(description_.boxes.size()) + columns - 1) / columns;
    std::vector<int> next_row(static_cast<std::size_t>(columns), 0);
    for (std::size_t i = 0; i < description_.boxes.size(); ++i) {
        const calc::BoxDesc& b = description_.boxes[i];
        const int column = static_cast<int>(i) / rows;
        const int col = column * 3;
        int& row = next_row[static_cast<std::size_t>(column)];
        if (!b.heading.empty()) {
            auto* heading = new QLabel(qt_text(b.heading), &window_);
            heading->setObjectName(qt_text(b.heading_name));
            heading->setTextFormat(Qt::PlainText);
            grid->addWidget(heading, row++, col, 1, 2, Qt::AlignLeft | Qt::AlignBottom);
        }
        auto* label = new QLabel(qt_text(b.caption), &window_);
        label->setObjectName(qt_text(box_label_name(b)));
        label->setTextFormat(Qt::PlainText);
        if (!b.label_tooltip.empty()) {
            label->setToolTip(qt_text(b.label_tooltip));
        }
        const std::string name = b.name;
        auto* box = new ValidatingEdit(
            messages, [this, name](const QString& text) { return actions_.check(name, text); },
            &window_);
        box->setObjectName(qt_text(b.name));
        box->setToolTip(qt_text(b.tooltip));
        box->setFixedWidth(100);
        label->setBuddy(box);
        boxes_[b.name] = box;
        box_places_.push_back({row, column, box});
        grid->addWidget(label, row, col, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(box, row++, col + 1);
        if (col > 0) {
            grid->setColumnMinimumWidth(col - 1, 24);
        }
    }
    grid->setColumnStretch(columns * 3 - 1, 1);
    root.addLayout(grid);
}

void CalculatorForm::build_option_groups(QVBoxLayout& root) {
    for (const calc::OptionGroupDesc& g : description_.option_groups) {
        auto* frame = new QGroupBox(qt_text(g.frame_caption), &window_);
        frame->setObjectName(qt_text(g.frame_name));
        if (!g.frame_tooltip.empty()) {
            frame->setToolTip(qt_text(g.frame_tooltip));
        }
        // All options in one row, or `columns` a row in a grid.
        QHBoxLayout* row = nullptr;
        QGridLayout* rows = nullptr;
        if (g.columns > 0) {
            rows = new QGridLayout(frame);
            rows->setHorizontalSpacing(16);
        } else {
            row = new QHBoxLayout(frame);
        }
        int placed = 0;
        for (const calc::OptionDesc& o : g.options) {
            QRadioButton* opt = build_option(g, o);
            if (rows != nullptr) {
                rows->addWidget(opt, placed / g.columns, placed % g.columns);
            } else {
                row->addWidget(opt);
            }
            ++placed;
        }
        if (rows != nullptr) {
            rows->setColumnStretch(g.columns, 1);
        } else {
            row->addStretch(1);
        }
        root.addWidget(frame);
    }
}

QRadioButton* CalculatorForm::build_option(const calc::OptionGroupDesc& g,
                                           const calc::OptionDesc& o) {
    auto* opt = new QRadioButton(qt_text(o.caption), &window_);
    opt->setObjectName(element_name(g.name, o.index));
    opt->setProperty("index", o.index);
    opt->setFocusPolicy(Qt::TabFocus);
    // A hidden option keeps its place, so that the others do not move under the mouse.
    QSizePolicy policy = opt->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    opt->setSizePolicy(policy);
    if (!o.tooltip.empty()) {
        opt->setToolTip(qt_text(o.tooltip));
    }
    options_[g.name][o.index] = opt;
    option_order_.push_back(opt);
    const std::string group = g.name;
    const int index = o.index;
    QObject::connect(opt, &QRadioButton::clicked, &window_,
                     [this, group, index] { actions_.option(group, index); });
    return opt;
}

void CalculatorForm::build_results(QVBoxLayout& root) {
    for (const calc::ResultItem& item : description_.results) {
        if (const auto* l = std::get_if<calc::LabelDesc>(&item)) {
            if (!l->is_array()) {
                QLabel* text = build_label(*l, calc::kScalar);
                // A text block starts at the top of the lines reserved for the longest state.
                text->setAlignment((text->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
                root.addWidget(text);
                continue;
            }
            auto* row = new QHBoxLayout;
            for (int i = l->first; i <= l->last; ++i) {
                row->addWidget(build_label(*l, i), 1);
            }
            root.addLayout(row);
            continue;
        }
        root.addLayout(build_grid(std::get<calc::GridDesc>(item)));
    }
}

QGridLayout* CalculatorForm::build_grid(const calc::GridDesc& grid_desc) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    int columns = 0;
    for (const auto& row : grid_desc.rows) {
        if (!row.spans()) {
            columns = std::max(columns, row.cells.last - row.cells.first + 1);
        }
    }
    int r = 0;
    for (const auto& row : grid_desc.rows) {
        QLabel* caption = build_label(row.caption, calc::kScalar);
        if (row.spans()) {
            grid->addWidget(caption, r++, 0, 1, columns + 1);
            continue;
        }
        if (grid_desc.caption_width > 0) {
            caption->setFixedWidth(grid_desc.caption_width);
        } else {
            row_captions_.push_back(caption);
        }
        grid->addWidget(caption, r, 0);
        int c = 1;
        for (int i = row.cells.first; i <= row.cells.last; ++i, ++c) {
            QWidget* cell = build_label(row.cells, i);
            if (grid_desc.cell_width > 0) {
                // On the column, so that a figure that does not wrap may still widen it.
                grid->setColumnMinimumWidth(c, grid_desc.cell_width);
            }
            grid->addWidget(cell, r, c);
            grid->setColumnStretch(c, 1);
        }
        ++r;
    }
    grid->setColumnStretch(0, 3);
    return grid;
}

void CalculatorForm::build_buttons(QVBoxLayout& root) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (const calc::ButtonDesc& b : description_.buttons) {
        auto* button = new QPushButton(qt_text(b.caption), &window_);
        button->setObjectName(qt_text(b.name));
        if (!b.tooltip.empty()) {
            button->setToolTip(qt_text(b.tooltip));
        }
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
        button->setMinimumWidth(90);
        const calc::ButtonRole role = b.role;
        QObject::connect(button, &QPushButton::clicked, &window_,
                         [this, role] { actions_.button(role); });
        buttons->addWidget(button);
        button_order_.push_back(button);
        if (role == calc::ButtonRole::Calculate) {
            has_calculate_ = true;
        }
    }
    buttons->addStretch(1);
    root.addLayout(buttons);
}

void CalculatorForm::set_tab_order() {
    // Boxes as they read, row by row across the columns, then the options, then the buttons.
    std::stable_sort(box_places_.begin(), box_places_.end(),
                     [](const BoxPlace& a, const BoxPlace& b) {
                         return std::tie(a.row, a.column) < std::tie(b.row, b.column);
                     });
    std::vector<QWidget*> order;
    for (const BoxPlace& p : box_places_) {
        order.push_back(p.box);
    }
    order.insert(order.end(), option_order_.begin(), option_order_.end());
    order.insert(order.end(), button_order_.begin(), button_order_.end());
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void CalculatorForm::show_boxes(const calc::FormState& state) {
    for (auto& [name, box] : boxes_) {
        const QString text = qt_text(state.box(name));
        if (box->text() != text) {
            box->setText(text);
        }
    }
}

void CalculatorForm::show_labels(const calc::FormState& state) {
    for (auto& [key, label] : labels_) {
        const calc::LabelState& s = state.label(key.name, key.index);
        label->setText(qt_text(s.text));
        QFont f = label->font();
        f.setBold(s.bold);
        f.setPointSize(s.points > 0 ? s.points : window_.font().pointSize());
        label->setFont(f);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText,
                   s.red ? QColor(255, 0, 0) : window_.palette().color(QPalette::WindowText));
        label->setPalette(p);
        label->setVisible(s.visible);
        // An empty text takes no room: the lines reserved for it go to the stretch below.
        const auto reserved = reserved_heights_.find(label);
        label->setMinimumHeight(
            s.text.empty() || reserved == reserved_heights_.end() ? 0 : reserved->second);
    }
}

void CalculatorForm::show_options(const calc::FormState& state) {
    for (auto& [group, elements] : options_) {
        const calc::OptionGroupState& s = state.options(group);
        for (auto& [index, opt] : elements) {
            const bool checked = s.selected && *s.selected == index;
            if (opt->isChecked() != checked) {
                opt->setAutoExclusive(false);
                opt->setChecked(checked);
                opt->setAutoExclusive(true);
            }
            opt->setVisible(!s.hidden.contains(index));
        }
    }
}

} // namespace milora::ui
