#include "platform/qt/HelpViewer.h"

#include <QFileInfo>

#include "platform/posix/LocalFile.h"
#include "platform/qt/QtConversions.h"
#include "text/Limits.h"

HelpViewer::HelpViewer() {
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("QM7W ヘルプ"));
    // An open help window must not keep the program alive once the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setOpenExternalLinks(true);
    resize(640, 560);
}

void HelpViewer::showContents(const std::string& sjisFileName) {
    std::string localName = localFileName(sjisFileName);
    if (std::optional<std::string> html = readLocalFile(localName, DrillFileLimit + 1);
        html && html->size() <= DrillFileLimit) {
        setSearchPaths({QFileInfo(QString::fromStdString(localName)).absolutePath()});
        setHtml(QString::fromUtf8(html->data(), static_cast<qsizetype>(html->size())));
    } else {
        setPlainText(QStringLiteral("ヘルプファイル %1 を読めません。").arg(qtText(sjisFileName)));
    }
    show();
    raise();
    activateWindow();
}
