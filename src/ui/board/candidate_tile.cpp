// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/board/candidate_tile.h"

#include "game/play_session.h"
#include "ui/platform/ui_text.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolButton>
#include <functional>

namespace velmar {

namespace {

constexpr int kButtonSide = 20;

// A toggle button that toggles on either mouse button.
class TileButton : public QToolButton {
  public:
    using QToolButton::QToolButton;
    std::function<void()> toggled;

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
            event->accept();
            setChecked(!isChecked());
            if (toggled) toggled();
            return;
        }
        QToolButton::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
};

} // namespace

Tfrmtile::Tfrmtile(PlaySession& session, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      session_(session) {
    setObjectName(QStringLiteral("frmtile"));
    setFixedSize(kClientWidth, kClientHeight);
    for (int d = 1; d <= 9; ++d) {
        auto* b = new TileButton(this);
        b->setObjectName(QStringLiteral("A%1").arg(d));
        b->setText(QString::number(d));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(2 + ((d - 1) % 3) * kButtonSide, 2 + ((d - 1) / 3) * kButtonSide,
                       kButtonSide, kButtonSide);
        b->toggled = [this] { WriteBack(); };
        A_[d - 1] = b;
    }
    AdvGlowButton1_ = new QToolButton(this);
    AdvGlowButton1_->setObjectName(QStringLiteral("AdvGlowButton1"));
    AdvGlowButton1_->setFocusPolicy(Qt::NoFocus);
    AdvGlowButton1_->setGeometry(2, 66, kClientWidth - 4, 34);
    QFont small = AdvGlowButton1_->font();
    small.setPointSize(7); // "Automatic" fits the narrow tile
    AdvGlowButton1_->setFont(small);
    // A digit that is down must read as down at a glance.
    setStyleSheet(QStringLiteral(
        "QToolButton:checked { background-color: #3d7bd9; color: white; border: 1px solid "
        "#2a5ca8; border-radius: 2px; }"));
    connect(AdvGlowButton1_, &QToolButton::clicked, this, [this] { session_.AutoFillTile(); });
}

void Tfrmtile::Relabel(const StringTable& texts) {
    setWindowTitle(Text(texts, "frmtile.caption"));
    AdvGlowButton1_->setText(Text(texts, "frmtile.advglowbutton1"));
}

void Tfrmtile::OpenTile(int row, int col, QPoint origin) {
    const std::string& text = session_.cells().cell(row, col).Text;
    for (int d = 1; d <= 9; ++d)
        A_[d - 1]->setChecked(text.find(static_cast<char>('0' + d)) != std::string::npos);
    move(origin + QPoint(46 * col + 20, 46 * row + 90));
    show();
    raise();
    activateWindow();
}

void Tfrmtile::WriteBack() {
    std::string digits;
    for (int d = 1; d <= 9; ++d)
        if (A_[d - 1]->isChecked()) digits += static_cast<char>('0' + d);
    session_.WriteTile(digits);
}

void Tfrmtile::Toggle(int digit) {
    A_[digit - 1]->setChecked(!A_[digit - 1]->isChecked());
    WriteBack();
}

void Tfrmtile::keyPressEvent(QKeyEvent* event) {
    const int k = event->key();
    if (k == Qt::Key_Escape) {
        session_.CloseTile();
    } else if (k >= Qt::Key_1 && k <= Qt::Key_9) {
        Toggle(k - Qt::Key_0);
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void Tfrmtile::closeEvent(QCloseEvent* event) {
    // The title bar's close button closes like Esc.
    QWidget::closeEvent(event);
    if (session_.tileOpen()) session_.CloseTile();
}

void Tfrmtile::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit closed();
}

} // namespace velmar
