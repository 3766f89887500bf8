// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Where the handbook lies and how its topics are named: the folders edt.chm is looked for in,
// the chm: address of a topic, and the pages the viewer writes itself when the handbook or a
// page is missing.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace milora::ui {

inline constexpr const char* kHandbookFileName = "edt.chm";

// The program folder, then the installed data folder (then, for a program run from its build
// tree, the folder where that build compiles the handbook).
QStringList handbook_folders();

// The first of `folders` that holds edt.chm as a file; empty when none does.
QString find_handbook(const QStringList& folders);

// The address of a topic inside the handbook: "Tires.htm#alignment" -> chm:/Tires.htm#alignment.
// A topic written as a help-file link ("ms-its:edt.chm::/Oil.htm#ECMO", "/Oil.htm") names the
// same page.
QUrl handbook_url(const QString& topic);

// A help-file link's page: "ms-its:edt.chm::/Oil.htm#ECMO" and "/Oil.htm#ECMO" give
// "Oil.htm#ECMO".
QString local_topic(const QString& local);

// "Tires.htm#alignment" from chm:/Tires.htm#alignment.
QString topic_of(const QUrl& url);

// The key under which the contents know a page: "tires.htm" for chm:/Tires.htm#tread.
QString page_key(QString page);

// A page's bytes as text: the character set the page declares, else UTF-8, else Latin-1.
QString decode_page(const QByteArray& bytes);

// A page of the viewer's own, with its heading as title.
QString own_page(const QString& heading, const QString& body);

// Links of these kinds go to the desktop; every other kind outside the handbook does nothing.
bool web_scheme(const QString& scheme);

} // namespace milora::ui
