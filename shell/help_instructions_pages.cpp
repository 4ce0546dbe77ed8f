// The pages of "INSTRUÇÕES": what the program is for and how to get the most from it.
#include "shell/help_window.h"

namespace plotaris {

namespace {

QString t(const char* text) { return QString::fromUtf8(text); }

void page1(HelpPageWriter& w) {
    w.title(t("INSTRUÇÕES"));
    w.paragraph(t("Este programa destina-se a professores e alunos do ensino secundário, mas pode ser utilizado "
                  "em qualquer nível de ensino."));
    w.paragraph(t("Não se refere a um tema único: serve de apoio a várias unidades didácticas, sempre que seja "
                  "útil observar o gráfico de uma função."));
    w.paragraph(t("Com ele pode desenhar o gráfico de qualquer função que deseje. Antes de começar, consulte "
                  "\"Funções Definidas\", no menu, para conhecer as funções de que dispõe."));
    w.paragraph(t("Consulte também \"Sintaxe\", igualmente no menu, para saber como se escrevem as expressões, "
                  "que símbolos se utilizam e como se usam os parênteses."));
}

void page2(HelpPageWriter& w) {
    w.paragraph(t("O programa tem várias páginas (janelas), uma para cada tipo de função. Os gráficos são "
                  "desenhados com as cores que escolher, nos intervalos que definir e com a espessura de linha "
                  "que seleccionar."));
    w.paragraph(t("Cada botão indica para que serve quando o ponteiro do rato repousa sobre ele, pelo que não "
                  "são necessárias instruções pormenorizadas."));
    w.paragraph(t("As expressões analíticas não precisam de estar simplificadas nem ordenadas. Pode escrever, "
                  "indiferentemente:"));
    w.line(t("x^2+3x^2-7 ou 4x^2-7"), 1);
    w.line(t("5(x^2-1) ou 5x^2-5"), 1);
    w.line(t("-log(x)+5 ou 5-log(x)"), 1);
    w.space(8);
    w.paragraph(t("Na área de desenho podem traçar-se vários gráficos sem apagar os anteriores, mudando a cor, "
                  "para comparar famílias de funções como:"));
    w.line(t("2x^2, 3x^2, 4x^2, etc."), 1);
    w.line(t("sen(x), sen(x/2), sen(x/3), etc."), 1);
    w.space(8);
    w.paragraph(t("Para uma comparação mais clara, há uma página com quatro áreas de desenho, uma para cada "
                  "função."));
}

void page3(HelpPageWriter& w) {
    w.paragraph(t("A página das funções definidas por ramos pode ser usada, a um nível elementar, para estudar o "
                  "domínio, os intervalos de monotonia, os extremos e outras características de uma função. Cada "
                  "utilizador encontrará, certamente, outras aplicações."));
    w.paragraph(t("Observação: os botões não ficam bloqueados enquanto uma tarefa decorre, pelo que seria "
                  "possível iniciar outra tarefa durante a primeira. É pouco provável que tal aconteça, mas "
                  "poderia causar problemas; conta-se com o bom senso de quem utiliza o programa."));
    w.paragraph(t("Outra observação: os ramos de uma função definida por ramos podem sobrepor-se. Assim, é "
                  "possível desenhar para os alunos uma curva que não é o gráfico de uma função, como uma "
                  "parábola de eixo horizontal. Nesse caso, ..."));
}

void page4(HelpPageWriter& w) {
    w.paragraph(t("... os limites dos ramos devem ser escolhidos com cuidado. A mesma curva pode também obter-se "
                  "desenhando, por exemplo, \"sqr(x)\" e \"-sqr(x)\", um a seguir ao outro, sem apagar."));
    w.paragraph(t("Uma última observação, sobre a barra da qualidade do desenho: só tem importância em funções "
                  "como y = tg(x), em que a pequenas variações de x correspondem grandes variações de y e o "
                  "gráfico poderia não parecer uma linha contínua. Aumentando a qualidade do desenho evita-se "
                  "esse efeito; em geral, não é necessário."));
    w.space(6);
    w.paragraph(t("Algumas sugestões para as aulas:"));
    w.paragraph(t("Os limites dos eixos e dos intervalos aceitam expressões: pode escrever \"2pi\" ou \"-3pi/2\" "
                  "em vez de um número. Nas funções trigonométricas, o botão \"Radianos\" gradua o eixo das "
                  "abcissas em radianos."));
    w.paragraph(t("Antes da aula, experimente as expressões que vai usar: assim escolhe os limites dos eixos em "
                  "que o gráfico se vê melhor."));
}

void page5(HelpPageWriter& w) {
    w.paragraph(t("Para levar um gráfico para uma ficha de trabalho ou um teste, use \"Guardar\", que o grava "
                  "como imagem .bmp, ou \"Copiar\", que o põe na área de transferência para ser colado noutra "
                  "aplicação."));
    w.paragraph(t("Se uma expressão tiver um erro, uma mensagem diz qual é (por exemplo, \"Número de parênteses "
                  "incorrecto.\") e os pontos já desenhados mantêm-se. Corrija a expressão e desenhe de novo."));
    w.paragraph(t("As janelas de ajuda podem ficar abertas ao lado da janela de desenho; cada uma mantém a página "
                  "em que está até ser fechada com \"Fechar\"."));
    w.paragraph(t("Para sair, escolha \"Abandonar o programa\" no menu \"Ficheiro\" de qualquer janela."));
    w.space(10);
    w.paragraph(t("Bom trabalho!"));
}

}  // namespace

std::vector<HelpPageContent> instructionsPages() { return {page1, page2, page3, page4, page5}; }

}  // namespace plotaris
