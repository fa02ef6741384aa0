// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/import_dialog.h"

#include "exchange/import_examples.h"
#include "text/string_table.h"
#include "ui/platform/ui_text.h"

#include <QBoxLayout>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

namespace velmar {

namespace {

// "Courier New" at size 8, or the system's fixed-width face where it is
// missing, so boxed grids line up.
QFont FixedWidthFont() {
    QFont font(QStringLiteral("Courier New"), 8);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(8);
    }
    return font;
}

QPushButton* AddButton(QWidget* parent, QBoxLayout* row, const char* name) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

TfrmImport::TfrmImport(const StringTable& texts, QWidget* parent) : QDialog(parent), texts_(texts) {
    setObjectName(QStringLiteral("frmImport"));
    auto* layout = new QVBoxLayout(this);
    Memo1_ = new QPlainTextEdit(this);
    Memo1_->setObjectName(QStringLiteral("Memo1"));
    Memo1_->setFont(FixedWidthFont());
    // Recognition works on the lines as typed; a boxed grid reads best unwrapped.
    Memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1_->setTabChangesFocus(true);
    Memo1_->setMinimumSize(QFontMetrics(Memo1_->font()).horizontalAdvance(QString(96, 'x')) + 24,
                           QFontMetrics(Memo1_->font()).lineSpacing() * 14 + 16);
    Memo1_->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(Memo1_);
    Label1_ = new QLabel(this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(Label1_);

    auto* examples = new QHBoxLayout;
    Label2_ = new QLabel(this);
    Label2_->setObjectName(QStringLiteral("Label2"));
    examples->addWidget(Label2_);
    for (int n = 1; n <= kImportExamples; ++n) {
        const QByteArray name = "Button" + QByteArray::number(n + 2);
        examples_[n - 1] = AddButton(this, examples, name.constData());
        connect(examples_[n - 1], &QPushButton::clicked, this, [this, n] { LoadExample(n); });
    }
    examples->addStretch();
    Button1_ = AddButton(this, examples, "Button1");
    Button2_ = AddButton(this, examples, "Button2");
    layout->addLayout(examples);
    connect(Button1_, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2_, &QPushButton::clicked, this, &QDialog::reject);

    PopupMenu1_ = new QMenu(this);
    PopupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    const std::array<std::pair<const char*, void (QPlainTextEdit::*)()>, 4> items = {{
        {"e1", &QPlainTextEdit::selectAll},
        {"e2", &QPlainTextEdit::copy},
        {"e3", &QPlainTextEdit::paste},
        {"e4", &QPlainTextEdit::clear},
    }};
    for (size_t i = 0; i < items.size(); ++i) {
        menuItems_[i] = PopupMenu1_->addAction(QString());
        menuItems_[i]->setObjectName(QString::fromLatin1(items[i].first));
        connect(menuItems_[i], &QAction::triggered, Memo1_, items[i].second);
    }
    connect(Memo1_, &QWidget::customContextMenuRequested, this, &TfrmImport::ShowContextMenu);
    Relabel();
}

void TfrmImport::Relabel() {
    setWindowTitle(Text(texts_, "frmImport.caption"));
    Label1_->setText(Text(texts_, helpKey_));
    Label2_->setText(Text(texts_, "frmImport.Label2.Caption"));
    Button1_->setText(Text(texts_, "frmImport.button1.Caption"));
    Button2_->setText(Text(texts_, "frmImport.button2.Caption"));
    for (int n = 1; n <= kImportExamples; ++n)
        examples_[n - 1]->setText(
            Text(texts_, "frmImport.button" + std::to_string(n + 2) + ".Caption"));
    for (size_t i = 0; i < menuItems_.size(); ++i)
        menuItems_[i]->setText(Text(texts_, "frmImport.e" + std::to_string(i + 1) + ".Caption"));
}

QString TfrmImport::text() const {
    return Memo1_->toPlainText();
}

void TfrmImport::LoadExample(int number) {
    const ImportExample example = ImportExampleText(number);
    Memo1_->setPlainText(QString::fromStdString(example.text));
    helpKey_ = example.helpKey;
    Label1_->setText(Text(texts_, helpKey_));
}

void TfrmImport::ShowContextMenu(QPoint at) {
    const bool selection = Memo1_->textCursor().hasSelection();
    menuItems_[1]->setEnabled(selection);
    menuItems_[2]->setEnabled(Memo1_->canPaste());
    PopupMenu1_->exec(Memo1_->viewport()->mapToGlobal(at));
}

} // namespace velmar
