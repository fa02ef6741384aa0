// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/data_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace velmar {

QString DataFolder() {
    QString folder = qEnvironmentVariable("VELMAR_DATA_DIR");
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                 QStringLiteral("/velmar");
    folder = QDir::cleanPath(QDir(folder).absolutePath());
    return folder + QLatin1Char('/');
}

void EnsureDataFolder(const QString& folder) {
    QDir().mkpath(folder);
    QDir().mkpath(folder + QStringLiteral("replay"));
}

} // namespace velmar
