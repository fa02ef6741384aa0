// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_page.h"

#include <system_error>

// The build names both data folders; these defaults are the usual layout.
#ifndef VELMAR_HELP_DIR_FROM_BIN
#define VELMAR_HELP_DIR_FROM_BIN "../share/velmar"
#endif
#ifndef VELMAR_HELP_DIR
#define VELMAR_HELP_DIR "/usr/local/share/velmar"
#endif

namespace velmar {

std::vector<std::filesystem::path> HelpPageCandidates(const std::filesystem::path& programFolder) {
    std::vector<std::filesystem::path> candidates;
    if (!programFolder.empty()) {
        candidates.push_back(programFolder / kHelpPageName);
        candidates.push_back(
            (programFolder / VELMAR_HELP_DIR_FROM_BIN / kHelpPageName).lexically_normal());
    }
    const std::filesystem::path installed = std::filesystem::path(VELMAR_HELP_DIR) / kHelpPageName;
    if (candidates.empty() || installed != candidates.back()) candidates.push_back(installed);
    return candidates;
}

std::filesystem::path FindHelpPage(const std::filesystem::path& programFolder) {
    for (const std::filesystem::path& candidate : HelpPageCandidates(programFolder)) {
        std::error_code error; // an unreadable folder is just not the place
        if (std::filesystem::is_regular_file(candidate, error)) return candidate;
    }
    return {};
}

} // namespace velmar
