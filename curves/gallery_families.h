// The fixed data of the special-curves gallery: twenty families of nine polar curves r(t), one
// family per button, four frames ("Rosácea", "Concóide da rosácea", "Folióide", "Espiral
// sinusoidal") of five columns ("n", "n/2" .. "n/5").
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace plotaris::curves {

// One member of a family: the caption written under its picture, the curve r(t) exactly as the
// evaluator receives it, and the first and last t.
struct CurvaEspecial {
    std::string Legenda;
    std::string TextoCurva;
    double TInício = 0;
    double TFim = 0;
};

struct FamíliaEspecial {
    std::string Botão;  // the name of the button that draws it
    // In grid order: entry k goes to Picture2(k) and Label3(k).
    std::array<CurvaEspecial, 9> Curvas;
    bool LimiteRaio = false;  // only radii strictly between -8 and 8 are drawn
};

inline constexpr int kFamilyCount = 20;

// The twenty families, frame after frame (Rosácea, Concóide da rosácea, Folióide, Espiral
// sinusoidal), each frame from its "n" button to its "n/5" one.
const std::array<FamíliaEspecial, kFamilyCount>& famíliasEspeciais();

// The family its button draws; nullptr for a name that is no family button.
const FamíliaEspecial* famíliaEspecial(std::string_view botão);

}  // namespace plotaris::curves
