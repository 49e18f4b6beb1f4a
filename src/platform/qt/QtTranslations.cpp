#include "platform/qt/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void useJapaneseQtTexts() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    // Without Debian's qt6-translations-l10n Qt keeps its English texts.
    if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}
