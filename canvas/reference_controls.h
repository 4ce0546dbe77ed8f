// The Cartesian windows name the controls of their canvas alike (the axis grid, CommonDialog1 to
// CommonDialog4, the samples Label44 to Label46, ImageCombo3 and ImageCombo4, and the buttons of
// the graph and axes options): their canvas takes them, and their colours start alike, from here.
#pragma once

#include "canvas/graph_canvas.h"
#include "canvas/palette.h"

namespace plotaris::canvas {

template <class Window>
CanvasControls namedCanvasControls(Window& w) {
    CanvasControls c;
    c.boxes = &w.axisBoxes;
    c.graphColour = c.saveDialog = &w.CommonDialog1;
    c.graphSample = w.Label45;
    c.backColour = &w.CommonDialog2;
    c.backSample = w.Label46;
    c.axesColour = &w.CommonDialog3;
    c.axesSample = w.Label44;
    c.graphWidth = w.ImageCombo4;
    c.axesWidth = w.ImageCombo3;
    c.radianToggle = w.EixosRad;
    c.drawAxes = w.DesenharEixos;
    c.erase = w.ApagarGráfico;
    c.chooseGraphColour = w.CorDoGráfico;
    c.chooseBackColour = w.CorDoFundo;
    c.chooseAxesColour = w.CorDosEixos;
    c.openGraphWidths = w.EspessuraGráfico;
    c.openAxesWidths = w.EspessuraEixos;
    c.save = w.GuardarGráfico;
    c.copy = w.CopiarGráfico;
    return c;
}

// Graph light blue, background white, axes black, lines light blue.
template <class Window>
void setDefaultColours(Window& w) {
    w.CommonDialog1.Color = paletteColour(9);
    w.CommonDialog2.Color = paletteColour(15);
    w.CommonDialog3.Color = paletteColour(0);
    w.CommonDialog4.Color = paletteColour(9);
}

}  // namespace plotaris::canvas
