// SPDX-License-Identifier: GPL-3.0-or-later
// Every icon is drawn on a 20 x 20 design grid with one stroke width and a
// small palette; the engine scales the grid to the requested pixels. Disabled
// icons use the same shapes in grey.
#include "ui/main_window/painted_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace velmar {

namespace {

struct Palette {
    QColor ink;    // outlines
    QColor paper;  // light fills
    QColor accent; // the icon's own colour
    QColor good;
    QColor bad;
};

Palette PaletteFor(QIcon::Mode mode) {
    if (mode == QIcon::Disabled)
        return {QColor(150, 150, 150), QColor(238, 238, 238), QColor(175, 175, 175),
                QColor(170, 170, 170), QColor(170, 170, 170)};
    return {QColor(52, 62, 80), QColor(255, 255, 255), QColor(38, 110, 200), QColor(46, 150, 72),
            QColor(206, 52, 52)};
}

QColor LevelColour(int level, QIcon::Mode mode) {
    static const QColor colours[] = {QColor(62, 170, 92), QColor(40, 150, 170),
                                     QColor(226, 168, 36), QColor(232, 112, 40),
                                     QColor(200, 50, 60)};
    if (mode == QIcon::Disabled) return QColor(175, 175, 175);
    return colours[level];
}

class Painter {
  public:
    Painter(QPainter& p, const Palette& pal) : p_(p), pal_(pal) {}

    QPen Pen(const QColor& c, qreal w = 1.5) const {
        return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }
    void Stroke(const QPainterPath& path, const QColor& c, qreal w = 1.5) {
        p_.strokePath(path, Pen(c, w));
    }
    void Box(const QRectF& r, const QColor& fill, const QColor& line, qreal radius = 2) {
        p_.setPen(Pen(line));
        p_.setBrush(fill);
        p_.drawRoundedRect(r, radius, radius);
    }
    void Line(QPointF a, QPointF b, const QColor& c, qreal w = 1.5) {
        p_.setPen(Pen(c, w));
        p_.drawLine(a, b);
    }
    void Polygon(const QPolygonF& poly, const QColor& fill) {
        p_.setPen(Pen(fill, 1.0));
        p_.setBrush(fill);
        p_.drawPolygon(poly);
    }
    void Disc(QPointF centre, qreal radius, const QColor& fill) {
        p_.setPen(Qt::NoPen);
        p_.setBrush(fill);
        p_.drawEllipse(centre, radius, radius);
    }

    void Page(const QRectF& r) { Box(r, pal_.paper, pal_.ink, 1.5); }
    void TextLines(qreal left, qreal right, qreal top, int count, qreal gap) {
        for (int i = 0; i < count; ++i)
            Line({left, top + i * gap}, {right, top + i * gap}, pal_.accent, 1.3);
    }
    void Arrow(QPointF from, QPointF to, const QColor& c) {
        Line(from, to, c, 1.8);
        const QPointF d = to - from;
        const qreal len = std::hypot(d.x(), d.y());
        const QPointF u = d / len, n(-u.y(), u.x());
        Polygon(QPolygonF{to + u * 1.5, to - u * 3.5 + n * 3.5, to - u * 3.5 - n * 3.5}, c);
    }
    void Triangle(qreal tipX, qreal dir, const QColor& c) {
        // dir +1 points right, -1 left; 7 wide, 10 high around the centre line.
        Polygon(QPolygonF{{tipX, 10}, {tipX - dir * 7, 4.5}, {tipX - dir * 7, 15.5}}, c);
    }
    void MiniGrid(const QRectF& r, const QColor& fill, const QColor& line) {
        Box(r, fill, fill.darker(125), 2.5);
        for (int i = 1; i < 3; ++i) {
            const qreal x = r.left() + r.width() * i / 3, y = r.top() + r.height() * i / 3;
            Line({x, r.top() + 1.5}, {x, r.bottom() - 1.5}, line, 1.1);
            Line({r.left() + 1.5, y}, {r.right() - 1.5, y}, line, 1.1);
        }
    }

