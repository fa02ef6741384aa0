// SPDX-License-Identifier: GPL-3.0-or-later
// The board panel (the board with its row letters and column digits) as the
// main window shows it, painted by the one board painter into a picture, and
// that picture written as a JPEG, BMP or PNG file chosen by its name. Needs
// QtGui only, so velmar-cli draws the same picture without a screen.
#pragma once

#include "ui/board/board_painter.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

class QPalette;

namespace velmar {

// The panel's size and where the board sits in it.
inline constexpr QSize kBoardPanelSize(466, 462);
inline constexpr QPoint kBoardInPanel(25, 20);

struct BoardPanelStyle {
    QFont font;        // the window's font; the labels are bold 9 pt of it
    QColor background; // behind the labels
    QColor frame;      // the panel's outline
    QColor labels;     // the row letters and column digits
    static BoardPanelStyle FromPalette(const QPalette& palette, const QFont& font);
};

// The outline and the labels around the board (not the board itself).
void PaintBoardFrame(QPainter& p, const BoardPanelStyle& style);

// The whole panel at a device pixel ratio: `ratio` times the panel's size in
// pixels, drawn as sharp as the screen shows it.
QImage BoardPanelPicture(const BoardDisplay& board, const BoardPanelStyle& style, qreal ratio);

// Writes the picture in the format its name asks for (PictureFormatForName),
// replacing the file atomically. Returns why it failed, or an empty text.
QString SaveBoardPicture(const QImage& picture, const QString& fileName);

} // namespace velmar
