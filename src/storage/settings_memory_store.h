// SPDX-License-Identifier: GPL-3.0-or-later
// A settings store held in memory: for tests and for runs that must not touch
// the user's real settings.
#pragma once

#include "storage/settings_store.h"

#include <map>
#include <string>

namespace velmar {

class MemorySettingsStore : public SettingsBackend {
  public:
    bool HasKey(std::string_view keyPath) const override;
    bool HasValue(std::string_view keyPath, std::string_view name) const override;
    std::string ReadString(std::string_view keyPath, std::string_view name) const override;
    bool WriteString(std::string_view keyPath, std::string_view name,
                     std::string_view value) override;

    // A store that refuses every write, like a registry without write access.
    void SetWritable(bool writable) { writable_ = writable; }
    // Drops a value, leaving its key in place.
    void RemoveValue(std::string_view keyPath, std::string_view name);
    // The number of values under a key.
    std::size_t ValueCount(std::string_view keyPath) const;

  private:
    using Values = std::map<std::string, std::string, std::less<>>;
    const Values* ValuesOf(std::string_view keyPath) const;

    std::map<std::string, Values, std::less<>> keys_;
    bool writable_ = true;
};

} // namespace velmar
