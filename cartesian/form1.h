// The one-function window ("Sem ramos"): the graph of one function y = f(x), drawn point by point
// on the graph canvas, with the options of the graph and of the axes in three frames beside it.
#pragma once

#include "canvas/graph_frame.h"
#include "canvas/option_controls.h"
#include "platform/common_dialog.h"
#include "windows/form_window.h"

class QLabel;
class QLineEdit;
class QToolButton;

namespace plotaris {

namespace canvas {
class GraphCanvas;
}
namespace platform {
class Frame;
}

// The graph and axes options are the canvas's own set, held as members of the window.
class Form1 final : public FormWindow, public canvas::GraphOptions, public canvas::AxesOptions {
public:
    Form1();

    void Form_Load() override;
    void Form_Activate() override;

    void DesenharGráfico_Click();
    void FrameEixos_MouseDown(int button);
    void FrameGráfico_MouseDown(int button);

    // The frame of the last axes drawing (ValorXmin .. EixosEmRadianos).
    canvas::GraphFrame frame;
    // Colour holders: graph, background, axes, lines; the first also holds the save settings.
    platform::CommonDialog CommonDialog1, CommonDialog2, CommonDialog3, CommonDialog4;
    // The canvas (Picture1 with its live twin Picture2, the arrow heads, the size sliders) and the
    // handlers of its options.
    canvas::GraphCanvas* canvas = nullptr;

    // Controls, named as their objectName.
    QLabel* Label1 = nullptr;
    platform::Frame* Troço = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Função = nullptr;
    platform::Frame* FrameGráfico = nullptr;
    QToolButton* DesenharGráfico = nullptr;
    platform::Frame* FrameEixos = nullptr;

private:
    void buildControls();
    void connectHandlers();
};

}  // namespace plotaris
