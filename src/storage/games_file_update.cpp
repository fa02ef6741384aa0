// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/games_file_update.h"

#include "storage/text_file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace velmar {

GamesFileUpdate UpdateGamesFile(const std::string& linkPath,
                                const std::function<bool(GamesFile&)>& change, int waitMs) {
    GamesFileUpdate result;
    // Locked beside the file itself, so every link to it shares one lock.
    const std::string path = ResolveFileLinks(linkPath);
    const FileLock lock(path, waitMs);
    if (!lock.locked()) {
        result.Reason = lock.reason();
        return result;
    }
    const FileReadResult read = ReadTextFile(path);
    if (read.Outcome == FileReadResult::Failed) {
        result.Reason = read.Reason;
        return result;
    }
    GamesFileRead parsed = read.Outcome == FileReadResult::Missing ? GamesFileRead{GamesFile(), {}}
                                                                   : GamesFile::Read(read.Text);
    if (!parsed.File) {
        result.Outcome = GamesFileUpdate::Damaged;
        result.Error = std::move(parsed.Error);
        return result;
    }
    if (!change(*parsed.File)) {
        result.Outcome = GamesFileUpdate::Unchanged;
        result.File = std::move(parsed.File);
        return result;
    }
    const FileWriteResult written = WriteFileAtomically(path, parsed.File->Write());
    if (!written.Ok) {
        result.Reason = written.Reason;
        return result;
    }
    result.Outcome = GamesFileUpdate::Changed;
    result.File = std::move(parsed.File);
    return result;
}

SetAsideResult SetDamagedGamesFileAside(const std::string& linkPath, int waitMs) {
    const std::string path = ResolveFileLinks(linkPath);
    const FileLock lock(path, waitMs);
    if (!lock.locked()) return {false, {}, lock.reason()};
    std::string target = path + ".damaged";
    struct stat info {};
    for (int n = 2; ::lstat(target.c_str(), &info) == 0; ++n)
        target = path + ".damaged" + std::to_string(n);
    if (std::rename(path.c_str(), target.c_str()) != 0) return {false, {}, std::strerror(errno)};
    return {true, target, {}};
}

} // namespace velmar
