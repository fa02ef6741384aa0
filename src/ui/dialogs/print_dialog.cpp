// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/print_dialog.h"

#include "text/string_table.h"
#include "ui/dialogs/dialog_buttons.h"
#include "ui/platform/ui_text.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <tuple>

namespace velmar {

Tfrmprintselect::Tfrmprintselect(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmprintselect"));
    auto* layout = new QVBoxLayout(this);

    radiogroup1_ = new QGroupBox(this);
    radiogroup1_->setObjectName(QStringLiteral("radiogroup1"));
    auto* styles = new QVBoxLayout(radiogroup1_);
    RadioButton1_ = new QRadioButton(radiogroup1_);
    RadioButton1_->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2_ = new QRadioButton(radiogroup1_);
    RadioButton2_->setObjectName(QStringLiteral("RadioButton2"));
    styles->addWidget(RadioButton1_);
    styles->addWidget(RadioButton2_);
    RadioButton1_->setChecked(true);
    layout->addWidget(radiogroup1_);

    pg2_ = new QGroupBox(this);
    pg2_->setObjectName(QStringLiteral("pg2"));
    auto* sizes = new QVBoxLayout(pg2_);
    for (int i = 0; i < 3; ++i) {
        sizes_[i] = new QRadioButton(pg2_);
        sizes_[i]->setObjectName(QStringLiteral("pg2_%1").arg(i));
        sizes->addWidget(sizes_[i]);
    }
    sizes_[0]->setChecked(true);
    layout->addWidget(pg2_);

    std::tie(SpeedButton1_, SpeedButton2_) = AddActionAndCloseRow(
        this, layout, QStringLiteral("SpeedButton1"), QStringLiteral("SpeedButton2"));
    connect(SpeedButton1_, &QPushButton::clicked, this,
            [this] { emit printRequested(style(), paperSize()); });
    layout->setSizeConstraint(QLayout::SetFixedSize);
    KeepDialogFixed(this);
}

void Tfrmprintselect::Relabel(const StringTable& texts, const QString& title) {
    setWindowTitle(title);
    radiogroup1_->setTitle(Text(texts, "frmprintselect.radiogroup1.Caption"));
    RadioButton1_->setText(Text(texts, "frmprintselect.RadioButton1.Caption"));
    RadioButton2_->setText(Text(texts, "frmprintselect.RadioButton2.Caption"));
    pg2_->setTitle(Text(texts, "frmprintselect.pg2.Caption"));
    for (int i = 0; i < 3; ++i)
        sizes_[i]->setText(Text(texts, "frmprintselect.pg2.Items[" + std::to_string(i) + "]"));
    SpeedButton1_->setText(Text(texts, "frmprintselect.SpeedButton1.Caption"));
    SpeedButton2_->setText(Text(texts, "frmprintselect.SpeedButton2.Caption"));
}

PrintStyle Tfrmprintselect::style() const {
    return RadioButton2_->isChecked() ? PrintStyle::WithCandidates : PrintStyle::Normal;
}

PaperSize Tfrmprintselect::paperSize() const {
    for (int i = 0; i < 3; ++i)
        if (sizes_[i]->isChecked()) return static_cast<PaperSize>(i);
    return PaperSize::Small;
}

} // namespace velmar
