// SPDX-License-Identifier: GPL-3.0-or-later
// The game window's own files, read whole and written atomically through
// QSaveFile (a new file renamed over the old one), and the message that
// names a file and what went wrong with it.
#pragma once

#include "storage/text_file_io.h"

#include <QString>

#include <string_view>

namespace velmar {

class TForm1;

FileReadResult ReadFileText(const QString& path);
// Replaces (or creates) the file; on failure the old file is left whole.
FileWriteResult WriteFileText(const QString& path, std::string_view content);

// One error box: the message of the key with the file's name, then the detail
// (the reason, or the damaged line) on a line of its own.
void ReportFileProblem(TForm1& window, std::string_view messageKey, const QString& path,
                       const std::string& detail);

} // namespace velmar
