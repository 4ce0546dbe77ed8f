// The pages of "SINTAXE": how expressions and numeric values are written.
#include "shell/help_window.h"

namespace plotaris {

namespace {

QString t(const char* text) { return QString::fromUtf8(text); }

void page1(HelpPageWriter& w) {
    w.title(t("SINTAXE"));
    w.paragraph(t("Para introduzir expressões ou valores numéricos, deve respeitar as regras seguintes:"));
    w.bullet(t("A única variável independente aceite é x; outras letras, como y ou k, não são variáveis."));
    w.bullet(t("O argumento de uma função escreve-se sempre entre parênteses: sen(x) e não sen x."));
    w.bullet(t("As funções disponíveis são as que se apresentam em \"Funções definidas\", no menu; são mais do "
               "que as necessárias no programa de ensino."));
    w.bullet(t("Os nomes das funções escrevem-se em português. Outros nomes, como sin e tan, também são aceites "
               "mas, por simplicidade, não são descritos."));
    w.bullet(t("Deve haver tantos parênteses a abrir como a fechar, todos da forma ( e ). Os símbolos [, ], { e } "
               "não são interpretados. Os parênteses desnecessários são ignorados."));
}

void page2(HelpPageWriter& w) {
    w.bullet(t("As expressões das funções podem encaixar-se umas nas outras, como argumentos:"));
    w.line(t("log (exp (sen (5x)))"), 2);
    w.line(t("tgh (cos (7/log (3x)))"), 2);
    w.bullet(t("Os espaços entre as partes de uma expressão são facultativos; são a mesma expressão:"));
    w.line(t("cos(x)"), 2);
    w.line(t("cos  (  x  )"), 2);
    w.bullet(t("As maiúsculas e as minúsculas são equivalentes:"));
    w.line(t("Cos(x),  COS(x),  ou  CoS(X)."), 2);
    w.bullet(t("Entre uma constante e uma expressão não é necessário o sinal de multiplicação; são "
               "equivalentes:"));
    w.line(t("5sen (2x),  5*sen (2x),  5sen (2*x)   ou   5*sen(2*x)."), 2);
    w.bullet(t("Entre variáveis ou entre funções, o sinal de multiplicação é obrigatório:"));
    w.line(t("sen(x)cos(x)   está errado;"), 2);
    w.line(t("sen(x)*cos(x)   está certo."), 2);
    w.bullet(t("Nos números decimais usa-se o ponto e não a vírgula: escreva 1.7x e não 1,7x."));
    w.bullet(t("As constantes podem escrever-se com os símbolos habituais, quando isso tem sentido:"));
    w.line(t("sqr(2)tg(x)"), 2);
    w.line(t("log(7)cos(ex)"), 2);
    w.line(t("e^cos(2x)"), 2);
}

void page3(HelpPageWriter& w) {
    w.heading(t("Para introduzir valores numéricos:"));
    w.paragraph(t("Em várias janelas pedem-se valores numéricos: os intervalos em que se desenha uma função, os "
                  "limites dos eixos e outros. Cada valor escreve-se num campo precedido da sua legenda."));
    w.paragraph(t("Um campo aceita um número ou qualquer expressão cujo valor seja um número real. Nos números "
                  "decimais usa-se o ponto."));
    w.paragraph(t("São valores válidos, por exemplo:"));
    w.columns({t("123"), t("- 123.45"), t("7/9"), t("0.1234"), t("-2*3"), t("sqr(23)"), t("5^3"),
               t("log (11) + sen (12)"), t("2e"), t("3pi"), t("max (-2, cos (7))"), t("sen (pi)")},
              2, HelpMark::None, 1);
    w.space(8);
    w.paragraph(t("Não são valores válidos:"));
    w.table({{t("12,3"), t("(tem uma vírgula)")},
             {t("cos (x)"), t("(não é um valor numérico)")},
             {t("∞"), t("(não é real)")},
             {t("tg (pi/2)"), t("(é infinito, logo não é real)")}},
            1);
}

void page4(HelpPageWriter& w) {
    w.paragraph(t("Tal como nas expressões, os espaços não têm significado nos valores numéricos: 1234 e "
                  "1 2 3 4 são o mesmo número. Os parênteses que não alteram o valor também não alteram o "
                  "significado: 2*3 e (2)*(3) são o mesmo valor."));
    w.space(8);
    w.heading(t("Símbolos das operações"));
    w.paragraph(t("Os símbolos das operações, tanto nas expressões como nos valores numéricos, são os habituais "
                  "nos computadores:"));
    w.table({{t("+"), t("adição")},
             {t("-"), t("subtracção")},
             {t("*"), t("multiplicação")},
             {t("/"), t("divisão")},
             {t("\\"), t("divisão inteira")},
             {t("^"), t("potência")},
             {t("sqr"), t("raiz quadrada")}},
            1);
}

}  // namespace

std::vector<HelpPageContent> syntaxPages() { return {page1, page2, page3, page4}; }

}  // namespace plotaris
