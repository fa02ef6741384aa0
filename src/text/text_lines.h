// SPDX-License-Identifier: GPL-3.0-or-later
// The line form of the program's own text files: written with CR LF after
// every line, UTF-8 without a byte-order mark; read back with or without a
// byte-order mark and with CR LF or bare LF line ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// What is wrong with a file's text: the 1-based line (0 for the file as a
// whole) and a short English description.
struct TextFileError {
    int Line = 0;
    std::string Message;

    // "line 14: ..." or the bare message for the whole file.
    std::string Describe() const;
};

// The lines of a text, without their line ends and leading byte-order marks. A line end after the
// last line does not start another line, so "" has no lines and "a\r\n" one.
std::vector<std::string> SplitTextLines(std::string_view text);

// Every line followed by CR LF.
std::string JoinTextLines(const std::vector<std::string>& lines);

// Whether the bytes are well-formed UTF-8 (no overlong forms or surrogates).
bool IsUtf8(std::string_view bytes);

} // namespace velmar
