#pragma once

// Maps the window's Windows face names onto the metric-compatible faces installed here.
void registerFontSubstitutions();
