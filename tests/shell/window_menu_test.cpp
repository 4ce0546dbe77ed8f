// Every menu of every window, walked and compared with the menus as the program's windows carry
// them: captions, order, control names and what each entry does.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <map>

#include "tests/support/event_loop.h"
#include "windows/window_registry.h"

namespace plotaris {
namespace {

// "path | control | action": the path is the chain of captions from the menu bar.
const std::map<FormId, std::vector<const char*>> kMenus = {
    {FormId::Form7,
     {"Ficheiro | Ficheiro | submenu", "Ficheiro > Abandonar o programa | Abandonar | end",
      "Gráficos | Gráficos | submenu", "Gráficos > Cartesianos | Cartesianos | submenu",
      "Gráficos > Cartesianos > Sem ramos | SemRamos | show Form1",
      "Gráficos > Cartesianos > Com ramos | ComRamos | show Form2",
      "Gráficos > Coordenadas polares | Polares | show Form3",
      "Gráficos > Equações paramétricas | Paramétricos | show Form4",
      "Gráficos > Funções especiais | Especiais | leave, show Form5",
      "Comparar funções | CompararFunções | show Form10", "Instruções | Instruções | show Form6",
      "Sintaxe | Sintaxe | show Form9", "Funções Definidas | FunçõesDefinidas | show Form8"}},
    {FormId::Form1,
     {"Ficheiro | Ficheiro | submenu", "Ficheiro > Fechar esta página | FecharPágina | leave",
      "Ficheiro > Abandonar o programa | Abandonar | end", "Gráficos | Gráficos | submenu",
      "Gráficos > Com ramos | ComRamos | leave, show Form2",
      "Gráficos > Coordenadas Polares | CoordenadasPolares | leave, show Form3",
      "Gráficos > Equações Paramétricas | EquaçõesParamétricas | leave, show Form4",
      "Gráficos > Funções Especiais | FunçõesEspeciais | leave, show Form5",
      "Comparar funções | Comparar | leave, show Form10", "Instruções | Instruções | show Form6",
      "Sintaxe | Sintaxe | show Form9", "Funções Definidas | FunçõesDefinidas | show Form8"}},
    {FormId::Form2,
     {"Ficheiro | Ficheiro | submenu", "Ficheiro > Fechar esta página | FecharPágina | leave",
      "Ficheiro > Abandonar o programa | Abandonar | end", "Gráficos | Gráficos | submenu",
      "Gráficos > Sem ramos | SemRamos | leave, show Form1",
      "Gráficos > Coordenadas polares | Polares | leave, show Form3",
      "Gráficos > Equações paramétricas | Paramétricos | leave, show Form4",
      "Gráficos > Funções especiais | Especiais | leave, show Form5",
      "Comparar funções | Comparar | leave, show Form10", "Instruções | Instruções | show Form6",
      "Sintaxe | Sintaxe | show Form9", "Funções Definidas | FunçõesDefinidas | show Form8"}},
    {FormId::Form3,
     {"Ficheiro | Ficheiro | submenu", "Ficheiro > Fechar esta página | FecharPágina | leave",
      "Ficheiro > Abandonar o programa | Abandonar | end", "Gráficos | Gráficos | submenu",
      "Gráficos > Cartesianos | Cartesianos | submenu",
      "Gráficos > Cartesianos > Sem ramos | SemRamos | leave, show Form1",
      "Gráficos > Cartesianos > Com ramos | ComRamos | leave, show Form2",
      "Gráficos > Equações paramétricas | Paramétricos | leave, show Form4",
      "Gráficos > Funções especiais | Especiais | leave, show Form5",
      "Comparar funções | Comparar | leave, show Form10", "Instruções | Instruções | show Form6",
      "Sintaxe | Sintaxe | show Form9", "Funções definidas | FunçõesDefinidas | show Form8"}},
    {FormId::Form4,
     {"Ficheiro | Ficheiro | submenu", "Ficheiro > Fechar esta página | FecharPágina | leave",
      "Ficheiro > Abandonar o programa | AbandonarPrograma | end", "Gráficos | Gráficos | submenu",
      "Gráficos > Cartesianos | Cartesianos | submenu",
      "Gráficos > Cartesianos > Sem ramos | SemRamos | leave, show Form1",
      "Gráficos > Cartesianos > Com ramos | ComRamos | leave, show Form2",
      "Gráficos > Coordenadas polares | Polares | leave, show Form3",
      "Gráficos > Funções especiais | FunçõesEspeciais | leave, show Form5",
      "Comparar funções | CompararFunções | leave, show Form10", "Instruções | Instruções | show Form6",
      "Sintaxe | Sintaxe | show Form9", "Funções definidas | FunçõesDefinidas | show Form8"}},
    {FormId::Form5,
     {"Ficheiro | Ficheiro | submenu", "Ficheiro > Fechar esta página | FecharPágina | leave",
      "Ficheiro > Abandonar o programa | AbandonarPrograma | end", "Gráficos | Gráficos | submenu",
      "Gráficos > Cartesianos | Cartesianos | submenu",
      "Gráficos > Cartesianos > Sem ramos | SemRamos | leave, show Form1",
      "Gráficos > Cartesianos > Com ramos | ComRamos | leave, show Form2",
      "Gráficos > Coordenadas polares | Polares | leave, show Form3",
      "Gráficos > Equações paramétricas | Paramétricos | leave, show Form4",
      "Comparar funções | CompararFunções | leave, show Form10", "Instruções | Instruções | show Form6",
      "Sintaxe | Sintaxe | show Form9", "Funções definidas | FunçõesDefinidas | show Form8"}},
    {FormId::Form10,
     {"Ficheiro | Ficheiro | submenu", "Ficheiro > Fechar esta página | FecharPágina | leave",
      "Ficheiro > Abandonar o programa | Abandonar | end", "Gráficos | Gráficos | submenu",
      "Gráficos > Cartesianos | Cartesianos | submenu",
      "Gráficos > Cartesianos > Sem ramos | SemRamos | leave, show Form1",
      "Gráficos > Cartesianos > Com ramos | ComRamos | leave, show Form2",
      "Gráficos > Coordenada polares | Polares | leave, show Form3",
      "Gráficos > Equações paramétricas | Paramétricos | leave, show Form4",
      "Gráficos > Funções especiais | FunçõesEspeciais | leave, show Form5",
      "Instruções | Instruções | show Form6", "Sintaxe | Sintaxe | show Form9",
      "Funções definidas | FunçõesDefinidas | show Form8"}},
};

const char* const kNames[kFormCount] = {"Form7", "Form1", "Form2", "Form3", "Form4",
                                        "Form5", "Form10", "Form6", "Form9", "Form8"};

class WindowMenus : public ::testing::Test {
protected:
    WindowRegistry& registry = WindowRegistry::instance();
    int ends = 0;
    void SetUp() override { registry.setEndAction([this] { ++ends; }); }
    void TearDown() override {
        registry.reset();
        registry.setEndAction([] {});
    }
    static void settle() { testing::settle(); }

