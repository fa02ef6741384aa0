// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/import_controller.h"

#include "exchange/puzzle_text_import.h"
#include "ui/dialogs/import_dialog.h"
#include "ui/dialogs/import_or_create_dialog.h"
#include "ui/main_window/main_window.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QRadioButton>

namespace velmar {

ImportController::ImportController(TForm1& window, PlaySession& session, QObject* parent)
    : QObject(parent), window_(window), session_(session) {
    frm_new_ = new Tfrm_new(session_, window_.prompter(), window_.ActiveTable(), &window_);
    connect(window_.action(Command::Import), &QAction::triggered, this,
            &ImportController::OpenDialog);
    connect(window_.action(Command::PastePuzzle), &QAction::triggered, this,
            &ImportController::PastePuzzle);
    // The new game's mode button takes the focus, as a click on it would.
    connect(frm_new_, &Tfrm_new::gameStarted, this,
            [this] { window_.modeButton(session_.mode())->setFocus(); });
}

void ImportController::OpenDialog() {
    frm_new_->Relabel();
    window_.ApplyStandardFont(frm_new_);
    window_.ApplyStandardFont(frm_new_->importDialog());
    frm_new_->exec();
}

void ImportController::PastePuzzle() {
    OpenPuzzle(QGuiApplication::clipboard()->text());
}

void ImportController::OpenPuzzle(const QString& text) {
    if (frm_new_->ImportText(text) == kLayoutInvalid) return;
    OpenDialog();
}

} // namespace velmar
