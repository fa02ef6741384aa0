// SPDX-License-Identifier: GPL-3.0-or-later
// The board widget: cell geometry, hit-testing of cells against candidate
// squares, hover reports, what each redraw shows, and the colour operations.
#include "model/tqj.h"
#include "ui/board_widget.h"
#include "ui/color_marks.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using namespace velmar;

namespace {

// Texts are moved in: assigning a literal trips a false -Wrestrict of g++ 12.
void Put(TPICSD33& board, int row, int col, std::string text, int state, bool error) {
    TPicNode& n = board.node(row, col);
    n.Text = std::move(text);
    n.State = state;
    n.ErrorMark = error;
    n.CandHidden = 0;
}

// A mouse move straight to the widget, shown or not.
void MoveTo(QWidget& widget, QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, pos, widget.mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
}

} // namespace

class BoardWidgetTest : public QObject {
    Q_OBJECT

  private slots:
    void cellsSitOnTheClassicOffsets() {
        const int expected[] = {2, 48, 94, 142, 188, 234, 282, 328, 374};
        for (int i = 1; i <= 9; ++i) QCOMPARE(TPICSD33::CellOffset(i), expected[i - 1]);
        QCOMPARE(TPICSD33::CellRect(3, 7), QRect(282, 94, 46, 46));
        // Candidate squares 1 2 3 / 4 5 6 / 7 8 9 at 2, 16, 30 inside the cell.
        QCOMPARE(TPICSD33::CandidateRect(1, 1, 1), QRect(4, 4, 13, 13));
        QCOMPARE(TPICSD33::CandidateRect(1, 1, 6), QRect(32, 18, 13, 13));
        QCOMPARE(TPICSD33::CandidateRect(9, 9, 7), QRect(376, 404, 13, 13));
        TPICSD33 board;
        QCOMPARE(board.size(), QSize(422, 422));
    }

    void pressesLandOnCellsOrVisibleCandidates() {
        TPICSD33 board;
        Put(board, 2, 5, "159", kStateOpen, false);
        board.RedrawAll();
        QVERIFY(board.CandidateVisible(2, 5, 5));
        QVERIFY(!board.CandidateVisible(2, 5, 2));
        QSignalSpy cells(&board, &TPICSD33::cellPressed);
        QSignalSpy candidates(&board, &TPICSD33::candidatePressed);

        const QRect five = TPICSD33::CandidateRect(2, 5, 5);
        QTest::mouseClick(&board, Qt::RightButton, {}, five.center());
        QCOMPARE(candidates.count(), 1);
        QCOMPARE(candidates.at(0).at(2).toInt(), 5);
        QCOMPARE(candidates.at(0).at(3).value<Qt::MouseButton>(), Qt::RightButton);

        // The hidden square of 2 and the gap between squares belong to the cell.
        QTest::mouseClick(&board, Qt::LeftButton, {}, TPICSD33::CandidateRect(2, 5, 2).center());
        QTest::mouseClick(&board, Qt::LeftButton, {}, five.topLeft() - QPoint(1, 0));
        QCOMPARE(cells.count(), 2);
        QCOMPARE(cells.at(0).at(0).toInt(), 2);
        QCOMPARE(cells.at(0).at(1).toInt(), 5);

        // The black lines between boxes and around the board hit nothing.
        QCOMPARE(board.HitTest({140, 60}), BoardHit{});
        QCOMPARE(board.HitTest({0, 0}), BoardHit{});
        QCOMPARE(board.HitTest({421, 421}), BoardHit{});
        QCOMPARE(board.HitTest({419, 419}), (BoardHit{9, 9, 0}));

        // A single candidate is drawn large and hit anywhere on its cell.
        Put(board, 3, 3, "7", kStateOpen, false);
        board.RedrawAll();
        QCOMPARE(board.LoneCandidate(3, 3), 7);
        QCOMPARE(board.HitTest(TPICSD33::CellRect(3, 3).center()), (BoardHit{3, 3, 7}));
        QCOMPARE(board.LoneCandidate(2, 5), 0);

        // A disabled board takes no clicks.
        board.setEnabled(false);
        QTest::mouseClick(&board, Qt::LeftButton, {}, five.center());
        QCOMPARE(candidates.count(), 1);
    }

    void hoverReportsEnterAndLeave() {
        TPICSD33 board;
        Put(board, 1, 1, "12", kStateOpen, false);
        board.RedrawAll();
        QSignalSpy cellEnter(&board, &TPICSD33::cellEntered);
        QSignalSpy candEnter(&board, &TPICSD33::candidateEntered);
        QSignalSpy left(&board, &TPICSD33::hoverLeft);
        MoveTo(board, TPICSD33::CellRect(1, 1).bottomRight() - QPoint(3, 3));
        QCOMPARE(cellEnter.count(), 1);
        MoveTo(board, TPICSD33::CandidateRect(1, 1, 1).center());
        QCOMPARE(candEnter.count(), 1);
        QCOMPARE(left.count(), 1);
        QCOMPARE(board.Hover(), (BoardHit{1, 1, 1}));
        MoveTo(board, {140, 10}); // a box line: no cell under the mouse
        QCOMPARE(left.count(), 2);
        QCOMPARE(board.Hover(), BoardHit{});
    }

