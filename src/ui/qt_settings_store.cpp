// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_settings_store.h"

namespace velmar {

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QtSettingsStore::QtSettingsStore() {
#ifdef Q_OS_WIN
    // Key paths are given from the root of HKEY_CURRENT_USER.
    settings_ =
        std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER"), QSettings::NativeFormat);
#else
    settings_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("velmar"), QStringLiteral("velmar"));
#endif
}

QtSettingsStore::QtSettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

QString QtSettingsStore::Path(std::string_view keyPath, std::string_view name) const {
    QString path = FromView(keyPath);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!name.empty()) path += QLatin1Char('/') + FromView(name);
    return path;
}

bool QtSettingsStore::HasKey(std::string_view keyPath) const {
    settings_->sync();
    settings_->beginGroup(Path(keyPath));
    const bool found = !settings_->childKeys().isEmpty() || !settings_->childGroups().isEmpty();
    settings_->endGroup();
    return found;
}

bool QtSettingsStore::HasValue(std::string_view keyPath, std::string_view name) const {
    return settings_->contains(Path(keyPath, name));
}

std::string QtSettingsStore::ReadString(std::string_view keyPath, std::string_view name) const {
    return settings_->value(Path(keyPath, name)).toString().toStdString();
}

bool QtSettingsStore::WriteString(std::string_view keyPath, std::string_view name,
                                  std::string_view value) {
    settings_->setValue(Path(keyPath, name), FromView(value));
    settings_->sync();
    return settings_->status() == QSettings::NoError && settings_->isWritable();
}

} // namespace velmar
