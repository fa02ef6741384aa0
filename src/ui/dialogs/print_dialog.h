// SPDX-License-Identifier: GPL-3.0-or-later
// Tfrmprintselect: the choice of print style and paper size for the
// printable page. "OK" asks for the page and leaves the dialog open, so
// another size can follow; "Cancel" closes it.
#pragma once

#include "exchange/printable_page.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace velmar {

class StringTable;

class Tfrmprintselect : public QDialog {
    Q_OBJECT

  public:
    explicit Tfrmprintselect(QWidget* parent = nullptr);

    void Relabel(const StringTable& texts, const QString& title);

    PrintStyle style() const;
    PaperSize paperSize() const;

    QRadioButton* styleButton(PrintStyle style) const {
        return style == PrintStyle::Normal ? RadioButton1_ : RadioButton2_;
    }
    QRadioButton* sizeButton(PaperSize size) const { return sizes_[static_cast<int>(size)]; }
    QPushButton* okButton() const { return SpeedButton1_; }
    QPushButton* cancelButton() const { return SpeedButton2_; }

  signals:
    // "OK": build and open the page in the chosen style and size.
    void printRequested(PrintStyle style, PaperSize size);

  private:
    QGroupBox* radiogroup1_ = nullptr;
    QGroupBox* pg2_ = nullptr;
    QRadioButton* RadioButton1_ = nullptr;
    QRadioButton* RadioButton2_ = nullptr;
    std::array<QRadioButton*, 3> sizes_{};
    QPushButton* SpeedButton1_ = nullptr;
    QPushButton* SpeedButton2_ = nullptr;
};

} // namespace velmar
