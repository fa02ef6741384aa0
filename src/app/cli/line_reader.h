// SPDX-License-Identifier: GPL-3.0-or-later
// Line-by-line input in bounded memory: a line is kept up to a limit that no
// puzzle or position line comes near, and the rest of a longer line is
// skipped, so an endless input without a line end cannot exhaust memory.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace velmar::cli {

// The most bytes of one line a subcommand looks at.
constexpr std::size_t kMaxLineBytes = 64 * 1024;

struct InputLine {
    // The line without its "\n" or "\r\n"; of an over-long line its first
    // kMaxLineBytes bytes.
    std::string text;
    // The line was longer than kMaxLineBytes: every subcommand answers it as
    // an invalid line.
    bool overLong = false;
};

class LineReader {
  public:
    // Reads from `in`, which must stay open while the reader is used.
    explicit LineReader(std::FILE* in) : in_(in) {}

    // The next line; false at the end of the input or after a read error. An
    // over-long line comes back as soon as it passes the limit; its rest is
    // skipped when the line after it is asked for.
    bool next(InputLine& line);
    // A read error ended the input; errorNumber() tells which.
    bool failed() const { return errorNumber_ != 0; }
    int errorNumber() const { return errorNumber_; }

  private:
    bool fill();
    // Drops what is left of the last over-long line; false after a read error.
    bool skipRest();

    std::FILE* in_;
    char buffer_[16 * 1024];
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    int errorNumber_ = 0;
    bool skipping_ = false; // the last line was over-long and not yet ended
};

enum class ReadAllResult { Read, TooLarge, Failed };

// The whole of `in` into `text`, refusing more than `maxBytes`; a failure
// leaves errno set.
ReadAllResult ReadAll(std::FILE* in, std::size_t maxBytes, std::string& text);

} // namespace velmar::cli
