// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/calculator_window.h"

#include "ui/program_folder.h"
#include "ui/validating_edit.h"
#include "ui/window_tracker.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace milora::ui {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QString element_name(const std::string& name, int index) {
    return index == calc::kScalar ? q(name) : q(name) + QLatin1Char('_') + QString::number(index);
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

CalculatorWindow::CalculatorWindow(std::unique_ptr<calc::Calculator> calculator, const CarData& car,
                                   const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window), calc_(std::move(calculator)),
      state_(calc::open_window(*calc_, car)), services_(services) {
    build();
    apply_state();
    show_messages();
}

CalculatorWindow::~CalculatorWindow() = default;

QWidget* CalculatorWindow::build_label(const calc::LabelDesc& d, int index) {
    auto* label = new QLabel(this);
    label->setObjectName(element_name(d.name, index));
    if (index != calc::kScalar) {
        label->setProperty("index", index);
    }
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(d.wrap);
    label->setAlignment(alignment(d.align));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (!d.tooltip.empty()) {
        label->setToolTip(q(d.tooltip));
    }
    labels_[{d.name, index}] = label;
    return label;
}

void CalculatorWindow::build() {
    const calc::WindowDescription& d = calc_->description();
    setObjectName(q(d.window));
    setWindowTitle(q(d.caption));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* root = new QVBoxLayout(this);
    root->setSpacing(10);

    // Input boxes, `box_columns` label/box pairs a row.
    if (!d.boxes.empty()) {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(8);
        const int columns = std::max(1, d.box_columns);
        const int rows = (static_cast<int>(d.boxes.size()) + columns - 1) / columns;
        std::vector<int> next_row(static_cast<std::size_t>(columns), 0);
        for (std::size_t i = 0; i < d.boxes.size(); ++i) {
            const calc::BoxDesc& b = d.boxes[i];
            const int column = static_cast<int>(i) / rows;
            const int col = column * 3;
            int& row = next_row[static_cast<std::size_t>(column)];
            if (!b.heading.empty()) {
                auto* heading = new QLabel(q(b.heading), this);
                heading->setObjectName(q(b.heading_name));
                heading->setTextFormat(Qt::PlainText);
                grid->addWidget(heading, row++, col, 1, 2, Qt::AlignLeft | Qt::AlignBottom);
            }
            auto* label = new QLabel(q(b.caption), this);
            label->setObjectName(q(box_label_name(b)));
            label->setTextFormat(Qt::PlainText);
            if (!b.label_tooltip.empty()) {
                label->setToolTip(q(b.label_tooltip));
            }
            const std::string name = b.name;
            auto* box = new ValidatingEdit(
                *services_.messages,
                [this, name](const QString& text) { return check_box(name, text); }, this);
            box->setObjectName(q(b.name));
            box->setToolTip(q(b.tooltip));
            box->setFixedWidth(100);
            label->setBuddy(box);
            boxes_[b.name] = box;
            grid->addWidget(label, row, col, Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(box, row++, col + 1);
            if (col > 0) {
                grid->setColumnMinimumWidth(col - 1, 24);
            }
        }
        grid->setColumnStretch(columns * 3 - 1, 1);
        root->addLayout(grid);
    }

    for (const calc::OptionGroupDesc& g : d.option_groups) {
        auto* frame = new QGroupBox(q(g.frame_caption), this);
        frame->setObjectName(q(g.frame_name));
        if (!g.frame_tooltip.empty()) {
            frame->setToolTip(q(g.frame_tooltip));
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
            auto* opt = new QRadioButton(q(o.caption), frame);
            opt->setObjectName(element_name(g.name, o.index));
            opt->setProperty("index", o.index);
            opt->setFocusPolicy(Qt::TabFocus);
            // A hidden option keeps its place, so that the others do not move under the mouse.
            QSizePolicy policy = opt->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            opt->setSizePolicy(policy);
            if (!o.tooltip.empty()) {
                opt->setToolTip(q(o.tooltip));
            }
            options_[g.name][o.index] = opt;
            const std::string group = g.name;
            const int index = o.index;
            connect(opt, &QRadioButton::clicked, this,
                    [this, group, index] { on_option(group, index); });
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
        root->addWidget(frame);
    }

    for (const calc::ResultItem& item : d.results) {
        if (const auto* l = std::get_if<calc::LabelDesc>(&item)) {
            if (!l->is_array()) {
                root->addWidget(build_label(*l, calc::kScalar));
                continue;
            }
            auto* row = new QHBoxLayout;
            for (int i = l->first; i <= l->last; ++i) {
                row->addWidget(build_label(*l, i), 1);
            }
            root->addLayout(row);
            continue;
        }
        const auto& grid_desc = std::get<calc::GridDesc>(item);
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
            QWidget* caption = build_label(row.caption, calc::kScalar);
            if (row.spans()) {
                grid->addWidget(caption, r++, 0, 1, columns + 1);
                continue;
            }
            if (grid_desc.caption_width > 0) {
                caption->setFixedWidth(grid_desc.caption_width);
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
        root->addLayout(grid);
    }

    root->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (const calc::ButtonDesc& b : d.buttons) {
        auto* button = new QPushButton(q(b.caption), this);
        button->setObjectName(q(b.name));
        if (!b.tooltip.empty()) {
            button->setToolTip(q(b.tooltip));
        }
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
        button->setMinimumWidth(90);
        const calc::ButtonRole role = b.role;
        connect(button, &QPushButton::clicked, this, [this, role] { on_button(role); });
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    root->addLayout(buttons);

    setMinimumWidth(d.width);
    resize(d.width, root->totalHeightForWidth(d.width));
}

void CalculatorWindow::apply_state() {
    for (auto& [name, box] : boxes_) {
        const QString text = q(state_.box(name));
        if (box->text() != text) {
            box->setText(text);
        }
    }
    for (auto& [key, label] : labels_) {
        const calc::LabelState& s = state_.label(key.name, key.index);
        label->setText(q(s.text));
        QFont f = label->font();
        f.setBold(s.bold);
        f.setPointSize(s.points > 0 ? s.points : font().pointSize());
        label->setFont(f);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText,
                   s.red ? QColor(255, 0, 0) : palette().color(QPalette::WindowText));
        label->setPalette(p);
        label->setVisible(s.visible);
    }
    for (auto& [group, elements] : options_) {
        const calc::OptionGroupState& s = state_.options(group);
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
    fit_height();
}

void CalculatorWindow::fit_height() {
    if (layout() == nullptr) {
        return;
    }
    layout()->activate();
    // Texts that do not wrap may ask for more width than the window has.
    const int wide = std::max(width(), layout()->minimumSize().width());
    const int needed = layout()->totalHeightForWidth(wide);
    if (wide > width() || needed > height()) {
        resize(wide, std::max(height(), needed));
    }
}

void CalculatorWindow::read_boxes() {
    for (auto& [name, box] : boxes_) {
        state_.box(name) = box->text().toStdString();
    }
}

std::optional<Message> CalculatorWindow::check_box(const std::string& name, const QString& text) {
    state_.box(name) = text.toStdString();
    return calc::validate_box(state_, name);
}

bool CalculatorWindow::check_focused_box() {
    return ValidatingEdit::validate_focused(this);
}

void CalculatorWindow::on_button(calc::ButtonRole role) {
    if (!check_focused_box()) {
        return;
    }
    const calc::WindowDescription& d = calc_->description();
    switch (role) {
    case calc::ButtonRole::Calculate:
        read_boxes();
        calc::run_calculate(*calc_, state_);
        apply_state();
        show_messages();
        break;
    case calc::ButtonRole::Print:
        services_.printer->print_widget(this, d.landscape ? Orientation::Landscape
                                                          : Orientation::Portrait);
        break;
    case calc::ButtonRole::Help:
        services_.help->show_topic(this, q(d.help_topic));
        break;
    case calc::ButtonRole::Exit:
        close();
        break;
    }
}

void CalculatorWindow::on_option(const std::string& group, int index) {
    if (!check_focused_box()) {
        apply_state(); // the click is undone
        return;
    }
    read_boxes();
    calc::run_click_option(*calc_, state_, group, index);
    apply_state();
    show_messages();
}

void CalculatorWindow::show_messages() {
    auto pending = std::move(state_.messages);
    state_.messages.clear();
    for (const auto& m : pending) {
        services_.messages->show(this, m);
    }
}

void CalculatorWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!centred_) {
        centred_ = true;
        centre_on_screen(this);
    }
}

} // namespace milora::ui
