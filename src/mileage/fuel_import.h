// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The one reader of mileage files: Milora's own three columns (mileage_file.h), the exports of
// Fuelly, Fuelio, LubeLogger, Spritmonitor and Drivvo, and any CSV file whose first line names
// its columns. The tracker's Load Datafile and Import CSV File and `milora-calc mileage` all read
// through read_log_text, so they agree on every file.
//
// The rules, in the order in which they apply:
//
// 1. Detection, in this order: a first line `"text",number,number` (or an empty file) means
//    Milora's own, whatever lines follow; a header with `fuelup_date` Fuelly; a `## Log` line
//    Fuelio; a header with Date, Odometer, FuelConsumed and IsFillToFull LubeLogger; a `;`
//    header with Datum, Km-Stand, Spritmenge and Tankart (or Date, Odometer, Trip, Quantity,
//    Type) Spritmonitor; a `##Refuelling` line Drivvo; a header with a date column, an
//    odometer/odo/mileage column and a gallons/litres/liters/fuel/quantity/volume column the
//    generic form. A UTF-8 byte order mark is ignored; CR, LF and CR LF all end a line. Nothing
//    depends on the file's name. The layouts are the table of import_layouts.h.
// 2. Sectioned files (Fuelio, Drivvo): every non-empty line that is neither a section marker
//    (`## Name`) nor the header row after it is a row; rows outside the fill-up section are
//    skipped and listed.
// 3. Odometer order: a row without an odometer reading (empty, or not above 0) or without a
//    volume is skipped. The rest are sorted by odometer, equal readings keeping file order; a
//    row whose reading is not above the previous accepted row's is skipped, so of a duplicate
//    pair the later line goes.
// 4. Partial fill-ups add their volume to the next full fill-up and are no entries of their own;
//    partial rows with no full fill-up after them are skipped and listed.
// 5. A fill-up flagged as coming after missed ones, with at least two entries before it, is
//    entered as "Add Purchase (With Missing Data)" enters it: gallons = (its miles - the
//    previous entry's miles) / A, A the overall MPG of the entries before it. With fewer than
//    two entries before it the flag is ignored.
// 6. LubeLogger writes no units, but its FuelEconomy column tells them: for each full, not-missed
//    row with FuelEconomy > 0 take q = distance / volume since the last full fill-up; FuelEconomy
//    near 100/q is its metric mode (km, litres, l/100 km), near q x 4.54609 its British mode
//    (miles, litres, miles per imperial gallon), near q its US mode (miles, US gallons). The mode
//    of most rows wins; with no such row the units are assumed (miles and US gallons).
// 7. Spritmonitor: Tankart (Type) 1 full, 2 partial, 3 and 0 a fill-up after missed ones; always
//    km and litres, DD.MM.YYYY dates, a decimal comma.
// 8. Drivvo's header is in the user's language, so it is read by position: 0 odometer, 1 date,
//    5 volume, 6 full tank (Yes, Sim, Si, Sí, Ja, Tak, Oui, Да). Km unless the odometer header
//    says `(mi`; litres unless a header says `gal`; an odometer of 0 means none was recorded.
// 9. Generic: the separator is the most frequent of tab, `;` and `,` in the header; a decimal
//    comma unless the separator is `,`; km when the odometer header has the word km; litres when
//    the volume header says litre, liter or (l), imperial gallons when it says imp or uk, else
//    US gallons; dates ISO (YYYY-MM-DD, a time after it ignored), US (M/D/YYYY) or European
//    (DD.MM.YYYY); units no heading names are assumed (miles, US gallons); flag columns (full,
//    partial, missed) are true for 1, yes, y, true or x, and a full column with 0, no, n or false
//    marks a partial.
// 10. A tank that lost the fuel of a skipped fill-up (a row between it and the entry before, by
//    odometer or, without one, by its place in the file) is estimated as rule 5 estimates a
//    missed fill-up, so that the stretch adds no MPG of its own to the averages; the tank of the
//    second entry, with one entry before it, is only marked unreliable.
//
// Entries come out with the odometer in miles (km / 1.609344), the volume in US gallons (litres
// / 3.785411784, imperial gallons x 1.200949925) and dates as M/D/YYYY. Milora's own files read
// exactly as mileage_file.h says: reading stops at the first bad line.

#include "base/message.h"
#include "mileage/date_order.h"
#include "mileage/mileage_file.h"
#include "mileage/mileage_log.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace milora::mileage {

enum class ImportFormat { Milora, Fuelly, Fuelio, LubeLogger, Spritmonitor, Drivvo, Generic };
enum class DistanceUnit { Miles, Kilometres };
enum class VolumeUnit { UsGallons, ImperialGallons, Litres };
// Where a reading of the file came from: the file itself, an assumption (the locale, the likeliest
// units), or the user's choice.
enum class Source { File, Assumed, Chosen };

inline constexpr double kKilometresPerMile = 1.609344;
inline constexpr double kLitresPerGallon = 3.785411784;
inline constexpr double kGallonsPerImperialGallon = 1.200949925;

