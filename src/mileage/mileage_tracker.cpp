// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/mileage_tracker.h"

#include "mileage/entry_list.h"
#include "mileage/mileage_file.h"
#include "mileage/plot.h"
#include "mileage/summary.h"

#include "numbers/precision.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <utility>

namespace milora::mileage {

const std::array<MainButtonDesc, 10>& main_buttons() {
    static const std::array<MainButtonDesc, 10> buttons{{
        {MainButton::New, "cmdNew", "Clear Data", "Clears out all data for a fresh set"},
        {MainButton::Open, "cmdOpen", "Load Datafile", "Loads in previously-saved data"},
        {MainButton::Save, "cmdSave", "Save Datafile", "Saves any data you've entered"},
        {MainButton::Exit, "cmdExit", "Exit", "Return to the main program"},
        {MainButton::AddNew, "cmdAddNew", "Add New Gas Purchase",
         "Click here to enter new gas purchase data; a data entry box will appear"},
        {MainButton::Plot, "cmdPlot", "Plot Your MPG",
         "If you have 3 or more data points, you can plot how your mileage is changing with "
         "time"},
        {MainButton::PrintSummary, "cmdPrintSummary", "Calculate Summary",
         "Calculate summary of gas purchase and mileage; print in text box above"},
        {MainButton::Help, "cmdHelp", "Help", "Open helpfile to appropriate section"},
        {MainButton::Export, "cmdExport_CSV", "Export CSV File",
         "Exports the data into a spreadsheet-compatible CSV format"},
        {MainButton::Import, "cmdImport_CSV", "Import CSV File",
         "Imports date, mileage and gas consumption from a CSV spreadsheet file"},
    }};
    return buttons;
}

namespace messages {

namespace {
// Yes throws the unsaved entries away, so No is the answer that Enter gives.
Message unsaved_question(const std::string& yes_does) {
    return {"Save Modified Data?",
            "You have changed some data, or imported a .CSV file - click Yes to " + yes_does +
                ", or No to return to the program window to save the data.",
            Icon::None, Buttons::YesNo, Answer::No};
}
} // namespace

Message exit_question() {
    return unsaved_question("exit without saving the data");
}

Message replace_question(Replacing what) {
    switch (what) {
    case Replacing::Open:
        return unsaved_question("load another datafile without saving the data");
    case Replacing::Import:
        return unsaved_question("import a .CSV file without saving the data");
    case Replacing::Clear:
        break;
    }
    return unsaved_question("clear out the data without saving it");
}

} // namespace messages

MileageTracker::MileageTracker() {
    enabled_.fill(true);
    load();
}

MileageTracker::MileageTracker(Dialogue::Answerer answerer) : MileageTracker() {
    dialogue_.answer_with(std::move(answerer));
}

void MileageTracker::load() {
    data_changed_ = false;
    frame_visible_ = false;
    enable_main_buttons(true);
    new_file();
}

void MileageTracker::new_file() {
    log_.clear();
    replace_list({});
    caption_ = kTrackerCaption;
    set_enabled(MainButton::Plot, false);
    set_enabled(MainButton::PrintSummary, false);
}

void MileageTracker::enable_main_buttons(bool enabled) {
    enabled_.fill(enabled);
}

bool MileageTracker::may_replace_log(Replacing what) {
    return !data_changed_ || dialogue_.ask(messages::replace_question(what)) == Answer::Yes;
}

void MileageTracker::clear_data() {
    remember_whole_log();
    new_file();
    data_changed_ = false; // whatever was unsaved is gone by the user's choice
}

bool MileageTracker::read_into_log(const std::string& path, bool& whole, bool& converted) {
    const auto contents = read_mileage_contents(path);
    if (!contents) {
        dialogue_.tell(cannot_open_message(path, contents.reason()));
        return false;
    }
    // Read into a log of its own: a reading the user stops leaves the log as it was.
    MileageLog fresh;
    LogRead r;
    try {
        r = read_log_text(*contents, fresh, std::nullopt, progress_);
    } catch (const std::bad_alloc&) {
        // Only this reading failed: what it built is gone, the log is as it was.
        fresh = MileageLog();
        dialogue_.tell(out_of_memory_message(path));
        return false;
    }
    if (r.milora.cancelled) {
        return false;
    }
    if (!r.understood) {
        dialogue_.tell(not_understood_message(path));
        return false;
    }
    if (!confirm_import(path, *contents, r, fresh)) {
        return false;
    }
    remember_whole_log();
    new_file();
    log_ = std::move(fresh);
    list_whole_log();
    if (log_.fillup_count() >= 2 && !frame_visible_) {
        set_enabled(MainButton::Plot, true);
        set_enabled(MainButton::PrintSummary, true);
    }
    whole = !r.milora.stop;
    converted = r.report.format != ImportFormat::Milora;
    if (r.milora.skipped_lines > 0) {
        dialogue_.tell(lines_skipped_message(path, r.milora));
    }
    if (r.milora.stop) {
        dialogue_.tell(read_stopped_message(path, r.milora));
    }
    return true;
}

// Shows another app's export before it replaces the log, read again with whatever the user
// changes there; false when the user cancels or nothing can be read. A file of several vehicles
// is first shown with the one of most rows.
bool MileageTracker::confirm_import(const std::string& path, const std::string& contents,
                                    LogRead& r, MileageLog& fresh) {
    ImportChoices choices;
    const auto reread = [&](const ImportChoices& c) {
        fresh = MileageLog();
        r = read_log_text(contents, fresh, c);
    };
    if (!r.failure.empty() && r.report.vehicles.size() > 1 && preview_) {
        const auto most = std::max_element(
            r.report.vehicles.begin(), r.report.vehicles.end(),
            [](const VehicleRows& a, const VehicleRows& b) { return a.rows < b.rows; });
        choices.vehicle = most->name;
        reread(choices);
    }
    if (!r.failure.empty()) {
        dialogue_.tell(import_failed_message(path, r));
        return false;
    }
    if (!needs_preview(r.report) || !preview_) {
        return true;
    }
    const ImportPreview shown = import_preview(path, r, fresh, choices);
    const Repreview again = [&](const ImportChoices& c) {
        MileageLog log;
        const LogRead read = read_log_text(contents, log, c);
        return import_preview(path, read, log, c);
    };
    const std::optional<ImportChoices> answer = preview_(shown, again);
    if (!answer) {
        return false;
    }
    if (*answer == shown.choices) {
        return shown.can_accept;
    }
    reread(*answer);
    if (!r.understood || !r.failure.empty() || fresh.empty()) {
        dialogue_.tell(r.understood ? import_failed_message(path, r)
                                    : not_understood_message(path));
        return false;
    }
    return true;
}

void MileageTracker::open(const std::string& path) {
    bool whole = false;
    bool converted = false;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    const std::string full = error ? path : absolute.lexically_normal().string();
    if (!read_into_log(full, whole, converted)) {
        return;
    }
    caption_ = std::string(kTrackerCaption) + "-" + full;
    // The log is what the file holds, unless it was converted from another app's export: then
    // it is held nowhere in Milora's own format yet.
    data_changed_ = converted;
}

void MileageTracker::import_csv(const std::string& path) {
    bool whole = false;
    bool converted = false;
    if (read_into_log(path, whole, converted) && whole) {
        data_changed_ = true;
    }
}

bool MileageTracker::save(const std::string& path) {
    const Status w = write_mileage_file(path, log_);
    if (!w) {
        dialogue_.tell(save_failed_message(path, w.reason()));
        return false;
    }
    data_changed_ = false;
    ++saves_;
    return true;
}

bool MileageTracker::export_csv(const std::string& path) {
    const Status w = write_mileage_file(path, log_);
    if (!w) {
        dialogue_.tell(save_failed_message(path, w.reason()));
    }
    return w.ok();
}

void MileageTracker::add_new() {
    enable_main_buttons(false);
    frame_visible_ = true;
}

void MileageTracker::after_add(const EntryOutcome& outcome) {
    if (outcome.added) {
        remember(
            {UndoStep::Kind::Added, log_.fillup_count(), {}, {}, caption_, data_changed_, saves_});
        data_changed_ = true;
        add_entry_line();
    }
}

EntryOutcome MileageTracker::add_entry(const EntryDate& date, const std::string& miles,
                                       const std::string& gallons) {
    const EntryOutcome outcome = mileage::add_entry(log_, date, miles, gallons, dialogue_, units_);
    after_add(outcome);
    return outcome;
}

EntryOutcome MileageTracker::add_with_missing(const EntryDate& date, const std::string& miles,
                                              const std::string& gallons) {
    const EntryOutcome outcome =
        mileage::add_with_missing(log_, date, miles, gallons, dialogue_, units_);
    after_add(outcome);
    return outcome;
}

void MileageTracker::done_adding() {
    frame_visible_ = false;
    enable_main_buttons(true);
}

void MileageTracker::add_entry_line() {
    const MileageLog::Index n = log_.fillup_count();
    if (n >= 2 && !frame_visible_) {
        set_enabled(MainButton::Plot, true);
        set_enabled(MainButton::PrintSummary, true);
    }
    if (!changes_.empty() && !changes_.back().replace) {
        ++changes_.back().added;
    } else {
        changes_.push_back({false, 1});
    }
}

void MileageTracker::summary() {
    if (auto text = summary_text(log_, units_)) {
        replace_list(*text);
    } else {
        dialogue_.tell(summary_needs_two());
    }
}

bool MileageTracker::may_plot() {
    if (log_.fillup_count() >= kPlotMinimumEntries) {
        return true;
    }
    dialogue_.tell(plot_needs_three());
    return false;
}

bool MileageTracker::may_exit() {
    return !data_changed_ || dialogue_.ask(messages::exit_question()) == Answer::Yes;
}

void MileageTracker::replace_list(const std::string& text) {
    head_.clear();
    std::size_t from = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", from);
        head_.push_back(text.substr(from, end == std::string::npos ? end : end - from));
        if (end == std::string::npos) {
            break;
        }
        from = end + 2;
    }
    first_entry_ = log_.fillup_count() + 1;
    changes_.clear(); // a whole new list makes earlier changes moot
    changes_.push_back({true, 0});
}

