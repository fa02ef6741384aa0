// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/board/color_grid.h"

#include <QMouseEvent>
#include <QPainter>

namespace velmar {

TColorGrid::TColorGrid(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
}

TColor TColorGrid::ColorAt(int index) {
    static constexpr TColor kColours[16] = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
        0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    return kColours[index & 15];
}

void TColorGrid::setForegroundIndex(int index) {
    if (index < 0 || index > 15 || index == foreground_) return;
    foreground_ = index;
    update();
    emit foregroundChanged(index);
}

QRect TColorGrid::SwatchRect(int index) const {
    const int w = width() / 4, h = height() / 4;
    return {(index % 4) * w, (index / 4) * h, w, h};
}

void TColorGrid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int i = 0; i < 16; ++i) {
        const QRect r = SwatchRect(i).adjusted(1, 1, -1, -1);
        p.fillRect(r, ToQColor(ColorAt(i)));
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    // The chosen colour: a double frame that shows on light and dark swatches.
    const QRect chosen = SwatchRect(foreground_).adjusted(0, 0, -1, -1);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(chosen);
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(chosen.adjusted(1, 1, -1, -1));
}

void TColorGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    for (int i = 0; i < 16; ++i)
        if (SwatchRect(i).contains(event->position().toPoint())) setForegroundIndex(i);
}

} // namespace velmar
