// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/board/board_painter.h"

#include "ui/board/tcolor.h"

#include <QPainter>

namespace velmar {

namespace board_geometry {

int CellOffset(int rowOrCol) {
    return kCellSide * rowOrCol - 42 - (rowOrCol <= 3 ? 2 : 0) + (rowOrCol >= 7 ? 2 : 0);
}

QRect CellRect(int row, int col) {
    return {CellOffset(col), CellOffset(row), kCellSide, kCellSide};
}

QRect CandidateRect(int row, int col, int digit) {
    static constexpr int kPad[3] = {2, 16, 30};
    const QRect cell = CellRect(row, col);
    return {cell.left() + kPad[(digit - 1) % 3], cell.top() + kPad[(digit - 1) / 3], kCandidateSide,
            kCandidateSide};
}

BoardHit HitTest(const BoardDisplay& board, QPoint pos) {
    for (int r = 1; r <= 9; ++r) {
        if (pos.y() < CellOffset(r) || pos.y() >= CellOffset(r) + kCellSide) continue;
        for (int c = 1; c <= 9; ++c) {
            if (!CellRect(r, c).contains(pos)) continue;
            for (int d = 1; d <= 9; ++d)
                if (board.CandidateVisible(r, c, d) && CandidateRect(r, c, d).contains(pos))
                    return {r, c, d};
            return {r, c, 0};
        }
    }
    return {}; // the black lines between boxes belong to no cell
}

} // namespace board_geometry

void GlyphCache::Draw(QPainter& p, const QFont& font, const QRect& area, const QString& text,
                      int pointSize, const QColor& colour) {
    QFont f = font;
    f.setPointSize(pointSize);
    if (text.size() != 1 || pointSize > 255 || area.width() > 255 || area.height() > 255) {
        p.setFont(f);
        p.setPen(colour);
        p.drawText(area, Qt::AlignCenter, text);
        return;
    }
    const qreal ratio = p.device()->devicePixelRatioF();
    const quint64 key = quint64(text[0].unicode()) | quint64(pointSize) << 16 |
                        quint64(area.width()) << 24 | quint64(area.height()) << 32 |
                        quint64(colour.rgba() & 0xFFFFFF) << 40;
    QPixmap& glyph = (colour.alpha() == 255 ? glyphs_ : faded_)[key];
    if (glyph.isNull() || glyph.devicePixelRatio() != ratio) {
        glyph = QPixmap(area.size() * ratio);
        glyph.setDevicePixelRatio(ratio);
        glyph.fill(Qt::transparent);
        QPainter g(&glyph);
        g.setRenderHint(QPainter::TextAntialiasing);
        g.setFont(f);
        g.setPen(colour);
        g.drawText(QRect(QPoint(0, 0), area.size()), Qt::AlignCenter, text);
    }
    p.drawPixmap(area.topLeft(), glyph);
}

namespace {

using namespace board_geometry;

void PaintCell(QPainter& p, const BoardDisplay& board, int row, int col, const BoardPaintOptions& o,
               GlyphCache& glyphs) {
    const CellLook& l = board.look(row, col);
    const BoardProperties& props = board.properties();
    const QRect cell = CellRect(row, col);
    p.fillRect(cell, ToQColor(l.background));
    // A faint line where two cells of one box touch, so cells read as cells;
    // the black box lines stay the only strong ones.
    p.setPen(ToQColor(l.background).darker(112));
    if (col % 3 != 0) p.drawLine(cell.topRight(), cell.bottomRight());
    if (row % 3 != 0) p.drawLine(cell.bottomLeft(), cell.bottomRight());
    if (!l.caption.empty())
        glyphs.Draw(p, o.font, cell, QString::fromStdString(l.caption), l.captionSize,
                    ToQColor(l.captionColor));
    const int lone = board.LoneCandidate(row, col);
    if (lone != 0) {
        // A single remaining candidate shows large, on its square's colour,
        // but in the candidate colour and faded so that it never reads as a
        // digit the player placed.
        const TColor mark = l.candidateBackground[lone - 1];
        if (mark != l.background) p.fillRect(cell.adjusted(2, 2, -2, -2), ToQColor(mark));
        QColor ink = ToQColor(l.candidateColor);
        ink.setAlpha(110);
        glyphs.Draw(p, o.font, cell, QString::number(lone), props.FONTSize2, ink);
    }
    for (int d = 1; d <= 9; ++d) {
        if (!l.candidateVisible[d - 1] || d == lone) continue;
        const QRect square = CandidateRect(row, col, d);
        p.fillRect(square, ToQColor(l.candidateBackground[d - 1]));
        glyphs.Draw(p, o.font, square.adjusted(-2, -2, 2, 2), QString::number(d), l.candidateSize,
                    ToQColor(l.candidateColor));
    }
    if (o.hover.row == row && o.hover.col == col) {
        // The red frame of the square under the mouse, one pixel inside it.
        const QRect r = o.hover.digit == 0
                            ? cell.adjusted(1, 1, -2, -2)
                            : CandidateRect(row, col, o.hover.digit).adjusted(1, 1, -2, 0);
        p.setPen(QPen(Qt::red, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    }
    if (o.cursor.row == row && o.cursor.col == col) {
        // The keyboard's cell: a thick frame, dark on a light cell and light
        // on a dark one, inside the hover frame so both can show.
        const QColor back = ToQColor(l.background);
        const QColor ink = back.lightness() > 110 ? QColor(0x1B, 0x3A, 0x8C) : QColor(Qt::white);
        p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(cell).adjusted(3, 3, -3, -3));
    }
}

} // namespace

void PaintBoard(QPainter& p, const BoardDisplay& board, const BoardPaintOptions& options) {
    GlyphCache local;
    GlyphCache& glyphs = options.glyphs ? *options.glyphs : local;
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRect all(0, 0, kSide, kSide);
    p.fillRect(options.region.isEmpty() ? all : options.region.boundingRect(), Qt::black);
    // Only the cells of the changed region: a click repaints a few cells.
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (options.region.isEmpty() || options.region.intersects(CellRect(r, c)))
                PaintCell(p, board, r, c, options, glyphs);
}

} // namespace velmar
