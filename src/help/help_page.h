// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game finds its help page: next to the program file in a build
// tree, in the shared data folder when installed.
#pragma once

#include <filesystem>
#include <vector>

namespace velmar {

// The help page's file name.
inline constexpr const char* kHelpPageName = "help1.html";

// The places the help page of the program in `programFolder` may be, most
// likely first: the program's own folder (the build copies the page there),
// the data folder of the prefix the program is installed in (so a prefix
// chosen at install time works too), and the data folder this build installs
// into. An empty `programFolder` leaves only the last.
std::vector<std::filesystem::path> HelpPageCandidates(const std::filesystem::path& programFolder);

// The first candidate that is a regular file; an empty path when there is none.
std::filesystem::path FindHelpPage(const std::filesystem::path& programFolder);

} // namespace velmar
