// The frame a canvas's axes procedure leaves behind, one set per window: the evaluated limits,
// the margins, the size of a pixel in user units and the radian mode of the x axis.
#pragma once

namespace plotaris::canvas {

struct GraphFrame {
    double ValorXmin = 0, ValorXmax = 0, ValorYmin = 0, ValorYmax = 0;
    double MargemX = 0, MargemY = 0;
    double UnidadePixelX = 0, UnidadePixelY = 0;
    bool EixosEmRadianos = false;
    // The fixed frame's graduation counters, as its last runs left them; the curve windows read
    // PontoX when they evaluate their ranges, and the parametric drawing writes both.
    double PontoX = 0, PontoY = 0;
};

// The user scale of a canvas for the frame: the limits two margins inside each edge, y upwards.
inline double frameLeft(const GraphFrame& f) { return f.ValorXmin - 2 * f.MargemX; }
inline double frameRight(const GraphFrame& f) { return f.ValorXmax + 2 * f.MargemX; }
inline double frameTop(const GraphFrame& f) { return f.ValorYmax + 2 * f.MargemY; }
inline double frameBottom(const GraphFrame& f) { return f.ValorYmin - 2 * f.MargemY; }

}  // namespace plotaris::canvas
