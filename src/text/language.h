// SPDX-License-Identifier: GPL-3.0-or-later
// The user-interface languages the program carries, and where their tables
// live among the program's data files.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace velmar {

// English is the table loaded at every start.
enum class Language { English, Chinese, Japanese };

inline constexpr std::array<Language, 3> kLanguages = {Language::English, Language::Chinese,
                                                       Language::Japanese};

// File name of the language's table under data/lang/ (also its resource name).
std::string_view LanguageFileName(Language language);

// The language's own name, as a language menu shows it.
std::string_view LanguageNativeName(Language language);

// "en"/"english", "zh"/"chinese", "ja"/"japanese" in any letter case.
std::optional<Language> LanguageFromName(std::string_view name);

} // namespace velmar
