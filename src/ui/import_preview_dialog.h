// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The dialog that shows what another app's export holds before the tracker's log is replaced:
// the preview text in a read-only box (a long list of skipped rows scrolls), OK and Cancel.

#include "mileage/import_preview.h"
#include "ui/services.h"

#include <QDialog>

namespace milora::ui {

class ImportPreviewDialog final : public QDialog {
    Q_OBJECT
public:
    ImportPreviewDialog(QWidget* parent, const mileage::ImportPreview& preview);
};

class QtImportPreviewService final : public ImportPreviewService {
public:
    bool confirm(QWidget* parent, const mileage::ImportPreview& preview) override;
};

} // namespace milora::ui
