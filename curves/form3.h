// The polar window ("Coordenadas polares"): curves r = f(t), typed or chosen from the list of
// named curves, drawn point by point on the fixed frame. Curves gather on the canvas until it is
// cleared.
#pragma once

#include "curves/curve_window.h"

namespace plotaris {

class Form3 final : public CurveWindow {
public:
    Form3();

    void Form_Load() override;
    // A curve chosen in the list: its r(t) and its range go into the boxes; nothing is drawn.
    void Combo1_Click();
    void DesenharPolares_Click();

    QLabel *Label20 = nullptr, *Label54 = nullptr, *Label11 = nullptr, *Label12 = nullptr, *Label6 = nullptr,
           *Label9 = nullptr;
    QLineEdit *EquaçãoPolares = nullptr, *InícioPolares = nullptr, *FinalPolares = nullptr;
    QToolButton* DesenharPolares = nullptr;

private:
    void buildControls();
};

}  // namespace plotaris
