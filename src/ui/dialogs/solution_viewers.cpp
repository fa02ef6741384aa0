// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/solution_viewers.h"

#include "text/string_table.h"
#include "ui/board/board_widget.h"
#include "ui/dialogs/dialog_buttons.h"
#include "ui/platform/ui_text.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmar {

namespace {

QPushButton* AddCloseRow(QDialog* dialog, QVBoxLayout* layout) {
    auto* button = new QPushButton(dialog);
    button->setObjectName(QStringLiteral("Button1"));
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button);
    layout->addLayout(row);
    return button;
}

// Nine lines of nine digits.
QString Rows(std::string_view solution) {
    QString text;
    for (int r = 0; r < 9; ++r) {
        const std::string_view row = solution.substr(std::min<size_t>(r * 9, solution.size()), 9);
        text += QString::fromLatin1(row.data(), static_cast<qsizetype>(row.size()));
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace

Tfrmda::Tfrmda(QWidget* parent) : QDialog(parent), shown_(MainBoardProperties()) {
    setObjectName(QStringLiteral("frmda"));
    auto* layout = new QVBoxLayout(this);
    board_ = new TPICSD33(this);
    board_->setObjectName(QStringLiteral("sd991"));
    board_->Show(shown_);
    layout->addWidget(board_);
    Button1_ = AddCloseRow(this, layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    KeepDialogFixed(this);
}

void Tfrmda::Relabel(const StringTable& texts) {
    setWindowTitle(Text(texts, "frmda.caption"));
    Button1_->setText(Text(texts, "frmda.button1.caption"));
}

void Tfrmda::Fill(const BoardDisplay& mainBoard, std::string_view solution) {
    shown_.properties() = mainBoard.properties();
    BoardCells& cells = shown_.cells();
    for (int i = 0; i < 81; ++i) {
        TPicNode& n = cells.at(i);
        const TPicNode& shown = mainBoard.cells().at(i);
        if (shown.State == kStateGiven) {
            n.State = kStateGiven;
            n.Text = shown.Text;
        } else {
            n.State = kStatePlaced;
            n.Text = i < static_cast<int>(solution.size()) ? std::string(1, solution[i]) : "";
        }
    }
    // Conflicts first, so that a marked pair shows in the redraw.
    cells.FindConflict();
    shown_.RedrawAll();
    board_->Refresh();
}

TFrmdas::TFrmdas(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Frmdas"));
    auto* layout = new QVBoxLayout(this);
    Memo1_ = new QPlainTextEdit(this);
    Memo1_->setObjectName(QStringLiteral("Memo1"));
    Memo1_->setReadOnly(true);
    Memo1_->setMinimumSize(220, 360);
    layout->addWidget(Memo1_);
    Button1_ = AddCloseRow(this, layout);
}

void TFrmdas::Relabel(const StringTable& texts) {
    setWindowTitle(Text(texts, "frmdas.caption"));
    Button1_->setText(Text(texts, "frmdas.button1.caption"));
}

void TFrmdas::Fill(const StringTable& texts, std::string_view first, std::string_view second) {
    Memo1_->clear();
    QString text = Text(texts, "msg_frmdas_solution1") + QLatin1Char('\n') + Rows(first);
    text += QStringLiteral("\n\n");
    text += Text(texts, "msg_frmdas_solution2") + QLatin1Char('\n') + Rows(second);
    text.chop(1); // no line end after the last row
    Memo1_->setPlainText(text);
}

QString TFrmdas::text() const {
    return Memo1_->toPlainText();
}

} // namespace velmar
