// SPDX-License-Identifier: GPL-3.0-or-later
// Tfrmsolover, "Show Hint": one hint sentence at a time from the session's
// hint run, coloured on the main board, and the one action button that
// alternates between "Do It For Me" and "Next Hint". Created once with the
// main window, hidden between uses, shown modally. Below the text, the
// "Advanced techniques" switch and, with it on, the run's score and
// difficulty once the run has ended.
#pragma once

#include <QDialog>

#include <string_view>

class QCheckBox;
class QLabel;
class QPushButton;
class QTextEdit;

namespace velmar {

class PlaySession;
class StringTable;

// Where the hint window's frame goes: beside the main window's frame (below,
// above, right, then left of it), inside the screen's available area and off
// the board. Where no such place exists (a small screen, a large scale), the
// place inside the screen that covers the least of the board.
QPoint HintWindowPlace(const QRect& screen, const QRect& mainFrame, const QRect& board,
                       const QSize& frame);

class Tfrmsolover : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 593;
    // Three buttons high (the action, "Smaller hint" and "Close"), then the
    // "Advanced techniques" row.
    static constexpr int kClientHeight = 143;

    Tfrmsolover(PlaySession& session, const StringTable& texts, QWidget* parent = nullptr);

    // A fresh run: placed beside the main window (HintWindowPlace), with the
    // first hint already shown. False without a game.
    bool Prepare(const QWidget& mainWindow);
    // Prepare, then the modal run; the session hears when it closes, and
    // the main window takes the keys again.
    void Open(QWidget& mainWindow);

    // The action button's press: "Thinking..." is painted before a search.
    void bthintClick();
    void btstageClick();

    // The switch as the session has it; toggling it by hand is reported by
    // advancedToggled, and a run on show starts again with the new ladder.
    void ShowAdvanced(bool on);
    void RestartRun();

    QTextEdit* memo() const { return Memo1_; }
    QCheckBox* advancedBox() const { return chkadvanced_; }
    QLabel* resultLabel() const { return lblresult_; }
    QPushButton* actionButton() const { return bthint_; }
    QPushButton* closeButton() const { return button2_; }
    // "Smaller hint" while a hint shows whole, "More of the hint" while it
    // shows a smaller stage; disabled when no deduction is shown.
    QPushButton* stageButton() const { return btstage_; }

  signals:
    void advancedToggled(bool on);

  private:
    QString LookupText(std::string_view key) const;
    void ShowState();
    void PlaceBeside(const QWidget& mainWindow);
    QString ResultText() const;

    PlaySession& session_;
    const StringTable& texts_;
    QTextEdit* Memo1_ = nullptr;
    QPushButton* bthint_ = nullptr;
    QPushButton* button2_ = nullptr;
    QPushButton* btstage_ = nullptr;
    QCheckBox* chkadvanced_ = nullptr;
    QLabel* lblresult_ = nullptr;
};

} // namespace velmar
