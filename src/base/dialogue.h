// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The one way the core talks to the user. A step hands each message box to its Dialogue and gets
// the answer back at once, so that a question ("Do you want to save ...?") is decided where the
// step is, not in a window. Who answers is the owner's choice:
//
// - a window connects its message service (`answer_with`): each box is shown as it comes;
// - with no one connected (milora-calc, a test) the boxes are kept in order, a plain message is
//   answered Ok and a question with its default answer, which never throws data away.

#include "base/message.h"

#include <functional>
#include <utility>
#include <vector>

namespace milora {

class Dialogue {
public:
    using Answerer = std::function<Answer(const Message&)>;

    Dialogue() = default;
    explicit Dialogue(Answerer answerer) : answerer_(std::move(answerer)) {}

    // From now on `answerer` shows and answers every message; none is kept any more.
    void answer_with(Answerer answerer) { answerer_ = std::move(answerer); }

    // Shows a message box and returns the user's answer (Ok for a box with only an OK button).
    Answer ask(const Message& m);
    // The same where the answer does not matter.
    void tell(const Message& m) { (void)ask(m); }

    // The messages kept while no one answers, oldest first.
    const std::vector<Message>& kept() const { return kept_; }
    std::vector<Message> take_kept();

    // The answer a message gets when no one is there to answer it.
    static Answer unattended_answer(const Message& m);

private:
    Answerer answerer_;
    std::vector<Message> kept_;
};

} // namespace milora
