// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/time_label.h"

namespace velmar {

QString FormatElapsed(std::int32_t ms) {
    const std::int32_t s = ms / 1000;
    return QStringLiteral("%1:%2:%3").arg(s / 3600).arg((s % 3600) / 60).arg(s % 60);
}

TTimeLabel::TTimeLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    // A style sheet, not the palette: inside a tool bar the Fusion style
    // paints a label with the tool bar's palette.
    setStyleSheet(QStringLiteral("QLabel { background-color: black; color: #00ff00; }"));
    QFont f = font();
    f.setBold(true);
    f.setPointSize(11);
    setFont(f);
    setFixedWidth(80);
    setText(QStringLiteral("0:00:00"));
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, [this] { setMS(ms_ + timer_.interval()); });
}

void TTimeLabel::setTimerenabled(bool enabled) {
    if (enabled)
        timer_.start();
    else
        timer_.stop();
}

void TTimeLabel::setMS(std::int32_t ms) {
    ms_ = ms;
    setText(FormatElapsed(ms));
}

} // namespace velmar
