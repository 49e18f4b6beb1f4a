#pragma once
#include <QTextBrowser>
#include <string>

// The help window: shows the help file (HTML in UTF-8), or says itself that it cannot read it.
class HelpViewer : public QTextBrowser {
public:
    HelpViewer();

    // Reads the file again on every call, so a changed file shows its new text.
    void showContents(const std::string& sjisFileName);
};
