// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// B08_MileagePlot: the MPG history of the log as lines over the entry number, with the EPA
// reference lines, each switched on or off by its check box. It takes what it draws from the
// log and the car data when it opens (the tracker cannot change meanwhile: the plot is modal
// to it).

#include "base/car_data.h"
#include "mileage/mileage_log.h"
#include "mileage/plot.h"
#include "ui/services.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;

namespace milora::ui {

class MileagePlotWindow : public QWidget {
    Q_OBJECT
public:
    MileagePlotWindow(const mileage::MileageLog& log, const CarData& car,
                      const ui::Services& services, QWidget* parent,
                      mileage::Units units = mileage::Units::UsMpg);

    const mileage::PlotRange& range() const { return range_; }
    const std::optional<mileage::EpaReference>& epa() const { return epa_; }
    // Whether a series is drawn now (its check box).
    bool shown(mileage::Series s) const;
    // Draws the visible series onto `painter` inside `area` (the plot area's own drawing).
    void draw(class QPainter& painter, const QRect& area) const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The window in named steps: the axes and drawing area, the legend, the buttons.
    void build(const mileage::MileageLog& log, mileage::Units units);
    QGridLayout* build_axes(const mileage::PlotLabels& labels, mileage::Units units);
    QVBoxLayout* build_legend();
    QHBoxLayout* build_buttons();
    // Says which checked EPA line lies outside the plotted range, where it cannot be seen.
    void tell_of_hidden_lines();

    ui::Services services_;
    mileage::PlotRange range_;
    std::optional<mileage::EpaReference> epa_;
    double last_x_ = 2;
    std::array<std::vector<mileage::PlotPoint>, 5> points_;
    std::array<QCheckBox*, 5> checks_{};
    QWidget* area_ = nullptr;
    QLabel* hidden_note_ = nullptr;
    std::string economy_;
    bool centred_ = false;
};

} // namespace milora::ui
