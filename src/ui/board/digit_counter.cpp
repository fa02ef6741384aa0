// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/board/digit_counter.h"

#include <QMouseEvent>
#include <QPainter>

namespace velmar {

Tmousepb::Tmousepb(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
}

void Tmousepb::setPosition(int value) {
    value = std::clamp(value, 0, 9);
    if (value == position_) return;
    position_ = value;
    update();
}

void Tmousepb::setBarColor(TColor colour) {
    if (colour == barColor_) return;
    barColor_ = colour;
    update();
}

void Tmousepb::setLabel(const QString& label) {
    label_ = label;
    update();
}

void Tmousepb::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int labelHeight = fontMetrics().height();
    const QRectF trough(0.5, 0.5, width() - 1.0, height() - labelHeight - 1.0);
    p.setPen(palette().color(QPalette::Mid));
    p.setBrush(palette().color(QPalette::Base));
    p.drawRoundedRect(trough, 2, 2);
    if (position_ > 0) {
        const qreal inner = trough.height() - 2;
        const qreal h = inner * position_ / 9.0;
        const QRectF bar(trough.left() + 1.5, trough.bottom() - 1 - h, trough.width() - 3, h);
        const QColor c = ToQColor(barColor_);
        QLinearGradient g(bar.topLeft(), bar.topRight());
        g.setColorAt(0, c.lighter(135));
        g.setColorAt(1, c);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(bar, 1.5, 1.5);
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(0, height() - labelHeight, width(), labelHeight), Qt::AlignCenter, label_);
}

void Tmousepb::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button());
}

} // namespace velmar
