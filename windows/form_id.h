// The program's ten windows. Each exists at most once.
#pragma once

namespace plotaris {

enum class FormId {
    Form7,   // start window
    Form1,   // one function, "Sem ramos"
    Form2,   // sections, "Com ramos"
    Form3,   // polar curves
    Form4,   // parametric curves
    Form5,   // special curves
    Form10,  // comparison of four functions
    Form6,   // help "INSTRUÇÕES"
    Form9,   // help "SINTAXE"
    Form8,   // help "FUNÇÕES DEFINIDAS"
};

inline constexpr int kFormCount = 10;

}  // namespace plotaris
