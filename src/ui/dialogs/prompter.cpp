// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/prompter.h"

#include "text/string_table.h"
#include "ui/platform/ui_text.h"

#include <QMessageBox>
#include <QPushButton>

namespace velmar {

bool MessageBoxPrompter::askYesNo(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent_);
    QPushButton* yes = box.addButton(Text(texts_, "msg_button_yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(Text(texts_, "msg_button_no"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void MessageBoxPrompter::inform(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::NoButton, parent_);
    box.addButton(Text(texts_, "msg_button_ok"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace velmar
