// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/prompter.h"

#include "text/string_table.h"
#include "ui/platform/ui_text.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QPushButton>
#include <QSpacerItem>

namespace velmar {

namespace {

// A message box is as wide as its text needs, which can be narrower than its
// title: the window manager then cuts the title. A spacer across the box's
// grid keeps it wide enough for the title and the title bar's buttons.
void KeepTitleWhole(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
    const int width = metrics.horizontalAdvance(box.windowTitle()) + 160;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

bool MessageBoxPrompter::askYesNo(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent_);
    QPushButton* yes = box.addButton(Text(texts_, "msg_button_yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(Text(texts_, "msg_button_no"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    KeepTitleWhole(box);
    box.exec();
    return box.clickedButton() == yes;
}

void MessageBoxPrompter::inform(const QString& title, const QString& text) {
    ShowMessage(QMessageBox::Information, title, text);
}

void MessageBoxPrompter::warn(Severity severity, const QString& title, const QString& text) {
    ShowMessage(severity == Severity::Critical ? QMessageBox::Critical : QMessageBox::Warning,
                title, text);
}

void MessageBoxPrompter::ShowMessage(QMessageBox::Icon icon, const QString& title,
                                     const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent_);
    box.addButton(Text(texts_, "msg_button_ok"), QMessageBox::AcceptRole);
    KeepTitleWhole(box);
    box.exec();
}

} // namespace velmar
