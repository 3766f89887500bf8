// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The tracker window's behaviour without any widget: the log, the list text, the caption, which
// of the ten main buttons are enabled, whether the entry frame is shown, the changed-data flag,
// and every message and question on the way (through `ask`). The window asks for file names
// with its dialogs and hands them in; it renders the rest.
//
// The list is never held as text: it is a few lines of a text that replaced it (the empty line
// it starts with, or a summary) followed by the lines of the entries from some entry on, each made
// when it is asked for, so that a long log costs no text at all. It changes either as a whole (a
// file read, a summary, Clear Data) or by lines added at its end (an entry added); the changes are
// queued in that form, so that adding to a long log costs one line, not the whole list.

#include "base/dialogue.h"
#include "base/message.h"
#include "mileage/entry_edit.h"
#include "mileage/entry_rules.h"
#include "mileage/fuel_import.h"
#include "mileage/import_preview.h"
#include "mileage/mileage_log.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace milora::mileage {

inline constexpr const char* kTrackerWindow = "B07_Mileage";
inline constexpr const char* kTrackerCaption = "Track Your Gas Mileage";
inline constexpr const char* kHelpTopic = "What_s_Your_True_MPG.htm";

// The ten main buttons, in the order in which enable_main_buttons sets them.
enum class MainButton { New, Open, Save, Exit, AddNew, Plot, PrintSummary, Help, Export, Import };

struct MainButtonDesc {
    MainButton button;
    const char* name;
    const char* caption;
    const char* tooltip;
};
const std::array<MainButtonDesc, 10>& main_buttons();

struct FileDialogDesc {
    const char* title;
    const char* filter; // "Files (*.miloragas)"
    const char* default_suffix;
};
// Load Datafile reads mileage files and CSV files alike (one text format), so it offers both.
inline constexpr FileDialogDesc kOpenDialog{
    "Open Mileage File", "Files (*.miloragas);;CSV Files (*.csv);;All Files (*)", "miloragas"};
inline constexpr FileDialogDesc kSaveDialog{"Save Mileage File", "Files (*.miloragas)",
                                            "miloragas"};
inline constexpr FileDialogDesc kExportDialog{"Save Mileage Data As .csv File", "Files (*.csv)",
                                              "csv"};
inline constexpr FileDialogDesc kImportDialog{"Import Data From .csv File",
                                              "Car Data Files (*.csv)", ""};

// What is about to replace the log, for the question about unsaved entries.
enum class Replacing { Open, Import, Clear };

struct ListChange {
    bool replace = false; // the whole list is new; otherwise `added` lines came at its end
    std::int64_t added = 0;
};

// Reading a long file: told now and then how far reading has come (bytes of the file); false
// stops the reading and keeps the log as it was.
using ReadProgress = std::function<bool(std::size_t done, std::size_t total)>;

class MileageTracker {
public:
    // Every message and question goes through dialogue(); with no one answering, messages are
    // kept and questions get their default answer (base/dialogue.h).
    MileageTracker();
    explicit MileageTracker(Dialogue::Answerer answerer);

    Dialogue& dialogue() { return dialogue_; }

    // Asked before another app's export replaces the log; without one the log is replaced.
    void set_preview(Preview preview) { preview_ = std::move(preview); }

    // Load: clears the changed-data flag and starts a new, empty log.
    void load();
    // Empties the list and the log, resets the caption, disables Plot and Summary.
    void new_file();
    void enable_main_buttons(bool enabled);

    // Before Open, Import and Clear Data: with unsaved entries, asks whether to drop them.
    bool may_replace_log(Replacing what);
    // Clear Data, after may_replace_log.
    void clear_data();
    // Open and Import with the chosen file, in any layout the reader knows (fuel_import.h). A
    // file that cannot be read, is in none of the layouts, or whose preview the user cancels
    // leaves the log as it was; reading of a Milora file that stops part-way keeps the entries
    // read so far and tells the user.
    void open(const std::string& path);
    void import_csv(const std::string& path);
    // Save and Export with the chosen file; false (and the user told) when it failed.
    bool save(const std::string& path);
    bool export_csv(const std::string& path);

    // The entry frame.
    void add_new();
    EntryOutcome add_entry(const EntryDate& date, const std::string& miles,
                           const std::string& gallons);
    EntryOutcome add_with_missing(const EntryDate& date, const std::string& miles,
                                  const std::string& gallons);
    void done_adding();

