// The special-curves window ("FUNÇÕES ESPECIAIS"): a three-by-three grid of small pictures on
// which each of twenty family buttons draws nine polar curves r(t) at once, with the value of n
// under each picture. The curves are fixed data; the window shows no message.
#pragma once

#include <array>

#include "platform/common_dialog.h"
#include "windows/form_window.h"

class QLabel;
class QLineEdit;
class QToolButton;

namespace plotaris {

namespace canvas {
class PictureArea;
}
namespace curves {
struct FamíliaEspecial;
}
namespace platform {
class Frame;
}

class Form5 final : public FormWindow {
public:
    Form5();

    void Form_Load() override;
    void Form_Activate() override;

    void Apagar_Click();
    void CorGráfico_Click();
    void CorFundo_Click();

    // The family buttons, frame by frame.
    void DesRosáciaN1_Click();
    void DesRosáciaN2_Click();
    void DesRosáciaN3_Click();
    void DesRosáciaN4_Click();
    void DesRosáciaN5_Click();
    void ConcoideRosacean_Click();
    void ConcoideRosacean2_Click();
    void ConcoideRosacean3_Click();
    void ConcoideRosacean4_Click();
    void ConcoideRosacean5_Click();
    void Folioiden_Click();
    void Folioiden2_Click();
    void Folioiden3_Click();
    void Folioiden4_Click();
    void Folioiden5_Click();
    void DesEspiralSin1_Click();
    void DesEspiralSin2_Click();
    void DesEspiralSin3_Click();
    void DesEspiralSin4_Click();
    void DesEspiralSin5_Click();

    // Draws the nine curves of the family over what the pictures show, and writes their captions.
    // A sample whose evaluation fails is skipped; nothing is reported.
    void DesenharFamília(const curves::FamíliaEspecial& família);

    // Colour holders: the curves, and the background offered to the pictures.
    platform::CommonDialog CommonDialog1, CommonDialog2;

    // Controls, named as their objectName.
    QLabel* Label1 = nullptr;
    platform::Frame* FrameDesenhos = nullptr;
    std::array<canvas::PictureArea*, 9> Picture2{};
    std::array<QLabel*, 9> Label3{};
    platform::Frame* Frame2 = nullptr;
    QLabel* Image1 = nullptr;
    platform::Frame *FrmEspiralSinusoidal = nullptr, *FrmRosáciaValn = nullptr, *Frame3 = nullptr, *Frame5 = nullptr;
    platform::Frame* Frame1 = nullptr;
    QToolButton *Apagar = nullptr, *CorGráfico = nullptr, *CorFundo = nullptr;
    QLineEdit* Expressão = nullptr;  // hidden: the text of the curve being drawn

private:
    void buildControls();
    void buildFamilyFrames();
    void connectHandlers();
    void drawFamilyOf(const char* button);
};

}  // namespace plotaris
