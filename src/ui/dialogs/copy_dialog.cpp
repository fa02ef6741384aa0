// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/copy_dialog.h"

#include "text/string_table.h"
#include "ui/dialogs/dialog_buttons.h"
#include "ui/platform/ui_text.h"

#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <tuple>

namespace velmar {

namespace {

// Courier New where it is installed, else the system's fixed-width face.
QFont ViewFont() {
    QFont font(QStringLiteral("Courier New"), 8);
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(8);
    }
    return font;
}

} // namespace

Tfrmcopy::Tfrmcopy(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmcopy"));
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    RadioGroup1_ = new QGroupBox(this);
    RadioGroup1_->setObjectName(QStringLiteral("RadioGroup1"));
    auto* formats = new QHBoxLayout(RadioGroup1_);
    for (int i = 0; i < 4; ++i) {
        auto* b = new QRadioButton(RadioGroup1_);
        b->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        formats->addWidget(b);
        const auto format = static_cast<ClipboardFormat>(i + 1);
        connect(b, &QRadioButton::clicked, this, [this, format] { SelectFormat(format); });
        radio_[i] = b;
    }
    top->addWidget(RadioGroup1_);
    labelblank_ = new QLabel(this);
    labelblank_->setObjectName(QStringLiteral("labelblank"));
    blank_ = new QComboBox(this);
    blank_->setObjectName(QStringLiteral("ComboBox1"));
    blank_->setEditable(true);
    blank_->setInsertPolicy(QComboBox::NoInsert);
    blank_->addItems(
        {QStringLiteral("."), QStringLiteral("*"), QStringLiteral("0"), QStringLiteral(",")});
    blank_->setMinimumContentsLength(3);
    labelblank_->setBuddy(blank_);
    connect(blank_, &QComboBox::editTextChanged, this, [this] { Render(); });
    top->addWidget(labelblank_);
    top->addWidget(blank_);
    top->addStretch();
    layout->addLayout(top);

    Memo1_ = new QPlainTextEdit(this);
    Memo1_->setObjectName(QStringLiteral("Memo1"));
    Memo1_->setReadOnly(true);
    Memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1_->setFont(ViewFont());
    // Room for the widest "With Candidates" board.
    const QFontMetrics metrics(Memo1_->font());
    Memo1_->setMinimumSize(metrics.horizontalAdvance(QString(96, QLatin1Char('-'))),
                           metrics.lineSpacing() * 15);
    layout->addWidget(Memo1_);

    std::tie(Button1_, Button2_) =
        AddActionAndCloseRow(this, layout, QStringLiteral("Button1"), QStringLiteral("Button2"));
    connect(Button1_, &QPushButton::clicked, this, &Tfrmcopy::Copy);
    radio_[0]->setChecked(true);
}

void Tfrmcopy::Relabel(const StringTable& texts) {
    setWindowTitle(Text(texts, "frmcopy.caption"));
    RadioGroup1_->setTitle(Text(texts, "frmcopy.RadioGroup1.Caption"));
    for (int i = 0; i < 4; ++i)
        radio_[i]->setText(Text(texts, "frmcopy.RadioGroup1.Items[" + std::to_string(i) + "]"));
    labelblank_->setText(Text(texts, "frmcopy.labelblank.caption"));
    Button1_->setText(Text(texts, "frmcopy.button1.Caption"));
    Button2_->setText(Text(texts, "frmcopy.button2.Caption"));
}

void Tfrmcopy::Open(const BoardCells& board) {
    board_ = board;
    radio_[0]->setChecked(true);
    SelectFormat(ClipboardFormat::NoCandidate);
}

void Tfrmcopy::SelectFormat(ClipboardFormat format) {
    format_ = format;
    // "With Candidates" always writes '.' for a cell without text.
    const bool blankApplies = format != ClipboardFormat::WithCandidates;
    labelblank_->setVisible(blankApplies);
    blank_->setVisible(blankApplies);
    Render();
}

void Tfrmcopy::Render() {
    const std::string lines =
        JoinLines(RenderClipboardText(board_, format_, blank_->currentText().toStdString()), "\n");
    text_ = QString::fromStdString(lines);
    QString shown = text_;
    shown.chop(1); // no empty line below the board
    Memo1_->setPlainText(shown);
}

void Tfrmcopy::Copy() {
    Memo1_->selectAll();
    QGuiApplication::clipboard()->setText(text_);
    accept();
}

} // namespace velmar
