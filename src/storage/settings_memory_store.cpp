// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/settings_memory_store.h"

namespace velmar {

const MemorySettingsStore::Values* MemorySettingsStore::ValuesOf(std::string_view keyPath) const {
    const auto it = keys_.find(keyPath);
    return it == keys_.end() ? nullptr : &it->second;
}

bool MemorySettingsStore::HasKey(std::string_view keyPath) const {
    return ValuesOf(keyPath) != nullptr;
}

bool MemorySettingsStore::HasValue(std::string_view keyPath, std::string_view name) const {
    const Values* values = ValuesOf(keyPath);
    return values != nullptr && values->contains(name);
}

std::string MemorySettingsStore::ReadString(std::string_view keyPath, std::string_view name) const {
    const Values* values = ValuesOf(keyPath);
    if (values == nullptr) return {};
    const auto it = values->find(name);
    return it == values->end() ? std::string() : it->second;
}

bool MemorySettingsStore::WriteString(std::string_view keyPath, std::string_view name,
                                      std::string_view value) {
    if (!writable_) return false;
    auto key = keys_.try_emplace(std::string(keyPath)).first;
    key->second.insert_or_assign(std::string(name), std::string(value));
    return true;
}

void MemorySettingsStore::RemoveValue(std::string_view keyPath, std::string_view name) {
    const auto key = keys_.find(keyPath);
    if (key == keys_.end()) return;
    const auto value = key->second.find(name);
    if (value != key->second.end()) key->second.erase(value);
}

std::size_t MemorySettingsStore::ValueCount(std::string_view keyPath) const {
    const Values* values = ValuesOf(keyPath);
    return values == nullptr ? 0 : values->size();
}

} // namespace velmar
