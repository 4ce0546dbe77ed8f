// Window layouts are given in twips, 15 to a pixel.
#pragma once

#include <QRect>
#include <cmath>

namespace plotaris::platform {

inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline double pixelsToTwips(int pixels) { return pixels * double(kTwipsPerPixel); }

// A control's place and size (Left, Top, Width, Height) in twips, as pixels.
inline QRect twipsRect(double left, double top, double width, double height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

}  // namespace plotaris::platform
