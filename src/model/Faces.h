#pragma once
#include <array>
#include <string>

// A font face of the window by its Windows name (UTF-8), with the face installed here whose metrics
// match it and that stands in for it on screen.
struct Face {
    const char* name;
    const char* installed;
    // The name as the window model keeps it, in Shift-JIS.
    std::string bytes() const;
};

namespace faces {
inline constexpr Face Mincho{"ＭＳ 明朝", "IPAMincho"};
inline constexpr Face Gothic{"ＭＳ ゴシック", "IPAGothic"};
// The memo starts with full-width letters in its face name; the typeface button writes single-byte ones.
inline constexpr Face PGothicStart{"ＭＳ Ｐゴシック", "IPAPGothic"};
inline constexpr Face PGothic{"MS Pゴシック", "IPAPGothic"};
inline constexpr Face TimesNewRoman{"Times New Roman", "Liberation Serif"};
inline constexpr Face System{"System", "IPAGothic"};
inline constexpr std::array All{Mincho, Gothic, PGothicStart, PGothic, TimesNewRoman, System};
} // namespace faces
