#pragma once

// Makes Qt's own texts (the open dialog, the buttons of message boxes, the help window's menu) Japanese
// like the rest of the window, whatever the desktop's language. Needs a QApplication.
void useJapaneseQtTexts();
