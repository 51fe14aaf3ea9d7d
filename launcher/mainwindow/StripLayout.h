// The strip's controls as designed: positions and widths in pixels at 96 dots per inch, the
// captions, tooltips and colours. The form scales the pixels by the screen's dpi.
#pragma once

#include <array>

namespace orbilo {

inline constexpr int kDesignDpi = 96;
inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr int kStripHeightPixels = 19;
inline constexpr int kButtonWidthPixels = 13;
inline constexpr double kStripFontPoints = 8.25;

inline constexpr int kCommandWebLeft = 0;
inline constexpr int kTextMainLeft = 16;
inline constexpr int kTextMainWidth = 113;
inline constexpr int kCommandMenuFirstLeft = 136;
inline constexpr int kCommandMenuStep = 16;
inline constexpr int kCommandMinLeft = 248;
inline constexpr int kCommandExitLeft = 264;
inline constexpr int kFrameWebGap = 8;
inline constexpr int kFrameWebWidth = 441;

// The Add URL box's own controls, from FrameWeb's left edge.
inline constexpr int kLabelWebLeft = 0;
inline constexpr int kLabelWebWidth = 48;
inline constexpr int kTextWebUrlLeft = 50;
inline constexpr int kTextWebUrlWidth = 185;
inline constexpr int kLabelWebNameLeft = 239;
inline constexpr int kLabelWebNameWidth = 76;
inline constexpr int kTextWebNameLeft = 317;
inline constexpr int kTextWebNameWidth = 90;
inline constexpr int kCommandAddWebLeft = 410;
inline constexpr int kCommandAddWebWidth = 31;
// The confirmation covers the name part of the box, so the URL box stays open to a drop.
inline constexpr int kAddedInfoLeft = 237;
inline constexpr int kAddedInfoWidth = 204;

inline constexpr int kMenuCount = 7;
inline constexpr int kRunMenuIndex = 3;  // hidden when there is no sibling program

inline constexpr std::array<const char*, kMenuCount> kMenuGlyphs = {"+", ">", "L", "!", "P", "?", "C"};
inline constexpr const char* kOpenBoxGlyph = "||";

inline constexpr const char* kCommandWebTooltip = "Show | Hide Add URL---F1";
inline constexpr std::array<const char*, kMenuCount> kCommandMenuTooltips = {
    "Show | Hide Add To List---F2",    "Show | Hide Open---F3",
    "Show | Hide Open From List---F4", "Show | Hide Run (Korrin's Program)---F5",
    "Show | Hide Preferences---F6",    "Show | Hide Help---F7",
    "Show | Hide Code List---F8",
};
inline constexpr const char* kCommandMinCaption = "-";
inline constexpr const char* kCommandMinTooltip = "Minimize---F9";
inline constexpr const char* kCommandExitCaption = "x";
inline constexpr const char* kCommandExitTooltip = "Exit---F10";
inline constexpr const char* kFrameWebCaption = "Add URL";
inline constexpr const char* kLabelWebNameCaption = "Launch Name";
inline constexpr const char* kCommandAddWebCaption = "Add";

struct Rgb {
    int red;
    int green;
    int blue;
};
inline constexpr Rgb kButtonFace{192, 192, 192};
inline constexpr Rgb kTextMainBack{180, 200, 255};
// A disabled text box of the Add URL box.
inline constexpr Rgb kLightGrey{192, 192, 192};

constexpr int CommandMenuLeft(int index) {
    return kCommandMenuFirstLeft + kCommandMenuStep * index;
}

}  // namespace orbilo
