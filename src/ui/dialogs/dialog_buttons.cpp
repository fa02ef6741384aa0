// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/dialog_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace velmar {

std::pair<QPushButton*, QPushButton*> AddActionAndCloseRow(QDialog* dialog, QBoxLayout* layout,
                                                           const QString& actionName,
                                                           const QString& closeName) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* action = new QPushButton(dialog);
    action->setObjectName(actionName);
    action->setDefault(true);
    auto* close = new QPushButton(dialog);
    close->setObjectName(closeName);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
    row->addWidget(action);
    row->addWidget(close);
    layout->addLayout(row);
    return {action, close};
}

void KeepDialogFixed(QDialog* dialog) {
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
}

} // namespace velmar