    // The window alone (with the start window beside a drawing window, as no drawing window's menu
    // shows it), its entry at that path chosen: what happened, in the words of the table.
    QString effect(FormId self, const QStringList& path) {
        registry.reset();
        ends = 0;
        const bool beside = self != FormId::Form7;
        if (beside) registry.show(FormId::Form7);
        FormWindow* w = registry.show(self);
        settle();
        QAction* entry = actionAt(w->menuBar()->actions(), path);
        if (!entry) return QStringLiteral("missing");
        entry->trigger();
        settle();
        if (ends > 0) return registry.openCount() == 0 ? QStringLiteral("end") : QStringLiteral("end, windows left");
        if (beside && !registry.isOpen(FormId::Form7)) return QStringLiteral("start window gone");
        QStringList did;
        if (!registry.isOpen(self)) did << QStringLiteral("leave");
        for (int i = 0; i < kFormCount; ++i) {
            const auto id = static_cast<FormId>(i);
            if (id != self && id != FormId::Form7 && registry.isOpen(id)) did << QStringLiteral("show ") + kNames[i];
        }
        return did.isEmpty() ? QStringLiteral("nothing") : did.join(QStringLiteral(", "));
    }

    static QAction* actionAt(const QList<QAction*>& actions, QStringList path) {
        for (QAction* a : actions) {
            if (a->text() != path.front()) continue;
            path.pop_front();
            if (path.isEmpty()) return a;
            return a->menu() ? actionAt(a->menu()->actions(), path) : nullptr;
        }
        return nullptr;
    }

