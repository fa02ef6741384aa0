// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/ui_text.h"

#include <QFile>

#include <map>

// Resources of a static library must be registered by hand, outside any namespace.
static void InitVelmarResources() {
    Q_INIT_RESOURCE(velmar);
}

namespace velmar {

QString Text(const StringTable& table, std::string_view key) {
    return QString::fromStdString(table.LookupText(key));
}

const StringTable& LanguageTable(Language language) {
    static std::map<Language, StringTable> tables;
    auto found = tables.find(language);
    if (found != tables.end()) return found->second;
    InitVelmarResources();
    QFile file(QStringLiteral(":/lang/") +
               QString::fromUtf8(LanguageFileName(language).data(),
                                 static_cast<qsizetype>(LanguageFileName(language).size())));
    StringTable table;
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        table.LoadLanguage(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    }
    return tables.emplace(language, std::move(table)).first->second;
}

} // namespace velmar
