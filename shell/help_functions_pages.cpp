// The pages of "FUNÇÕES DEFINIDAS": how the program knows its functions, their list, and one
// entry for each, built from the entries' table.
#include "shell/help_function_entries.h"
#include "shell/help_window.h"

namespace plotaris {

namespace {

QString t(const char* text) { return QString::fromUtf8(text); }

void page1(HelpPageWriter& w) {
    w.title(t("FUNÇÕES DEFINIDAS"));
    w.paragraph(t("São estas as funções que pode escrever nas expressões."));
    w.paragraph(t("Os computadores conhecem poucas funções próprias (sin, cos, tan, abs e mais algumas). Para "
                  "cada uma das outras funções, o programa tem de ser informado da fórmula que deve usar. Por "
                  "exemplo, arcsenh(x) é lida como"));
    w.line(t(R"($log\left(x + \sqrt{x^2 + 1}\right)$)"), 3);
    w.space(6);
    w.paragraph(t("e arccosech(x) é lida como"));
    w.line(t(R"($log\left(\frac{1 + sgn(x) · \sqrt{x^2 + 1}}{x}\right)$)"), 3);
    w.space(6);
    w.paragraph(t("Numa composição de funções, uma expressão substitui a variável da outra: em sen(log(x)), por "
                  "exemplo, log(x) ocupa o lugar de x em sen(x)."));
    w.paragraph(t("As páginas seguintes apresentam as funções, uma ou duas em cada página."));
}

void page2(HelpPageWriter& w) {
    w.paragraph(t("As funções definidas neste programa são as seguintes:"));
    QStringList headings;
    for (const auto& e : helpFunctionEntries()) headings << e.heading();
    w.columns(headings, 3, HelpMark::FunctionName, 1);
    w.space(12);
    w.paragraph(t("Em cada função indica-se que formas de expressão são válidas e dão-se exemplos de expressões. "
                  "Os exemplos são apenas tipos de expressões: não têm de ser funções com interesse."));
}

void entryPage(HelpPageWriter& w, int page) {
    bool first = true;
    for (const auto& e : helpFunctionEntries()) {
        if (e.page != page) continue;
        if (!first) w.space(18);
        first = false;
        w.heading(e.heading(), HelpMark::EntryHeading);
        for (const QString& b : e.bullets) w.bullet(b);
        w.bullet(t("São válidas expressões da forma:"));
        for (const QString& s : e.samples) w.line(s, 2, HelpMark::Sample);
    }
}

}  // namespace

std::vector<HelpPageContent> functionsPages() {
    std::vector<HelpPageContent> pages{page1, page2};
    for (int p = 3; p <= 23; ++p) pages.push_back([p](HelpPageWriter& w) { entryPage(w, p); });
    return pages;
}

}  // namespace plotaris
