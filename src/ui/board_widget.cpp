// SPDX-License-Identifier: GPL-3.0-or-later
// Board drawing: every redraw only computes each cell's look from the model
// and the properties; a cell whose look changed is scheduled for repaint, so
// a redraw never repaints more than what changed and never flickers.
#include "ui/board_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace velmar {

namespace {

bool HasDigit(const std::string& text, int digit) {
    return text.find(static_cast<char>('0' + digit)) != std::string::npos;
}

} // namespace

TPICSD33::TPICSD33(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSide, kSide);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            CellLook& l = look(r, c);
            l.background = BoxColor(r, c);
            l.candidateBackground.fill(l.background);
            l.captionSize = props_.FONTSize2;
            l.captionColor = props_.FONTColor2;
            l.candidateSize = props_.FONTSize3;
            l.candidateColor = props_.FONTColor3;
        }
    LayoutCells();
    RedrawFull();
}

int TPICSD33::CellOffset(int rowOrCol) {
    return kCellSide * rowOrCol - 42 - (rowOrCol <= 3 ? 2 : 0) + (rowOrCol >= 7 ? 2 : 0);
}

QRect TPICSD33::CellRect(int row, int col) {
    return {CellOffset(col), CellOffset(row), kCellSide, kCellSide};
}

QRect TPICSD33::CandidateRect(int row, int col, int digit) {
    static constexpr int kPad[3] = {2, 16, 30};
    const QRect cell = CellRect(row, col);
    return {cell.left() + kPad[(digit - 1) % 3], cell.top() + kPad[(digit - 1) / 3], kCandidateSide,
            kCandidateSide};
}

int TPICSD33::LoneCandidate(int row, int col) const {
    const TPicNode& n = cells_.cell(row, col);
    if (n.State != kStateOpen || n.Text.size() != 1 || n.Text[0] < '1' || n.Text[0] > '9') return 0;
    const int digit = n.Text[0] - '0';
    return look(row, col).candidateVisible[digit - 1] ? digit : 0;
}

BoardHit TPICSD33::HitTest(QPoint pos) const {
    for (int r = 1; r <= 9; ++r) {
        if (pos.y() < CellOffset(r) || pos.y() >= CellOffset(r) + kCellSide) continue;
        for (int c = 1; c <= 9; ++c) {
            if (!CellRect(r, c).contains(pos)) continue;
            // A single candidate drawn large is hit anywhere on its cell.
            if (const int lone = LoneCandidate(r, c)) return {r, c, lone};
            for (int d = 1; d <= 9; ++d)
                if (look(r, c).candidateVisible[d - 1] && CandidateRect(r, c, d).contains(pos))
                    return {r, c, d};
            return {r, c, 0};
        }
    }
    return {}; // the black lines between boxes belong to no cell
}

void TPICSD33::LayoutCells() {
    // The geometry is fixed by CellRect; the records learn where they sit.
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            cells_.cell(r, c).Row = r;
            cells_.cell(r, c).Col = c;
        }
    update();
}

TColor TPICSD33::BoxColor(int row, int col) const {
    return BoardCells::BoxOf(row, col) % 2 == 0 ? props_.UNFoucsColor2 : props_.UNFoucsColor1;
}

TColor TPICSD33::DefaultColor(int row, int col, int selectedDigit) const {
    const TPicNode& n = cells_.cell(row, col);
    TColor colour = BoxColor(row, col);
    if (n.State != kStateOpen && selectedDigit != 0 &&
        n.Text == std::string(1, static_cast<char>('0' + selectedDigit)))
        colour = props_.highcolor;
    if (n.ErrorMark) colour = props_.errorcolor;
    return colour;
}

void TPICSD33::SetLook(int row, int col, const CellLook& changed) {
    CellLook& current = look(row, col);
    if (current == changed) return;
    current = changed;
    Repaint(CellRect(row, col));
}

void TPICSD33::Repaint(const QRect& area) {
    if (holds_ > 0)
        pending_ |= area;
    else
        update(area);
}

void TPICSD33::FlushUpdates() {
    if (pending_.isEmpty()) return;
    update(pending_);
    pending_ = QRegion();
}

void TPICSD33::PaintShared(int row, int col, CellLook& l) const {
    const TPicNode& n = cells_.cell(row, col);
    if (n.ErrorMark) {
        l.background = props_.errorcolor;
    } else {
        l.caption.clear();
        l.background = BoxColor(row, col);
    }
    if (n.State == kStateOpen) {
        l.caption.clear();
        l.candidateSize = props_.FONTSize3;
        l.candidateColor = props_.FONTColor3;
        return;
    }
    // A filled cell shows its digit; its candidate squares would cover it.
    const bool given = n.State == kStateGiven;
    l.caption = QString::fromStdString(n.Text);
    l.captionSize = given ? props_.FONTSize1 : props_.FONTSize2;
    l.captionColor = given ? props_.FONTColor1 : props_.FONTColor2;
    l.candidateVisible.fill(false);
}

