// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/language.h"

#include "text/string_table.h"

#include <string>

namespace velmar {

namespace {

struct LanguageInfo {
    Language language;
    std::string_view fileName;
    std::string_view nativeName;
    std::string_view code;
    std::string_view englishName;
};

constexpr std::array<LanguageInfo, 3> kInfo = {{
    {Language::English, "english.txt", "English", "en", "english"},
    {Language::Chinese, "chinese.txt", "中文", "zh", "chinese"},
    {Language::Japanese, "japanese.txt", "日本語", "ja", "japanese"},
}};

const LanguageInfo& InfoOf(Language language) {
    for (const LanguageInfo& info : kInfo) {
        if (info.language == language) return info;
    }
    return kInfo[0];
}

} // namespace

std::string_view LanguageFileName(Language language) {
    return InfoOf(language).fileName;
}

std::string_view LanguageNativeName(Language language) {
    return InfoOf(language).nativeName;
}

std::optional<Language> LanguageFromName(std::string_view name) {
    const std::string lower = AsciiLower(name);
    for (const LanguageInfo& info : kInfo) {
        if (lower == info.code || lower == info.englishName) return info.language;
    }
    return std::nullopt;
}

} // namespace velmar
