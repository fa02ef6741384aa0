// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/file_text.h"

#include <QFile>
#include <QSaveFile>

namespace velmar {

FileReadResult ReadFileText(const QString& path) {
    FileReadResult result;
    QFile file(path);
    if (!file.exists()) {
        result.Outcome = FileReadResult::Missing;
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.Reason = file.errorString().toStdString();
        return result;
    }
    if (file.size() > static_cast<qint64>(kMaxTextFileSize)) {
        result.Reason = "the file is too large";
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.Reason = file.errorString().toStdString();
        return result;
    }
    result.Outcome = FileReadResult::Read;
    result.Text.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return result;
}

FileWriteResult WriteFileText(const QString& path, std::string_view content) {
    QSaveFile file(path);
    const auto failed = [&file] {
        FileWriteResult result{false, file.errorString().toStdString()};
        file.cancelWriting();
        return result;
    };
    // Unbuffered, so a short write (a full disk) shows here; through the
    // buffer it would be lost and the shortened file committed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return failed();
    while (!content.empty()) {
        const qint64 written = file.write(content.data(), static_cast<qint64>(content.size()));
        if (written <= 0) return failed();
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    if (!file.commit()) return {false, file.errorString().toStdString()};
    return {true, {}};
}

} // namespace velmar
