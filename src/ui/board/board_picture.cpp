// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/board/board_picture.h"

#include "exchange/picture_encoding.h"
#include "ui/platform/file_text.h"

#include <QBuffer>
#include <QPainter>
#include <QPalette>

namespace velmar {

BoardPanelStyle BoardPanelStyle::FromPalette(const QPalette& palette, const QFont& font) {
    return {font, palette.color(QPalette::Window), palette.color(QPalette::Mid),
            palette.color(QPalette::WindowText)};
}

void PaintBoardFrame(QPainter& p, const BoardPanelStyle& style) {
    p.setPen(style.frame);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(0, 0), kBoardPanelSize).adjusted(0, 0, -1, -1));
    QFont f = style.font;
    f.setBold(true);
    f.setPointSize(9);
    p.setFont(f);
    p.setPen(style.labels);
    for (int i = 1; i <= 9; ++i) {
        const QRect cell = board_geometry::CellRect(i, i).translated(kBoardInPanel);
        p.drawText(QRect(cell.left(), 1, cell.width(), kBoardInPanel.y() - 2), Qt::AlignCenter,
                   QString::number(i));
        p.drawText(QRect(1, cell.top(), kBoardInPanel.x() - 2, cell.height()), Qt::AlignCenter,
                   QString(QChar('A' + i - 1)));
    }
}

QImage BoardPanelPicture(const BoardDisplay& board, const BoardPanelStyle& style, qreal ratio) {
    if (!(ratio >= 1.0)) ratio = 1.0;
    // The format the screen's backing store paints in, so that the text
    // blends to the same pixels; the encoders convert it.
    QImage picture((QSizeF(kBoardPanelSize) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(style.background);
    QPainter p(&picture);
    PaintBoardFrame(p, style);
    p.translate(kBoardInPanel);
    PaintBoard(p, board, {style.font, {}, {}, nullptr});
    return picture;
}

namespace {

EncodedPicture Encode(const QImage& picture, PictureFormat format) {
    // Opaque: the board has no see-through pixels.
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    if (format == PictureFormat::Png) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!rgb.save(&buffer, "PNG")) return {{}, "the PNG encoder failed"};
        return {bytes.toStdString(), {}};
    }
    const RgbPicture pixels = PictureFromRows(rgb.width(), rgb.height(), rgb.constBits(),
                                              static_cast<std::size_t>(rgb.bytesPerLine()));
    return format == PictureFormat::Jpeg ? EncodeJpeg(pixels) : EncodeBmp(pixels);
}

} // namespace

QString SaveBoardPicture(const QImage& picture, const QString& fileName) {
    const EncodedPicture encoded = Encode(picture, PictureFormatForName(fileName.toStdString()));
    if (!encoded.ok()) return QString::fromStdString(encoded.error);
    const FileWriteResult written = WriteFileText(fileName, encoded.bytes);
    return written.Ok ? QString() : QString::fromStdString(written.Reason);
}

} // namespace velmar
