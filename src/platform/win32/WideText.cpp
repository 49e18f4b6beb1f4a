#include "platform/win32/WideText.h"

#include <windows.h>

#include "text/Cp932.h"

std::wstring wideFromUtf8(std::string_view utf8) {
    if (utf8.empty())
        return {};
    int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

std::string utf8FromWide(std::wstring_view wide) {
    if (wide.empty())
        return {};
    int size =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

std::wstring wideText(std::string_view sjis) {
    return wideFromUtf8(decodeCp932(sjis));
}

std::string sjisText(std::wstring_view wide) {
    return encodeCp932(utf8FromWide(wide));
}
