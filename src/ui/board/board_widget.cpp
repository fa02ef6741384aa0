// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/board/board_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace velmar {

namespace {

const BoardDisplay& EmptyBoard() {
    static const BoardDisplay empty;
    return empty;
}

} // namespace

TPICSD33::TPICSD33(QWidget* parent) : QWidget(parent), board_(&EmptyBoard()) {
    setFixedSize(kSide, kSide);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int i = 0; i < 81; ++i) painted_[i] = Snapshot(i);
}

TPICSD33::Painted TPICSD33::Snapshot(int index) const {
    const int r = index / 9 + 1, c = index % 9 + 1;
    const TPicNode& n = board_->node(r, c);
    return {board_->look(r, c), n.Text, n.State};
}

void TPICSD33::Show(const BoardDisplay& board) {
    board_ = &board;
    for (int i = 0; i < 81; ++i) painted_[i] = Snapshot(i);
    update();
}

void TPICSD33::Refresh() {
    for (int i = 0; i < 81; ++i) {
        const int r = i / 9 + 1, c = i % 9 + 1;
        const TPicNode& n = board_->node(r, c);
        Painted& was = painted_[i];
        if (was.look == board_->look(r, c) && was.text == n.Text && was.state == n.State) continue;
        was = Snapshot(i);
        update(CellRect(r, c));
    }
    // The change may have shown or hidden a candidate square under the mouse.
    if (hover_.isCell() && isEnabled()) SetHover(HitTest(mouseAt_));
}

void TPICSD33::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    PaintBoard(p, *board_, {font(), hover_, event->region(), &glyphs_, cursor_});
}

void TPICSD33::mousePressEvent(QMouseEvent* event) {
    mouseAt_ = event->position().toPoint();
    const BoardHit hit = HitTest(mouseAt_);
    event->accept();
    if (!hit.isCell()) return;
    if (hit.digit != 0)
        emit candidatePressed(hit.row, hit.col, hit.digit, event->button());
    else
        emit cellPressed(hit.row, hit.col, event->button());
}

void TPICSD33::SetHover(BoardHit hit) {
    if (hit == hover_) return;
    const BoardHit old = hover_;
    hover_ = hit;
    if (old.isCell()) update(CellRect(old.row, old.col));
    if (hit.isCell()) update(CellRect(hit.row, hit.col));
    if (old.isCell()) emit hoverLeft();
    if (hit.digit != 0)
        emit candidateEntered(hit.row, hit.col, hit.digit);
    else if (hit.isCell())
        emit cellEntered(hit.row, hit.col);
}

void TPICSD33::SetKeyCursor(int row, int col) {
    const BoardHit cell = row == 0 ? BoardHit{} : BoardHit{row, col, 0};
    if (cell == cursor_) return;
    if (cursor_.isCell()) update(CellRect(cursor_.row, cursor_.col));
    cursor_ = cell;
    if (cursor_.isCell()) update(CellRect(cursor_.row, cursor_.col));
}

void TPICSD33::mouseMoveEvent(QMouseEvent* event) {
    mouseAt_ = event->position().toPoint();
    SetHover(HitTest(mouseAt_));
}

void TPICSD33::leaveEvent(QEvent*) {
    SetHover({});
}

void TPICSD33::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) SetHover({});
    if (event->type() == QEvent::FontChange) glyphs_.Clear();
    QWidget::changeEvent(event);
}

} // namespace velmar
