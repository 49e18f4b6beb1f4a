#include "platform/qt/OpenDialogFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QUrl>

#include "app/RecentFolders.h"

namespace {

const QString RecentKey = QStringLiteral("openDialog/recentFolders");

QSettings userSettings() {
    return QSettings(QStringLiteral("qm7w"), QStringLiteral("qm7w"));
}

std::vector<std::string> recentFolders() {
    std::vector<std::string> recent;
    for (const QString& folder : userSettings().value(RecentKey).toStringList())
        recent.push_back(folder.toStdString());
    return recent;
}

// Where an installed program keeps its samples: share/qm7w/samples beside bin/.
std::string samplesFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/qm7w/samples"))
        .toStdString();
}

} // namespace

void PrepareOpenDialog(QFileDialog& dialog) {
    DialogFolders folders = OpenDialogFolders(recentFolders(), samplesFolder(), [](const std::string& folder) {
        return QFileInfo(QString::fromStdString(folder)).isDir();
    });
    if (!folders.start.empty())
        dialog.setDirectory(QString::fromStdString(folders.start));
    QList<QUrl> panel = {QUrl::fromLocalFile(QDir::homePath())};
    for (const std::string& folder : folders.panel)
        panel << QUrl::fromLocalFile(QString::fromStdString(folder));
    dialog.setSidebarUrls(panel);
}

void RememberDrillFolder(const QString& folder) {
    QStringList list;
    for (const std::string& recent : RememberFolder(recentFolders(), folder.toStdString()))
        list << QString::fromStdString(recent);
    QSettings settings = userSettings();
    settings.setValue(RecentKey, list);
}
