// SPDX-License-Identifier: GPL-3.0-or-later
// POSIX file calls, so every failure comes with the system's reason.
#include "storage/text_file_io.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmar {

namespace {

std::string Reason() {
    return std::strerror(errno);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = EIO;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string NameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// "<file>.tmp<pid>-": the start of every temporary name this process uses.
std::string TemporaryPrefix(const std::string& path, long pid) {
    return path + ".tmp" + std::to_string(pid) + "-";
}

// Removes the temporary files of earlier writes to `path` whose writer no
// longer runs (killed in the middle of a write).
void RemoveStaleTemporaries(const std::string& path) {
    const std::string folder = FolderOf(path);
    const std::string start = NameOf(path) + ".tmp";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!name.starts_with(start)) continue;
        char* end = nullptr;
        const long pid = std::strtol(name.c_str() + start.size(), &end, 10);
        if (pid <= 0 || *end != '-' || std::strlen(end + 1) != 6) continue;
        if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            ::unlink((folder + "/" + name).c_str());
    }
    ::closedir(dir);
}

// Closes the descriptor on every path out of a read or a write.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

} // namespace

FileReadResult ReadTextFile(const std::string& path) {
    FileReadResult result;
    Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0) {
        if (errno == ENOENT) result.Outcome = FileReadResult::Missing;
        result.Reason = Reason();
        return result;
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) {
        result.Reason = Reason();
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.Reason = "not a regular file";
        return result;
    }
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.Reason = Reason();
            result.Text.clear();
            return result;
        }
        if (n == 0) break;
        if (result.Text.size() + static_cast<std::size_t>(n) > kMaxTextFileSize) {
            result.Reason = "the file is larger than 64 MiB";
            result.Text.clear();
            return result;
        }
        result.Text.append(buffer, static_cast<std::size_t>(n));
    }
    result.Outcome = FileReadResult::Read;
    return result;
}

std::string ResolveFileLinks(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4096) + 1,
                           '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) return current;
        target.resize(static_cast<std::size_t>(n));
        current = target[0] == '/' ? target : FolderOf(current) + "/" + target;
    }
    return path;
}

FileWriteResult WriteFileAtomically(const std::string& linkPath, std::string_view content) {
    const std::string path = ResolveFileLinks(linkPath);
    RemoveStaleTemporaries(path);
    std::string temporary = TemporaryPrefix(path, static_cast<long>(::getpid())) + "XXXXXX";
    Descriptor file{::mkstemp(temporary.data())};
    if (file.fd < 0) return {false, Reason()};
    const auto fail = [&] {
        FileWriteResult result{false, Reason()};
        ::unlink(temporary.c_str());
        return result;
    };
    // mkstemp makes the file private; give it the old file's mode, or the
    // mode a newly created file would have.
    struct stat old {};
    mode_t mode = 0666;
    if (::stat(path.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    if (::fchmod(file.fd, mode) != 0) return fail();
    if (!WriteAll(file.fd, content) || ::fsync(file.fd) != 0) return fail();
    const int fd = file.fd;
    file.fd = -1;
    if (::close(fd) != 0) return fail();
    if (::rename(temporary.c_str(), path.c_str()) != 0) return fail();
    // Make the rename itself durable; a failure here loses nothing.
    Descriptor folder{::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (folder.fd >= 0) ::fsync(folder.fd);
    return {true, {}};
}

} // namespace velmar
