// SPDX-License-Identifier: GPL-3.0-or-later
// The sixteen-colour grid of the colour panel. A left click picks the
// foreground colour, the one colour marking paints with.
#pragma once

#include "ui/board/tcolor.h"

#include <QWidget>

namespace velmar {

class TColorGrid : public QWidget {
    Q_OBJECT

  public:
    explicit TColorGrid(QWidget* parent = nullptr);

    // The sixteen standard colours, black to white.
    static TColor ColorAt(int index);
    int foregroundIndex() const { return foreground_; }
    void setForegroundIndex(int index);
    TColor foregroundColor() const { return ColorAt(foreground_); }

  signals:
    void foregroundChanged(int index);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QRect SwatchRect(int index) const;

    int foreground_ = 0;
};

} // namespace velmar
