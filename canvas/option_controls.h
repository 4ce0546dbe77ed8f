// The controls of a canvas's graph and axes options that the Cartesian windows carry with the same
// captions, tooltips and pictures, each at the place its window's layout gives. A window holds
// them as its own members (it derives from these sets), named as the windows name them.
#pragma once

#include "canvas/axis_grid.h"

class QLabel;
class QToolButton;
class QWidget;

namespace plotaris::platform {
class Frame;
class ImageCombo;
}  // namespace plotaris::platform

namespace plotaris::canvas {

// Left, Top, Width, Height in twips, in the frame that holds the control.
struct ControlPlace {
    int left, top, width, height;
};

struct GraphOptions {
    QToolButton *EspessuraGráfico = nullptr, *CorDoGráfico = nullptr, *CorDoFundo = nullptr;
    platform::ImageCombo* ImageCombo4 = nullptr;
    QLabel *Label45 = nullptr, *Label46 = nullptr;  // graph and background colour samples
    QToolButton *ApagarGráfico = nullptr, *GuardarGráfico = nullptr, *CopiarGráfico = nullptr;
};
struct GraphOptionPlaces {
    ControlPlace EspessuraGráfico, ImageCombo4, CorDoGráfico, Label45, CorDoFundo, Label46, ApagarGráfico,
        GuardarGráfico, CopiarGráfico;
};
// Builds the graph options in `frame`, the samples showing the colours a window opens with.
GraphOptions buildGraphOptions(QWidget* frame, const GraphOptionPlaces& places);

struct AxesOptions {
    platform::Frame* Frame14 = nullptr;
    AxisBoxes axisBoxes;  // Xmin .. PassoY, MarcaX .. GradNumY, Image4
    QToolButton *EspessuraEixos = nullptr, *CorDosEixos = nullptr, *DesenharEixos = nullptr, *EixosRad = nullptr;
    platform::ImageCombo* ImageCombo3 = nullptr;
    QLabel* Label44 = nullptr;  // axes colour sample
};
struct AxesOptionPlaces {
    ControlPlace Frame14, EspessuraEixos, ImageCombo3, CorDosEixos, Label44, DesenharEixos, EixosRad;
};
// Builds the axes options, the grid of axis boxes in its inner frame among them, in `frame`.
AxesOptions buildAxesOptions(QWidget* frame, const AxesOptionPlaces& places);

}  // namespace plotaris::canvas
