// SPDX-License-Identifier: GPL-3.0-or-later
// Tfrmsolover, "Show Hint": one hint sentence at a time from the session's
// hint run, coloured on the main board, and the one action button that
// alternates between "Do It For Me" and "Next Hint". Created once with the
// main window, hidden between uses, shown modally.
#pragma once

#include <QDialog>

#include <string_view>

class QPushButton;
class QTextEdit;

namespace velmar {

class PlaySession;
class StringTable;

class Tfrmsolover : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 593;
    // Three buttons high: the action, "Smaller hint" and "Close".
    static constexpr int kClientHeight = 119;

    Tfrmsolover(PlaySession& session, const StringTable& texts, QWidget* parent = nullptr);

    // A fresh run: placed at the main window's left edge, 520 pixels below
    // its top, with the first hint already shown. False without a game.
    bool Prepare(const QWidget& mainWindow);
    // Prepare, then the modal run; the session hears when it closes, and
    // the main window takes the keys again.
    void Open(QWidget& mainWindow);

    // The action button's press: "Thinking..." is painted before a search.
    void bthintClick();
    void btstageClick();

    QTextEdit* memo() const { return Memo1_; }
    QPushButton* actionButton() const { return bthint_; }
    QPushButton* closeButton() const { return button2_; }
    // "Smaller hint" while a hint shows whole, "More of the hint" while it
    // shows a smaller stage; disabled when no deduction is shown.
    QPushButton* stageButton() const { return btstage_; }

  private:
    QString LookupText(std::string_view key) const;
    void ShowState();

    PlaySession& session_;
    const StringTable& texts_;
    QTextEdit* Memo1_ = nullptr;
    QPushButton* bthint_ = nullptr;
    QPushButton* button2_ = nullptr;
    QPushButton* btstage_ = nullptr;
};

} // namespace velmar
