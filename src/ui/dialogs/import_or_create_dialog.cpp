// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/import_or_create_dialog.h"

#include "game/play_session.h"
#include "model/tqj.h"
#include "text/string_table.h"
#include "ui/board/board_widget.h"
#include "ui/dialogs/dialog_buttons.h"
#include "ui/dialogs/import_dialog.h"
#include "ui/dialogs/prompter.h"
#include "ui/platform/ui_text.h"

#include <QBoxLayout>
#include <QPushButton>

namespace velmar {

Tfrm_new::Tfrm_new(PlaySession& session, Prompter& prompter, const StringTable& texts,
                   QWidget* parent)
    : QDialog(parent), session_(session), prompter_(prompter), texts_(texts),
      model_(shown_.cells()) {
    setObjectName(QStringLiteral("frm_new"));
    auto* layout = new QHBoxLayout(this);
    sdnew_ = new TPICSD33(this);
    sdnew_->setObjectName(QStringLiteral("sdnew"));
    sdnew_->Show(shown_);
    layout->addWidget(sdnew_);
    auto* column = new QVBoxLayout;
    // Top to bottom: Load Puzzle, Import, Clear Grid, Check, Play, Quit.
    for (int n : {5, 6, 3, 1, 2, 4}) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("Button%1").arg(n));
        b->setAutoDefault(false);
        column->addWidget(b);
        if (n == 3 || n == 2) column->addSpacing(12);
        buttons_[n - 1] = b;
    }
    column->addStretch();
    layout->addLayout(column);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    KeepDialogFixed(this);
    connect(button(1), &QPushButton::clicked, this, &Tfrm_new::Button1Click);
    connect(button(2), &QPushButton::clicked, this, &Tfrm_new::Button2Click);
    connect(button(3), &QPushButton::clicked, this, &Tfrm_new::Button3Click);
    connect(button(4), &QPushButton::clicked, this, &QDialog::reject);
    connect(button(5), &QPushButton::clicked, this, &Tfrm_new::Button5Click);
    connect(button(6), &QPushButton::clicked, this, &Tfrm_new::Button6Click);

    connect(sdnew_, &TPICSD33::candidatePressed, this,
            [this](int r, int c, int d, Qt::MouseButton b) {
                const char digit = static_cast<char>('0' + d);
                const bool changed = b == Qt::LeftButton    ? model_.PlaceCandidate(r, c, digit)
                                     : b == Qt::RightButton ? model_.RemoveCandidate(r, c, digit)
                                                            : false;
                if (changed) Redraw();
            });
    connect(sdnew_, &TPICSD33::cellPressed, this, [this](int r, int c, Qt::MouseButton b) {
        if (b != Qt::LeftButton) return;
        model_.ReopenCell(r, c);
        Redraw();
    });
    frmImport_ = new TfrmImport(texts_, this);
    Redraw();
    Relabel();
}

void Tfrm_new::Relabel() {
    setWindowTitle(Text(texts_, "frm_new.caption"));
    for (int n = 1; n <= 6; ++n)
        button(n)->setText(Text(texts_, "frm_new.button" + std::to_string(n) + ".caption"));
    frmImport_->Relabel();
}

void Tfrm_new::Redraw() {
    shown_.RedrawAll();
    sdnew_->Refresh();
}

void Tfrm_new::Inform(std::string_view key) {
    // "Check OK" is news; every other message here says what is wrong.
    if (key == "msg_frm_new_onesolve")
        prompter_.inform(Text(texts_, "msg_title_information"), Text(texts_, key));
    else
        prompter_.warn(Severity::Warning, Text(texts_, "msg_title_warning"), Text(texts_, key));
}

int Tfrm_new::ImportText(const QString& text) {
    const int layout = model_.ImportText(text.toStdString());
    Redraw();
    if (layout == kLayoutInvalid) Inform(ImportOrCreateModel::kInvalidFormatKey);
    return layout;
}

void Tfrm_new::Button1Click() {
    Inform(ImportOrCreateModel::CheckMessageKey(model_.CheckPuzzle().result));
}

void Tfrm_new::Button2Click() {
    const PlayCheck check = model_.CheckForPlay();
    if (check.gate == PlayGate::kRefuse) return Inform(check.messageKey);
    if (check.gate == PlayGate::kAsk &&
        !prompter_.askYesNo(Text(texts_, "msg_title_confirm"), Text(texts_, check.messageKey)))
        return;
    TQJ game;
    BoardCells board;
    if (!model_.StartGame(check.report, game, board)) return;
    session_.StartImported(game, board);
    accept();
    emit gameStarted();
}

void Tfrm_new::Button3Click() {
    if (!prompter_.askYesNo(Text(texts_, "msg_title_confirm"), Text(texts_, "msg_frm_new_clear")))
        return;
    model_.ClearGrid();
    Redraw();
}

void Tfrm_new::Button5Click() {
    model_.LoadPuzzle(session_.cells());
    Redraw();
}

void Tfrm_new::Button6Click() {
    if (frmImport_->exec() == QDialog::Accepted) ImportText(frmImport_->text());
}

} // namespace velmar
