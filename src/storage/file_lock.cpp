// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/file_lock.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace velmar {

FileLock::FileLock(const std::string& path, int waitMs) {
    const std::string lockPath = path + ".lock";
    // O_NOFOLLOW: a link planted in the lock's place is refused, not followed.
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
        reason_ = lockPath + ": " + std::strerror(errno);
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            fd_ = fd;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) break;
        if (std::chrono::steady_clock::now() >= deadline) {
            errno = EWOULDBLOCK;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    reason_ = errno == EWOULDBLOCK ? "the file is in use by another program; try again"
                                   : std::strerror(errno);
    ::close(fd);
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_); // closing the descriptor releases the lock
}

} // namespace velmar
