#pragma once
#include <string>

class Files;

// Where the open dialog starts: the folder of the drill opened last, remembered per user across runs in
// HKEY_CURRENT_USER\Software\qm7w, at first the samples folder the setup puts beside the program; empty
// where it would start anyway. Folders are in UTF-8, as Windows spells them.
std::string openDialogStart(Files& files);
// Remembers the folder a drill was just chosen from.
void rememberDrillFolder(const std::string& folder);
