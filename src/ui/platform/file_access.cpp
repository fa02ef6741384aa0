// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/file_access.h"

#include "ui/dialogs/prompter.h"
#include "ui/main_window/main_window.h"

#include <QDir>

namespace velmar {

void ReportFileProblem(TForm1& window, std::string_view messageKey, const QString& path,
                       const std::string& detail) {
    QString text =
        window.LookupText(messageKey).replace(QStringLiteral("%1"), QDir::toNativeSeparators(path));
    if (!detail.empty()) text += QLatin1Char('\n') + QString::fromStdString(detail);
    window.prompter().warn(Severity::Critical, window.LookupText("msg_title_error"), text);
}

} // namespace velmar
