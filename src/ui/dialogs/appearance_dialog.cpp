// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/appearance_dialog.h"

#include "text/string_table.h"
#include "ui/board/board_widget.h"
#include "ui/board/tcolor.h"
#include "ui/dialogs/dialog_buttons.h"
#include "ui/platform/ui_text.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmar {

namespace {

constexpr QSize kSwatch(40, 20);

// The colour boxes' names, in the order of AppearanceBoxes().
constexpr std::array<const char*, 6> kBoxNames = {"Panel1",  "Panel2",  "fpanel1",
                                                  "fpanel2", "fpanel3", "highpanle"};

} // namespace

TColorBox::TColorBox(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void TColorBox::setColour(TColor colour) {
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void TColorBox::setCaption(const QString& caption) {
    caption_ = caption;
    updateGeometry();
    update();
}

QSize TColorBox::sizeHint() const {
    return {kSwatch.width() + 8 + fontMetrics().horizontalAdvance(caption_) + 2,
            std::max(kSwatch.height() + 4, fontMetrics().height() + 4)};
}

void TColorBox::SetFramed(bool framed) {
    if (framed == framed_) return;
    framed_ = framed;
    update();
}

void TColorBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect swatch(QPoint(1, (height() - kSwatch.height()) / 2), kSwatch);
    p.fillRect(swatch, ToQColor(colour_));
    // A faint edge keeps a swatch in the window's own colour apart from the
    // window (black on a dark desktop); the hover frame is the strong one.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(framed_ || hasFocus() ? palette().color(QPalette::WindowText)
                                        : palette().color(QPalette::Mid),
                  1));
    p.drawRect(swatch.adjusted(-1, -1, 0, 0));
    // The caption follows the window's palette; only the swatch is the board's.
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(swatch.right() + 8, 0, width() - swatch.right() - 8, height()),
               Qt::AlignVCenter | Qt::AlignLeft, caption_);
}

void TColorBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TColorBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) return emit clicked();
    QWidget::keyPressEvent(event);
}

void TColorBox::enterEvent(QEnterEvent*) {
    SetFramed(true);
}

void TColorBox::leaveEvent(QEvent*) {
    SetFramed(false);
}

TfrmAppearance::TfrmAppearance(SettingsBackend& store, QWidget* parent)
    : QDialog(parent), store_(store), previewBoard_(MainBoardProperties()) {
    setObjectName(QStringLiteral("frmAppearance"));
    auto* groupsColumn = new QVBoxLayout;
    for (size_t g = 0; g < kAppearanceGroups.size(); ++g) {
        groups_[g] = new QGroupBox(this);
        groups_[g]->setObjectName(QStringLiteral("GroupBox%1").arg(g + 1));
        auto* box = new QVBoxLayout(groups_[g]);
        checkBoxes_[g] = new QCheckBox(groups_[g]);
        checkBoxes_[g]->setObjectName(QStringLiteral("CheckBox%1").arg(g + 1));
        box->addWidget(checkBoxes_[g]);
        const AppearanceGroup group = kAppearanceGroups[g];
        connect(checkBoxes_[g], &QCheckBox::clicked, this, [this, group](bool checked) {
            choice_.*DefaultFlag(group) = checked;
            GroupChanged(group);
        });
        groupsColumn->addWidget(groups_[g]);
    }
    for (size_t i = 0; i < boxes_.size(); ++i) {
        QGroupBox* group = groups_[static_cast<size_t>(AppearanceBoxes()[i].group)];
        boxes_[i] = new TColorBox(group);
        boxes_[i]->setObjectName(QString::fromLatin1(kBoxNames[i]));
        group->layout()->addWidget(boxes_[i]);
        connect(boxes_[i], &TColorBox::clicked, this,
                [this, i] { PickColour(static_cast<int>(i)); });
    }
    groupsColumn->addStretch();

    // The preview only shows; it takes no clicks.
    sd1_ = new TPICSD33(this);
    sd1_->setObjectName(QStringLiteral("sd1"));
    sd1_->setEnabled(false);
    SetUpPreview(previewBoard_);
    sd1_->Show(previewBoard_);

    auto* top = new QHBoxLayout;
    top->addLayout(groupsColumn);
    top->addWidget(sd1_, 0, Qt::AlignTop);
    Button1_ = new QPushButton(this);
    Button1_->setObjectName(QStringLiteral("Button1"));
    Button1_->setDefault(true);
    Button2_ = new QPushButton(this);
    Button2_->setObjectName(QStringLiteral("Button2"));
    Button3_ = new QPushButton(this);
    Button3_->setObjectName(QStringLiteral("Button3"));
    connect(Button1_, &QPushButton::clicked, this, &TfrmAppearance::OkClick);
    connect(Button2_, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3_, &QPushButton::clicked, this, &TfrmAppearance::DefaultClick);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button3_);
    buttons->addStretch();
    buttons->addWidget(Button1_);
    buttons->addWidget(Button2_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    KeepDialogFixed(this);
    LoadIntoDialog();
}

