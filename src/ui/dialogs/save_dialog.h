// SPDX-License-Identifier: GPL-3.0-or-later
// Tfrmsave, "Save Your Game": the name (Edit1, "New Game" at first) and the
// six "Game Level" choices (RadioGroup1) of a game to save. OK runs the save
// it was given, which may ask about an existing name, then closes.
#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velmar {

class TForm1;

// Whether a game may take the name: text the games file can hold, without a
// TAB (the game list's columns are split at TABs). A refused name is said in
// a warning; the caller then asks again.
bool AcceptGameName(TForm1& window, const std::string& name);

class Tfrmsave : public QDialog {
    Q_OBJECT

  public:
    using SaveAction = std::function<void(const std::string& name, int level)>;

    // level: the board's nd, preselected.
    Tfrmsave(TForm1& window, int level, SaveAction save);

    QLineEdit* nameEdit() const { return Edit1_; }
    QRadioButton* levelButton(int level) const { return levels_[static_cast<size_t>(level)]; }
    QPushButton* okButton() const { return Button1_; }
    QPushButton* cancelButton() const { return Button2_; }
    int selectedLevel() const;

    void accept() override;

  private:
    TForm1& window_;
    SaveAction save_;
    QLineEdit* Edit1_ = nullptr;
    QButtonGroup* RadioGroup1_ = nullptr;
    std::array<QRadioButton*, 6> levels_{};
    QPushButton* Button1_ = nullptr;
    QPushButton* Button2_ = nullptr;
};

} // namespace velmar