void TPICSD33::ShowHeld(const TPicNode& n, CellLook& l) const {
    for (int d = 1; d <= 9; ++d) l.candidateVisible[d - 1] = HasDigit(n.Text, d);
}

void TPICSD33::RedrawPencil() {
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const TPicNode& n = cells_.cell(r, c);
            CellLook l = look(r, c);
            if (n.CandHidden == 1) l.candidateVisible.fill(false);
            PaintShared(r, c, l);
            if (n.State == kStateOpen) ShowHeld(n, l);
            SetLook(r, c, l);
        }
}

void TPICSD33::RedrawAll() {
    RedrawFiltered("123456789");
}

void TPICSD33::RedrawForDigit(int digit) {
    RedrawFiltered(std::string(1, static_cast<char>('0' + digit)));
}

void TPICSD33::RedrawFiltered(const std::string& digits) {
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const TPicNode& n = cells_.cell(r, c);
            CellLook l = look(r, c);
            PaintShared(r, c, l);
            if (n.State == kStateOpen) {
                const bool shown =
                    n.Text.size() == 1 || n.Text.find_first_of(digits) != std::string::npos;
                if (shown)
                    ShowHeld(n, l);
                else
                    l.candidateVisible.fill(false);
            }
            SetLook(r, c, l);
        }
}

void TPICSD33::RedrawFull() {
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const TPicNode& n = cells_.cell(r, c);
            CellLook l = look(r, c);
            if (n.ErrorMark)
                l.background = props_.errorcolor;
            else
                l.candidateBackground.fill(BoxColor(r, c));
            if (n.State == kStateGiven || n.Text.size() == 1) {
                const bool given = n.State == kStateGiven;
                l.candidateVisible.fill(false);
                l.caption = QString::fromStdString(n.Text);
                l.captionSize = given ? props_.FONTSize1 : props_.FONTSize2;
                l.captionColor = given ? props_.FONTColor1 : props_.FONTColor2;
            } else {
                l.caption.clear();
                l.candidateSize = props_.FONTSize3;
                l.candidateColor = props_.FONTColor3;
                ShowHeld(n, l);
            }
            SetLook(r, c, l);
        }
}

void TPICSD33::HideMultiCandidates() {
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (cells_.cell(r, c).Text.size() != 1) HideCandidates(r, c);
}

void TPICSD33::SetCellColor(int row, int col, TColor colour) {
    Change(row, col, [&](CellLook& l) { l.background = colour; });
}

TColor TPICSD33::CandidateColor(int row, int col, int digit) const {
    return look(row, col).candidateBackground[digit - 1];
}

void TPICSD33::SetCandidateColor(int row, int col, int digit, TColor colour) {
    Change(row, col, [&](CellLook& l) { l.candidateBackground[digit - 1] = colour; });
}

void TPICSD33::SetCandidatesColor(int row, int col, TColor colour) {
    Change(row, col, [&](CellLook& l) { l.candidateBackground.fill(colour); });
}

void TPICSD33::SetCaptionColor(int row, int col, TColor colour) {
    Change(row, col, [&](CellLook& l) { l.captionColor = colour; });
}

bool TPICSD33::CandidateVisible(int row, int col, int digit) const {
    return look(row, col).candidateVisible[digit - 1];
}

void TPICSD33::HideCandidates(int row, int col) {
    Change(row, col, [](CellLook& l) { l.candidateVisible.fill(false); });
}

void TPICSD33::ShowCandidates(int row, int col) {
    Change(row, col, [](CellLook& l) { l.candidateVisible.fill(true); });
}

void TPICSD33::ShowHeldCandidates(int row, int col) {
    Change(row, col, [&](CellLook& l) { ShowHeld(cells_.cell(row, col), l); });
}

void TPICSD33::SetCandidateFont(int row, int col, int pointSize, TColor colour) {
    Change(row, col, [&](CellLook& l) {
        l.candidateSize = pointSize;
        l.candidateColor = colour;
    });
}

void TPICSD33::SetAllCandidateFontSize(int pointSize) {
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) SetCandidateFont(r, c, pointSize, look(r, c).candidateColor);
}

