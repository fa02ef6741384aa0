// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests share: a prompter that answers from a script, the
// session tests' small bank, a main window over a memory store and a
// temporary data folder, and real mouse clicks on the board.
#pragma once

#include "bank/puzzle_bank.h"
#include "game/session_fixture.h"
#include "storage/settings_memory_store.h"
#include "ui/board/board_widget.h"
#include "ui/dialogs/prompter.h"
#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace velmar::test {

class ScriptedPrompter : public Prompter {
  public:
    bool answer = true;
    QStringList asked;
    QStringList told;
    QStringList warned; // also in told: "warning" or "critical", then what told has

    bool askYesNo(const QString& title, const QString& text) override {
        asked << title + QLatin1Char('|') + text;
        return answer;
    }
    void inform(const QString& title, const QString& text) override {
        told << title + QLatin1Char('|') + text;
    }
    void warn(Severity severity, const QString& title, const QString& text) override {
        inform(title, text);
        warned << (severity == Severity::Critical ? QStringLiteral("critical|")
                                                  : QStringLiteral("warning|")) +
                      told.constLast();
    }
};

struct WindowFixture {
    QTemporaryDir dataDir;
    MemorySettingsStore store;
    ScriptedPrompter prompter;
    std::unique_ptr<TForm1> window;

    // realBoxes: questions and messages in real message boxes.
    explicit WindowFixture(const PuzzleBank& bank = TestBank(), bool realBoxes = false) {
        MainWindowServices services;
        services.prompter = realBoxes ? nullptr : &prompter;
        services.settings = &store;
        services.bank = &bank;
        services.dataFolder = dataDir.path() + QStringLiteral("/velmar/");
        window = std::make_unique<TForm1>(services);
    }
};

// A point of the cell outside all of its candidate squares.
inline QPoint CellPoint(int row, int col) {
    return TPICSD33::CellRect(row, col).topLeft() + QPoint(44, 44);
}

inline void ClickCell(TForm1& w, int row, int col, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(w.board(), button, {}, CellPoint(row, col));
}

inline void ClickCandidate(TForm1& w, int row, int col, int digit,
                           Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(w.board(), button, {}, TPICSD33::CandidateRect(row, col, digit).center());
}

// The window on screen and active, as keys and shortcuts need it.
inline bool ShowActive(TForm1& w) {
    w.show();
    QApplication::setActiveWindow(&w);
    return QTest::qWaitForWindowActive(&w);
}

// Runs answer on the modal window of that class once it is up, from inside
// its event loop; a window that never comes leaves a failed check behind.
template <typename Dialog, typename Answer> void WhenModal(Answer answer, int tries = 200) {
    QTimer::singleShot(tries == 200 ? 0 : 10, [answer, tries] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) return answer(*dialog);
        if (tries > 0) return WhenModal<Dialog>(answer, tries - 1);
        QFAIL("the modal window did not come");
    });
}

} // namespace velmar::test
