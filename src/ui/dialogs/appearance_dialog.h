// SPDX-License-Identifier: GPL-3.0-or-later
// TfrmAppearance: the player's board colours. Three groups (background,
// fonts, highlight), each with a "Default Color" check box and colour boxes
// that open the colour dialog; a preview board of its own shows every change
// at once. The dialog works on a copy of the settings that it loads from the
// store each time it is shown; OK writes the copy, Default writes the
// defaults at once, Cancel keeps the store as it is.
#pragma once

#include "game/appearance.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace velmar {

class StringTable;
class TPICSD33;

// A small panel filled with its colour, its caption beside it. Hovering it
// frames the colour; a click or Space asks for a new colour.
class TColorBox : public QWidget {
    Q_OBJECT

  public:
    explicit TColorBox(QWidget* parent = nullptr);

    TColor colour() const { return colour_; }
    void setColour(TColor colour);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    bool framed() const { return framed_; }

    QSize sizeHint() const override;

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

  private:
    void SetFramed(bool framed);

    TColor colour_ = 0;
    QString caption_;
    bool framed_ = false;
};

class TfrmAppearance : public QDialog {
    Q_OBJECT

  public:
    TfrmAppearance(SettingsBackend& store, QWidget* parent = nullptr);

    void Relabel(const StringTable& texts);

    // Loads the stored settings into the check boxes and colour boxes and
    // shows them on the preview.
    void LoadIntoDialog();
    // The settings the dialog holds; after OK, those written to the store.
    const Settings& settings() const { return settings_; }
    // Whether OK could write them.
    bool saved() const { return saved_; }

    QCheckBox* defaultBox(AppearanceGroup group) const {
        return checkBoxes_[static_cast<size_t>(group)];
    }
    // The colour boxes in the order Panel1, Panel2, fpanel1..3, highpanle.
    TColorBox* colourBox(int index) const { return boxes_[static_cast<size_t>(index)]; }
    TPICSD33* preview() const { return sd1_; }
    const BoardDisplay& previewBoard() const { return previewBoard_; }
    QPushButton* okButton() const { return Button1_; }
    QPushButton* cancelButton() const { return Button2_; }
    QPushButton* defaultButton() const { return Button3_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void ShowChoice();
    TColor ShownColour(int index) const;
    void ShowSwatches();
    void GroupChanged(AppearanceGroup group);
    void PickColour(int box);
    void OkClick();
    void DefaultClick();

    SettingsBackend& store_;
    const StringTable* texts_ = nullptr;
    Settings settings_;
    AppearanceChoice choice_;
    bool saved_ = false;
    BoardDisplay previewBoard_;
    TPICSD33* sd1_ = nullptr;
    std::array<QGroupBox*, 3> groups_{};
    std::array<QCheckBox*, 3> checkBoxes_{};
    std::array<TColorBox*, 6> boxes_{};
    QPushButton* Button1_ = nullptr;
    QPushButton* Button2_ = nullptr;
    QPushButton* Button3_ = nullptr;
};

} // namespace velmar
