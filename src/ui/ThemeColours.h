// The colours the program's windows are drawn in with the dark app theme,
// and the dark counterpart of a colour a window chose for the light one.
// Colours are 0x00BBGGRR, as the system keeps them.
#pragma once

#include <cstdint>

namespace ui {

struct ThemeColours {
    std::uint32_t face;    // windows, panels, labels
    std::uint32_t text;    // text on the face and in fields
    std::uint32_t field;   // text and list boxes, buttons
    std::uint32_t pressed; // a button held down
    std::uint32_t edge;    // a button's outline
    std::uint32_t muted;   // the text of a disabled button
    std::uint32_t link;    // a hyperlink's text
};

// Near the dark theme of the system's own windows.
inline constexpr ThemeColours kDarkColours{0x202020, 0xF0F0F0, 0x2B2B2B, 0x505050,
                                           0x707070, 0x8A8A8A, 0xFFC899};

// The colour, its lightness turned over (white becomes the dark field
// colour, black a light grey) with its hue and saturation kept. The same
// in any order of the channels.
std::uint32_t DarkCounterpart(std::uint32_t colour);

} // namespace ui
