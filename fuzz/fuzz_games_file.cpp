// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the games.dat reader and the changes made on what it read: a read
// file writes back to text that reads the same, every listed game opens and
// can be stored again, and renames and deletes keep the file readable.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "storage/saved_games.h"

namespace {

using velmar::GamesFile;

GamesFile ReadBack(const GamesFile& file) {
    const std::string text = file.Write();
    velmar::GamesFileRead again = GamesFile::Read(text);
    if (!again.File || again.File->Write() != text) std::abort();
    return std::move(*again.File);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    velmar::GamesFileRead read = GamesFile::Read(text);
    if (!read.File) {
        if (read.Error.Message.empty() || read.Error.Line < 1) std::abort();
        return 0;
    }
    GamesFile file = ReadBack(*read.File);
    const auto rows = file.List();
    std::set<std::string> seen;
    for (const velmar::GameListRow& row : rows) {
        // A name is found at its first record: a file edited by hand may
        // hold it twice, and the later record is then listed but not found.
        if (!seen.insert(row.Name).second) continue;
        const auto game = file.Open(row.Name);
        if (file.Find(row.Name) == 0 || !game || game->Level != row.Level) std::abort();
        GamesFile copy = file;
        if (!copy.Replace(*game) || copy.List().size() != rows.size()) std::abort();
        ReadBack(copy);
    }
    if (!rows.empty()) {
        const std::string fresh = rows.front().Name + "\x01renamed";
        if (file.Rename(rows.front().Name, fresh) != velmar::RenameResult::Renamed) std::abort();
        file = ReadBack(file);
        if (!file.Delete(fresh)) std::abort();
        file = ReadBack(file);
        if (file.List().size() + 1 != rows.size()) std::abort();
    }
    return 0;
}
