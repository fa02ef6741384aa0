// SPDX-License-Identifier: GPL-3.0-or-later
// The board widget and the board painter: cell geometry, hit-testing of
// cells against candidate squares, hover reports, and what the painter puts
// on the pixels of a lone candidate and of an error.
#include "ui/board/board_painter.h"
#include "ui/board/board_widget.h"
#include "ui/board/tcolor.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace velmar;

namespace {

// Texts are moved in: assigning a literal trips a false -Wrestrict of g++ 12.
void Put(BoardDisplay& board, int row, int col, std::string text, int state) {
    TPicNode& n = board.node(row, col);
    n.Text = std::move(text);
    n.State = state;
}

// A mouse move straight to the widget, shown or not.
void MoveTo(QWidget& widget, QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, pos, widget.mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
}

QImage Paint(const BoardDisplay& board) {
    QImage image(TPICSD33::kSide, TPICSD33::kSide, QImage::Format_RGB32);
    QPainter p(&image);
    PaintBoard(p, board, {QFont(QStringLiteral("Arial")), {}, {}, nullptr});
    return image;
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
        BoardDisplay shown;
        Put(shown, 2, 5, "159", kStateOpen);
        Put(shown, 3, 3, "5", kStateOpen);
        shown.RedrawAll();
        TPICSD33 board;
        board.Show(shown);
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
        // A lone candidate drawn large is still hit on its own square only.
        QCOMPARE(shown.LoneCandidate(3, 3), 5);
        QCOMPARE(board.HitTest(TPICSD33::CandidateRect(3, 3, 5).center()), (BoardHit{3, 3, 5}));
        QCOMPARE(board.HitTest(TPICSD33::CellRect(3, 3).topLeft() + QPoint(3, 3)),
                 (BoardHit{3, 3, 0}));
        // The black lines between boxes and around the board hit nothing.
        QCOMPARE(board.HitTest({140, 60}), BoardHit{});
        QCOMPARE(board.HitTest({0, 0}), BoardHit{});
        QCOMPARE(board.HitTest({419, 419}), (BoardHit{9, 9, 0}));
        // A disabled board takes no clicks.
        board.setEnabled(false);
        QTest::mouseClick(&board, Qt::LeftButton, {}, five.center());
        QCOMPARE(candidates.count(), 1);
    }

    void hoverReportsEnterAndLeave() {
        BoardDisplay shown;
        Put(shown, 1, 1, "12", kStateOpen);
        shown.RedrawAll();
        TPICSD33 board;
        board.Show(shown);
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

    void loneCandidateReadsApartFromAPlacedDigit() {
        BoardDisplay shown(MainBoardProperties());
        Put(shown, 1, 1, "5", kStateOpen);
        Put(shown, 1, 2, "5", kStatePlaced);
        shown.RedrawAll();
        // The same big 5, but not in the placed digits' blue.
        const QImage image = Paint(shown);
        auto inked = [&](int row, int col, const QColor& ink) {
            const QRect cell = TPICSD33::CellRect(row, col);
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                for (int x = cell.left(); x <= cell.right(); ++x)
                    if (image.pixelColor(x, y) == ink) return true;
            return false;
        };
        const QColor blue = ToQColor(shown.properties().FONTColor2);
        QVERIFY(inked(1, 2, blue));
        QVERIFY(!inked(1, 1, blue));
        int ink = 0;
        const QRect cell = TPICSD33::CellRect(1, 1).adjusted(2, 2, -2, -2);
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                ink += image.pixelColor(x, y) != ToQColor(shown.CellColor(1, 1));
        QVERIFY(ink > 20); // drawn large, not as a small candidate
    }

    void anErrorFillsTheWholeCell() {
        BoardDisplay shown(MainBoardProperties());
        Put(shown, 4, 4, "7", kStateOpen);
        shown.RedrawAll();
        shown.SetCellColor(4, 4, 254);
        shown.SetCandidatesColor(4, 4, 254);
        const QImage image = Paint(shown);
        const QRect cell = TPICSD33::CellRect(4, 4);
        for (QPoint at : {cell.topLeft() + QPoint(3, 3), cell.bottomRight() - QPoint(3, 3),
                          cell.topLeft() + QPoint(4, 40)})
            QCOMPARE(image.pixelColor(at), ToQColor(254));
    }
};

QTEST_MAIN(BoardWidgetTest)
#include "board_widget_test.moc"
