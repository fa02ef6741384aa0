// SPDX-License-Identifier: GPL-3.0-or-later
// Re-labelling the main window from the active string table, the standard
// font, and the translator's export of the window's texts.
#include "ui/main_window/main_window.h"

#include "text/relabel_rules.h"
#include "ui/board/board_widget.h"
#include "ui/board/candidate_tile.h"
#include "ui/board/color_grid.h"
#include "ui/board/digit_counter.h"
#include "ui/dialogs/appearance_dialog.h"
#include "ui/dialogs/prompter.h"
#include "ui/dialogs/solution_viewers.h"
#include "ui/main_window/time_label.h"
#include "ui/platform/ui_text.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolButton>
#include <QToolTip>

namespace velmar {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Lower(const QObject* o) {
    return AsciiLower(o->objectName().toStdString());
}

} // namespace

QString TForm1::LookupText(std::string_view key) const {
    return Text(active_, key);
}

void TForm1::LoadLanguage(Language language) {
    active_.LoadLanguage(LanguageTable(language));
    language_ = language;
    for (size_t i = 0; i < languageItems_.size(); ++i)
        languageItems_[i].second->setChecked(kLanguages[i] == language);
    ApplyLanguage();
    RefreshLevelLabel();
}

void TForm1::ApplyLanguage() {
    auto caption = [this](const std::string& name) {
        return active_.LookupText(LabelKey(name, "caption"));
    };
    auto hint = [this](const std::string& name) {
        return Q(active_.LookupText(LabelKey(name, "hint")));
    };
    // Menu items keep their text when the table has none.
    for (const auto& [name, a] : menuItems_)
        if (auto text = RelabelledText(LabelKind::MenuItemCaption, caption(name)))
            a->setText(Q(*text));
    // Group boxes, tool buttons, radio buttons and check boxes always take it.
    for (QGroupBox* g : {grpshowcandidates_, grpColorPanel_})
        g->setTitle(Q(*RelabelledText(LabelKind::GroupBoxCaption, caption(Lower(g)))));
    for (const ToolButtonEntry& b : toolButtons_) {
        const QString text = Q(*RelabelledText(LabelKind::ToolButtonCaption, caption(b.name)));
        b.action->setIconText(text);
        if (!b.inMenu) b.action->setText(text); // only on a tool bar: its text is the button's
    }
    for (QRadioButton* r : {rb_none_, rb_all_, rb_one_})
        r->setText(Q(*RelabelledText(LabelKind::RadioButtonCaption, caption(Lower(r)))));
    for (QCheckBox* c : {cbautoupdate_, chkcolor_})
        c->setText(Q(*RelabelledText(LabelKind::CheckBoxCaption, caption(Lower(c)))));
    // Speed buttons keep their text when the table has none.
    std::vector<QToolButton*> speedButtons(disnote_.begin(), disnote_.end());
    speedButtons.push_back(bt_clearcolor_);
    for (QToolButton* b : speedButtons)
        if (auto text = RelabelledText(LabelKind::SpeedButtonCaption, caption(Lower(b))))
            b->setText(Q(*text));
    for (int d = 1; d <= 9; ++d) counters_[d - 1]->setLabel(disnote_[d - 1]->text());
    // Every control gets its hint; the counters show their counts instead.
    for (const ToolButtonEntry& b : toolButtons_) b.action->setToolTip(hint(b.name));
    for (QWidget* w :
         std::initializer_list<QWidget*>{rb_none_, rb_all_, rb_one_, cbautoupdate_, chkcolor_,
                                         colorgrid1_, bt_clearcolor_, TimeLabel1_, ndtxt_})
        w->setToolTip(hint(Lower(w)));
    for (QToolButton* b : disnote_) b->setToolTip(hint(Lower(b)));
    // The standard font last, over whatever the texts changed.
    ApplyStandardFont(this);
    // The play windows' own texts.
    frmtile_->Relabel(active_);
    frmda_->Relabel(active_);
    Frmdas_->Relabel(active_);
    ApplyStandardFont(Frmdas_);
    frmAppearance_->Relabel(active_);
    ApplyStandardFont(frmAppearance_);
}

void TForm1::ApplyStandardFont(QWidget* form) {
    QFont standard(Q(std::string(kStandardFontFace)), kStandardFontPointSize);
    form->setFont(standard);
    for (QMenu* m : menus_) m->setFont(standard);
    for (QMenu* m : form->findChildren<QMenu*>()) m->setFont(standard);
    sb1_->setFont(standard);
    QToolTip::setFont(standard);
    // Labels take the face and keep their own size.
    for (QLabel* l : form->findChildren<QLabel*>()) {
        QFont f = l->font();
        f.setFamily(standard.family());
        l->setFont(f);
    }
}

void TForm1::RefreshLevelLabel() {
    static constexpr std::string_view kKeys[] = {"msg_ndtxt_veryeasy",   "msg_ndtxt_gentle",
                                                 "msg_ndtxt_moderate",   "msg_ndtxt_tough",
                                                 "msg_ndtxt_diabolical", "msg_ndtxt_unkown"};
    if (!session_.gameLoaded()) return;
    const int nd = session_.level();
    ndtxt_->setText(LookupText(kKeys[nd >= 0 && nd <= 4 ? nd : 5]));
}

MainWindowTexts TForm1::CurrentTexts() const {
    MainWindowTexts texts;
    for (const auto& [name, a] : menuItems_)
        texts.menuItems.push_back({name, a->text().toStdString()});
    for (QGroupBox* g : {grpshowcandidates_, grpColorPanel_})
        texts.groupBoxes.push_back({Lower(g), g->title().toStdString()});
    for (const ToolButtonEntry& b : toolButtons_)
        texts.toolButtons.push_back(
            {b.name, b.action->iconText().toStdString(), b.action->toolTip().toStdString()});
    for (QRadioButton* r : {rb_none_, rb_all_, rb_one_})
        texts.radioButtons.push_back({Lower(r), r->text().toStdString()});
    for (QCheckBox* c : {cbautoupdate_, chkcolor_})
        texts.checkBoxes.push_back({Lower(c), c->text().toStdString()});
    texts.speedButtons.push_back({Lower(bt_clearcolor_), bt_clearcolor_->text().toStdString()});
    for (QToolButton* b : disnote_)
        texts.speedButtons.push_back({Lower(b), b->text().toStdString()});
    return texts;
}

bool TForm1::ExportTextsToDataFolder() {
    const QString file = dataFolder_ + QStringLiteral("all.txt");
    const bool written = ExportTexts(active_, CurrentTexts(), file.toStdString());
    const QString text = LookupText(written ? "msg_exporttexts_done" : "msg_file_write_failed")
                             .replace(QStringLiteral("%1"), file);
    if (written)
        prompter_->inform(LookupText("msg_title_information"), text);
    else
        prompter_->warn(Severity::Critical, LookupText("msg_title_error"), text);
    return written;
}

} // namespace velmar
