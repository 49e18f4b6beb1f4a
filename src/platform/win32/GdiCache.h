#pragma once
#include <map>
#include <tuple>
#include <windows.h>

#include "model/Control.h"

inline COLORREF colorRef(Rgb color) {
    return RGB(color.red, color.green, color.blue);
}

// The fonts and brushes of the window, made once each and kept until the window goes.
class GdiCache {
public:
    GdiCache() = default;
    ~GdiCache();
    GdiCache(const GdiCache&) = delete;
    GdiCache& operator=(const GdiCache&) = delete;

    // By its Windows face name; the height is the character height in pixels, never rescaled.
    HFONT font(const FontSpec& spec);
    HBRUSH brush(Rgb color);
    HPEN pen(Rgb color);

private:
    std::map<std::tuple<std::string, int, bool, bool>, HFONT> m_fonts;
    std::map<COLORREF, HBRUSH> m_brushes;
    std::map<COLORREF, HPEN> m_pens;
};
