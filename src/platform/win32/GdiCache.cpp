#include "platform/win32/GdiCache.h"

#include "platform/win32/WideText.h"

GdiCache::~GdiCache() {
    for (auto& [spec, font] : m_fonts)
        DeleteObject(font);
    for (auto& [color, brush] : m_brushes)
        DeleteObject(brush);
    for (auto& [color, pen] : m_pens)
        DeleteObject(pen);
}

HFONT GdiCache::font(const FontSpec& spec) {
    auto key = std::tuple(spec.face, spec.height, spec.bold, spec.italic);
    if (auto found = m_fonts.find(key); found != m_fonts.end())
        return found->second;
    LOGFONTW wanted{};
    // A negative height asks for the character height rather than the cell height.
    wanted.lfHeight = -spec.height;
    wanted.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    wanted.lfItalic = spec.italic;
    wanted.lfCharSet = DEFAULT_CHARSET;
    std::wstring face = wideText(spec.face);
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    HFONT font = CreateFontIndirectW(&wanted);
    m_fonts[key] = font;
    return font;
}

HBRUSH GdiCache::brush(Rgb color) {
    HBRUSH& brush = m_brushes[colorRef(color)];
    if (brush == nullptr)
        brush = CreateSolidBrush(colorRef(color));
    return brush;
}

HPEN GdiCache::pen(Rgb color) {
    HPEN& pen = m_pens[colorRef(color)];
    if (pen == nullptr)
        pen = CreatePen(PS_SOLID, 1, colorRef(color));
    return pen;
}
