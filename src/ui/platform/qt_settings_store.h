// SPDX-License-Identifier: GPL-3.0-or-later
// The user's settings file: an INI file in the layout QSettings uses, group
// "SOFTWARE/Velmar" holding the nine value names and texts. The file is read
// once when the store is made and written whole, atomically, at the end of
// every save.
#pragma once

#include "storage/ini_settings_store.h"

#include <QString>

namespace velmar {

class QtSettingsStore : public IniSettingsStore {
  public:
    // The largest file read; a bigger one counts as damaged and is replaced.
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

    // The user's own file.
    QtSettingsStore();
    // An INI file of its own, for tests and portable runs.
    explicit QtSettingsStore(const QString& iniFile);

    bool Commit() override;

  private:
    QString file_;
};

} // namespace velmar
