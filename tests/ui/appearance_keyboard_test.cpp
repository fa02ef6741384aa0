// SPDX-License-Identifier: GPL-3.0-or-later
// The appearance dialog with real clicks (the colour dialog answered as the
// player would), the board's own colours on a dark palette, and a whole bank
// game dealt and finished with keys only. The rules are the core tests'.
#include "storage/settings_memory_store.h"
#include "ui/board/candidate_tile.h"
#include "ui/board/tcolor.h"
#include "ui/controllers/keyboard_controller.h"
#include "ui/dialogs/appearance_dialog.h"
#include "ui_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

#include <functional>

using namespace velmar;
using namespace velmar::test;

namespace {

// Opens the dialog from its menu command and plays `visit` inside it.
void VisitAppearance(TForm1& w, const std::function<void(TfrmAppearance&)>& visit) {
    bool visited = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TfrmAppearance*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        visit(*dialog);
        visited = true;
        if (dialog->isVisible()) dialog->reject();
    });
    w.action(Command::Appearance)->trigger();
    QVERIFY(visited);
}

// Clicks a colour box and picks `colour` in the colour dialog it opens.
void PickColour(TColorBox* box, TColor colour) {
    QTimer::singleShot(0, [colour] {
        auto* picker = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        QVERIFY(picker);
        picker->setCurrentColor(ToQColor(colour));
        picker->accept();
    });
    QTest::mouseClick(box, Qt::LeftButton);
}

std::string Stored(MemorySettingsStore& store, std::string_view name) {
    return store.ReadString(kSettingsKeyPath, name);
}

void Key(TForm1& w, int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(&w, static_cast<Qt::Key>(key), modifiers);
}

} // namespace

class AppearanceKeyboardTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }

    void colourChoicesAreStoredOnOkOnly() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.NewGame(1);
        const BoardDisplay& main = w.session().board();
        QCOMPARE(w.appearanceDialog()->windowTitle(), QStringLiteral("Appearance"));

        // Picking a colour, then Cancel: nothing stored, the board as it was.
        VisitAppearance(w, [&](TfrmAppearance& d) {
            QTest::mouseClick(d.defaultBox(AppearanceGroup::Background), Qt::LeftButton);
            QCOMPARE(d.previewBoard().CellColor(1, 4), TColor{13891060});
            PickColour(d.colourBox(0), 0x204060);
            QCOMPARE(d.previewBoard().CellColor(1, 1), TColor{0x204060});
            QTest::mouseClick(d.cancelButton(), Qt::LeftButton);
        });
        QCOMPARE(Stored(f.store, "reg_board_background_use_default"), "1");
        QCOMPARE(main.properties().UNFoucsColor1, TColor{0xFFFFFF});

        // The next visit starts from the store; OK stores and colours the board.
        VisitAppearance(w, [&](TfrmAppearance& d) {
            QVERIFY(d.defaultBox(AppearanceGroup::Background)->isChecked());
            // The swatch shows what the board draws, not the stored colour.
            QCOMPARE(d.colourBox(0)->colour(), TColor{0xFFFFFF});
            QCOMPARE(d.colourBox(1)->colour(), kBuiltInColour2);
            QTest::mouseClick(d.defaultBox(AppearanceGroup::FontColors), Qt::LeftButton);
            PickColour(d.colourBox(3), 0x0000C0);
            QTest::mouseClick(d.okButton(), Qt::LeftButton);
        });
        QCOMPARE(Stored(f.store, "reg_Font_color_Big"), "192");
        QCOMPARE(main.properties().FONTColor2, TColor{0x0000C0});
        // ... and the next start shows them.
        MainWindowServices services;
        services.prompter = &f.prompter;
        services.settings = &f.store;
        services.bank = &TestBank();
        services.dataFolder = f.dataDir.path() + QStringLiteral("/again/");
        QCOMPARE(TForm1(services).session().board().properties().FONTColor2, TColor{0x0000C0});

        // Default then Cancel: the defaults are stored, the board keeps its colours.
        VisitAppearance(w, [&](TfrmAppearance& d) {
            QTest::mouseClick(d.defaultButton(), Qt::LeftButton);
            QVERIFY(d.defaultBox(AppearanceGroup::FontColors)->isChecked());
            QTest::mouseClick(d.cancelButton(), Qt::LeftButton);
        });
        QCOMPARE(Stored(f.store, "reg_Font_use_default"), "1");
        QCOMPARE(main.properties().FONTColor2, TColor{0x0000C0});

        // A store that cannot be written: OK still colours the board, and says so.
        f.store.SetWritable(false);
        VisitAppearance(w, [&](TfrmAppearance& d) {
            QTest::mouseClick(d.defaultBox(AppearanceGroup::Background), Qt::LeftButton);
            QTest::mouseClick(d.okButton(), Qt::LeftButton);
        });
        QCOMPARE(main.properties().UNFoucsColor1, TColor{13891060});
        QCOMPARE(f.prompter.told.size(), 1);
        QVERIFY(f.prompter.told.at(0).startsWith(QStringLiteral("Warning|The settings could not")));
    }

    void boardKeepsItsColoursOnADarkPalette() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.NewGame(1);
        QVERIFY(ShowActive(w));
        const QImage light = w.board()->grab().toImage();
        const QPalette saved = QApplication::palette();
        QApplication::setPalette(QPalette(QColor(0x30, 0x30, 0x30)));
        QCoreApplication::processEvents(); // the change reaches the widgets as events
        const QImage shown = w.board()->grab().toImage();
        // A tip keeps its light colour, so its text stays dark.
        w.ShowTip(w.LookupText("msg_rb_one"));
        const QImage tip = w.statusLine()->grab().toImage();
        int ink = 0;
        for (int y = 2; y < tip.height(); ++y) // below the status line's top border
            for (int x = 0; x < tip.width(); ++x) ink += qGray(tip.pixel(x, y)) < 60;
        QApplication::setPalette(saved);
        QCOMPARE(shown, light);
        QVERIFY(ink > 50); // white text on the tip colour would leave none
    }

    void wholeBankGameWithKeysOnly() {
        WindowFixture f(PuzzleBank::builtIn());
        TForm1& w = *f.window;
        QVERIFY(ShowActive(w));
        Key(w, Qt::Key_F2, Qt::ControlModifier); // Gentle
        QVERIFY(w.session().gameLoaded());
        const KeyboardController& keys = *w.keyboard();
        // Before the cursor shows, Enter does nothing to the board.
        Key(w, Qt::Key_Return);
        QCOMPARE(w.session().stepLog().Entries().size(), size_t{1});
        Key(w, Qt::Key_Up);
        QVERIFY(keys.cursor().shown);
        QCOMPARE(w.board()->KeyCursor(), (BoardHit{1, 1, 0}));
        Key(w, Qt::Key_Up);
        Key(w, Qt::Key_Left);
        QCOMPARE(w.board()->KeyCursor(), (BoardHit{9, 9, 0}));

        auto moveTo = [&](int row, int col) {
            while (keys.cursor().row != row) Key(w, Qt::Key_Down);
            while (keys.cursor().col != col) Key(w, Qt::Key_Right);
        };
        bool triedErase = false;
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c) {
                if (w.session().cells().cell(r, c).State == kStateGiven) continue;
                moveTo(r, c);
                const int digit = w.session().model().node(r, c).Digit;
                Key(w, Qt::Key_0 + digit % 9 + 1); // a wrong digit first
                Key(w, Qt::Key_Space);
                if (!triedErase) {
                    // Delete takes it away; Shift+Enter on the open cell opens the tile.
                    triedErase = true;
                    Key(w, Qt::Key_Delete);
                    QVERIFY(w.session().cells().cell(r, c).Text.empty());
                    Key(w, Qt::Key_Return, Qt::ShiftModifier);
                    QVERIFY(w.tile()->isVisible());
                    QTest::keyClick(w.tile(), Qt::Key_Escape);
                    QVERIFY(ShowActive(w));
                }
                Key(w, Qt::Key_0 + digit);
                Key(w, Qt::Key_Enter);
            }
        QCOMPARE(f.prompter.told, QStringList{QStringLiteral("Information|Puzzle solved")});
        QVERIFY(w.finishLabelShown());
        // Every key went through the session: each move is a step of its own.
        Key(w, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!w.finishLabelShown());
    }
};

QTEST_MAIN(AppearanceKeyboardTest)
#include "appearance_keyboard_test.moc"
