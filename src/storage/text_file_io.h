// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reading and atomic writing for the core and velmar-cli (the game
// window writes through QSaveFile instead). An atomic write puts the new
// content in a temporary file of the same folder, flushes it to the disk and
// renames it over the old file, so a crash or a full disk leaves either the
// old file or the new one, whole. The temporary file's name carries the
// writer's process id; a later write removes those whose writer is gone (a
// killed program cannot clean up after itself).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmar {

// Files the program reads are small; anything larger is refused unread.
inline constexpr std::size_t kMaxTextFileSize = 64u << 20;

struct FileReadResult {
    enum Status { Read, Missing, Failed } Outcome = Failed;
    std::string Text;   // the file's bytes when Read
    std::string Reason; // why not, when Failed ("Permission denied", ...)
};

FileReadResult ReadTextFile(const std::string& path);

struct FileWriteResult {
    bool Ok = false;
    std::string Reason; // why not, when !Ok
};

// Replaces (or creates) the file with exactly these bytes. An existing file
// keeps its permissions. On failure the old file is untouched and no
// temporary file is left behind.
// A path naming a symbolic link is written through the link to its target,
// so a data file kept elsewhere (a synced folder) stays linked.
FileWriteResult WriteFileAtomically(const std::string& path, std::string_view content);

// The file a path finally names, following symbolic links in its last
// component (the path itself when it is no link, or the links go round).
std::string ResolveFileLinks(const std::string& path);

} // namespace velmar
