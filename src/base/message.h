// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// A message box as the program asks for it; the renderer or milora-calc decides how to show it.

#include <string>

namespace milora {

enum class Icon { None, Information, Warning, Critical, Question };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

inline constexpr const char* kProgramTitle = "Milora";

struct Message {
    std::string title = kProgramTitle;
    std::string text;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    // The answer that Enter gives to a Yes/No question: No where Yes would throw data away.
    Answer default_answer = Answer::Yes;
    bool operator==(const Message&) const = default;
};

const char* icon_name(Icon icon);    // "none", "information", "warning", "critical", "question"
const char* buttons_name(Buttons b); // "ok", "yesno"

} // namespace milora
