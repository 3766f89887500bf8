// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/help_viewer.h"

namespace milora::ui {

HelpViewer::HelpViewer(WebService* web, QStringList folders, PrintService* printer)
    : web_(web), folders_(std::move(folders)), printer_(printer) {}

HelpViewer::~HelpViewer() = default;

void HelpViewer::show_topic(QWidget* owner, const QString& topic) {
    if (!window_) {
        window_ = std::make_unique<HelpWindow>(folders_, web_, printer_);
    }
    window_->set_owner(owner);
    // Shown first, so that the page is laid out when it scrolls to the topic's anchor.
    if (window_->isMinimized()) {
        window_->showNormal();
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    window_->show_topic(topic);
}

} // namespace milora::ui
