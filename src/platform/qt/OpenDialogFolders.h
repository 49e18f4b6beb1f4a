#pragma once
class QFileDialog;
class QString;

// Starts the open dialog in the folder of the drill opened last (remembered per user across runs), at
// first in the installed samples folder, and puts those folders in its side panel.
void PrepareOpenDialog(QFileDialog& dialog);
// Remembers the folder a drill was just chosen from.
void RememberDrillFolder(const QString& folder);
