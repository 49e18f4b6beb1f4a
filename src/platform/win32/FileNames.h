#pragma once
#include <string>
#include <string_view>

// File names reach the core as Shift-JIS bytes with "/" between folders, and Windows as UTF-16 with
// "\". Converting the whole name, never its bytes, keeps a 0x5C second byte (表, ソ) inside its
// character.

std::wstring wideFileName(std::string_view sjisName);

// A name from Windows as the core takes it. A name that Shift-JIS cannot hold (an "é" in a folder name)
// is given by its short 8.3 form where the file system keeps one, which opens the same file.
std::string coreFileName(std::wstring_view wideName);

bool isFolder(const std::wstring& wideName);
