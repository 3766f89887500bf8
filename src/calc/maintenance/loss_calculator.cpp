// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/maintenance/loss_calculator.h"

#include "calc/maintenance/mpg_loss.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"

namespace milora::calc::maintenance {

Piece Piece::literal(std::string words) {
    return {Piece::Kind::Text, std::move(words), {}};
}
Piece Piece::input(std::string box_name, std::string pattern) {
    return {Piece::Kind::Input, std::move(pattern), std::move(box_name)};
}
Piece Piece::cost(std::string pattern) {
    return {Piece::Kind::Cost, std::move(pattern), {}};
}
Piece Piece::co2(std::string pattern) {
    return {Piece::Kind::Co2, std::move(pattern), {}};
}

namespace {

using numbers::format;

class LossCalculator final : public Calculator {
public:
    explicit LossCalculator(const LossWindow& window) : w_(window) {}

    const WindowDescription& description() const override { return w_.description; }

    void load(const CarData& /*car*/, FormState& s) override {
        s.label("lblResults").text = w_.intro;
    }

    void calculate(FormState& s) override {
        BoxValues values;
        for (const std::string& box : w_.read_order) {
            values[box] = read_box(s, box);
        }
        if (w_.limit && values.at(w_.limit->box) >= w_.limit->limit) {
            s.show(Message{"Data Error", w_.limit->message, Icon::Warning, Buttons::Ok});
            s.fault = w_.limit->message;
            return;
        }
        const float distance = w_.distance_box.empty() ? w_.distance : values.at(w_.distance_box);
        const MpgLoss loss = mpg_loss(distance, values.at("txtCombined_MPG"), w_.kept(values),
                                      values.at("txtGas_Cost"));
        std::string sentence;
        for (const Piece& p : w_.result) {
            switch (p.kind) {
            case Piece::Kind::Text:
                sentence += p.text;
                break;
            case Piece::Kind::Input:
                sentence += format(values.at(p.box), p.text);
                break;
            case Piece::Kind::Cost:
                sentence += format(loss.cost, p.text);
                break;
            case Piece::Kind::Co2:
                sentence += format(loss.co2, p.text);
                break;
            }
        }
        s.label("lblResults").text = sentence;
    }

private:
    const LossWindow& w_;
};

} // namespace

std::unique_ptr<Calculator> make_loss_calculator(const LossWindow& window) {
    return std::make_unique<LossCalculator>(window);
}

} // namespace milora::calc::maintenance
