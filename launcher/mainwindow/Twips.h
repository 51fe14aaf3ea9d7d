// Twips, the unit every window rule is stated in, against the screen's pixels: a twip is
// 1/1440 inch, so a pixel is 1440 / dpi twips (15 at 96 dpi).
#pragma once

#include <cmath>

#include "mainwindow/StripLayout.h"

namespace orbilo {

inline double TwipsPerPixel(double dpi) {
    return kTwipsPerInch / dpi;
}
inline int PixelsToTwips(int pixels, double dpi) {
    return static_cast<int>(std::lround(pixels * kTwipsPerInch / dpi));
}
inline int TwipsToPixels(int twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}
// A measure of the design (pixels at 96 dpi) on a screen of the given dpi.
inline int ScaledPixels(int designPixels, double dpi) {
    return static_cast<int>(std::lround(designPixels * dpi / kDesignDpi));
}

}  // namespace orbilo
