// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The dialog that shows what another app's export holds before the tracker's log is replaced:
// the preview text in a read-only box (a long list of skipped rows scrolls), boxes for what the
// file left open (its units, the order of day and month, the vehicle), OK and Cancel. A change in
// a box reads the file again at once and shows the new figures; OK is off while nothing is read.

#include "mileage/import_preview.h"
#include "ui/services.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QGridLayout;
class QPlainTextEdit;

namespace milora::ui {

class ImportPreviewDialog final : public QDialog {
    Q_OBJECT
public:
    ImportPreviewDialog(QWidget* parent, const mileage::ImportPreview& preview,
                        mileage::Repreview again = {});
    // The choices of the preview shown now.
    const mileage::ImportChoices& choices() const { return preview_.choices; }

private:
    QComboBox* add_choice(QGridLayout* grid, const QString& label, const char* name,
                          const QString& tip);
    void build_choices(QGridLayout* grid);
    void read_again();
    void show_preview();

    mileage::ImportPreview preview_;
    mileage::Repreview again_;
    QPlainTextEdit* text_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QComboBox* distance_ = nullptr;
    QComboBox* volume_ = nullptr;
    QComboBox* dates_ = nullptr;
    QComboBox* vehicle_ = nullptr;
};

class QtImportPreviewService final : public ImportPreviewService {
public:
    std::optional<mileage::ImportChoices> confirm(QWidget* parent,
                                                  const mileage::ImportPreview& preview,
                                                  const mileage::Repreview& again) override;
};

} // namespace milora::ui
