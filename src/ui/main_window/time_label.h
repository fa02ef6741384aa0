// SPDX-License-Identifier: GPL-3.0-or-later
// TTimeLabel: the elapsed-time label with its own timer. Each tick adds the
// interval to MS and the caption follows as h:m:s without leading zeros.
#pragma once

#include <QLabel>
#include <QTimer>

#include <cstdint>

namespace velmar {

// "h:m:s" of MS div 1000 seconds, each part a plain decimal number.
QString FormatElapsed(std::int32_t ms);

class TTimeLabel : public QLabel {
    Q_OBJECT

  public:
    explicit TTimeLabel(QWidget* parent = nullptr);

    bool timerenabled() const { return timer_.isActive(); }
    void setTimerenabled(bool enabled);
    int timeinterval() const { return timer_.interval(); }
    void setTimeinterval(int ms) { timer_.setInterval(ms); }
    std::int32_t MS() const { return ms_; }
    void setMS(std::int32_t ms);

  private:
    QTimer timer_;
    std::int32_t ms_ = 0;
};

} // namespace velmar