    void redrawsShowWhatTheModeAsks() {
        TPICSD33 board;
        auto& cells = board.cells();
        for (int i = 0; i < 81; ++i) {
            cells.at(i).State = kStateOpen;
            cells.at(i).Text.clear();
        }
        Put(board, 1, 1, "5", kStateGiven, false);
        Put(board, 1, 2, "24", kStateOpen, false);
        Put(board, 1, 3, "7", kStateOpen, false);
        Put(board, 1, 4, "3", kStatePlaced, false);
        board.RedrawForDigit(4);
        QCOMPARE(board.Caption(1, 1), QString("5"));
        QCOMPARE(board.Caption(1, 4), QString("3"));
        QVERIFY(board.CandidateVisible(1, 2, 2)); // holds 4: all its candidates show
        QVERIFY(board.CandidateVisible(1, 3, 7)); // a single candidate always shows
        board.RedrawForDigit(9);
        QVERIFY(!board.CandidateVisible(1, 2, 2));
        board.RedrawFull(); // one character is drawn as a big digit
        QCOMPARE(board.Caption(1, 3), QString("7"));
        QVERIFY(!board.CandidateVisible(1, 3, 7));
        QVERIFY(board.CandidateVisible(1, 2, 4));
        board.HideMultiCandidates();
        QVERIFY(!board.CandidateVisible(1, 2, 4));
        board.node(1, 2).CandHidden = 1;
        board.RedrawPencil(); // pencil marks of open cells stay visible
        QVERIFY(board.CandidateVisible(1, 2, 4));
        QCOMPARE(board.CaptionColor(1, 4), board.properties().FONTColor2);
    }

    void defaultColoursAndMarks() {
        TPICSD33 board;
        BoardProperties& p = board.properties();
        p.UNFoucsColor1 = 0x111111;
        p.UNFoucsColor2 = 0x222222;
        Put(board, 5, 5, "", kStateOpen, false);
        Put(board, 4, 2, "", kStateOpen, false);
        Put(board, 1, 1, "3", kStateGiven, false);
        Put(board, 1, 2, "3", kStatePlaced, true);
        QCOMPARE(board.DefaultColor(5, 5, 3), p.UNFoucsColor1);
        QCOMPARE(board.DefaultColor(4, 2, 3), p.UNFoucsColor2);
        QCOMPARE(board.DefaultColor(1, 1, 3), p.highcolor);
        QCOMPARE(board.DefaultColor(1, 1, 4), p.UNFoucsColor1);
        QCOMPARE(board.DefaultColor(1, 2, 3), p.errorcolor); // the error wins

        ColorMarkStore store;
        TQJ model;
        ResetColors(board, store, 3, true);
        board.SetCellColor(5, 5, 0x00AA00);
        board.SetCandidateColor(5, 5, 4, 0x0000AA);
        CaptureMarks(board, store, 3);
        QCOMPARE(store.entry(5, 5, 0), TColor{0x00AA00});
        QCOMPARE(store.entry(5, 5, 4), TColor{0x0000AA});
        QCOMPARE(store.entry(1, 1, 0), NoMark); // highlight is not a mark
        QCOMPARE(store.entry(1, 2, 0), NoMark); // nor the error colour
        // The highlight colour or the other box's colour on a cell that does
        // not show them by itself is a mark.
        board.SetCellColor(4, 2, p.highcolor);
        board.SetCellColor(5, 5, p.UNFoucsColor2);
        CaptureMarks(board, store, 3);
        QCOMPARE(store.entry(4, 2, 0), p.highcolor);
        QCOMPARE(store.entry(5, 5, 0), p.UNFoucsColor2);
        board.SetCellColor(4, 2, p.UNFoucsColor2);
        board.SetCellColor(5, 5, 0x00AA00);
        CaptureMarks(board, store, 3);
        ResetColors(board, store, 3, false);
        QCOMPARE(board.CellColor(5, 5), p.UNFoucsColor1);
        ApplyMarks(board, store, model, 3);
        QCOMPARE(board.CellColor(5, 5), TColor{0x00AA00});
        QCOMPARE(board.CandidateColor(5, 5, 4), TColor{0x0000AA});
        ResetColors(board, store, 3, true);
        QVERIFY(store.IsEmpty());
        QCOMPARE(board.CellColor(5, 5), p.UNFoucsColor1);
    }
};

QTEST_MAIN(BoardWidgetTest)
#include "board_widget_test.moc"
