// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/calculator_sizing.h"

#include "calc/registry.h"
#include "ui/calculator_form.h"
#include "ui/on_screen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <memory>

namespace milora::ui {

std::vector<calc::FormState> sample_states(const calc::WindowDescription& description,
                                           const calc::FormState& opened, const CarData& car) {
    std::vector<calc::FormState> states{opened};
    // A logic unit may remember the last option clicked, so each sample runs on a unit of its own,
    // opened as the window was.
    const calc::CalculatorEntry* entry = calc::find_calculator(description.window);
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
    for (const calc::OptionGroupDesc& g : description.option_groups) {
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

CalculatorSizing::CalculatorSizing(QWidget& window, CalculatorForm& form, int design_width)
    : window_(window), form_(form), design_width_(design_width) {}

int CalculatorSizing::available_width() const {
    const QScreen* s =
        window_.screen() != nullptr ? window_.screen() : QGuiApplication::primaryScreen();
    // Room for the window frame, which is not known before the window is shown.
    constexpr int kFrame = 16;
    return s != nullptr ? s->availableGeometry().width() - kFrame : design_width_;
}

QWidget& CalculatorSizing::page() const {
    return *content_page(&window_);
}

void CalculatorSizing::grow_to(int width, int height) {
    QWidget& p = page();
    if (&p == &window_) {
        window_.setFixedSize(width, height);
    } else {
        // The window scrolls: the page takes the size, the window as much of it as fits.
        p.setFixedSize(width, height);
        const int bar = window_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window_);
        window_.setMaximumSize(window_.maximumSize().expandedTo(QSize(width + bar, height + bar)));
        window_.resize(window_.size().expandedTo(QSize(width, height)));
    }
    if (const QScreen* s = window_.screen(); s != nullptr && window_.isVisible()) {
        fit_in(&window_, s->availableGeometry());
    }
    keep_on_screen(&window_);
}

void CalculatorSizing::fix_one_line_widths(const std::vector<calc::FormState>& states) {
    // A text meant for one line keeps the width of its longest sample, as far as the screen allows.
    std::map<QLabel*, int> one_line;
    for (const calc::FormState& s : states) {
        form_.show_labels(s);
        for (QLabel* l : form_.one_line_labels()) {
            const int w = l->fontMetrics().horizontalAdvance(l->text()) + 2 * l->margin() + 2;
            one_line[l] = std::max(one_line[l], w);
        }
    }
    for (auto& [label, w] : one_line) {
        label->setMinimumWidth(std::min(w, available_width() / 2));
    }
}

void CalculatorSizing::fix(const std::vector<calc::FormState>& states,
                           const calc::FormState& current) {
    // Measured with the fonts and margins the window will be shown with.
    window_.ensurePolished();
    QLayout& layout = *window_.layout();
    fix_one_line_widths(states);
    int least = 0;
    for (const calc::FormState& s : states) {
        form_.show_labels(s);
        layout.invalidate();
        layout.activate();
        least = std::max(least, layout.minimumSize().width());
    }
    // The design's width where the screen has the room, never less than the texts need side by
    // side: where the screen is narrower than that, the window scrolls rather than overlap them.
    const int width = std::max(std::min(std::max(design_width_, least), available_width()), least);
    // Each text gets the lines it needs at this width in the state that needs most. Reserved on
    // the labels themselves, since a grid does not always give a wrapped text the lines it needs.
    window_.setFixedWidth(width);
    for (const calc::FormState& s : states) {
        form_.show_labels(s);
        reserve_label_heights();
    }
    int height = 0;
    for (const calc::FormState& s : states) {
        form_.show_labels(s);
        layout.invalidate();
        height = std::max(height, layout.totalHeightForWidth(width));
    }
    form_.show_labels(current);
    // The whole height, even where the screen is lower: the window then scrolls (see
    // centre_on_screen) rather than squeezing its texts.
    window_.setFixedSize(width, height);
    layout.invalidate();
    layout.activate();
    // Row captions keep the width they have now when a huge figure asks for more room.
    for (QLabel* caption : form_.row_captions()) {
        caption->setMinimumWidth(caption->width());
    }
    sized_ = true;
}

bool CalculatorSizing::reserve_label_heights() {
    page().layout()->invalidate();
    page().layout()->activate();
    bool raised = false;
    for (const auto& [key, label] : form_.labels()) {
        if (!label->isVisibleTo(&window_) || label->text().isEmpty()) {
            continue;
        }
        const int needed = label->heightForWidth(label->width());
        int& reserved = form_.reserved_heights()[label];
        if (needed > reserved) {
            reserved = needed;
            label->setMinimumHeight(needed);
            raised = true;
        }
    }
    return raised;
}

void CalculatorSizing::keep_texts_whole() {
    if (!sized_) {
        return;
    }
    // A figure is one word: its label may not be narrower than it, whatever width was reserved.
    for (QLabel* l : form_.one_line_labels()) {
        const int word = l->minimumSizeHint().width();
        if (word > l->minimumWidth()) {
            l->setMinimumWidth(std::min(word, available_width() / 2));
        }
    }
    QWidget& p = page();
    QLayout& layout = *p.layout();
    layout.invalidate();
    layout.activate();
    const int wide = std::min(layout.minimumSize().width(), available_width());
    if (wide > p.width()) {
        grow_to(wide, p.height());
    }
    if (!reserve_label_heights()) {
        return;
    }
    layout.invalidate();
    const int needed = layout.totalHeightForWidth(p.width());
    if (needed > p.height()) {
        grow_to(p.width(), needed);
    }
}

} // namespace milora::ui
