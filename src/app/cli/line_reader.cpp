// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/line_reader.h"

#include <cerrno>
#include <cstring>

namespace velmar::cli {

bool LineReader::fill() {
    begin_ = 0;
    end_ = std::fread(buffer_, 1, sizeof buffer_, in_);
    if (end_ == 0 && std::ferror(in_)) errorNumber_ = errno != 0 ? errno : EIO;
    return end_ > 0;
}

bool LineReader::skipRest() {
    while (skipping_ && (begin_ < end_ || fill())) {
        const auto* newline =
            static_cast<const char*>(std::memchr(buffer_ + begin_, '\n', end_ - begin_));
        begin_ = newline ? static_cast<std::size_t>(newline - buffer_) + 1 : end_;
        skipping_ = !newline;
    }
    skipping_ = false;
    return !failed();
}

bool LineReader::next(InputLine& line) {
    line.text.clear();
    line.overLong = false;
    if (failed() || !skipRest()) return false;
    // One byte over the limit is kept so that a CR before the line end can
    // still be told from an over-long line.
    constexpr std::size_t kKept = kMaxLineBytes + 1;
    bool started = false;
    while (begin_ < end_ || fill()) {
        started = true;
        const char* start = buffer_ + begin_;
        const std::size_t available = end_ - begin_;
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', available));
        const std::size_t length = newline ? static_cast<std::size_t>(newline - start) : available;
        const std::size_t room = kKept - line.text.size();
        line.text.append(start, length < room ? length : room);
        begin_ += length;
        if (newline) ++begin_;
        if (length > room) {
            // Answered at once, so a command that stops at such a line does
            // not wait for the end of an endless one.
            line.overLong = true;
            skipping_ = !newline;
            break;
        }
        if (newline) break;
    }
    if (failed() || !started) return false;
    if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
    if (line.overLong || line.text.size() > kMaxLineBytes) {
        line.overLong = true;
        line.text.resize(kMaxLineBytes);
    }
    return true;
}

ReadAllResult ReadAll(std::FILE* in, std::size_t maxBytes, std::string& text) {
    text.clear();
    char buffer[16 * 1024];
    while (true) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, in);
        if (got == 0) return std::ferror(in) ? ReadAllResult::Failed : ReadAllResult::Read;
        if (got > maxBytes - text.size()) return ReadAllResult::TooLarge;
        text.append(buffer, got);
    }
}

} // namespace velmar::cli