void TPICSD33::PaintCell(QPainter& p, int row, int col) const {
    const CellLook& l = look(row, col);
    const QRect cell = CellRect(row, col);
    p.fillRect(cell, ToQColor(l.background));
    // A faint line where two cells of one box touch, so cells read as cells;
    // the black box lines stay the only strong ones.
    p.setPen(ToQColor(l.background).darker(112));
    if (col % 3 != 0) p.drawLine(cell.topRight(), cell.bottomRight());
    if (row % 3 != 0) p.drawLine(cell.bottomLeft(), cell.bottomRight());
    if (!l.caption.isEmpty()) DrawCentred(p, cell, l.caption, l.captionSize, l.captionColor);
    const int lone = LoneCandidate(row, col);
    if (lone != 0) {
        // A single remaining candidate shows large, on its square's colour.
        const TColor mark = l.candidateBackground[lone - 1];
        if (mark != l.background) p.fillRect(cell.adjusted(2, 2, -2, -2), ToQColor(mark));
        DrawCentred(p, cell, QString::number(lone), props_.FONTSize2, props_.FONTColor2);
    }
    for (int d = 1; d <= 9; ++d) {
        if (!l.candidateVisible[d - 1] || d == lone) continue;
        const QRect square = CandidateRect(row, col, d);
        p.fillRect(square, ToQColor(l.candidateBackground[d - 1]));
        DrawCentred(p, square.adjusted(-2, -2, 2, 2), QString::number(d), l.candidateSize,
                    l.candidateColor);
    }
    if (hover_.row == row && hover_.col == col) {
        // The red frame of the square under the mouse, one pixel inside it.
        const QRect r = hover_.digit == 0 || lone != 0
                            ? cell.adjusted(1, 1, -2, -2)
                            : CandidateRect(row, col, hover_.digit).adjusted(1, 1, -2, 0);
        p.setPen(QPen(Qt::red, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    }
}

void TPICSD33::DrawCentred(QPainter& p, const QRect& area, const QString& text, int pointSize,
                           TColor colour) const {
    QFont f = font();
    f.setPointSize(pointSize);
    if (text.size() != 1 || pointSize > 255 || area.width() > 255 || area.height() > 255) {
        p.setFont(f);
        p.setPen(ToQColor(colour));
        p.drawText(area, Qt::AlignCenter, text);
        return;
    }
    const qreal ratio = p.device()->devicePixelRatioF();
    const quint64 key = quint64(text[0].unicode()) | quint64(pointSize) << 16 |
                        quint64(area.width()) << 24 | quint64(area.height()) << 32 |
                        quint64(colour & 0xFFFFFF) << 40;
    QPixmap& glyph = glyphs_[key];
    if (glyph.isNull() || glyph.devicePixelRatio() != ratio) {
        glyph = QPixmap(area.size() * ratio);
        glyph.setDevicePixelRatio(ratio);
        glyph.fill(Qt::transparent);
        QPainter g(&glyph);
        g.setRenderHint(QPainter::TextAntialiasing);
        g.setFont(f);
        g.setPen(ToQColor(colour));
        g.drawText(QRect(QPoint(0, 0), area.size()), Qt::AlignCenter, text);
    }
    p.drawPixmap(area.topLeft(), glyph);
}

void TPICSD33::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(event->rect(), Qt::black);
    // Only the cells of the changed region: a click repaints a few cells.
    const QRegion& region = event->region();
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (region.intersects(CellRect(r, c))) PaintCell(p, r, c);
}

void TPICSD33::mousePressEvent(QMouseEvent* event) {
    const BoardHit hit = HitTest(event->position().toPoint());
    event->accept();
    if (!hit.isCell()) return;
    if (hit.digit != 0)
        emit candidatePressed(hit.row, hit.col, hit.digit, event->button());
    else
        emit cellPressed(hit.row, hit.col, event->button());
    // The press may have shown or hidden candidate squares under the mouse.
    if (isEnabled() && hover_.isCell()) SetHover(HitTest(event->position().toPoint()));
}

void TPICSD33::SetHover(BoardHit hit) {
    if (hit == hover_) return;
    const BoardHit old = hover_;
    hover_ = hit;
    if (old.isCell()) Repaint(CellRect(old.row, old.col));
    if (hit.isCell()) Repaint(CellRect(hit.row, hit.col));
    if (old.isCell()) emit hoverLeft();
    if (hit.digit != 0)
        emit candidateEntered(hit.row, hit.col, hit.digit);
    else if (hit.isCell())
        emit cellEntered(hit.row, hit.col);
}

void TPICSD33::mouseMoveEvent(QMouseEvent* event) {
    SetHover(HitTest(event->position().toPoint()));
}

void TPICSD33::leaveEvent(QEvent*) {
    SetHover({});
}

void TPICSD33::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) SetHover({});
    if (event->type() == QEvent::FontChange) glyphs_.clear();
    QWidget::changeEvent(event);
}

} // namespace velmar
