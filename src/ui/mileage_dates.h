// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The date form of new fill-ups, in the date box, the list and the files.

class QLocale;
class QString;

namespace milora::ui {

// The locale's short date order with a four-digit year ("9/16/2006" in the US); a numeric form
// also where the locale's short form names the month.
QString fillup_date_format(const QLocale& locale);

} // namespace milora::ui
