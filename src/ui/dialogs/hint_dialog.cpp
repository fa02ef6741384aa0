// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/hint_dialog.h"

#include "game/play_session.h"
#include "hints/ladder/technique_table.h"
#include "hints/study/staged_hint.h"
#include "ui/platform/ui_text.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTextEdit>

namespace velmar {

namespace {

constexpr QRect kMemo(2, 4, 462, 110);
constexpr QSize kButton(113, 33);
constexpr int kButtonLeft = 472;
// The row under the text: the switch on the left, the run's result on the right.
constexpr QRect kAdvancedBox(6, 119, 200, 20);
constexpr QRect kResult(210, 119, 375, 20);

QString FromSentence(const std::string& sentence) {
    // The engine joins a sentence's lines with CR LF.
    return QString::fromUtf8(sentence.data(), static_cast<qsizetype>(sentence.size()))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The rectangle moved by the least distance to lie inside `bounds` (its
// top left corner wins when it is larger).
QRect Inside(QRect r, const QRect& bounds) {
    r.moveLeft(std::max(bounds.left(), std::min(r.left(), bounds.right() - r.width() + 1)));
    r.moveTop(std::max(bounds.top(), std::min(r.top(), bounds.bottom() - r.height() + 1)));
    return r;
}

qint64 Covered(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : qint64{both.width()} * both.height();
}

} // namespace

QPoint HintWindowPlace(const QRect& screen, const QRect& mainFrame, const QRect& board,
                       const QSize& frame) {
    const QRect besides[] = {
        QRect(QPoint(mainFrame.left(), mainFrame.bottom() + 1), frame),
        QRect(QPoint(mainFrame.left(), mainFrame.top() - frame.height()), frame),
        QRect(QPoint(mainFrame.right() + 1, mainFrame.bottom() - frame.height() + 1), frame),
        QRect(QPoint(mainFrame.left() - frame.width(), mainFrame.bottom() - frame.height() + 1),
              frame),
    };
    QRect best;
    qint64 bestCover = -1;
    for (const QRect& place : besides) {
        // Slid along the main window's edge into the screen, it may still
        // keep clear of the main window.
        const QRect inside = Inside(place, screen);
        if (place.intersected(screen) == place || !inside.intersects(mainFrame))
            return inside.topLeft();
        const qint64 cover = Covered(inside, board);
        if (bestCover < 0 || cover < bestCover) {
            best = inside;
            bestCover = cover;
        }
    }
    return best.topLeft();
}

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
    chkadvanced_ = new QCheckBox(this);
    chkadvanced_->setObjectName(QStringLiteral("chkadvanced"));
    chkadvanced_->setGeometry(kAdvancedBox);
    chkadvanced_->setFocusPolicy(Qt::NoFocus); // Enter and Space stay with the action button
    lblresult_ = new QLabel(this);
    lblresult_->setObjectName(QStringLiteral("lblresult"));
    lblresult_->setGeometry(kResult);
    lblresult_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(chkadvanced_, &QCheckBox::toggled, this, &Tfrmsolover::advancedToggled);
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
    chkadvanced_->setText(LookupText("frmsolover.chkadvanced.caption"));
    ShowAdvanced(session_.AdvancedTechniques());
    PlaceBeside(mainWindow);
    ShowState();
    bthint_->setFocus();
    return true;
}

void Tfrmsolover::PlaceBeside(const QWidget& mainWindow) {
    const QScreen* screen = mainWindow.screen();
    if (!screen) return;
    // The frame is not known before the first showing: the main window's
    // borders stand in for it.
    const QRect main = mainWindow.frameGeometry();
    const QSize borders = isVisible() || testAttribute(Qt::WA_WState_Created)
                              ? frameGeometry().size() - size()
                              : main.size() - mainWindow.size();
    // The board with its row and column labels.
    QRect board = main;
    if (const auto* cells = mainWindow.findChild<const QWidget*>(QStringLiteral("sd991"))) {
        const QWidget* frame = cells->parentWidget();
        board = QRect(frame->mapToGlobal(QPoint(0, 0)), frame->size());
    }
    const QPoint at = HintWindowPlace(screen->availableGeometry(), main, board, size() + borders);
    move(at); // a dialog's move places its frame
}

void Tfrmsolover::Open(QWidget& mainWindow) {
    if (!Prepare(mainWindow)) return;
    exec();
    session_.CloseHints();
    mainWindow.activateWindow();
}

void Tfrmsolover::ShowAdvanced(bool on) {
    const QSignalBlocker quiet(chkadvanced_);
    chkadvanced_->setChecked(on);
}

void Tfrmsolover::RestartRun() {
    if (!isVisible() || !session_.OpenHints()) return;
    ShowState();
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
    lblresult_->setText(ResultText());
}

// With the ladder on, an ended run shows its score and the difficulty of its
// hardest step on the 1.0-11.9 scale.
QString Tfrmsolover::ResultText() const {
    const HintEngine& engine = session_.hintEngine();
    if (!session_.AdvancedTechniques() || engine.outcome() == kOutcomeRunning) return {};
    QString text = LookupText("frmsolover.score")
                       .replace(QStringLiteral("%1"), QString::number(engine.score()));
    if (engine.hardestTechnique() < 0) return text;
    const std::string_view name = ladder::techniqueInfo(engine.hardestTechnique()).name;
    return text + QStringLiteral("    ") +
           LookupText("frmsolover.difficulty")
               .replace(QStringLiteral("%1"),
                        QString::number(engine.hardestDifficulty() / 10.0, 'f', 1))
               .replace(QStringLiteral("%2"),
                        QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

} // namespace velmar
