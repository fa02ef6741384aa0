// SPDX-License-Identifier: GPL-3.0-or-later
// The settings backend over QSettings. On Windows the values live in the
// registry under HKEY_CURRENT_USER\SOFTWARE\Velmar; elsewhere in an INI file
// whose group "SOFTWARE/Velmar" holds the same value names and texts.
#pragma once

#include "storage/settings_store.h"

#include <QSettings>

#include <memory>

namespace velmar {

class QtSettingsStore : public SettingsBackend {
  public:
    // The user's own store.
    QtSettingsStore();
    // An INI file of its own, for tests and portable runs.
    explicit QtSettingsStore(const QString& iniFile);

    bool HasKey(std::string_view keyPath) const override;
    bool HasValue(std::string_view keyPath, std::string_view name) const override;
    std::string ReadString(std::string_view keyPath, std::string_view name) const override;
    bool WriteString(std::string_view keyPath, std::string_view name,
                     std::string_view value) override;

  private:
    QString Path(std::string_view keyPath, std::string_view name = {}) const;

    std::unique_ptr<QSettings> settings_;
};

} // namespace velmar
