// SPDX-License-Identifier: GPL-3.0-or-later
// An exclusive lock on a data file shared by several programs (two game
// windows, the game and velmar-cli). The lock is an flock() on a companion
// file "<file>.lock" beside the file: the kernel drops it when its holder
// exits, however it ends, so a lock left by a dead process is simply taken
// over. The companion file stays; removing it would race with a new holder.
#pragma once

#include <string>

namespace velmar {

// How long a live holder is waited for before giving up.
inline constexpr int kFileLockWaitMs = 5000;

class FileLock {
  public:
    // Locks `path` (already resolved through symbolic links) or gives up
    // after waitMs; locked() says which, reason() why not.
    explicit FileLock(const std::string& path, int waitMs = kFileLockWaitMs);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool locked() const { return fd_ >= 0; }
    const std::string& reason() const { return reason_; }

  private:
    int fd_ = -1;
    std::string reason_;
};

} // namespace velmar