void MileageTracker::list_whole_log() {
    replace_list({});
    first_entry_ = 1;
}

std::int64_t MileageTracker::list_line_count() const {
    return static_cast<std::int64_t>(head_.size()) + log_.fillup_count() - first_entry_ + 1;
}

std::string MileageTracker::list_line(std::int64_t k) const {
    const auto head = static_cast<std::int64_t>(head_.size());
    if (k < head) {
        return head_.at(static_cast<std::size_t>(k));
    }
    return entry_line(log_, first_entry_ + k - head, units_);
}

std::size_t MileageTracker::list_line_lead(std::int64_t k) const {
    const auto head = static_cast<std::int64_t>(head_.size());
    return k < head ? 0 : entry_line_lead(log_, first_entry_ + k - head);
}

std::string MileageTracker::list() const {
    std::string out = head_.front();
    for (std::size_t k = 1; k < head_.size(); ++k) {
        out += "\r\n" + head_[k];
    }
    for (MileageLog::Index i = first_entry_; i <= log_.fillup_count(); ++i) {
        out += entry_line_addition(log_, i, units_);
    }
    return out;
}

void MileageTracker::remember(UndoStep step) {
    if (undo_.size() == kUndoLevels) {
        undo_.erase(undo_.begin());
    }
    undo_.push_back(std::move(step));
}

