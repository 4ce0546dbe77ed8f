// The classic 16-colour palette, by index, where the windows take their default colours from.
#pragma once

#include <QColor>

namespace plotaris::canvas {

QColor paletteColour(int index);

}  // namespace plotaris::canvas
