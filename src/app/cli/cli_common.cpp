// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/cli_common.h"

#include "text/decimal.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace velmar::cli {

int usageError(std::string_view commandName, std::string_view message) {
    std::cerr << "velmar-cli";
    if (!commandName.empty()) std::cerr << ' ' << commandName;
    std::cerr << ": " << message << '\n';
    return kUsageError;
}

bool printHelpIfAsked(const Command& command, const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::cout << command.help;
            return true;
        }
    }
    return false;
}

bool splitArguments(std::string_view commandName, const std::vector<std::string>& args,
                    const std::vector<std::string_view>& known, std::vector<std::string>& options,
                    std::vector<std::string>& files) {
    bool onlyFiles = false;
    for (const std::string& arg : args) {
        if (!onlyFiles && arg == "--") {
            onlyFiles = true;
        } else if (!onlyFiles && arg.size() > 1 && arg[0] == '-') {
            if (std::find(known.begin(), known.end(), arg) == known.end()) {
                usageError(commandName, "unknown option '" + arg + "'");
                return false;
            }
            options.push_back(arg);
        } else {
            files.push_back(arg);
        }
    }
    return true;
}

bool hasOption(const std::vector<std::string>& options, std::string_view name) {
    return std::find(options.begin(), options.end(), name) != options.end();
}

namespace {

std::string withReason(std::string message, int errorNumber) {
    if (errorNumber != 0) message += std::string(": ") + std::strerror(errorNumber);
    return message;
}

// A file's name, or standard input for none.
std::string inputName(const std::string* file) {
    return file ? "'" + *file + "'" : std::string("standard input");
}

// An open input that closes itself.
struct Input {
    std::FILE* file;
    bool owned;
    explicit Input(const std::string* name)
        : file(name ? std::fopen(name->c_str(), "rb") : stdin), owned(name != nullptr) {}
    ~Input() {
        if (owned && file) std::fclose(file);
    }
    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

int readLines(std::string_view commandName, const std::string* name,
              const std::function<int(const InputLine&, const InputPlace&)>& perLine) {
    Input input(name);
    if (!input.file)
        return usageError(commandName, withReason("cannot read " + inputName(name), errno));
    LineReader reader(input.file);
    InputLine line;
    InputPlace place{inputName(name)};
    while (reader.next(line)) {
        ++place.line;
        // Editors on some systems start UTF-8 files with a byte-order mark.
        if (place.line == 1 && line.text.starts_with(kByteOrderMark))
            line.text.erase(0, kByteOrderMark.size());
        if (const int status = perLine(line, place); status != 0) return status;
        // finishOutput reports it once the command returns.
        if (outputFailed()) return kUsageError;
    }
    if (reader.failed())
        return usageError(commandName, withReason("error while reading " + inputName(name),
                                                  reader.errorNumber()));
    return 0;
}

} // namespace

int readInputLines(std::string_view commandName, const std::vector<std::string>& files,
                   const std::function<int(const InputLine&, const InputPlace&)>& perLine) {
    if (files.empty()) return readLines(commandName, nullptr, perLine);
    // Open every file before writing anything, so a bad name fails cleanly.
    for (const std::string& name : files) {
        if (!Input(&name).file)
            return usageError(commandName, withReason("cannot read " + inputName(&name), errno));
    }
    for (const std::string& name : files) {
        if (const int status = readLines(commandName, &name, perLine); status != 0) return status;
    }
    return 0;
}

int forEachInputLine(std::string_view commandName, const std::vector<std::string>& files,
                     const std::function<void(const InputLine& line)>& perLine) {
    return readInputLines(commandName, files, [&](const InputLine& line, const InputPlace&) {
        perLine(line);
        return 0;
    });
}

int readWholeInput(std::string_view commandName, const std::string& file, std::string& text,
                   std::size_t maxBytes) {
    const std::string* name = file.empty() ? nullptr : &file;
    Input input(name);
    if (!input.file)
        return usageError(commandName, withReason("cannot read " + inputName(name), errno));
    switch (ReadAll(input.file, maxBytes, text)) {
    case ReadAllResult::Read:
        return 0;
    case ReadAllResult::TooLarge:
        return usageError(commandName, inputName(name) + " is larger than " +
                                           std::to_string(maxBytes) + " bytes");
    case ReadAllResult::Failed:
        break;
    }
    return usageError(commandName, withReason("error while reading " + inputName(name), errno));
}

// The game window's data folder: $VELMAR_DATA_DIR, else the generic data
// location ($XDG_DATA_HOME, else ~/.local/share) followed by "velmar".
std::filesystem::path dataFolder() {
    const auto env = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    std::filesystem::path folder = env("VELMAR_DATA_DIR");
    if (folder.empty()) {
        std::filesystem::path base = env("XDG_DATA_HOME");
        if (base.empty()) {
            const std::string home = env("HOME");
            base = std::filesystem::path(home.empty() ? "/" : home) / ".local/share";
        }
        folder = base / "velmar";
    }
    std::error_code error; // no current folder: keep the path as it is
    if (const auto absolute = std::filesystem::absolute(folder, error); !error) folder = absolute;
    folder = folder.lexically_normal();
    if (!folder.has_filename() && folder.has_parent_path() && folder != folder.root_path())
        folder = folder.parent_path();
    return folder;
}

std::optional<std::uint64_t> parseDecimal(std::string_view text, std::uint64_t max) {
    const std::optional<std::uint64_t> value = ParseDecimal(text);
    if (!value || *value > max) return std::nullopt;
    return value;
}

bool outputFailed() {
    return !std::cout;
}

int finishOutput(std::string_view commandName, int status) {
    // Output that failed earlier (a full device) left the failed write's
    // reason in errno; keep it for the message.
    const int earlier = outputFailed() ? errno : 0;
    errno = 0;
    std::cout.flush();
    if (errno == 0) errno = earlier;
    if (!outputFailed()) return status;
    return usageError(commandName, withReason("error while writing standard output", errno));
}

} // namespace velmar::cli
