// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// A help service that only notes the topic asked for.

#include "ui/services.h"

#include <QStringList>

namespace milora::ui {

class LoggingHelpService final : public HelpService {
public:
    void show_topic(QWidget* owner, const QString& topic) override;
    QStringList topics;
};

} // namespace milora::ui
