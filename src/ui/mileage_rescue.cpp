// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/mileage_rescue.h"

#include "mileage/mileage_file.h"
#include "ui/program_folder.h"
#include "ui/qt_text.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdlib>
#include <exception>
#include <vector>

namespace milora::ui {

namespace {

std::vector<const mileage::MileageTracker*>& watched() {
    static std::vector<const mileage::MileageTracker*> trackers;
    return trackers;
}

std::terminate_handler previous_terminate = nullptr;

[[noreturn]] void rescue_and_terminate() {
    save_unsaved_logs();
    if (previous_terminate != nullptr) {
        previous_terminate();
    }
    std::abort();
}

} // namespace

QString rescue_path() {
    return QDir(program_folder()).filePath(QStringLiteral("Unsaved mileage log.miloragas"));
}

void watch_for_rescue(const mileage::MileageTracker* tracker) {
    watched().push_back(tracker);
    if (previous_terminate == nullptr) {
        previous_terminate = std::set_terminate(rescue_and_terminate);
    }
}

void stop_watching_for_rescue(const mileage::MileageTracker* tracker) {
    std::erase(watched(), tracker);
}

bool save_unsaved_logs() noexcept {
    bool saved = false;
    try {
        // The last tracker opened wins; there is rarely more than one.
        for (const mileage::MileageTracker* t : watched()) {
            if (t->data_changed() && !t->log().empty()) {
                saved =
                    mileage::write_mileage_file(path_text(rescue_path()), t->log()).ok() || saved;
            }
        }
    } catch (...) {
        // Going down already: nothing more can be done.
    }
    return saved;
}

std::string rescue_on_out_of_memory() noexcept {
    std::string text = "Milora: there is not enough memory to go on; the program was stopped.";
    try {
        if (save_unsaved_logs()) {
            text += " The mileage tracker's unsaved entries were saved to the file \"" +
                    path_text(QDir::toNativeSeparators(rescue_path())) +
                    "\"; the tracker tells of them when it opens next.";
        }
    } catch (...) {
        // The short text is all that can be said.
    }
    return text;
}

std::optional<Message> take_rescued_log() {
    const QString rescued = rescue_path();
    if (!QFileInfo::exists(rescued)) {
        return std::nullopt;
    }
    // Kept under a name of its own, so that this is said once and a later rescue cannot
    // overwrite it.
    const QString kept = QDir(program_folder())
                             .filePath(QStringLiteral("Rescued mileage log %1.miloragas")
                                           .arg(QDateTime::currentDateTime().toString(
                                               QStringLiteral("yyyy-MM-dd hh.mm.ss"))));
    const QString named = QFile::rename(rescued, kept) ? kept : rescued;
    return Message{kProgramTitle,
                   "Milora stopped on an error the last time it ran, while the mileage tracker "
                   "held entries that were not saved. They were saved to the file \"" +
                       path_text(QDir::toNativeSeparators(named)) +
                       "\"; open it with \"Load Datafile\".",
                   Icon::Information, Buttons::Ok};
}

} // namespace milora::ui
