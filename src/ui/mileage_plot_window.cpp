// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/mileage_plot_window.h"

#include "base/car_data.h"
#include "mileage/mileage_tracker.h"
#include "numbers/format_pattern.h"
#include "ui/mileage_keys.h"
#include "ui/qt_text.h"
#include "ui/window_tracker.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace milora::ui {

using namespace milora::mileage;
using ui::latin_text;
using ui::qt_text;

namespace {

QColor colour(const SeriesDesc& d) {
    return {d.red, d.green, d.blue};
}

// picPlot: the drawing surface, in the plot's own coordinates (entry number across, MPG up).
class PlotArea : public QWidget {
public:
    explicit PlotArea(const MileagePlotWindow* plot, QWidget* parent)
        : QWidget(parent), plot_(plot) {
        setObjectName(QStringLiteral("picPlot"));
        setMinimumSize(480, 300);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        plot_->draw(painter, rect());
    }

private:
    const MileagePlotWindow* plot_;
};

// A short legend line in the colour of its series.
class LegendLine : public QWidget {
public:
    LegendLine(const SeriesDesc& d, QWidget* parent) : QWidget(parent), colour_(ui::colour(d)) {
        setObjectName(latin_text(d.legend_line));
        setFixedSize(36, 12);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(colour_, 2));
        painter.drawLine(2, height() / 2, width() - 2, height() / 2);
    }

private:
    QColor colour_;
};

QLabel* make_label(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(latin_text(name));
    return label;
}

} // namespace

MileagePlotWindow::MileagePlotWindow(const MileageLog& log, const CarData& car,
                                     const ui::Services& services, QWidget* parent, Units units)
    : QWidget(parent, Qt::Window), services_(services),
      epa_(epa_reference(car.Global_EPA_City_MPG, car.Global_EPA_Highway_MPG)) {
    setObjectName(QStringLiteral("B08_MileagePlot"));
    setWindowTitle(QStringLiteral("Gas Mileage Plot"));
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    build(log, units);
}

void MileagePlotWindow::build(const MileageLog& log, Units units) {
    range_ = plot_range(log, units);
    last_x_ = static_cast<double>(log.fillup_count());
    for (std::size_t i = 0; i < plot_series().size(); ++i) {
        points_[i] = series_points(log, plot_series()[i].series, epa_, units);
    }
    economy_ = describe(units).economy;

    auto* root = new QVBoxLayout(this);
    QGridLayout* grid = build_axes(plot_labels(log, range_), units);
    grid->addLayout(build_legend(), 0, 3, 3, 1);
    tell_of_hidden_lines();
    root->addLayout(grid, 1);
    root->addLayout(build_buttons());
    resize(860, 480);
}

