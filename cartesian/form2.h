// The sections window ("Com ramos"): a function defined by parts, up to four sections each drawn
// by its own button on the graph canvas, with balls and coordinate lines at their ends; extra
// lines from the axes to the sections and between two points; steppers beside the section limits;
// the pointer's coordinates; and three option frames that open over the lower sections.
#pragma once

#include <array>
#include <initializer_list>

#include "canvas/graph_frame.h"
#include "canvas/option_controls.h"
#include "platform/common_dialog.h"
#include "windows/form_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QToolButton;

namespace plotaris {

namespace canvas {
class GraphCanvas;
}
namespace platform {
class Frame;
class ImageCombo;
class UpDown;
}  // namespace platform

// The controls of one section: element i of each control array (Troço(i), Troço1(i), Xmín(i),
// ...), and its button DesenharTroçoi.
struct TroçoControls {
    platform::Frame* Troço = nullptr;
    QLineEdit* Troço1 = nullptr;
    QLineEdit *Xmín = nullptr, *Xmáx = nullptr, *Ymín = nullptr, *Ymáx = nullptr;
    platform::UpDown *UpDownXmi = nullptr, *UpDownXma = nullptr, *UpDownYmi = nullptr, *UpDownYma = nullptr;
    QRadioButton *AbertaEsq = nullptr, *FechadaEsq = nullptr, *SemBolaEsq = nullptr;
    QRadioButton *AbertaDir = nullptr, *FechadaDir = nullptr, *SemBolaDir = nullptr;
    QCheckBox *CoordEsq = nullptr, *CoordDir = nullptr;
    QToolButton* DesenharTroço = nullptr;
};

// The graph and axes options are the canvas's own set, held as members of the window.
class Form2 final : public FormWindow, public canvas::GraphOptions, public canvas::AxesOptions {
public:
    Form2();

    void Form_Load() override;
    void Form_Activate() override;

    // Draws section i (1 to 4): the handler of DesenharTroço1 .. DesenharTroço4.
    void DesenharTroço_Click(int i);
    void DesenharLinhas_Click();

    // The steppers of section i.
    void UpDownXmi_DownClick(int i);
    void UpDownXmi_UpClick(int i);
    void UpDownXma_DownClick(int i);
    void UpDownXma_UpClick(int i);
    void UpDownYmi_DownClick(int i);
    void UpDownYmi_UpClick(int i);
    void UpDownYma_DownClick(int i);
    void UpDownYma_UpClick(int i);

    void VerCoordenadas_Click();
    // The pointer's place over the canvas, in the canvas's current scale.
    void Picture1_MouseMove(double x, double y);

    // Open and close the option frames, and move them.
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Command3_Click();
    void Command5_Click();
    void Command6_Click();
    void FrameGráfico_MouseDown(int button);
    void FrameEixos_MouseDown(int button);
    void FrameDesenharLinha_MouseDown(int button);

    void TipoLinha_Click();
    void EspessuraLinha_Click();
    void CorDasLinhas_Click();

    // Element i (1 to 4) of the section control arrays.
    TroçoControls& troço(int i) { return troços[size_t(i - 1)]; }

    // The frame of the last axes drawing (ValorXmin .. EixosEmRadianos).
    canvas::GraphFrame frame;
    // Colour holders: graph, background, axes, extra lines; the first also holds the save settings.
    platform::CommonDialog CommonDialog1, CommonDialog2, CommonDialog3, CommonDialog4;
    // The canvas (Picture1 with its live twin Picture2, the arrow heads, the size sliders) and the
    // handlers of its options.
    canvas::GraphCanvas* canvas = nullptr;

    // Controls, named as their objectName.
    QLabel* Label1 = nullptr;
    std::array<TroçoControls, 4> troços;
    QToolButton *Command1 = nullptr, *Command2 = nullptr, *Command4 = nullptr;

    platform::Frame* FrameGráfico = nullptr;
    platform::Frame* FrameJanela = nullptr;  // "Janela de desenho"
    QCheckBox* VerCoordenadas = nullptr;
    QLabel *Label10 = nullptr, *LabelDimensãoJanela = nullptr, *Label19 = nullptr;
    QScrollBar* HScroll2 = nullptr;  // drawing quality: samples per unit of x
    QToolButton* Command3 = nullptr;

    platform::Frame* FrameEixos = nullptr;
    QToolButton* Command5 = nullptr;

    platform::Frame* FrameDesenharLinha = nullptr;
    QLineEdit *Abcissa = nullptr, *IniX = nullptr, *IniY = nullptr, *FimX = nullptr, *FimY = nullptr;
    QCheckBox *Vertical = nullptr, *Horizontal = nullptr;
    QToolButton *TipoLinha = nullptr, *EspessuraLinha = nullptr, *CorDasLinhas = nullptr, *DesenharLinhas = nullptr,
                *Command6 = nullptr;
    platform::ImageCombo *ImageCombo1 = nullptr, *ImageCombo2 = nullptr;
    QLabel* Label48 = nullptr;

private:
    void buildControls();
    void buildTroço(int i);
    platform::Frame* newOptionFrame(const char* name, const QString& caption);
    // The face of the captions in narrow places (the parts of the section frames, the frame
    // "Janela de desenho", the captions of the extra-line frame), where the control font's face
    // would not fit.
    static void useNarrowFace(std::initializer_list<QWidget*> controls);
    static void useNarrowFaceWithin(QWidget* area);
    void buildFrameGráfico();
    void buildFrameEixos();
    void buildFrameDesenharLinha();
    void connectHandlers();
    void connectTroço(int i);
    // Shows the window's size in pixels after the size sliders moved.
    void showCanvasSize();
};

}  // namespace plotaris
