// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own files, read whole and written atomically through
// QSaveFile (a new file renamed over the old one): game files, settings,
// pictures and the printable page alike.
#pragma once

#include "storage/text_file_io.h"

#include <QString>

#include <string_view>

namespace velmar {

FileReadResult ReadFileText(const QString& path);
// Replaces (or creates) the file; on failure the old file is left whole.
FileWriteResult WriteFileText(const QString& path, std::string_view content);

} // namespace velmar
