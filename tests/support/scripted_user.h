// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// A user who answers from a script: every message shown is recorded, a plain message is answered
// Ok and each question takes the next answer in order. A question with no answer left fails the
// test, so a test states every question it expects.

#include "base/message.h"

#include <deque>
#include <gtest/gtest.h>
#include <vector>

namespace milora::test {

inline Answer answer_from_script(std::vector<Message>& shown, std::deque<Answer>& answers,
                                 const Message& m) {
    shown.push_back(m);
    if (m.buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << m.text;
        return Answer::No;
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

} // namespace milora::test
