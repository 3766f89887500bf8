// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "base/message.h"

namespace milora {

const char* icon_name(Icon icon) {
    switch (icon) {
    case Icon::None:
        return "none";
    case Icon::Information:
        return "information";
    case Icon::Warning:
        return "warning";
    case Icon::Critical:
        return "critical";
    case Icon::Question:
        return "question";
    }
    return "none";
}

const char* buttons_name(Buttons b) {
    return b == Buttons::YesNo ? "yesno" : "ok";
}

} // namespace milora