QGridLayout* MileagePlotWindow::build_axes(const PlotLabels& labels, Units units) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);

    // Vertical axis: its title, and the top, middle and bottom values beside the area.
    auto* title = make_label("lblY_MPG", latin_text(describe(units).economy), this);
    grid->addWidget(title, 0, 0, 3, 1, Qt::AlignVCenter);
    grid->addWidget(make_label("lblMax", qt_text(labels.lblMax), this), 0, 1,
                    Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(make_label("lblMid", qt_text(labels.lblMid), this), 1, 1,
                    Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(make_label("lblMin", qt_text(labels.lblMin), this), 2, 1,
                    Qt::AlignRight | Qt::AlignBottom);
    area_ = new PlotArea(this, this);
    grid->addWidget(area_, 0, 2, 3, 1);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(2, 1);

    // Horizontal axis: the first and last dates at its ends, its title in the middle.
    auto* dates = new QHBoxLayout;
    dates->addWidget(make_label("lblDateMin", qt_text(labels.lblDateMin), this));
    dates->addStretch(1);
    dates->addWidget(make_label("lblX_Date", QStringLiteral("Date"), this));
    dates->addStretch(1);
    dates->addWidget(make_label("lblDateMax", qt_text(labels.lblDateMax), this));
    grid->addLayout(dates, 3, 2);
    return grid;
}

QVBoxLayout* MileagePlotWindow::build_legend() {
    // The five series: check box and legend line.
    auto* legend = new QVBoxLayout;
    for (std::size_t i = 0; i < plot_series().size(); ++i) {
        const SeriesDesc& d = plot_series()[i];
        auto* row = new QHBoxLayout;
        auto* check = new QCheckBox(latin_text(d.caption), this);
        check->setObjectName(latin_text(d.check_box));
        check->setToolTip(latin_text(d.tooltip));
        check->setChecked(d.checked);
        connect(check, &QCheckBox::toggled, area_, qOverload<>(&QWidget::update));
        connect(check, &QCheckBox::toggled, this, &MileagePlotWindow::tell_of_hidden_lines);
        checks_[i] = check;
        row->addWidget(new LegendLine(d, this));
        row->addWidget(check);
        row->addStretch(1);
        legend->addLayout(row);
    }
    hidden_note_ = make_label("lblHidden_Lines", QString(), this);
    hidden_note_->setWordWrap(true);
    hidden_note_->setMaximumWidth(260);
    legend->addWidget(hidden_note_);
    legend->addStretch(1);
    return legend;
}

QHBoxLayout* MileagePlotWindow::build_buttons() {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const struct {
        const char* name;
        const char* caption;
        const char* tooltip;
    } specs[] = {{"cmdPrintPlot", "Print", "Print the plot"},
                 {"cmdHelp", "Help", "Open helpfile to appropriate section"},
                 {"cmdDonePlot", "Exit", "Exit this plotting window"}};
    for (const auto& s : specs) {
        auto* b = new QPushButton(latin_text(s.caption), this);
        b->setObjectName(latin_text(s.name));
        b->setToolTip(latin_text(s.tooltip));
        b->setAutoDefault(false);
        b->setMinimumWidth(90);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);

    connect(findChild<QPushButton*>(QStringLiteral("cmdPrintPlot")), &QPushButton::clicked, this,
            [this] { services_.printer->print_widget(this, ui::Orientation::Landscape); });
    connect(findChild<QPushButton*>(QStringLiteral("cmdHelp")), &QPushButton::clicked, this,
            [this] { services_.help->show_topic(this, latin_text(kHelpTopic)); });
    connect(findChild<QPushButton*>(QStringLiteral("cmdDonePlot")), &QPushButton::clicked, this,
            &QWidget::close);
    return buttons;
}

void MileagePlotWindow::tell_of_hidden_lines() {
    QStringList notes;
    for (const Series s : {Series::EpaUncorrected, Series::EpaCorrected}) {
        const auto& points = points_[static_cast<std::size_t>(s)];
        if (!shown(s) || points.empty()) {
            continue;
        }
        const double y = points.front().y;
        if (y >= range_.lo && y <= range_.hi) {
            continue;
        }
        notes << QStringLiteral("The %1 EPA line, %2 %3, lies %4 the plotted range.")
                     .arg(s == Series::EpaCorrected ? QStringLiteral("corrected")
                                                    : QStringLiteral("uncorrected"),
                          qt_text(numbers::format(y, "0.0")), qt_text(economy_),
                          y < range_.lo ? QStringLiteral("below") : QStringLiteral("above"));
    }
    hidden_note_->setText(notes.join(QLatin1Char('\n')));
    hidden_note_->setVisible(!notes.isEmpty());
}

bool MileagePlotWindow::shown(Series s) const {
    return checks_[static_cast<std::size_t>(s)]->isChecked();
}

void MileagePlotWindow::draw(QPainter& painter, const QRect& area) const {
    painter.fillRect(area, Qt::white);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area);
    // Left edge x = 2, right edge x = n; top edge y = hi, bottom edge y = lo.
    const double sx = area.width() / (last_x_ - 2);
    const double sy = area.height() / (range_.hi - range_.lo);
    auto map = [&](const PlotPoint& p) {
        return QPointF(area.left() + (p.x - 2) * sx, area.top() + (range_.hi - p.y) * sy);
    };
    for (std::size_t i = 0; i < plot_series().size(); ++i) {
        if (!checks_[i]->isChecked() || points_[i].empty()) {
            continue;
        }
        QPainterPath path(map(points_[i].front()));
        for (std::size_t k = 1; k < points_[i].size(); ++k) {
            path.lineTo(map(points_[i][k]));
        }
        // Two units of the window wide, as the legend's lines: a printed plot is scaled as a whole,
        // so its lines keep the width they have on the screen.
        painter.setPen(QPen(colour(plot_series()[i]), 2));
        painter.drawPath(path);
    }
}

void MileagePlotWindow::keyPressEvent(QKeyEvent* event) {
    if (!press_focused_button(this, event)) {
        QWidget::keyPressEvent(event);
    }
}

void MileagePlotWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!centred_) {
        centred_ = true;
        ui::centre_on_screen(this);
    }
}

} // namespace milora::ui
