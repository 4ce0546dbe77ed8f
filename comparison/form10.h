// The comparison window ("Comparar funções"): up to four functions y = f(x), each drawn as a cloud
// of points on a canvas of its own, all four under the axes of one shared panel.
#pragma once

#include <array>

#include "canvas/axis_grid.h"
#include "canvas/graph_frame.h"
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
class ImageCombo;
}  // namespace platform

class Form10 final : public FormWindow {
public:
    static constexpr int kGraphs = 4;

    // The controls of one graph frame, "Gráfico N", and the canvas its graph is drawn on. Their
    // "Apagar", "Cor do fundo ", "Cor do gráfico" and "Espessura do gráfico" buttons run the
    // handlers of the canvas (ApagarGráfico_Click, CorDoFundo_Click, ...): Apagar1_Click ..
    // Apagar4_Click, CorDoFundo1_Click .. CorDoFundo4_Click and so on are those.
    struct Graph {
        platform::Frame* frame = nullptr;  // Frame2, Frame1, Frame3, Frame4
        QLabel* Label3 = nullptr;          // Label3(1), Label3(0), Label3(2), Label3(3)
        QLineEdit* Função = nullptr;
        QToolButton* EspessuraGráfico = nullptr;
        platform::ImageCombo* ImageCombo = nullptr;
        QToolButton* CorDoGráfico = nullptr;
        QLabel* graphSample = nullptr;  // Label45, Label4, Label6, Label8
        QToolButton* CorDoFundo = nullptr;
        QLabel* backSample = nullptr;  // Label46, Label2, Label5, Label7
        QToolButton *Desenhar = nullptr, *Apagar = nullptr;
        platform::CommonDialog* graphColour = nullptr;  // CommonDialog1, 3, 5, 7
        platform::CommonDialog* backColour = nullptr;   // CommonDialog2, 4, 6, 8
        canvas::GraphCanvas* canvas = nullptr;          // Picture1 .. Picture4
    };

    Form10();

    void Form_Load() override;
    void Form_Activate() override;

    void Command1_Click();
    void Command2_Click();
    // The axes of all four canvases: DesenharEixos1 .. DesenharEixos4, each on its own.
    void DesenharEixos_Click();
    void EixosRad_Click();
    void CorDosEixos_Click();
    void EspessuraEixos_Click();

    // The families; member n (1 .. 4) serves graph n and canvas n.
    void DesenharEixosN(int n);   // DesenharEixos1 .. DesenharEixos4
    void DesenharN_Click(int n);  // Desenhar1_Click .. Desenhar4_Click

    Graph& graph(int n) { return graphs[n - 1]; }

    // The frame of the last axes drawing on any canvas, one set for the four.
    canvas::GraphFrame frame;
    // Colour holders: graph and background of graphs 1 .. 4 in turn, then the axes of all four.
    platform::CommonDialog CommonDialog1, CommonDialog2, CommonDialog3, CommonDialog4, CommonDialog5, CommonDialog6,
        CommonDialog7, CommonDialog8, CommonDialog9;

    // Controls, named as their objectName.
    QLabel* Label1 = nullptr;
    platform::Frame* FrameDesenhos = nullptr;
    std::array<Graph, kGraphs> graphs;
    QToolButton* Command1 = nullptr;
    platform::Frame *FrameEixos = nullptr, *Frame14 = nullptr;
    canvas::AxisBoxes axisBoxes;  // Xmin .. PassoY, MarcaX .. GradNumY, the headings
    QToolButton *EspessuraEixos = nullptr, *CorDosEixos = nullptr, *EixosRad = nullptr, *DesenharEixos = nullptr;
    platform::ImageCombo* ImageCombo5 = nullptr;
    QLabel* Label44 = nullptr;
    QToolButton* Command2 = nullptr;

private:
    void buildControls();
    void buildGraphFrame(int n);
    void buildAxesPanel();
    void connectHandlers();
};

}  // namespace plotaris
