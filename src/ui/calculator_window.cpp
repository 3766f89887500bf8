// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/calculator_window.h"

#include "calc/registry.h"
#include "ui/program_folder.h"
#include "ui/qt_text.h"
#include "ui/validating_edit.h"
#include "ui/window_tracker.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
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

CalculatorWindow::CalculatorWindow(std::unique_ptr<calc::Calculator> calculator, const CarData& car,
                                   const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window), calc_(std::move(calculator)),
      state_(calc::open_window(*calc_, car)), services_(services) {
    build();
    apply_state();
    fix_size(car);
    answer_dialogue();
}

CalculatorWindow::~CalculatorWindow() = default;

QLabel* CalculatorWindow::build_label(const calc::LabelDesc& d, int index) {
    auto* label = new QLabel(this);
    label->setObjectName(element_name(d.name, index));
    if (index != calc::kScalar) {
        label->setProperty("index", index);
    }
    label->setTextFormat(Qt::PlainText);
    // Every text may wrap, so that a long figure never widens the window past the screen; a text
    // meant for one line gets the width of its longest sample in fix_size().
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

void CalculatorWindow::build() {
    const calc::WindowDescription& d = calc_->description();
    setObjectName(qt_text(d.window));
    setWindowTitle(qt_text(d.caption));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* root = new QVBoxLayout(this);
    root->setSpacing(10);
    build_boxes(*root);
    build_option_groups(*root);
    build_results(*root);
    root->addStretch(1);
    build_buttons(*root);
    set_tab_order();
}

void CalculatorWindow::build_boxes(QVBoxLayout& root) {
    const calc::WindowDescription& d = calc_->description();
    if (d.boxes.empty()) {
        return;
    }
    // `box_columns` label/box pairs a row, filled column by column.
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
            auto* heading = new QLabel(qt_text(b.heading), this);
            heading->setObjectName(qt_text(b.heading_name));
            heading->setTextFormat(Qt::PlainText);
            grid->addWidget(heading, row++, col, 1, 2, Qt::AlignLeft | Qt::AlignBottom);
        }
        auto* label = new QLabel(qt_text(b.caption), this);
        label->setObjectName(qt_text(box_label_name(b)));
        label->setTextFormat(Qt::PlainText);
        if (!b.label_tooltip.empty()) {
            label->setToolTip(qt_text(b.label_tooltip));
        }
        const std::string name = b.name;
        auto* box = new ValidatingEdit(
            *services_.messages,
            [this, name](const QString& text) { return check_box(name, text); }, this);
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

void CalculatorWindow::build_option_groups(QVBoxLayout& root) {
    for (const calc::OptionGroupDesc& g : calc_->description().option_groups) {
        auto* frame = new QGroupBox(qt_text(g.frame_caption), this);
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

QRadioButton* CalculatorWindow::build_option(const calc::OptionGroupDesc& g,
                                             const calc::OptionDesc& o) {
    auto* opt = new QRadioButton(qt_text(o.caption), this);
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
    connect(opt, &QRadioButton::clicked, this, [this, group, index] { on_option(group, index); });
    return opt;
}

void CalculatorWindow::build_results(QVBoxLayout& root) {
    for (const calc::ResultItem& item : calc_->description().results) {
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

QGridLayout* CalculatorWindow::build_grid(const calc::GridDesc& grid_desc) {
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

void CalculatorWindow::build_buttons(QVBoxLayout& root) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (const calc::ButtonDesc& b : calc_->description().buttons) {
        auto* button = new QPushButton(qt_text(b.caption), this);
        button->setObjectName(qt_text(b.name));
        if (!b.tooltip.empty()) {
            button->setToolTip(qt_text(b.tooltip));
        }
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
        button->setMinimumWidth(90);
        const calc::ButtonRole role = b.role;
        connect(button, &QPushButton::clicked, this, [this, role] { on_button(role); });
        buttons->addWidget(button);
        button_order_.push_back(button);
        if (role == calc::ButtonRole::Calculate) {
            has_calculate_ = true;
        }
    }
    buttons->addStretch(1);
    root.addLayout(buttons);
}

void CalculatorWindow::set_tab_order() {
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
        setTabOrder(order[i - 1], order[i]);
    }
}

void CalculatorWindow::apply_state() {
    for (auto& [name, box] : boxes_) {
        const QString text = qt_text(state_.box(name));
        if (box->text() != text) {
            box->setText(text);
        }
    }
    show_labels(state_);
    show_options();
    keep_texts_whole();
}

void CalculatorWindow::show_labels(const calc::FormState& state) {
    for (auto& [key, label] : labels_) {
        const calc::LabelState& s = state.label(key.name, key.index);
        label->setText(qt_text(s.text));
        QFont f = label->font();
        f.setBold(s.bold);
        f.setPointSize(s.points > 0 ? s.points : font().pointSize());
        label->setFont(f);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText,
                   s.red ? QColor(255, 0, 0) : palette().color(QPalette::WindowText));
        label->setPalette(p);
        label->setVisible(s.visible);
        // An empty text takes no room: the lines reserved for it go to the stretch below.
        const auto reserved = reserved_heights_.find(label);
        label->setMinimumHeight(
            s.text.empty() || reserved == reserved_heights_.end() ? 0 : reserved->second);
    }
}

void CalculatorWindow::show_options() {
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
}

std::vector<calc::FormState> CalculatorWindow::sample_states(const CarData& car) const {
    std::vector<calc::FormState> states{state_};
    // A logic unit may remember the last option clicked, so each sample runs on a unit of its own,
    // opened as this window was.
    const calc::CalculatorEntry* entry = calc::find_calculator(calc_->description().window);
    if (entry == nullptr) {
        return states;
    }
    using Step = std::function<void(calc::Calculator&, calc::FormState&)>;
    const Step calculate = [](calc::Calculator& c, calc::FormState& s) {
        (void)calc::run_calculate(c, s);
    };
    const auto sample = [&](const std::vector<Step>& steps) {
        try {
            const std::unique_ptr<calc::Calculator> unit = entry->make();
            calc::FormState s = calc::open_window(*unit, car);
            for (const Step& step : steps) {
                step(*unit, s);
                states.push_back(s);
            }
        } catch (const std::exception&) {
            // A state that these numbers cannot reach.
        }
    };
    sample({calculate});
    for (const calc::OptionGroupDesc& g : calc_->description().option_groups) {
        for (const calc::OptionDesc& o : g.options) {
            const Step click = [&g, &o](calc::Calculator& c, calc::FormState& s) {
                (void)calc::run_click_option(c, s, g.name, o.index);
            };
            sample({click, calculate});
            sample({calculate, click});
        }
    }
    return states;
}

int CalculatorWindow::available_width() const {
    const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    // Room for the window frame, which is not known before the window is shown.
    constexpr int kFrame = 16;
    return s != nullptr ? s->availableGeometry().width() - kFrame : calc_->description().width;
}

int CalculatorWindow::available_height() const {
    const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    constexpr int kFrame = 40;
    return s != nullptr ? s->availableGeometry().height() - kFrame : QWIDGETSIZE_MAX;
}

void CalculatorWindow::fix_size(const CarData& car) {
    // Measured with the fonts and margins the window will be shown with.
    ensurePolished();
    const std::vector<calc::FormState> states = sample_states(car);
    const int most = available_width();
    // A text meant for one line keeps the width of its longest sample, as far as the screen allows.
    std::map<QLabel*, int> one_line;
    for (const calc::FormState& s : states) {
        show_labels(s);
        for (QLabel* l : one_line_labels_) {
            const int w = l->fontMetrics().horizontalAdvance(l->text()) + 2 * l->margin() + 2;
            one_line[l] = std::max(one_line[l], w);
        }
    }
    for (auto& [label, w] : one_line) {
        label->setMinimumWidth(std::min(w, most / 2));
    }
    int width = calc_->description().width;
    for (const calc::FormState& s : states) {
        show_labels(s);
        layout()->invalidate();
        layout()->activate();
        width = std::max(width, layout()->minimumSize().width());
    }
    width = std::min(width, most);
    // Each text gets the lines it needs at this width in the state that needs most. Reserved on
    // the labels themselves, since a grid does not always give a wrapped text the lines it needs.
    setFixedWidth(width);
    for (const calc::FormState& s : states) {
        show_labels(s);
        reserve_label_heights();
    }
    int height = 0;
    for (const calc::FormState& s : states) {
        show_labels(s);
        layout()->invalidate();
        height = std::max(height, layout()->totalHeightForWidth(width));
    }
    show_labels(state_);
    setFixedSize(width, std::min(height, available_height()));
    layout()->invalidate();
    layout()->activate();
    // Row captions keep the width they have now when a huge figure asks for more room.
    for (QLabel* caption : row_captions_) {
        caption->setMinimumWidth(caption->width());
    }
    sized_ = true;
}

bool CalculatorWindow::reserve_label_heights() {
    layout()->invalidate();
    layout()->activate();
    bool raised = false;
    for (auto& [key, label] : labels_) {
        if (!label->isVisibleTo(this) || label->text().isEmpty()) {
            continue;
        }
        const int needed = label->heightForWidth(label->width());
        int& reserved = reserved_heights_[label];
        if (needed > reserved) {
            reserved = needed;
            label->setMinimumHeight(needed);
            raised = true;
        }
    }
    return raised;
}

void CalculatorWindow::keep_texts_whole() {
    if (!sized_) {
        return;
    }
    // Sized for the texts of the numbers the window opened with. Far larger numbers may need more
    // lines, or a figure that cannot wrap more room; then the window grows, never shrinks, and
    // never past the screen.
    // A figure is one word: its label may not be narrower than it, whatever width was reserved.
    for (QLabel* l : one_line_labels_) {
        const int word = l->minimumSizeHint().width();
        if (word > l->minimumWidth()) {
            l->setMinimumWidth(std::min(word, available_width() / 2));
        }
    }
    layout()->invalidate();
    layout()->activate();
    const int wide = std::min(layout()->minimumSize().width(), available_width());
    if (wide > width()) {
        setFixedWidth(wide);
        keep_on_screen();
    }
    if (!reserve_label_heights()) {
        return;
    }
    layout()->invalidate();
    const int needed = layout()->totalHeightForWidth(width());
    if (needed > height()) {
        setFixedHeight(std::min(needed, std::max(height(), available_height())));
        keep_on_screen();
    }
}

void CalculatorWindow::keep_on_screen() {
    const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (s == nullptr || !isVisible()) {
        return;
    }
    const QRect room = s->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveRight(std::min(frame.right(), room.right()));
    frame.moveBottom(std::min(frame.bottom(), room.bottom()));
    frame.moveLeft(std::max(frame.left(), room.left()));
    frame.moveTop(std::max(frame.top(), room.top()));
    if (frame.topLeft() != frameGeometry().topLeft()) {
        move(frame.topLeft());
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
        (void)calc::run_calculate(*calc_, state_);
        // A message about the numbers (B04's swap) comes before the result it explains.
        apply_state();
        break;
    case calc::ButtonRole::Print:
        services_.printer->print_widget(this, d.landscape ? Orientation::Landscape
                                                          : Orientation::Portrait);
        break;
    case calc::ButtonRole::Help:
        services_.help->show_topic(this, qt_text(d.help_topic));
        break;
    case calc::ButtonRole::Exit:
        close();
        break;
    }
}

void CalculatorWindow::on_option(const std::string& group, int index) {
    // The clicked option shows its new state only once the box has been accepted.
    show_options();
    if (!check_focused_box()) {
        return;
    }
    read_boxes();
    (void)calc::run_click_option(*calc_, state_, group, index);
    apply_state();
}

void CalculatorWindow::answer_dialogue() {
    // What opening the window said is shown now; from here on each message shows as it comes.
    for (const Message& m : state_.dialogue.take_kept()) {
        services_.messages->show(this, m);
    }
    state_.dialogue.answer_with(
        [this](const Message& m) { return services_.messages->show(this, m); });
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // On a button Enter presses that button; anywhere else it is Calculate.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        } else if (has_calculate_) {
            on_button(calc::ButtonRole::Calculate);
        }
        return;
    case Qt::Key_Escape:
        on_button(calc::ButtonRole::Exit);
        return;
    default:
        QWidget::keyPressEvent(event);
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
