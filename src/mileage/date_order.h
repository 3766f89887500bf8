// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

namespace milora::mileage {

// The order of the parts of a date written with numbers only: 2/3/2024 is February 3 in
// MonthDayYear and March 2 in DayMonthYear.
enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

} // namespace milora::mileage