    // The Edit menu. Every change to the log can be undone, the last first, up to kUndoLevels
    // back; undoing changes no file, and the log counts as changed until it is saved again.
    static constexpr std::size_t kUndoLevels = 20;
    // The entry that line k of the list shows, if it shows one.
    std::optional<MileageLog::Index> entry_on_line(std::int64_t k) const;
    bool can_undo() const { return !undo_.empty(); }
    void undo();
    // Delete Entry: asks first; true when the entry was deleted.
    bool delete_entry(MileageLog::Index i);
    // Edit Entry, by the rules of entry_edit.h.
    EntryOutcome edit_entry(MileageLog::Index i, const EntryDate& date, const std::string& miles,
                            const std::string& gallons, bool missing_data);

    // Calculate Summary: the summary text replaces the list.
    void summary();
    // Whether the list shows a summary, and the way back to the list of entries.
    bool summary_shown() const { return head_.size() > 1 || !head_.front().empty(); }
    void show_list() { list_whole_log(); }
    // Plot: false, after telling the user, when the log is too short to plot.
    bool may_plot();
    // Exit: with unsaved entries, asks whether to leave without saving.
    bool may_exit();

    const MileageLog& log() const { return log_; }
    const std::string& caption() const { return caption_; }
    bool data_changed() const { return data_changed_; }
    bool entry_frame_visible() const { return frame_visible_; }
    bool enabled(MainButton b) const { return enabled_[static_cast<std::size_t>(b)]; }
    // The list line by line: list_line(k) for k from 0 to list_line_count() - 1, and how many
    // characters of line k run left of the list's first column (list_line_lead).
    std::int64_t list_line_count() const;
    std::string list_line(std::int64_t k) const;
    std::size_t list_line_lead(std::int64_t k) const;
    // The whole list as text, its lines joined by CR LF.
    std::string list() const;
    std::vector<ListChange> take_list_changes();

    void set_read_progress(ReadProgress progress) { progress_ = std::move(progress); }

    // The units of the list, the summary and the entry boxes; the list is shown anew.
    void set_units(Units units);
    Units units() const { return units_; }

private:
    void add_entry_line();
    // The list becomes `text` followed by the lines of the entries after the last one.
    void replace_list(const std::string& text);
    // The list becomes the lines of the whole log.
    void list_whole_log();
    void set_enabled(MainButton b, bool on) { enabled_[static_cast<std::size_t>(b)] = on; }
    // Reads the file into a fresh log; false when the log was left untouched (a file that could
    // not be opened or is in none of the layouts, a preview cancelled). `whole` when nothing
    // stopped the reading; `converted` when the file was not in Milora's own format.
    bool read_into_log(const std::string& path, bool& whole, bool& converted);
    bool confirm_import(const std::string& path, const std::string& contents, LogRead& r,
                        MileageLog& fresh);
    void after_add(const EntryOutcome& outcome);

    // How to take back one change: the entry a change removed or overwrote, or the whole log that
    // a file, an import or Clear Data replaced.
    struct UndoStep {
        enum class Kind { Added, Deleted, Edited, Replaced } kind = Kind::Added;
        MileageLog::Index at = 0;
        Fillup entry;
        MileageLog whole;
        std::string caption;
        bool changed = false; // the changed-data flag before the change
        int saves = 0;        // saves before the change
    };
    void remember(UndoStep step);
    // Before the log is replaced as a whole: it moves into an undo step.
    void remember_whole_log();
    // After an entry changed: the list is made again and Plot and Summary follow the log.
    void after_entries_changed();

    Dialogue dialogue_;
    Preview preview_;
    MileageLog log_;
    std::string caption_ = kTrackerCaption;
    std::vector<std::string> head_{""};
    MileageLog::Index first_entry_ = 1; // the entries from here on follow head_
    std::vector<ListChange> changes_;
    ReadProgress progress_;
    std::array<bool, 10> enabled_{};
    bool data_changed_ = false;
    bool frame_visible_ = false;
    std::vector<UndoStep> undo_;
    Units units_ = Units::UsMpg;
    int saves_ = 0;
};

namespace messages {

Message exit_question();
Message replace_question(Replacing what);

} // namespace messages

} // namespace milora::mileage
