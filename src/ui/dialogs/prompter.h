// SPDX-License-Identifier: GPL-3.0-or-later
// Every modal question and message of the windows goes through one Prompter,
// so tests answer without a screen and the texts come from the string table.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace velmar {

class StringTable;

// How grave a problem is: one the player can act on, or a failure.
enum class Severity { Warning, Critical };

class Prompter {
  public:
    virtual ~Prompter() = default;
    // A Yes/No question; true only for Yes.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
    // A message with one OK button.
    virtual void inform(const QString& title, const QString& text) = 0;
    // A problem with one OK button, shown with the warning or critical icon.
    virtual void warn(Severity severity, const QString& title, const QString& text) {
        static_cast<void>(severity);
        inform(title, text);
    }
};

// Message boxes over a parent window, their buttons labelled from the active
// table (which must outlive the prompter).
class MessageBoxPrompter : public Prompter {
  public:
    MessageBoxPrompter(QWidget* parent, const StringTable& texts)
        : parent_(parent), texts_(texts) {}
    bool askYesNo(const QString& title, const QString& text) override;
    void inform(const QString& title, const QString& text) override;
    void warn(Severity severity, const QString& title, const QString& text) override;

  private:
    void ShowMessage(QMessageBox::Icon icon, const QString& title, const QString& text);

    QWidget* parent_;
    const StringTable& texts_;
};

} // namespace velmar
