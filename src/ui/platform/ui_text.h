// SPDX-License-Identifier: GPL-3.0-or-later
// The bridge between the string tables and Qt: looked-up texts as QString and
// the language tables the program carries as resources.
#pragma once

#include "text/language.h"
#include "text/string_table.h"

#include <QString>
#include <string_view>

namespace velmar {

// LookupText as a QString (the tables are UTF-8).
QString Text(const StringTable& table, std::string_view key);

// The built-in table of a language; empty if the resource is missing.
const StringTable& LanguageTable(Language language);

} // namespace velmar
