#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>
#include <iostream>
#include <unistd.h>

#include "platform/AppError.h"
#include "platform/posix/LocalFile.h"
#include "platform/qt/FileFilter.h"
#include "platform/qt/OpenDialogFolders.h"
#include "platform/qt/QtConversions.h"
#include "text/Cp932.h"

namespace {

void showBox(QWidget* parent, QMessageBox::Icon icon, const std::string& text) {
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("QM7W"));
    box.setIcon(icon);
    // Texts from question files may hold "<"; they are never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(qtText(text));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

} // namespace

QtPlatform::QtPlatform()
    : m_player([this] {
          if (m_mainWindow)
              m_mainWindow->repaint();
      }) {}

QtPlatform::~QtPlatform() = default;

void QtPlatform::messageBox(const std::string& text) {
    showBox(m_mainWindow, QMessageBox::NoIcon, text);
}

void QtPlatform::errorBox(const std::string& text) {
    showBox(m_mainWindow, QMessageBox::Critical, text);
}

void QtPlatform::internalErrorBox(const std::string& text, const std::string& developerLine) {
    std::cerr << developerLine << std::endl;
    showBox(m_mainWindow, QMessageBox::Critical, text);
}

std::optional<std::string> QtPlatform::chooseFile(const std::string& filter, const std::string& defaultExtension) {
    QFileDialog dialog(m_mainWindow);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The list shows the descriptions alone, as the filter names them.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDirectory(QDir::currentPath());
    PrepareOpenDialog(dialog);
    dialog.setNameFilters(qtNameFilters(filter));
    dialog.setDefaultSuffix(qtText(defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    std::string chosen = QDir::cleanPath(dialog.selectedFiles().first()).toStdString();
    std::string folder = std::filesystem::path(chosen).parent_path().string();
    if (!folder.empty() && ::chdir(folder.c_str()) != 0)
        throw AppError(sjis("ﾌｫﾙﾀﾞ ") + sjisFileName(folder) + sjis(" に移れません"));
    RememberDrillFolder(QString::fromStdString(folder));
    return sjisFileName(chosen);
}

std::string QtPlatform::enterFolderOf(const std::string& localName) {
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(localName, error).lexically_normal();
    std::filesystem::path folder = full.parent_path();
    if (std::filesystem::is_directory(folder, error) && ::chdir(folder.c_str()) != 0)
        throw AppError(sjis("ﾌｫﾙﾀﾞ ") + sjisFileName(folder.string()) + sjis(" に移れません"));
    return sjisFileName(full.string());
}

void QtPlatform::showHelpContents(const std::string& helpFile) {
    if (!m_helpViewer)
        m_helpViewer = std::make_unique<HelpViewer>();
    m_helpViewer->showContents(helpFile);
}

void QtPlatform::quitHelp(const std::string&) {
    if (m_helpViewer)
        m_helpViewer->close();
}

void QtPlatform::showResultsHistory(const ResultsHistory& history) {
    if (!m_history)
        m_history = std::make_unique<ResultsHistoryWindow>();
    m_history->setHistory(history);
    m_history->show();
    m_history->raise();
}

void QtPlatform::refreshResultsHistory(const ResultsHistory& history) {
    if (m_history && m_history->isVisible())
        m_history->setHistory(history);
}

void QtPlatform::processMessagesUntil(std::uint32_t deadline) {
    auto remaining = static_cast<std::int32_t>(deadline - tickCount());
    if (remaining <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    // The loop sleeps until an event or the timer arrives, so a wait costs no processor time.
    QEventLoop loop;
    QTimer::singleShot(remaining, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void QtPlatform::closeMainWindow() {
    if (m_mainWindow)
        m_mainWindow->close();
}

void QtPlatform::beep(unsigned) {
    QApplication::beep();
}
