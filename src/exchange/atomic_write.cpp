// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/atomic_write.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

namespace velmar {

std::string WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    // A fresh name beside the target; "x" refuses a name that exists.
    std::random_device entropy;
    std::filesystem::path part;
    std::FILE* out = nullptr;
    for (int attempt = 0; attempt < 8 && out == nullptr; ++attempt) {
        part = file;
        part += ".part" + std::to_string(entropy() % 1000000);
        out = std::fopen(part.c_str(), "wbx");
        if (out == nullptr && errno != EEXIST) break;
    }
    if (out == nullptr) return std::strerror(errno);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    const int writeError = errno;
    if (std::fclose(out) != 0 || !written) {
        const std::string reason = std::strerror(written ? errno : writeError);
        std::remove(part.c_str());
        return reason;
    }
    std::error_code renamed;
    std::filesystem::rename(part, file, renamed);
    if (renamed) {
        std::remove(part.c_str());
        return renamed.message();
    }
    return {};
}

} // namespace velmar
