// SPDX-License-Identifier: GPL-3.0-or-later
// Every modal question and message of the windows goes through one Prompter,
// so tests answer without a screen and the texts come from the string table.
#pragma once

#include <QString>

class QWidget;

namespace velmar {

class StringTable;

class Prompter {
  public:
    virtual ~Prompter() = default;
    // A Yes/No question; true only for Yes.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
    // A message with one OK button.
    virtual void inform(const QString& title, const QString& text) = 0;
};

// Message boxes over a parent window, their buttons labelled from the active
// table (which must outlive the prompter).
class MessageBoxPrompter : public Prompter {
  public:
    MessageBoxPrompter(QWidget* parent, const StringTable& texts)
        : parent_(parent), texts_(texts) {}
    bool askYesNo(const QString& title, const QString& text) override;
    void inform(const QString& title, const QString& text) override;

  private:
    QWidget* parent_;
    const StringTable& texts_;
};

} // namespace velmar