void TfrmAppearance::Relabel(const StringTable& texts) {
    texts_ = &texts;
    setWindowTitle(Text(texts, "frmappearance.caption"));
    auto key = [](const QObject* o) {
        return "frmappearance." + o->objectName().toLower().toStdString() + ".caption";
    };
    for (size_t g = 0; g < groups_.size(); ++g) {
        groups_[g]->setTitle(Text(texts, key(groups_[g])));
        checkBoxes_[g]->setText(Text(texts, key(checkBoxes_[g])));
    }
    for (TColorBox* box : boxes_) box->setCaption(Text(texts, key(box)));
    for (QPushButton* b : {Button1_, Button2_, Button3_}) b->setText(Text(texts, key(b)));
}

void TfrmAppearance::LoadIntoDialog() {
    choice_ = LoadAppearanceChoice(settings_, store_);
    ShowChoice();
}

void TfrmAppearance::ShowChoice() {
    for (size_t g = 0; g < kAppearanceGroups.size(); ++g) {
        checkBoxes_[g]->setChecked(choice_.*DefaultFlag(kAppearanceGroups[g]));
        ApplyToPreview(choice_, kAppearanceGroups[g], previewBoard_);
    }
    ShowSwatches();
    sd1_->Refresh();
}

// Each box shows what the board draws: the built-in colour while its
// group's "Default Color" is checked.
TColor TfrmAppearance::ShownColour(int index) const {
    const AppearanceBox& entry = AppearanceBoxes()[static_cast<size_t>(index)];
    return choice_.*DefaultFlag(entry.group) ? entry.builtIn : choice_.*entry.colour;
}

void TfrmAppearance::ShowSwatches() {
    for (size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->setColour(ShownColour(static_cast<int>(i)));
}

void TfrmAppearance::showEvent(QShowEvent* event) {
    // Every visit starts from the store: what an earlier visit left unsaved is gone.
    if (!event->spontaneous()) LoadIntoDialog();
    QDialog::showEvent(event);
}

void TfrmAppearance::GroupChanged(AppearanceGroup group) {
    StoreGroup(choice_, group, settings_);
    ApplyToPreview(choice_, group, previewBoard_);
    ShowSwatches();
    sd1_->Refresh();
}

void TfrmAppearance::PickColour(int index) {
    const AppearanceBox& entry = AppearanceBoxes()[static_cast<size_t>(index)];
    QColorDialog picker(ToQColor(ShownColour(index)), this);
    if (texts_) picker.setWindowTitle(Text(*texts_, "msg_select_color"));
    if (picker.exec() == QDialog::Accepted && picker.selectedColor().isValid()) {
        choice_.*entry.colour = FromQColor(picker.selectedColor());
        // A colour of one's own is what the board is to draw from now on.
        choice_.*DefaultFlag(entry.group) = false;
        checkBoxes_[static_cast<size_t>(entry.group)]->setChecked(false);
    }
    GroupChanged(entry.group);
}

void TfrmAppearance::OkClick() {
    saved_ = SaveSettings(settings_, store_);
    accept();
}

void TfrmAppearance::DefaultClick() {
    // The defaults are stored at once, even if the dialog is cancelled then;
    // they are what a load then reads. Shown from memory, they hold also when
    // the store cannot be written.
    SetDefaultSettings(settings_);
    SaveSettings(settings_, store_);
    choice_ = *ChoiceFromSettings(settings_);
    ShowChoice();
}

} // namespace velmar
