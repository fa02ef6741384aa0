// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/candidate_tile.h"

#include "ui/board_widget.h"
#include "ui/ui_text.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolButton>

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

Tfrmtile::Tfrmtile(TPICSD33& board, std::function<bool()> pencilMode, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      board_(board), pencilMode_(std::move(pencilMode)) {
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
    connect(AdvGlowButton1_, &QToolButton::clicked, this, &Tfrmtile::AutoFillTile);
}

void Tfrmtile::Relabel(const StringTable& texts) {
    setWindowTitle(Text(texts, "frmtile.caption"));
    AdvGlowButton1_->setText(Text(texts, "frmtile.advglowbutton1"));
}

void Tfrmtile::OpenTile(int row, int col, QPoint origin) {
    row_ = row;
    col_ = col;
    const std::string& text = board_.node(row, col).Text;
    for (int d = 1; d <= 9; ++d)
        A_[d - 1]->setChecked(text.find(static_cast<char>('0' + d)) != std::string::npos);
    move(origin + QPoint(46 * col + 20, 46 * row + 90));
    openMark_ = true;
    show();
    raise();
    activateWindow();
}

void Tfrmtile::WriteBack() {
    TPicNode& n = board_.node(row_, col_);
    std::string digits;
    for (int d = 1; d <= 9; ++d)
        if (A_[d - 1]->isChecked()) digits += static_cast<char>('0' + d);
    n.Text = std::move(digits);
    n.State = kStateOpen;
    board_.ShowHeldCandidates(row_, col_);
    // Pencil redraws then keep the marks the player set.
    if (pencilMode_()) n.CandHidden = 0;
    emit written();
}

void Tfrmtile::AutoFillTile() {
    const std::string computed = board_.cells().PeerCandidates(row_, col_);
    for (int d = 1; d <= 9; ++d)
        A_[d - 1]->setChecked(computed.find(static_cast<char>('0' + d)) != std::string::npos);
    WriteBack();
    openMark_ = false;
    hide();
}

void Tfrmtile::Toggle(int digit) {
    A_[digit - 1]->setChecked(!A_[digit - 1]->isChecked());
    WriteBack();
}

void Tfrmtile::keyPressEvent(QKeyEvent* event) {
    const int k = event->key();
    if (k == Qt::Key_Escape) {
        openMark_ = false;
        hide();
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
    openMark_ = false;
    QWidget::closeEvent(event);
}

void Tfrmtile::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit closed();
}

} // namespace velmar