    QPainter& p_;
    const Palette& pal_;
};

void Draw(IconId id, QPainter& qp, QIcon::Mode mode) {
    const Palette pal = PaletteFor(mode);
    Painter d(qp, pal);
    switch (id) {
    case IconId::GameList:
        d.Page({3.5, 2.5, 13, 15});
        for (int i = 0; i < 4; ++i) {
            d.Disc({6.5, 6.5 + i * 3}, 0.9, pal.ink);
            d.Line({8.5, 6.5 + i * 3}, {13.5, 6.5 + i * 3}, pal.accent, 1.3);
        }
        break;
    case IconId::Save:
        d.Box({2.5, 2.5, 15, 15}, pal.accent, pal.accent.darker(140), 2);
        d.Box({5.5, 2.5, 9, 5.5}, pal.paper, pal.accent.darker(140), 0.5);
        d.Box({5, 11, 10, 6.5}, pal.paper, pal.accent.darker(140), 1);
        d.Line({11.5, 3.8}, {11.5, 6.5}, pal.ink, 1.5);
        break;
    case IconId::Printable:
        d.Page({5.5, 2.5, 9, 6});
        d.Box({2.5, 7.5, 15, 7}, pal.accent, pal.accent.darker(140), 2);
        d.Page({5.5, 12, 9, 5.5});
        d.TextLines(7.5, 12.5, 14.2, 2, 1.8);
        break;
    case IconId::Import:
        d.MiniGrid({2.5, 7.5, 10, 10}, pal.paper, pal.ink);
        d.Arrow({15.5, 2.5}, {15.5, 12}, pal.good);
        break;
    case IconId::Level0:
    case IconId::Level1:
    case IconId::Level2:
    case IconId::Level3:
    case IconId::Level4: {
        const int level = static_cast<int>(id) - static_cast<int>(IconId::Level0);
        const QColor c = LevelColour(level, mode);
        d.MiniGrid({2.5, 2.5, 15, 15}, c, QColor(255, 255, 255, 150));
        // One pip per level along the bottom edge: the more, the harder.
        const qreal step = 2.6, start = 10 - (level * step) / 2;
        for (int i = 0; i <= level; ++i) d.Disc({start + i * step, 14.6}, 1.05, pal.paper);
        break;
    }
    case IconId::Restart: {
        QPainterPath arc;
        arc.arcMoveTo(QRectF(3.5, 3.5, 13, 13), 60);
        arc.arcTo(QRectF(3.5, 3.5, 13, 13), 60, 280);
        d.Stroke(arc, pal.accent, 1.9);
        d.Polygon(QPolygonF{{13.0, 1.5}, {16.8, 6.3}, {11.0, 7.2}}, pal.accent);
        break;
    }
    case IconId::Solve: {
        QPainterPath eye;
        eye.moveTo(2, 10);
        eye.quadTo(10, 1.5, 18, 10);
        eye.quadTo(10, 18.5, 2, 10);
        qp.setPen(d.Pen(pal.ink));
        qp.setBrush(pal.paper);
        qp.drawPath(eye);
        d.Disc({10, 10}, 3.4, pal.accent);
        d.Disc({10, 10}, 1.4, pal.ink);
        break;
    }
    case IconId::Copy:
        d.Page({2.5, 2.5, 9.5, 11.5});
        d.Page({8, 6, 9.5, 11.5});
        d.TextLines(10, 15.5, 9.5, 3, 2.5);
        break;
    case IconId::SavePicture:
        d.Box({2.5, 3.5, 15, 13}, pal.paper, pal.ink, 1.5);
        d.Polygon(QPolygonF{{4, 15}, {8.5, 8.5}, {11.5, 12.5}, {13.5, 10.5}, {16, 15}}, pal.good);
        d.Disc({13.5, 7}, 1.6, LevelColour(2, mode));
        break;
    case IconId::Check:
        qp.setPen(d.Pen(pal.ink, 1.8));
        qp.setBrush(pal.paper);
        qp.drawEllipse(QPointF(8.5, 8.5), 5.5, 5.5);
        d.Line({12.5, 12.5}, {17.5, 17.5}, pal.ink, 2.6);
        d.Line({6, 8.8}, {7.9, 10.7}, pal.bad, 1.6);
        d.Line({7.9, 10.7}, {11, 6.5}, pal.bad, 1.6);
        break;
    case IconId::Hint: {
        const QColor bulb = mode == QIcon::Disabled ? pal.paper : QColor(255, 214, 64);
        qp.setPen(d.Pen(pal.ink));
        qp.setBrush(bulb);
        QPainterPath glass;
        glass.moveTo(7.5, 13);
        glass.cubicTo(7.5, 10.5, 4, 9.5, 4, 7);
        glass.cubicTo(4, 3.7, 6.8, 1.8, 10, 1.8);
        glass.cubicTo(13.2, 1.8, 16, 3.7, 16, 7);
        glass.cubicTo(16, 9.5, 12.5, 10.5, 12.5, 13);
        glass.closeSubpath();
        qp.drawPath(glass);
        d.Line({7.8, 15.2}, {12.2, 15.2}, pal.ink, 1.5);
        d.Line({8.5, 17.6}, {11.5, 17.6}, pal.ink, 1.5);
        break;
    }
    case IconId::StartBranch: {
        d.Line({6, 4}, {6, 16}, pal.ink, 1.7);
        QPainterPath fork;
        fork.moveTo(6, 12);
        fork.cubicTo(6, 8.5, 14, 10, 14, 6);
        d.Stroke(fork, pal.accent, 1.7);
        d.Disc({6, 4}, 2.2, pal.ink);
        d.Disc({6, 16}, 2.2, pal.ink);
        d.Disc({14, 5}, 2.4, pal.accent);
        break;
    }
    case IconId::Accept:
        d.Disc({10, 10}, 8, pal.good);
        d.Line({6, 10.3}, {8.8, 13.1}, pal.paper, 2.2);
        d.Line({8.8, 13.1}, {14.2, 7.2}, pal.paper, 2.2);
        break;
    case IconId::Reject:
        d.Disc({10, 10}, 8, pal.bad);
        d.Line({6.8, 6.8}, {13.2, 13.2}, pal.paper, 2.2);
        d.Line({13.2, 6.8}, {6.8, 13.2}, pal.paper, 2.2);
        break;
    case IconId::First:
        d.Line({4.5, 4.5}, {4.5, 15.5}, pal.accent, 2.2);
        d.Triangle(6.5, -1, pal.accent);
        d.Triangle(12, -1, pal.accent);
        break;
    case IconId::Back:
        d.Triangle(6, -1, pal.accent);
        break;
    case IconId::Next:
        d.Triangle(14, 1, pal.accent);
        break;
    case IconId::Last:
        d.Triangle(8, 1, pal.accent);
        d.Triangle(13.5, 1, pal.accent);
        d.Line({15.5, 4.5}, {15.5, 15.5}, pal.accent, 2.2);
        break;
    case IconId::Pencil: {
        const QColor wood = mode == QIcon::Disabled ? pal.paper : QColor(250, 196, 70);
        qp.setPen(d.Pen(pal.ink, 1.3));
        qp.setBrush(wood);
        qp.drawPolygon(QPolygonF{{13, 3}, {17, 7}, {7.5, 16.5}, {2.5, 17.5}, {3.5, 12.5}});
        d.Line({11, 5}, {15, 9}, pal.ink, 1.3);
        d.Polygon(QPolygonF{{2.5, 17.5}, {3.1, 14.6}, {5.4, 16.9}}, pal.ink);
        break;
    }
    case IconId::Application: {
        d.Box({1.5, 1.5, 17, 17}, QColor(255, 255, 255), QColor(30, 30, 30), 2.5);
        for (int i = 1; i < 3; ++i) {
            const qreal at = 1.5 + 17.0 * i / 3;
            d.Line({at, 2}, {at, 18}, QColor(30, 30, 30), 1.2);
            d.Line({2, at}, {18, at}, QColor(30, 30, 30), 1.2);
        }
        d.Box({7.2, 7.2, 5.6, 5.6}, pal.accent, pal.accent, 0.5);
        d.Box({2.8, 13, 3.3, 3.3}, LevelColour(2, mode), LevelColour(2, mode), 0.3);
        d.Box({13.9, 2.8, 3.3, 3.3}, pal.good, pal.good, 0.3);
        break;
    }
    }
}

class PaintedIconEngine : public QIconEngine {
  public:
    explicit PaintedIconEngine(IconId id) : id_(id) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 20.0, rect.height() / 20.0);
        Draw(id_, *painter, mode);
        painter->restore();
    }
    // Qt asks for the device pixels it needs (the size times the scale) and
    // sets the pixel ratio itself, so the shapes are drawn at full resolution.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }
    QIconEngine* clone() const override { return new PaintedIconEngine(id_); }

  private:
    IconId id_;
};

} // namespace

QIcon PaintedIcon(IconId id) {
    return QIcon(new PaintedIconEngine(id));
}

} // namespace velmar
