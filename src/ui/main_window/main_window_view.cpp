// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a view: what the session reports is mirrored into the
// widgets, its questions and messages go through the prompter by key, and
// the help and about commands.
#include "ui/main_window/main_window.h"

#include "help/help_page.h"
#include "ui/board/board_widget.h"
#include "ui/board/candidate_tile.h"
#include "ui/board/digit_counter.h"
#include "ui/dialogs/prompter.h"
#include "ui/main_window/time_label.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QUrl>

namespace velmar {

QRadioButton* TForm1::modeButton(OperationMode mode) const {
    switch (mode) {
    case OperationMode::AllCandidates:
        return rb_all_;
    case OperationMode::PartCandidates:
        return rb_one_;
    default:
        return rb_none_;
    }
}

bool TForm1::finishLabelShown() const {
    return wcLabelAction_->isVisible();
}

void TForm1::SessionChanged(unsigned changes) {
    const PlaySession& s = session_;
    if (changes & kChangedBoard) sd991_->Refresh();
    if (changes & kChangedMode) {
        modeButton(s.mode())->setChecked(true);
        cbautoupdate_->setEnabled(s.autoUpdateEnabled());
    }
    if (changes & kChangedDigits)
        for (int d = 1; d <= 9; ++d) disnote_[d - 1]->setChecked(s.DigitDown(d));
    if (changes & kChangedCounters)
        for (int d = 1; d <= 9; ++d) {
            const int count = s.counts()[d - 1];
            counters_[d - 1]->setPosition(count);
            counters_[d - 1]->setBarColor(count >= 9 ? kRed : kBlue);
            counters_[d - 1]->setToolTip(QString::number(count));
        }
    if (changes & kChangedSteps) {
        const StepButtons b = s.stepButtons();
        action(Command::FirstStep)->setEnabled(b.First);
        action(Command::BackStep)->setEnabled(b.Back);
        action(Command::NextStep)->setEnabled(b.Next);
        action(Command::LastStep)->setEnabled(b.Last);
    }
    if (changes & kChangedFinish) wcLabelAction_->setVisible(s.finished());
    if (changes & (kChangedCommands | kChangedMode)) MirrorCommands();
    if (changes & kChangedGame) {
        sd991_->setEnabled(s.gameLoaded());
        RefreshLevelLabel();
    }
    if ((changes & kChangedLog) && history.logChanged) history.logChanged();
}

void TForm1::MirrorCommands() {
    const BranchButtons b = session_.branchButtons();
    // A command whose window is not built yet stays off whatever the game says.
    auto enable = [this](Command c, bool on) {
        action(c)->setEnabled(on && CommandTable()[static_cast<size_t>(c)].ready);
    };
    enable(Command::StartBranch, b.Start);
    enable(Command::AcceptBranch, b.Accept);
    enable(Command::RejectBranch, b.Reject);
    chkcolor_->setChecked(session_.marking());
    cbautoupdate_->setChecked(session_.autoUpdate());
}

bool TForm1::AskYesNo(std::string_view titleKey, std::string_view textKey) {
    return prompter_->askYesNo(LookupText(titleKey), LookupText(textKey));
}

void TForm1::Inform(std::string_view messageKey) {
    prompter_->inform(LookupText("msg_title_information"), LookupText(messageKey));
}

void TForm1::ClockSet(bool running, bool fromZero) {
    if (fromZero) TimeLabel1_->setMS(0);
    TimeLabel1_->setTimerenabled(running);
}

void TForm1::TileOpened(int row, int col) {
    frmtile_->OpenTile(row, col, frameGeometry().topLeft());
    ShowTip(LookupText("howtoclosetile"));
}

void TForm1::TileClosed() {
    frmtile_->hide();
}

void TForm1::ShowContents() {
    // The page next to the program or in the installed data folder; failing
    // both, the copy the program carries inside.
    const std::filesystem::path found =
        FindHelpPage(QCoreApplication::applicationDirPath().toStdString());
    QString page = QString::fromStdString(found.string());
    if (found.empty()) {
        page = dataFolder_ + QStringLiteral("help1.html");
        QFile::remove(page);
        QFile::copy(QStringLiteral(":/help/help1.html"), page);
    }
    if (!QFile::exists(page) || !QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        prompter_->warn(Severity::Warning, LookupText("msg_title_warning"),
                        LookupText("msg_help_missing").replace(QStringLiteral("%1"), page));
}

void TForm1::ShowAbout() {
    prompter_->inform(LookupText("frm_about.caption"),
                      LookupText("frm_about.lbl1.caption") + QLatin1Char('\n') +
                          LookupText("frm_about.lbl3.caption") + QLatin1Char('\n') +
                          LookupText("frm_about.lbl4.caption") + QLatin1Char('\n') +
                          LookupText("frm_about.lbl2.caption"));
}

} // namespace velmar
