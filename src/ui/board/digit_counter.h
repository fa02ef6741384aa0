// SPDX-License-Identifier: GPL-3.0-or-later
// Tmousepb: one digit counter, a vertical bar 0..9 in a settable colour that
// also reports presses and the mouse entering or leaving it.
#pragma once

#include "ui/board/tcolor.h"

#include <QWidget>

namespace velmar {

class Tmousepb : public QWidget {
    Q_OBJECT

  public:
    explicit Tmousepb(QWidget* parent = nullptr);

    int position() const { return position_; }
    void setPosition(int value);
    TColor barColor() const { return barColor_; }
    void setBarColor(TColor colour);
    // The digit under the bar.
    void setLabel(const QString& label);

  signals:
    void pressed(Qt::MouseButton button);
    void entered();
    void left();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent*) override { emit entered(); }
    void leaveEvent(QEvent*) override { emit left(); }

  private:
    int position_ = 0;
    TColor barColor_ = kBlue;
    QString label_;
};

} // namespace velmar
