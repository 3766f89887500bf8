// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The handbook viewer as the program's help service: one help window for the whole program,
// made at the first request, that opens a topic such as "Tires.htm#alignment" at its anchor.
// When the file or the topic is missing the window shows a page of its own saying what it looked
// for and where; the program never shows a message box for it.

#include "ui/help_handbook.h"
#include "ui/help_window.h"
#include "ui/services.h"

#include <memory>

namespace milora::ui {

class HelpViewer final : public HelpService {
public:
    explicit HelpViewer(WebService* web, QStringList folders = handbook_folders(),
                        PrintService* printer = nullptr);
    ~HelpViewer() override;

    void show_topic(QWidget* owner, const QString& topic) override;
    HelpWindow* window() const { return window_.get(); }

private:
    WebService* web_;
    QStringList folders_;
    PrintService* printer_;
    std::unique_ptr<HelpWindow> window_;
};

} // namespace milora::ui
