#include "shell/help_function_entries.h"

#include <QRegularExpression>

namespace plotaris {

namespace {

QString t(const char* text) { return QString::fromUtf8(text); }

QStringList list(std::initializer_list<const char*> texts) {
    QStringList out;
    for (const char* s : texts) out << t(s);
    return out;
}

HelpFunctionEntry entry(int page, const char* name, const char* arguments, std::initializer_list<const char*> bullets,
                        std::initializer_list<const char*> samples) {
    return {page, t(name), t(arguments), list(bullets), list(samples)};
}

constexpr const char* kKnown = "(função já definida no computador)";

std::vector<HelpFunctionEntry> makeEntries() {
    return {
        entry(3, "abs", "( )",
              {"Função módulo ou valor absoluto",
               R"(É definida por $abs(x) = \cases{x & se  x ≥ 0 \\ −x & se  x < 0}$)"},
              {"abs (x)", "abs (2x/7)", "abs (sen (arctgh(x-8)))"}),
        entry(3, "arccos", "( )",
              {"Função arco co-seno",
               R"(É definida por $arccos(x) = arctg\left(\frac{−x}{\sqrt{1 − x^2}}\right) + \frac{\pi}{2}$)"},
              {"arccos (x)", "arccos (x/sqr(x-2))", "arccos (sen (2cos(5x/3)))"}),
        entry(4, "arccosec", "( )",
              {"Função arco co-secante",
               R"(É definida por $arccosec(x) = sgn(x) · arctg\left(\frac{1}{\sqrt{x^2 − 1}}\right)$)"},
              {"arccosec (x)", "arccosec (log(sen(tgh(2x))))", "x*3cos(x)/arccosec(2/x)"}),
        entry(4, "arccosech", "( )",
              {"Função arco co-cosecante hiperbólica",
               R"(É definida por $arccosech(x) = log\left(\frac{1 + sgn(x) · \sqrt{x^2 + 1}}{x}\right)$)"},
              {"arccosech (x)", "tgh(7+arccosech(sqr(x^2+5)))", "exp (arccosech(ln(x^4+9)))"}),
        entry(5, "arccosh", "( )",
              {"Função arco co-seno hiperbólico, inversa do co-seno hiperbólico",
               R"(É definida por $arccosh(x) = log\left(x + \sqrt{x^2 − 1}\right)$)"},
              {"arccosh (x)", "arccosh (sen(2x)+cos(3x))", "sen(cos(arccosh(x-1)))"}),
        entry(5, "arccotg", "( )",
              {"Função arco co-tangente", R"(É definida por $arccotg(x) = \frac{\pi}{2} − arctg(x)$)"},
              {"arccotg (x)", "5x*3arccotg (2x/3)"}),
        entry(6, "arccotgh", "( )",
              {"Função arco co-tangente hiperbólica, inversa da co-tangente hiperbólica",
               R"(É definida por $arccotgh(x) = \frac{1}{2} · log\left(\frac{x + 1}{x − 1}\right)$)"},
              {"arccotgh (x)", "5*exp (arccotgh (x-7))", "arccotgh (sen (exp (7x)))"}),
        entry(6, "arcsec", "( )",
              {"Função arco secante",
               R"(É definida por $arcsec(x) = sgn(x) · \left(arctg\left(\sqrt{x^2 − 1}\right) − \frac{\pi}{2}\right) + \frac{\pi}{2}$)"},
              {"arcsec (x)", "arcsec (2/3x*ln (x))", "1 / arcsec (arccosec (x))"}),
        entry(7, "arcsech", "( )",
              {"Função arco secante hiperbólica, inversa da secante hiperbólica",
               R"(É definida por $arcsech(x) = log\left(\frac{1 + \sqrt{1 − x^2}}{x}\right)$)"},
              {"arcsech (x)", "arcsech (x^3)+cosh (2x)", "log (arcsech (x))"}),
        entry(7, "arcsen", "( )",
              {"Função arco seno, inversa da função seno",
               R"(É definida por $arcsen(x) = arctg\left(\frac{x}{\sqrt{1 − x^2}}\right)$)"},
              {"arcsen (x)", "sen (arcsen (x))", "arcsen (cos (x))"}),
        entry(8, "arcsenh", "( )",
              {"Função arco seno hiperbólico, inversa do seno hiperbólico",
               R"(É definida por $arcsenh(x) = log\left(x + \sqrt{x^2 + 1}\right)$)"},
              {"arcsenh (x)", "2x / arcsenh (x^3)", "(arcsenh (x/4))^5"}),
        entry(8, "arctg", "( )", {"Função arco tangente", kKnown}, {"arctg (x)", "arctg (sqr(5)x)"}),
        entry(9, "arctgh", "( )",
              {"Função arco tangente hiperbólica, inversa da tangente hiperbólica",
               R"(É definida por $arctgh(x) = \frac{1}{2} · log\left(\frac{1 + x}{1 − x}\right)$)"},
              {"arctgh (x)", "arctgh (x*cosh (arcsen(5x)))"}),
        entry(9, "cos", "( )", {"Função co-seno", kKnown}, {"cos (x)", "cos (cos (sen (x)))"}),
        entry(10, "cosec", "( )", {"Função co-secante", R"(É definida por $cosec(x) = \frac{1}{sen(x)}$)"},
              {"cosec (x)", "cosec (cosec (2x))"}),
        entry(10, "cosech", "( )",
              {"Função co-secante hiperbólica", R"(É definida por $cosech(x) = \frac{2}{e^x − e^{−x}}$)"},
              {"cosech (x)", "senh (2x) + cosech (2/x*cos(x))"}),
        entry(11, "cosh", "( )",
              {"Função co-seno hiperbólico", R"(É definida por $cosh(x) = \frac{e^x + e^{−x}}{2}$)"},
              {"cosh (x)", "int (cosh (x*cos (x)))"}),
        entry(11, "cotg", "( )", {"Função co-tangente", R"(É definida por $cotg(x) = \frac{cos(x)}{sen(x)}$)"},
              {"cotg (x)", "mant (cotg (3x))"}),
        entry(12, "cotgh", "( )",
              {"Função co-tangente hiperbólica",
               R"(É definida por $cotgh(x) = \frac{e^x + e^{−x}}{e^x − e^{−x}}$)"},
              {"cotgh (x)", "fix (cotgh (2x))"}),
        entry(12, "exp", "( )",
              {"Função exponencial de base e", kKnown,
               "Uma exponencial de base e também se pode escrever como uma potência de e."},
              {"exp (cos (2x))   ou   e ^ cos (2x)"}),
        entry(13, "fix", "( )",
              {"Função parte inteira", "Tem o nome usado em programação; não deve ser confundida com int ( ).",
               "Dá a parte inteira de um número positivo ou nulo e o primeiro inteiro maior ou igual a um "
               "número negativo."},
              {"fix (x)"}),
        entry(13, "int", "( )",
              {"Função característica", "Tem o nome usado em programação; não deve ser confundida com fix ( ).",
               "Dá a parte inteira de um número positivo ou nulo e o primeiro inteiro menor ou igual a um "
               "número negativo."},
              {"int (x)"}),
        entry(14, "ln", "( )",
              {"Função logaritmo de base e (número de Neper); é a mesma função que log ( )", kKnown},
              {"ln (x)", "cos (5x)*ln (5x)", "(abs (ln (x)))^(1/3)"}),
        entry(14, "log", "( )", {"Função logaritmo de base e; é a mesma função que ln ( )", kKnown},
              {"log (x)", "5*log (sen (x))", "tgh (log (1/2x))"}),
        entry(15, "log2", "( )", {"Função logaritmo de base 2", "É definida por log2(x) = log(x) / log(2)."},
              {"log2 (x)", "sen (log2 (1/x))", "log2 (sen (cos (5x)))"}),
        entry(15, "log10", "( )", {"Função logaritmo de base 10", "É definida por log10(x) = log(x) / log(10)."},
              {"log10 (x)", "sen (log10 (1/x))", "log10 (sen (cos (5x)))"}),
        entry(16, "logn", "( , )",
              {"Função logaritmo de base qualquer (positiva e diferente de um)",
               "É definida por logn(x,y) =  log(x) / log(y)",
               "Tem duas entradas separadas por uma vírgula: primeiro a variável e depois a base. Assim, "
               "logn (x, 2) dá o mesmo gráfico que log2 (x), e logn (x, 7) é o logaritmo de base 7.",
               "Trocando as entradas obtém-se outra função: logn (7, x) é log (7) / log (x)."},
              {"logn (x, 5)"}),
        entry(17, "mant", "( )",
              {"Função mantissa", "É definida por mant(x) = x - int(x)",
               "É a diferença entre um número e a sua característica."},
              {"mant (x)", "mant (sen (x))", "x*mant (5x)"}),
        entry(17, "max", "( , )",
              {"Função máximo", "(é definida com um algoritmo)",
               "Tem duas entradas separadas por uma vírgula; para cada x, a ordenada é o maior dos dois "
               "valores, como em max (sen(x), tgh(x))."},
              {"max (x, cosh (x))"}),
        entry(18, "min", "( , )",
              {"Função mínimo", "(é definida com um algoritmo)",
               "Tem duas entradas separadas por uma vírgula: a variável x e qualquer expressão válida.",
               "Para cada x, a ordenada é o menor dos dois valores, como em min (x, 7) e "
               "min (sen(x), tgh(x))."},
              {"min (sen (x), cos (x))", "x*min (x, int (x))"}),
        entry(19, "mod", "( , )",
              {"Função resto da divisão", kKnown,
               "Tem duas entradas separadas por uma vírgula e dá o resto, arredondado a um inteiro, da divisão "
               "da primeira pela segunda. Tem o nome usado em programação.",
               "O programa contorna os valores não definidos, mas não é possível fazer uma divisão por zero.",
               "Não deve ser confundida com o módulo (valor absoluto), abs ( )."},
              {"mod (x, 7)", "cos(x-4)*mod (exp(5x),8)"}),
        entry(20, "sec", "( )", {"Função secante.", R"(É definida por $sec(x) = \frac{1}{cos(x)}$)"},
              {"sec (x)", "x*sec(7x)"}),
        entry(20, "sech", "( )",
              {"Função secante hiperbólica", R"(É definida por $sech(x) = \frac{2}{e^x + e^{−x}}$)"},
              {"sech (x)", "sech (sech (x))", "exp (sech (2x))"}),
        entry(21, "sen", "( )", {"Função seno", kKnown}, {"sen (x)", "cos (sen (4x))", "ln(x)*sen (5/x)"}),
        entry(21, "senh", "( )",
              {"Função seno hiperbólico", R"(É definida por $senh(x) = \frac{e^x − e^{−x}}{2}$)"},
              {"senh (x)", "senh (cosh (3x))", "e ^senh (x)"}),
        entry(22, "sgn", "( )",
              {"Função sinal",
               R"(É definida por $sgn(x) = \cases{1 & se  x > 0 \\ 0 & se  x = 0 \\ −1 & se  x < 0}$)"},
              {"sgn (x)", "sgn (sen(x))", "sgn (cos (x))"}),
        entry(22, "sqr", "( )",
              {"Função raiz quadrada", kKnown,
               "Só está definida para valores não negativos; o programa contorna os valores impróprios."},
              {"sqr (x)"}),
        entry(23, "tg", "( )", {"Função tangente.", R"(É definida por $tg(x) = \frac{sen(x)}{cos(x)}$)"},
              {"tg (x)", "tg (e^x)", "cos (x) + tg (arctg (6x))"}),
        entry(23, "tgh", "( )",
              {"Função tangente hiperbólica",
               R"(É definida por $tgh(x) = \frac{e^x − e^{−x}}{e^x + e^{−x}}$)"},
              {"tgh (x)", "x*tgh (x^3)", "tgh (tgh (tgh (cos (x))))"}),
    };
}

}  // namespace

const std::vector<HelpFunctionEntry>& helpFunctionEntries() {
    static const std::vector<HelpFunctionEntry> entries = makeEntries();
    return entries;
}

QStringList sampleExpressions(const QString& sampleLine) {
    static const QRegularExpression alternative(QStringLiteral("\\s+ou\\s+"));
    QStringList out;
    for (const QString& part : sampleLine.split(alternative, Qt::SkipEmptyParts)) out << part.trimmed();
    return out;
}

}  // namespace plotaris
