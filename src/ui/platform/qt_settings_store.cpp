// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/qt_settings_store.h"

#include "ui/platform/file_access.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace velmar {

QtSettingsStore::QtSettingsStore()
    : QtSettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                      QStringLiteral("/velmar/velmar.ini")) {}

QtSettingsStore::QtSettingsStore(const QString& iniFile) : file_(iniFile) {
    QFile file(file_);
    if (file.size() > kMaxFileBytes || !file.open(QIODevice::ReadOnly)) return;
    const QByteArray text = file.readAll();
    Load(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

bool QtSettingsStore::Commit() {
    QDir().mkpath(QFileInfo(file_).absolutePath());
    return WriteFileText(file_, Text()).Ok;
}

} // namespace velmar
