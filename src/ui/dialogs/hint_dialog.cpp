// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/hint_dialog.h"

#include "game/play_session.h"
#include "hints/study/staged_hint.h"
#include "ui/platform/ui_text.h"

#include <QPushButton>
#include <QTextEdit>

namespace velmar {

namespace {

constexpr QRect kMemo(2, 4, 462, 110);
constexpr QSize kButton(113, 33);
constexpr int kButtonLeft = 472;

QString FromSentence(const std::string& sentence) {
    // The engine joins a sentence's lines with CR LF.
    return QString::fromUtf8(sentence.data(), static_cast<qsizetype>(sentence.size()))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

Tfrmsolover::Tfrmsolover(PlaySession& session, const StringTable& texts, QWidget* parent)
    : QDialog(parent), session_(session), texts_(texts) {
    setObjectName(QStringLiteral("frmsolover"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);

    Memo1_ = new QTextEdit(this);
    Memo1_->setObjectName(QStringLiteral("Memo1"));
    Memo1_->setGeometry(kMemo);
    Memo1_->setReadOnly(true);
    Memo1_->setFocusPolicy(Qt::NoFocus); // Enter goes to the action button
    Memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Memo1_->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    QFont f = Memo1_->font();
    f.setBold(true);
    f.setPointSize(11);
    Memo1_->setFont(f);

    bthint_ = new QPushButton(this);
    bthint_->setObjectName(QStringLiteral("bthint"));
    bthint_->setGeometry(QRect(QPoint(kButtonLeft, 6), kButton));
    bthint_->setDefault(true);
    button2_ = new QPushButton(this);
    button2_->setObjectName(QStringLiteral("button2"));
    button2_->setGeometry(QRect(QPoint(kButtonLeft, 80), kButton));
    button2_->setAutoDefault(false);
    btstage_ = new QPushButton(this);
    btstage_->setObjectName(QStringLiteral("btstage"));
    btstage_->setGeometry(QRect(QPoint(kButtonLeft, 43), kButton));
    btstage_->setAutoDefault(false);
    connect(btstage_, &QPushButton::clicked, this, &Tfrmsolover::btstageClick);
    connect(bthint_, &QPushButton::clicked, this, &Tfrmsolover::bthintClick);
    connect(button2_, &QPushButton::clicked, this, &QDialog::reject);
}

QString Tfrmsolover::LookupText(std::string_view key) const {
    return Text(texts_, key);
}

bool Tfrmsolover::Prepare(const QWidget& mainWindow) {
    if (!session_.OpenHints()) return false;
    setWindowTitle(LookupText("frmsolover.caption"));
    button2_->setText(LookupText("frmsolover.button2.caption"));
    const QRect main = mainWindow.frameGeometry();
    move(main.left(), main.top() + 520);
    ShowState();
    bthint_->setFocus();
    return true;
}

void Tfrmsolover::Open(QWidget& mainWindow) {
    if (!Prepare(mainWindow)) return;
    exec();
    session_.CloseHints();
    mainWindow.activateWindow();
}

void Tfrmsolover::bthintClick() {
    if (session_.hintSearchesNext()) {
        // Painted now: the search runs before the event loop gets back.
        Memo1_->setPlainText(LookupText("frmsolover.thinking"));
        Memo1_->repaint();
    }
    session_.HintAction();
    ShowState();
}

void Tfrmsolover::btstageClick() {
    session_.ShowSmallerHint(session_.hintStage() == study::kLastStage);
    ShowState();
}

void Tfrmsolover::ShowState() {
    Memo1_->setPlainText(FromSentence(session_.hintText()));
    const bool whole = session_.hintStage() == study::kLastStage;
    btstage_->setText(LookupText(whole ? "frmsolover.smaller" : "frmsolover.more"));
    btstage_->setEnabled(session_.hintShowsDeduction());
    bthint_->setText(LookupText(session_.hintOffersDoItForMe() ? "frmsolover.doitforme"
                                                               : "frmsolover.nexthint"));
}

} // namespace velmar
