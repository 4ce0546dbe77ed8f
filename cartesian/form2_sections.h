// The four sections of the sections window, one table for the family: each member's defaults,
// the words of its tooltips, where its "Desenhar" button stands, and how its drawing differs.
#pragma once

#include <array>

namespace plotaris {

struct TroçoMember {
    const char* ordinal;  // in the tooltips: "primeiro", "segundo", ...
    const char *expression, *xmin, *xmax, *ymin, *ymax;
    int yminTop;              // of Ymín in the left part, twips
    // Where its "Desenhar" stands, in twips: DesenharTroço1 on the window, over the bottom of its
    // frame; the others in their frames.
    bool drawButtonOnWindow;
    int drawLeft, drawTop;
    const char* drawTip;
    // Section 1 shows its points live on the twin, and draws its horizontal coordinate lines in
    // the extra-line colour; the others in the graph colour.
    bool liveTwin;
    bool horizontalInLineColour;
};

inline constexpr std::array<TroçoMember, 4> kTroços{{
    {"primeiro", "x+1", "-12", "-4", "-12", "12", 840, true, 11280, 2280, "Desenhar o gráfico do primeiro troço.", true, true},
    {"segundo", "-x+4", "-4", "3", "-12", "12", 900, false, 1500, 2280, "Desenhar o gráfico de segundo troço.", false, false},
    {"terceiro", "-(x-6)^2+10", "3", "8", "-12", "12", 900, false, 1500, 2280, "Desenhar o gráfico do terceiro troço.", false,
     false},
    {"quarto", "-x+10", "8", "12", "-12", "12", 900, false, 1500, 2280, "Desenhar o gráfico do quarto troço.", false, false},
}};

}  // namespace plotaris
