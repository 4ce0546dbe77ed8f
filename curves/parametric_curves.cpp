#include "curves/parametric_curves.h"

namespace plotaris::curves {

const std::array<ParametricCurve, 23> kParametricCurves{{
    {"Astróide", "6cos(t)^3", "6sen(t)^3"},
    {"Bicórnio", "4sen(t)", "(4(cos(t)^2)*(2+cos(t)))/(3+(sen(t))^2)"},
    {"Peixe", "4cos(t)-4(sen(t))^2/sqr(2)", "4sen(t)*cos(t)"},
    {"Oito", "4sen(t)", "4sen(t)*cos(t)"},
    {"Cruciforme", "sec(t)", "2cosec(t)"},
    {"Devil", "cos(t)*sqr(((4(sen(t))^2)-9(cos(t))^2)/((sen(t))^2-(cos(t))^2))",
     "sen(t)*sqr(((4(sen(t))^2)-9(cos(t))^2)/((sen(t))^2-(cos(t))^2))"},
    {"Folium de Descartes", "6t/(1+t^3)", "6t^2/(1+t^3)"},
    {"Piriforme", "2(1+sen(t))", "3cos(t)*(1+sen(t))"},
    {"Cornóide", "2cos(t)*(1-2(sen(t)^2))", "3sen(t)*(1+2(cos(t))^2)"},
    {"Serpentina", "2cotg(t)", "3sen(t)*cos(t)"},
    {"Bow", "(1-tg(t)^2)*cos(t)", "(1-tg(t)^2)*sen(t)"},
    {"Agnesi", "2tg(t)", "2cos(t)^2"},
    {"Diamante", "4cos(t)*abs(cos(t))", "4sen(t)*abs(sen(t))"},
    {"Kappa", "cos(t)^2/sen(t)", "cos(t)"},
    {"Tratrix", "cos(t)+log(tg(t/2))", "sen(t)"},
    {"Hipérbole", "2sec(t)", "3tg(t)"},
    {"Circunferência", "5cos(t)", "5sen(t)"},
    {"Elipse", "3cos(t)", "4sen(t)"},
    {"Evoluta da circunferência", "0.5(cos(t)+t*sen(t))", "0.5(sen(t)-t*cos(t))"},
    {"Curvas de Lissajous", "2sen(2t+4)", "3sen(t)"},
    {"Recta", "2t-3", "-3t+2"},
    {"Catenária", "t", "2cosh(t/3)"},
    {"Curvas de Plateau", "8sen(t)*cos(t)*log(t)", "5abs(t)^0.3*cos(t)^0.5"},
}};

}  // namespace plotaris::curves