// "fuelly": the name `milora-calc mileage --from` takes and the JSON report gives.
const char* format_name(ImportFormat format);
// "Fuelly": the name the user is shown.
const char* app_name(ImportFormat format);
std::optional<ImportFormat> format_named(std::string_view name);
// "milora, fuelly, ...": every name format_named takes.
std::string format_names();
const char* unit_name(DistanceUnit unit);                          // "mi", "km"
const char* unit_name(VolumeUnit unit);                            // "gal", "imp_gal", "l"
std::optional<DistanceUnit> distance_named(std::string_view name); // "mi", "km"
std::optional<VolumeUnit> volume_named(std::string_view name);     // "gal", "l", "imp"
const char* order_name(DateOrder order);                           // "mdy", "dmy", "ymd"
std::optional<DateOrder> order_named(std::string_view name);
const char* source_name(Source source); // "file", "assumed", "chosen"

struct SkippedRow {
    std::int64_t line = 0; // 1-based line of the file where the row starts
    std::string reason;
    bool operator==(const SkippedRow&) const = default;
};

// What reading found, for the preview and the JSON report. rows = entries + merged_partial +
// skipped_rows, for every file but Milora's own, whose rows are its entries.
// One vehicle of a file that holds several: its name, its rows and the dates they span.
struct VehicleRows {
    std::string name;
    std::int64_t rows = 0;
    std::string first; // M/D/YYYY, empty when no row has a date
    std::string last;
    bool operator==(const VehicleRows&) const = default;
};

struct ImportReport {
    ImportFormat format = ImportFormat::Milora;
    DistanceUnit distance = DistanceUnit::Miles;
    VolumeUnit volume = VolumeUnit::UsGallons;
    DateOrder dates = DateOrder::YearMonthDay;
    Source dates_from = Source::File;
    Source distance_from = Source::File;
    Source volume_from = Source::File;
    std::int64_t rows = 0;
    std::int64_t merged_partial = 0;
    std::int64_t missed = 0;
    // The first kSkippedKept skipped rows, in line order, and how many there are in all.
    static constexpr std::size_t kSkippedKept = 1000;
    std::vector<SkippedRow> skipped;
    std::int64_t skipped_rows = 0;
    // Entries (1-based, ascending) whose tank MPG is unreliable: a skipped fill-up lies between
    // them and the entry before, so the fuel of that fill-up is missing from their tank, and
    // there were too few entries before them to estimate it.
    std::vector<MileageLog::Index> unreliable;
    // Entries (1-based, ascending) whose tank lost a skipped fill-up's fuel and whose gallons are
    // therefore estimated at the overall average before them (rule 10), and their miles in all.
    std::vector<MileageLog::Index> skipped_estimated;
    double skipped_estimated_miles = 0;
    // Files with a vehicle column: every vehicle named, in the order of their first rows, and
    // the one read (empty when the file names one vehicle or none).
    std::vector<VehicleRows> vehicles;
    std::string vehicle;
    // The headings of the columns read for the date, the odometer and the fuel (in lower case;
    // empty for Milora's own files, which have none).
    std::string date_column;
    std::string odometer_column;
    std::string fuel_column;
};

struct LogRead {
    // False when the file is in none of the layouts (or not in the one asked for); the log is
    // then untouched.
    bool understood = false;
    // Not empty when the file is in a layout but nothing may be taken from it (no fill-up read,
    // or a choice the file leaves open): why. The log is then untouched.
    std::string failure;
    ImportReport report;
    ReadResult milora; // Milora's own files: entries read and where reading stopped
};

// What the user (or `milora-calc mileage`'s options) asks of a reading; unset, each is told from
// the file.
struct ImportChoices {
    std::optional<ImportFormat> from;
    std::optional<DateOrder> dates;
    // The order of day and month when the file does not tell: by default the locale's.
    std::optional<DateOrder> assumed_dates;
    // The vehicle to read from a file that holds several.
    std::optional<std::string> vehicle;
    // The units of the file's odometer and fuel, whatever its headings say.
    std::optional<DistanceUnit> distance;
    std::optional<VolumeUnit> volume;
    bool operator==(const ImportChoices&) const = default;
};

// The layout of `contents` by rule 1, or nullopt.
std::optional<ImportFormat> detect_format(std::string_view contents);

// Appends the fill-ups of `contents` to `log`, in the layout `from` or else the detected one.
// `progress` as for read_mileage_text (Milora's own files, which may be long, are read in steps).
LogRead read_log_text(const std::string& contents, MileageLog& log,
                      std::optional<ImportFormat> from = std::nullopt,
                      const std::function<bool(std::size_t, std::size_t)>& progress = {});
LogRead read_log_text(const std::string& contents, MileageLog& log, const ImportChoices& choices,
                      const std::function<bool(std::size_t, std::size_t)>& progress = {});

// What the user is told about a file in none of the layouts.
Message not_understood_message(const std::string& path);
// What the user is told when reading a file ran out of memory (the log is kept as it was).
Message out_of_memory_message(const std::string& path);
// What the user is told when a file in a layout gives nothing to read (`read.failure`).
Message import_failed_message(const std::string& path, const LogRead& read);

} // namespace milora::mileage
