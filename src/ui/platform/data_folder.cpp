// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/data_folder.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace velmar {

QString DataFolder() {
    QString folder = qEnvironmentVariable("VELMAR_DATA_DIR");
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                 QStringLiteral("/velmar");
    folder = QDir::cleanPath(QDir(folder).absolutePath());
    return folder + QLatin1Char('/');
}

bool EnsureDataFolder(const QString& folder) {
    for (const QString& path : {folder, folder + QStringLiteral("replay")}) {
        if (!QDir().mkpath(path)) return false;
        // A folder can be there and still refuse files: try one.
        QTemporaryFile probe(path + QStringLiteral("/.velmar-XXXXXX"));
        if (!probe.open()) return false;
    }
    return true;
}

} // namespace velmar
