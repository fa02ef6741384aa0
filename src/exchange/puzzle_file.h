// SPDX-License-Identifier: GPL-3.0-or-later
// A puzzle text file opened from the desktop: one puzzle in any layout the
// import reads, or several, one per line or separated by empty lines, as
// puzzle collections (.sdm, .txt) hold them. SadMan-style comment lines
// ("#A author") are skipped when the text is no puzzle with them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmar {

struct PuzzleFile {
    std::size_t count = 0; // 0: no puzzle the import reads
    std::string first;     // the first puzzle's text, for the import
};

PuzzleFile ReadPuzzleFile(std::string_view utf8Text);

} // namespace velmar
