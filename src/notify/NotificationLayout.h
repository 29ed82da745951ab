// Where everything sits on the notification window, in twips relative to
// its client area. The window's pictures are drawn to match these places.
#pragma once

namespace notify::layout {

inline constexpr int kTwipsPerDesignPixel = 15; // the pictures are drawn at 96 DPI

struct Box {
    int left, top, width, height;
};

inline constexpr int kClientWidth = 3165;
inline constexpr int kClientHeight = 2625;
// The background picture is taller than the client area; its lower rows
// are never seen.
inline constexpr int kBackgroundWidthPx = 211;
inline constexpr int kBackgroundHeightPx = 202;
inline constexpr int kIconPx = 16;

inline constexpr Box kThumbnail{620, 360, 1935, 1575};  // Image1
inline constexpr Box kResolution{120, 1980, 3015, 255}; // lbl_Resolution
inline constexpr int kButtonTop = 2280, kButtonWidth = 495, kButtonHeight = 255;
inline constexpr int kButtonLefts[5] = {120, 720, 1320, 1920, 2520}; // Command1 .. Command5
inline constexpr Box kManualNames{320, 360, 255, 255};               // Check1
inline constexpr int kCloseLeft = 2880, kCloseTop = 75;              // Image2, top right
inline constexpr int kDecorationLeft = 40, kDecorationTop = 360;     // Image3
// The hidden fields lie below the client area.
inline constexpr Box kHiddenTimer1{0, 2700, 300, 255};
inline constexpr Box kHiddenTimer2{400, 2700, 300, 255};

// The same places in design pixels (for the pictures).
constexpr int Px(int twips) {
    return (twips + kTwipsPerDesignPixel / 2) / kTwipsPerDesignPixel;
}

} // namespace notify::layout
