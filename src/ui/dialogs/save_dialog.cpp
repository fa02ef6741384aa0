// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/save_dialog.h"

#include "storage/saved_games.h"
#include "ui/dialogs/dialog_buttons.h"
#include "ui/dialogs/prompter.h"
#include "ui/main_window/main_window.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velmar {

bool AcceptGameName(TForm1& window, const std::string& name) {
    if (IsStorableGameName(name)) return true;
    window.prompter().warn(Severity::Warning, window.LookupText("msg_title_warning"),
                           window.LookupText("msg_invalid_game_name"));
    return false;
}

Tfrmsave::Tfrmsave(TForm1& window, int level, SaveAction save)
    : QDialog(&window), window_(window), save_(std::move(save)) {
    setObjectName(QStringLiteral("frmsave"));
    setWindowTitle(window.LookupText("frmsave.caption"));
    auto* label = new QLabel(window.LookupText("frmsave.label1.caption"), this);
    Edit1_ = new QLineEdit(window.LookupText("frmsave.edit1.text"), this);
    Edit1_->setObjectName(QStringLiteral("Edit1"));
    Edit1_->selectAll();
    label->setBuddy(Edit1_);

    auto* group = new QGroupBox(window.LookupText("frmsave.radiogroup1.caption"), this);
    group->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1_ = new QButtonGroup(this);
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < 6; ++i) {
        auto* b = new QRadioButton(
            window.LookupText("frmsave.radiogroup1.items[" + std::to_string(i) + "]"), group);
        RadioGroup1_->addButton(b, i);
        grid->addWidget(b, i % 3, i / 3);
        levels_[static_cast<size_t>(i)] = b;
    }
    levelButton(level >= 0 && level <= 5 ? level : 5)->setChecked(true);

    Button1_ = new QPushButton(window.LookupText("frmsave.button1.caption"), this);
    Button1_->setObjectName(QStringLiteral("Button1"));
    Button1_->setDefault(true);
    Button2_ = new QPushButton(window.LookupText("frmsave.button2.caption"), this);
    Button2_->setObjectName(QStringLiteral("Button2"));
    connect(Button1_, &QPushButton::clicked, this, &Tfrmsave::accept);
    connect(Button2_, &QPushButton::clicked, this, &Tfrmsave::reject);
    // A game needs a name to be found again.
    connect(Edit1_, &QLineEdit::textChanged, this,
            [this](const QString& text) { Button1_->setEnabled(!text.isEmpty()); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1_);
    buttons->addWidget(Button2_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(Edit1_);
    layout->addWidget(group);
    layout->addLayout(buttons);
    window.ApplyStandardFont(this);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
    KeepDialogFixed(this);
}

int Tfrmsave::selectedLevel() const {
    return RadioGroup1_->checkedId();
}

void Tfrmsave::accept() {
    if (Edit1_->text().isEmpty()) return;
    // A refused name leaves the dialog open for another.
    const std::string name = Edit1_->text().toStdString();
    if (!AcceptGameName(window_, name)) return;
    if (save_) save_(name, selectedLevel());
    QDialog::accept();
}

} // namespace velmar
