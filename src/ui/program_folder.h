// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The program folder: where default.miloracar is kept and edt.chm is looked for first.
// MILORA_HOME when set; else the executable's folder when it is writable (a build tree, a
// portable copy); else the per-user data folder. An installed copy (a bin/ folder with
// share/milora beside it) always uses the per-user data folder: run by root, /usr/bin is writable,
// and user files do not belong there. Without a home folder (HOME and XDG_DATA_HOME unset, or
// HOME not a full path) there is no per-user folder: program_folder() is then empty and the
// program refuses to start, saying why.

#include <QString>

namespace milora::ui {

QString program_folder();
// What the user is told when program_folder() is empty.
inline constexpr const char* kNoProgramFolderMessage =
    "Milora cannot find a folder for its data: HOME is not set. Set HOME, or MILORA_HOME to the "
    "folder for Milora's data, and start Milora again.";
// What the user is told when program_folder() is empty, with the reason that applies.
QString no_program_folder_message();
// The same choice for an executable in `executable_folder`.
QString program_folder_for(const QString& executable_folder);
// The full path of default.miloracar in the program folder.
QString default_car_data_path();
// Creates the program folder when it is missing. The working directory is never changed: file
// dialogs are opened in the program folder by name.
void make_program_folder();
// Makes MILORA_HOME and the XDG folders absolute, against the folder the program started in.
// Called once at start-up, before anything reads them.
void make_start_up_paths_absolute();
// Where an installed copy keeps its shared data (share/milora), for edt.chm.
QString installed_data_folder();
QString installed_data_folder_for(const QString& executable_folder);
// Where the build compiles the handbook, for a program run from the build tree it was built in
// (looked in after the two folders above); empty for any other copy, an installed one included.
QString build_tree_handbook_folder();
QString build_tree_handbook_folder_for(const QString& executable_folder);

} // namespace milora::ui
