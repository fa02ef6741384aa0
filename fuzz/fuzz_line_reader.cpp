// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes velmar-cli's bounded line reader against a plain split of the whole
// text: the same lines, each cut to the limit and marked when longer. A byte
// 0xFF followed by a count stands for count KiB of 'x', so that short inputs
// reach the limit and the reader's buffer boundaries.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/cli/line_reader.h"

namespace {

using velmar::cli::InputLine;
using velmar::cli::kMaxLineBytes;

std::string Expand(const std::uint8_t* data, std::size_t size) {
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFF && i + 1 < size) {
            text.append(std::size_t{data[++i]} * 1024, 'x');
        } else {
            text += static_cast<char>(data[i]);
        }
    }
    return text;
}

std::vector<InputLine> Split(const std::string& text) {
    std::vector<InputLine> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const bool overLong = line.size() > kMaxLineBytes;
        if (overLong) line.resize(kMaxLineBytes);
        lines.push_back({line, overLong});
        start = end + 1;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text = Expand(data, size);
    std::FILE* file = text.empty() ? std::tmpfile() : fmemopen(text.data(), text.size(), "rb");
    if (!file) return 0;
    velmar::cli::LineReader reader(file);
    std::vector<InputLine> read;
    for (InputLine line; reader.next(line);) read.push_back(line);
    const bool failed = reader.failed();
    std::fclose(file);
    const std::vector<InputLine> expected = Split(text);
    if (failed || read.size() != expected.size()) std::abort();
    for (std::size_t i = 0; i < read.size(); ++i)
        if (read[i].text != expected[i].text || read[i].overLong != expected[i].overLong)
            std::abort();
    return 0;
}
