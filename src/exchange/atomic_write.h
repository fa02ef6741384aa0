// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a whole file so that a reader never sees half of it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velmar {

// Writes the bytes to a file next to `file` and renames it over `file`, so a
// failed write leaves an earlier file as it was. Returns why it failed, or an
// empty text.
std::string WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

} // namespace velmar
