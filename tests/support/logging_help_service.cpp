// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "support/logging_help_service.h"

#include <QDebug>

namespace milora::ui {

void LoggingHelpService::show_topic(QWidget* /*owner*/, const QString& topic) {
    topics.append(topic);
    qInfo().noquote() << "help topic:" << topic;
}

} // namespace milora::ui
