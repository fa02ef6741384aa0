// SPDX-License-Identifier: GPL-3.0-or-later
// The game window's own files and the message that names a file and what
// went wrong with it.
#pragma once

#include "ui/platform/file_text.h"

#include <QString>

#include <string_view>

namespace velmar {

class TForm1;

// One error box: the message of the key with the file's name, then the detail
// (the reason, or the damaged line) on a line of its own.
void ReportFileProblem(TForm1& window, std::string_view messageKey, const QString& path,
                       const std::string& detail);

} // namespace velmar
