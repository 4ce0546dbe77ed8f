// The parametric window ("Equações paramétricas"): curves x = f(t), y = g(t), typed or chosen
// from the list of named curves, drawn point by point on the fixed frame. Curves gather on the
// canvas until it is cleared.
#pragma once

#include "curves/curve_window.h"

namespace plotaris {

class Form4 final : public CurveWindow {
public:
    Form4();

    void Form_Load() override;
    // A curve chosen in the list: its two equations go into the boxes; the range stays.
    void Combo1_Click();
    void DesenharParamétricas_Click();

    QLabel *Label15 = nullptr, *Label16 = nullptr, *Label17 = nullptr, *Label10 = nullptr, *Label13 = nullptr,
           *Label7 = nullptr, *Label8 = nullptr;
    QWidget* Line12 = nullptr;
    QLineEdit *ParamétricaX = nullptr, *ParamétricaY = nullptr, *InícioParamétricas = nullptr,
              *FinalParamétricas = nullptr;
    QToolButton* DesenharParamétricas = nullptr;

private:
    void buildControls();
};

}  // namespace plotaris
