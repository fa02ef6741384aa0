// SPDX-License-Identifier: GPL-3.0-or-later
// The button row at the foot of a dialog: an action button (the default) and
// a button that closes the dialog, both at the right.
#pragma once

#include <QString>

#include <utility>

class QBoxLayout;
class QDialog;
class QPushButton;

namespace velmar {

// The row added to `layout`; the second button rejects the dialog. The
// caller connects the first.
std::pair<QPushButton*, QPushButton*> AddActionAndCloseRow(QDialog* dialog, QBoxLayout* layout,
                                                           const QString& actionName,
                                                           const QString& closeName);

// A dialog of fixed size: title, system menu and close button, no maximise
// button (there is nothing to maximise).
void KeepDialogFixed(QDialog* dialog);

} // namespace velmar
