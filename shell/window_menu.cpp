#include "shell/window_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <span>

#include "windows/form_window.h"
#include "windows/window_registry.h"

namespace plotaris {

namespace {

// Every entry does one of these; a submenu only opens.
enum class Act { Submenu, Show, Leave, LeaveAndShow, End };

// One line of a menu, as a menu editor lists them: level 0 is the menu bar, level 1 the submenu
// opened by the last level-0 entry above it, level 2 the submenu of the last level-1 entry.
struct Entry {
    int level;
    const char* caption;
    const char* control;
    Act act;
    FormId target = FormId::Form7;  // for Show and LeaveAndShow
};

using enum Act;
using enum FormId;

constexpr Entry kForm7[] = {
    {0, "Ficheiro", "Ficheiro", Submenu},
    {1, "Abandonar o programa", "Abandonar", End},
    {0, "Gráficos", "Gráficos", Submenu},
    {1, "Cartesianos", "Cartesianos", Submenu},
    {2, "Sem ramos", "SemRamos", Show, Form1},
    {2, "Com ramos", "ComRamos", Show, Form2},
    {1, "Coordenadas polares", "Polares", Show, Form3},
    {1, "Equações paramétricas", "Paramétricos", Show, Form4},
    {1, "Funções especiais", "Especiais", LeaveAndShow, Form5},
    {0, "Comparar funções", "CompararFunções", Show, Form10},
    {0, "Instruções", "Instruções", Show, Form6},
    {0, "Sintaxe", "Sintaxe", Show, Form9},
    {0, "Funções Definidas", "FunçõesDefinidas", Show, Form8},
};

constexpr Entry kForm1[] = {
    {0, "Ficheiro", "Ficheiro", Submenu},
    {1, "Fechar esta página", "FecharPágina", Leave},
    {1, "Abandonar o programa", "Abandonar", End},
    {0, "Gráficos", "Gráficos", Submenu},
    {1, "Com ramos", "ComRamos", LeaveAndShow, Form2},
    {1, "Coordenadas Polares", "CoordenadasPolares", LeaveAndShow, Form3},
    {1, "Equações Paramétricas", "EquaçõesParamétricas", LeaveAndShow, Form4},
    {1, "Funções Especiais", "FunçõesEspeciais", LeaveAndShow, Form5},
    {0, "Comparar funções", "Comparar", LeaveAndShow, Form10},
    {0, "Instruções", "Instruções", Show, Form6},
    {0, "Sintaxe", "Sintaxe", Show, Form9},
    {0, "Funções Definidas", "FunçõesDefinidas", Show, Form8},
};

constexpr Entry kForm2[] = {
    {0, "Ficheiro", "Ficheiro", Submenu},
    {1, "Fechar esta página", "FecharPágina", Leave},
    {1, "Abandonar o programa", "Abandonar", End},
    {0, "Gráficos", "Gráficos", Submenu},
    {1, "Sem ramos", "SemRamos", LeaveAndShow, Form1},
    {1, "Coordenadas polares", "Polares", LeaveAndShow, Form3},
    {1, "Equações paramétricas", "Paramétricos", LeaveAndShow, Form4},
    {1, "Funções especiais", "Especiais", LeaveAndShow, Form5},
    {0, "Comparar funções", "Comparar", LeaveAndShow, Form10},
    {0, "Instruções", "Instruções", Show, Form6},
    {0, "Sintaxe", "Sintaxe", Show, Form9},
    {0, "Funções Definidas", "FunçõesDefinidas", Show, Form8},
};

constexpr Entry kForm3[] = {
    {0, "Ficheiro", "Ficheiro", Submenu},
    {1, "Fechar esta página", "FecharPágina", Leave},
    {1, "Abandonar o programa", "Abandonar", End},
    {0, "Gráficos", "Gráficos", Submenu},
    {1, "Cartesianos", "Cartesianos", Submenu},
    {2, "Sem ramos", "SemRamos", LeaveAndShow, Form1},
    {2, "Com ramos", "ComRamos", LeaveAndShow, Form2},
    {1, "Equações paramétricas", "Paramétricos", LeaveAndShow, Form4},
    {1, "Funções especiais", "Especiais", LeaveAndShow, Form5},
    {0, "Comparar funções", "Comparar", LeaveAndShow, Form10},
    {0, "Instruções", "Instruções", Show, Form6},
    {0, "Sintaxe", "Sintaxe", Show, Form9},
    {0, "Funções definidas", "FunçõesDefinidas", Show, Form8},
};

constexpr Entry kForm4[] = {
    {0, "Ficheiro", "Ficheiro", Submenu},
    {1, "Fechar esta página", "FecharPágina", Leave},
    {1, "Abandonar o programa", "AbandonarPrograma", End},
    {0, "Gráficos", "Gráficos", Submenu},
    {1, "Cartesianos", "Cartesianos", Submenu},
    {2, "Sem ramos", "SemRamos", LeaveAndShow, Form1},
    {2, "Com ramos", "ComRamos", LeaveAndShow, Form2},
    {1, "Coordenadas polares", "Polares", LeaveAndShow, Form3},
    {1, "Funções especiais", "FunçõesEspeciais", LeaveAndShow, Form5},
    {0, "Comparar funções", "CompararFunções", LeaveAndShow, Form10},
    {0, "Instruções", "Instruções", Show, Form6},
    {0, "Sintaxe", "Sintaxe", Show, Form9},
    {0, "Funções definidas", "FunçõesDefinidas", Show, Form8},
};

constexpr Entry kForm5[] = {
    {0, "Ficheiro", "Ficheiro", Submenu},
    {1, "Fechar esta página", "FecharPágina", Leave},
    {1, "Abandonar o programa", "AbandonarPrograma", End},
    {0, "Gráficos", "Gráficos", Submenu},
    {1, "Cartesianos", "Cartesianos", Submenu},
    {2, "Sem ramos", "SemRamos", LeaveAndShow, Form1},
    {2, "Com ramos", "ComRamos", LeaveAndShow, Form2},
    {1, "Coordenadas polares", "Polares", LeaveAndShow, Form3},
    {1, "Equações paramétricas", "Paramétricos", LeaveAndShow, Form4},
    {0, "Comparar funções", "CompararFunções", LeaveAndShow, Form10},
    {0, "Instruções", "Instruções", Show, Form6},
    {0, "Sintaxe", "Sintaxe", Show, Form9},
    {0, "Funções definidas", "FunçõesDefinidas", Show, Form8},
};

// The comparison window has no entry for itself.
constexpr Entry kForm10[] = {
    {0, "Ficheiro", "Ficheiro", Submenu},
    {1, "Fechar esta página", "FecharPágina", Leave},
    {1, "Abandonar o programa", "Abandonar", End},
    {0, "Gráficos", "Gráficos", Submenu},
    {1, "Cartesianos", "Cartesianos", Submenu},
    {2, "Sem ramos", "SemRamos", LeaveAndShow, Form1},
    {2, "Com ramos", "ComRamos", LeaveAndShow, Form2},
    {1, "Coordenada polares", "Polares", LeaveAndShow, Form3},
    {1, "Equações paramétricas", "Paramétricos", LeaveAndShow, Form4},
    {1, "Funções especiais", "FunçõesEspeciais", LeaveAndShow, Form5},
    {0, "Instruções", "Instruções", Show, Form6},
    {0, "Sintaxe", "Sintaxe", Show, Form9},
    {0, "Funções definidas", "FunçõesDefinidas", Show, Form8},
};

std::span<const Entry> tableOf(FormId id) {
    switch (id) {
        case Form7: return kForm7;
        case Form1: return kForm1;
        case Form2: return kForm2;
        case Form3: return kForm3;
        case Form4: return kForm4;
        case Form5: return kForm5;
        case Form10: return kForm10;
        default: return {};
    }
}

void perform(FormWindow* self, const Entry& entry) {
    auto& registry = WindowRegistry::instance();
    switch (entry.act) {
        case Submenu: break;
        case Show: registry.show(entry.target); break;
        case Leave: registry.leave(self); break;
        case LeaveAndShow: registry.leaveAndShow(self, entry.target); break;
        case End: registry.end(); break;
    }
}

}  // namespace

void installWindowMenu(FormWindow& window) {
    const auto table = tableOf(window.formId());
    if (table.empty()) return;
    QMenuBar* bar = window.menuBar();
    // The menu stays in the window, where its layout puts it, whatever the desktop offers.
    bar->setNativeMenuBar(false);
    QMenu* open[2] = {nullptr, nullptr};  // the submenus that levels 1 and 2 go into
    for (const Entry& entry : table) {
        const QString caption = QString::fromUtf8(entry.caption);
        const QString control = QString::fromUtf8(entry.control);
        QAction* action = nullptr;
        if (entry.act == Submenu) {
            auto* menu = new QMenu(caption, entry.level == 0 ? static_cast<QWidget*>(bar) : open[0]);
            menu->setObjectName(control);
            action = menu->menuAction();
            if (entry.level < 2) open[entry.level] = menu;
        } else {
            action = new QAction(caption, &window);
            QObject::connect(action, &QAction::triggered, &window, [self = &window, &entry] { perform(self, entry); });
        }
        action->setObjectName(control);
        if (entry.level == 0) bar->addAction(action);
        else open[entry.level - 1]->addAction(action);
    }
}

}  // namespace plotaris
