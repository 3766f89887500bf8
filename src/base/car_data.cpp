// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "base/car_data.h"

#include "numbers/number_text.h"

namespace milora {

std::string TaggedPercent::text() const {
    return single_ ? numbers::number_text(as_single()) : numbers::number_text(value_);
}

} // namespace milora