    struct Row {
        QStringList path;
        QString control;
        bool submenu;
    };

    // The entries as the window carries them, in order, submenus before their entries.
    static void walk(const QList<QAction*>& actions, const QStringList& above, std::vector<Row>& rows) {
        for (QAction* a : actions) {
            const QStringList path = above + QStringList{a->text()};
            const QString where = path.join(QStringLiteral(" > "));
            EXPECT_FALSE(a->isSeparator()) << where.toStdString();
            EXPECT_FALSE(a->isCheckable()) << where.toStdString();
            EXPECT_TRUE(a->shortcut().isEmpty()) << where.toStdString();
            if (QMenu* menu = a->menu()) {
                EXPECT_EQ(menu->title(), a->text());
                EXPECT_EQ(a->objectName(), menu->objectName()) << where.toStdString();
                rows.push_back({path, menu->objectName(), true});
                walk(menu->actions(), path, rows);
            } else {
                rows.push_back({path, a->objectName(), false});
            }
        }
    }
};

TEST_F(WindowMenus, EveryEntryOfEveryWindowAsInTheTables) {
    for (const auto& [id, expected] : kMenus) {
        SCOPED_TRACE(kNames[static_cast<int>(id)]);
        registry.reset();
        FormWindow* w = registry.show(id);
        ASSERT_TRUE(w);
        EXPECT_FALSE(w->menuBar()->isNativeMenuBar());
        std::vector<Row> entries;
        walk(w->menuBar()->actions(), {}, entries);

        std::vector<std::string> rows;
        for (const Row& e : entries) {
            const QString did = e.submenu ? QStringLiteral("submenu") : effect(id, e.path);
            rows.push_back((e.path.join(QStringLiteral(" > ")) + " | " + e.control + " | " + did).toStdString());
        }
        // Row by row, so that a difference names its row.
        for (size_t i = 0; i < std::max(rows.size(), expected.size()); ++i)
            EXPECT_EQ(i < rows.size() ? rows[i] : "(none)", i < expected.size() ? expected[i] : "(none)");
    }
}

// The drawing windows not made yet stand in with their size, caption and menu; no window has a
// control box.
TEST_F(WindowMenus, EveryWindowHasItsCaptionOnly) {
    for (int i = 0; i < kFormCount; ++i) {
        const auto id = static_cast<FormId>(i);
        FormWindow* w = registry.show(id);
        ASSERT_TRUE(w) << kNames[i];
        const Qt::WindowFlags flags = w->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint)) << kNames[i];
        for (Qt::WindowType button : {Qt::WindowSystemMenuHint, Qt::WindowMinimizeButtonHint,
                                      Qt::WindowMaximizeButtonHint, Qt::WindowCloseButtonHint})
            EXPECT_FALSE(flags.testFlag(button)) << kNames[i];
        if (kMenus.contains(id)) {
            EXPECT_EQ(w->windowTitle(), QStringLiteral("PLOTARIS")) << kNames[i];
            EXPECT_EQ(w->client()->size(), QSize(1016, 714)) << kNames[i];
        }
    }
    EXPECT_EQ(registry.window(FormId::Form6)->windowTitle(), QStringLiteral("INSTRUÇÕES"));
    EXPECT_EQ(registry.window(FormId::Form9)->windowTitle(), QStringLiteral("SINTAXE"));
    EXPECT_EQ(registry.window(FormId::Form8)->windowTitle(), QStringLiteral("FUNÇÕES DEFINIDAS"));
}

}  // namespace
}  // namespace plotaris
