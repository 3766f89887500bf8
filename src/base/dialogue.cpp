// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "base/dialogue.h"

#include <utility>

namespace milora {

Answer Dialogue::ask(const Message& m) {
    if (answerer_) {
        return answerer_(m);
    }
    kept_.push_back(m);
    return unattended_answer(m);
}

std::vector<Message> Dialogue::take_kept() {
    return std::exchange(kept_, {});
}

Answer Dialogue::unattended_answer(const Message& m) {
    return m.buttons == Buttons::YesNo ? m.default_answer : Answer::Ok;
}

} // namespace milora