void MileageTracker::remember_whole_log() {
    if (log_.empty() && caption_ == kTrackerCaption) {
        return; // nothing to bring back
    }
    UndoStep step{
        UndoStep::Kind::Replaced, 0, {}, std::move(log_), caption_, data_changed_, saves_};
    log_ = MileageLog();
    remember(std::move(step));
}

void MileageTracker::after_entries_changed() {
    list_whole_log();
    // While the entry frame is open every main button stays off; it turns them on when it closes.
    if (!frame_visible_) {
        set_enabled(MainButton::Plot, log_.fillup_count() >= 2);
        set_enabled(MainButton::PrintSummary, log_.fillup_count() >= 2);
    }
}

std::optional<MileageLog::Index> MileageTracker::entry_on_line(std::int64_t k) const {
    const auto head = static_cast<std::int64_t>(head_.size());
    const MileageLog::Index i = first_entry_ + k - head;
    if (k < head || i < 1 || i > log_.fillup_count()) {
        return std::nullopt;
    }
    return i;
}

void MileageTracker::undo() {
    if (undo_.empty()) {
        return;
    }
    UndoStep step = std::move(undo_.back());
    undo_.pop_back();
    switch (step.kind) {
    case UndoStep::Kind::Added:
        log_.pop_back();
        break;
    case UndoStep::Kind::Deleted:
        log_.insert(step.at, step.entry);
        break;
    case UndoStep::Kind::Edited:
        log_.replace(step.at, step.entry);
        break;
    case UndoStep::Kind::Replaced:
        log_ = std::move(step.whole);
        break;
    }
    caption_ = step.caption;
    // Back to the log as it was; it matches a file only if nothing was saved meanwhile.
    data_changed_ = step.saves == saves_ ? step.changed : true;
    after_entries_changed();
}

bool MileageTracker::delete_entry(MileageLog::Index i) {
    if (i < 1 || i > log_.fillup_count()) {
        return false;
    }
    const Fillup old = log_.entry(i);
    if (dialogue_.ask(messages::delete_question(old)) != Answer::Yes) {
        return false;
    }
    try {
        log_.erase(i);
    } catch (const numbers::FloatFault&) {
        dialogue_.tell(messages::no_meaningful_result());
        return false;
    }
    remember({UndoStep::Kind::Deleted, i, old, {}, caption_, data_changed_, saves_});
    data_changed_ = true;
    after_entries_changed();
    return true;
}

EntryOutcome MileageTracker::edit_entry(MileageLog::Index i, const EntryDate& date,
                                        const std::string& miles, const std::string& gallons,
                                        bool missing_data) {
    if (i < 1 || i > log_.fillup_count()) {
        return {};
    }
    const Fillup old = log_.entry(i);
    const EntryOutcome outcome =
        mileage::edit_entry(log_, i, date, miles, gallons, missing_data, dialogue_, units_);
    if (outcome.added) {
        remember({UndoStep::Kind::Edited, i, old, {}, caption_, data_changed_, saves_});
        data_changed_ = true;
        after_entries_changed();
    }
    return outcome;
}

void MileageTracker::set_units(Units units) {
    if (units != units_) {
        units_ = units;
        list_whole_log();
    }
}

std::vector<ListChange> MileageTracker::take_list_changes() {
    return std::exchange(changes_, {});
}

} // namespace milora::mileage
