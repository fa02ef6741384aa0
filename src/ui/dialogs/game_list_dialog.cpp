// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/game_list_dialog.h"

#include "storage/games_file_update.h"
#include "ui/dialogs/dialog_buttons.h"
#include "ui/dialogs/prompter.h"
#include "ui/dialogs/save_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/file_access.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace velmar {

namespace {

constexpr std::array<const char*, 6> kLevelKeys = {
    "msg_frmgamelist_veryeasy", "msg_frmgamelist_gentle",     "msg_frmgamelist_moderate",
    "msg_frmgamelist_tough",    "msg_frmgamelist_diabolical", "msg_frmgamelist_unknown"};

QPushButton* AddButton(QWidget* parent, QHBoxLayout* row, const QString& text, const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    row->addWidget(b);
    return b;
}

} // namespace

Tfrmgamelist::Tfrmgamelist(TForm1& window, GamesFile games, QString path)
    : QDialog(&window), w_(window), games_(std::move(games)), path_(std::move(path)) {
    setObjectName(QStringLiteral("frmgamelist"));
    setWindowTitle(window.LookupText("frmgamelist.caption"));
    StringGrid1_ = new QTableWidget(0, 2, this);
    StringGrid1_->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1_->setHorizontalHeaderLabels({window.LookupText("msg_frmgamelist_gamename"),
                                             window.LookupText("msg_frmgamelist_difficulty")});
    StringGrid1_->setColumnWidth(0, 217);
    StringGrid1_->setColumnWidth(1, 116);
    StringGrid1_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1_->horizontalHeader()->setHighlightSections(false);
    StringGrid1_->verticalHeader()->hide();
    StringGrid1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1_->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1_->setWordWrap(false);
    const int frame = 2 * StringGrid1_->frameWidth();
    StringGrid1_->setFixedSize(
        217 + 116 + frame + StringGrid1_->verticalScrollBar()->sizeHint().width(), 260);

    auto* buttons = new QHBoxLayout;
    Button1_ =
        AddButton(this, buttons, window.LookupText("frmgamelist.button1.caption"), "Button1");
    Button2_ =
        AddButton(this, buttons, window.LookupText("frmgamelist.button2.caption"), "Button2");
    buttons->addStretch();
    Button3_ =
        AddButton(this, buttons, window.LookupText("frmgamelist.button3.caption"), "Button3");
    Button4_ =
        AddButton(this, buttons, window.LookupText("frmgamelist.button4.caption"), "Button4");
    Button3_->setDefault(true);
    connect(Button1_, &QPushButton::clicked, this, &Tfrmgamelist::DeleteClick);
    connect(Button2_, &QPushButton::clicked, this, &Tfrmgamelist::RenameClick);
    connect(Button3_, &QPushButton::clicked, this, &Tfrmgamelist::OpenClick);
    connect(Button4_, &QPushButton::clicked, this, &Tfrmgamelist::reject);
    connect(StringGrid1_, &QTableWidget::cellDoubleClicked, this, &Tfrmgamelist::OpenClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StringGrid1_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    KeepDialogFixed(this);
    Fill(0);
    window.ApplyStandardFont(this);
    StringGrid1_->verticalHeader()->setDefaultSectionSize(StringGrid1_->fontMetrics().height() + 8);
}

void Tfrmgamelist::Fill(int selectRow) {
    const std::vector<GameListRow> rows = games_.List();
    // Without games the grid still shows one empty row.
    StringGrid1_->setRowCount(std::max<int>(1, static_cast<int>(rows.size())));
    StringGrid1_->clearContents();
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const GameListRow& row = rows[static_cast<size_t>(r)];
        StringGrid1_->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(row.Name)));
        StringGrid1_->setItem(
            r, 1, new QTableWidgetItem(w_.LookupText(kLevelKeys[static_cast<size_t>(row.Level)])));
    }
    StringGrid1_->selectRow(std::clamp(selectRow, 0, StringGrid1_->rowCount() - 1));
}

std::optional<std::string> Tfrmgamelist::SelectedName() const {
    const std::vector<GameListRow> rows = games_.List();
    const int row = StringGrid1_->currentRow();
    if (row < 0 || row >= static_cast<int>(rows.size())) return std::nullopt;
    return rows[static_cast<size_t>(row)].Name;
}

bool Tfrmgamelist::Store(const std::function<bool(GamesFile&)>& change) {
    const GamesFileUpdate update = UpdateGamesFile(path_.toStdString(), change);
    if (update.Outcome == GamesFileUpdate::Damaged)
        ReportFileProblem(w_, "msg_file_read_failed", path_, update.Error.Describe());
    if (update.Outcome == GamesFileUpdate::Failed)
        ReportFileProblem(w_, "msg_file_write_failed", path_, update.Reason);
    if (!update.File) return false;
    games_ = *update.File;
    return true;
}

void Tfrmgamelist::DeleteClick() {
    const std::optional<std::string> name = SelectedName();
    if (!name) return;
    if (!w_.prompter().askYesNo(w_.LookupText("msg_title_confirm"),
                                w_.LookupText("msg_frmgamelist_querydelete")))
        return;
    const int row = StringGrid1_->currentRow();
    if (Store([&](GamesFile& file) { return file.Delete(*name); })) Fill(row);
}

void Tfrmgamelist::RenameClick() {
    const std::optional<std::string> name = SelectedName();
    if (!name) return;
    const QString current = QString::fromStdString(*name);
    for (;;) {
        QInputDialog prompt(this);
        prompt.setWindowTitle(w_.LookupText("msg_frmgamelist_sudoku"));
        prompt.setLabelText(w_.LookupText("msg_frmgamelist_entername"));
        prompt.setTextValue(current);
        prompt.setOkButtonText(w_.LookupText("msg_button_ok"));
        prompt.setCancelButtonText(w_.LookupText("msg_button_cancel"));
        if (prompt.exec() != QDialog::Accepted) return;
        const QString answer = prompt.textValue();
        if (answer.isEmpty()) return;
        if (!AcceptGameName(w_, answer.toStdString())) continue;
        RenameResult result = RenameResult::NotFound;
        const int row = StringGrid1_->currentRow();
        const bool stored = Store([&](GamesFile& file) {
            result = file.Rename(*name, answer.toStdString());
            return result == RenameResult::Renamed;
        });
        if (stored) Fill(row);
        if (stored && result == RenameResult::NameTaken) {
            w_.prompter().warn(Severity::Warning, w_.LookupText("msg_title_warning"),
                               w_.LookupText("msg_frmgamelist_queryexits"));
            continue;
        }
        return;
    }
}

void Tfrmgamelist::OpenClick() {
    const std::optional<std::string> name = SelectedName();
    // No game to open: the game in play stays as it is.
    if (!name) return reject();
    chosen_ = games_.Open(*name);
    accept();
}

} // namespace velmar
