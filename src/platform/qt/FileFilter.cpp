#include "platform/qt/FileFilter.h"

#include "platform/qt/QtConversions.h"

QStringList qtNameFilters(const std::string& sjisFilter) {
    const QStringList parts = qtText(sjisFilter).split(u'|');
    QStringList filters;
    // A description left without patterns at the end names no files and is dropped.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        // "*.*" means every file on Windows, also those without a dot.
        for (QString& pattern : patterns)
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        filters << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters;
}
