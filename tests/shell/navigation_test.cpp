// Moving between the program's windows through their menus.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include "tests/support/event_loop.h"
#include "windows/window_registry.h"

namespace plotaris {
namespace {

class Navigation : public ::testing::Test {
protected:
    WindowRegistry& registry = WindowRegistry::instance();
    int ends = 0;

    void SetUp() override {
        registry.setEndAction([this] { ++ends; });
        registry.show(FormId::Form7);
        settle();
    }
    void TearDown() override {
        registry.reset();
        registry.setEndAction([] {});
    }
    static void settle() { testing::settle(); }
    // Chooses the menu entry of that control name in the window, as the user does.
    void choose(FormId in, const char* control) {
        FormWindow* w = registry.window(in);
        ASSERT_NE(w, nullptr);
        auto* entry = w->findChild<QAction*>(QString::fromUtf8(control));
        ASSERT_NE(entry, nullptr) << control;
        entry->trigger();
        settle();
    }
    QPointer<FormWindow> window(FormId id) const { return registry.window(id); }
};

TEST_F(Navigation, ShowingAnOpenWindowLeavesItUnchanged) {
    choose(FormId::Form7, "SemRamos");
    QPointer<FormWindow> oneFunction = window(FormId::Form1);
    ASSERT_TRUE(oneFunction);
    oneFunction->setProperty("drawing", 1);
    choose(FormId::Form7, "SemRamos");
    EXPECT_EQ(window(FormId::Form1), oneFunction);
    EXPECT_EQ(oneFunction->property("drawing"), 1);
    EXPECT_TRUE(registry.isOpen(FormId::Form7));

    // "Funções especiais" with the special-curves window open: only the start window goes.
    registry.show(FormId::Form5);
    QPointer<FormWindow> special = window(FormId::Form5);
    special->setProperty("drawing", 2);
    choose(FormId::Form7, "Especiais");
    EXPECT_FALSE(registry.isOpen(FormId::Form7));
    EXPECT_EQ(window(FormId::Form5), special);
    EXPECT_EQ(special->property("drawing"), 2);
    EXPECT_EQ(registry.openCount(), 2);
}

TEST_F(Navigation, LeaveAndShowWithAnOpenTarget) {
    choose(FormId::Form7, "ComRamos");
    choose(FormId::Form7, "Polares");
    QPointer<FormWindow> sections = window(FormId::Form2);
    QPointer<FormWindow> polar = window(FormId::Form3);
    polar->setProperty("drawing", 1);
    choose(FormId::Form2, "Polares");
    EXPECT_TRUE(sections.isNull());
    EXPECT_EQ(window(FormId::Form3), polar);
    EXPECT_EQ(polar->property("drawing"), 1);
    EXPECT_TRUE(registry.isOpen(FormId::Form7));
    EXPECT_EQ(ends, 0);
}

TEST_F(Navigation, SpecialCurvesFromTheStartWindowThenLeavingThemEndsTheProgram) {
    choose(FormId::Form7, "Especiais");
    EXPECT_FALSE(registry.isOpen(FormId::Form7));
    ASSERT_TRUE(registry.isOpen(FormId::Form5));
    EXPECT_EQ(ends, 0);
    choose(FormId::Form5, "FecharPágina");
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(registry.openCount(), 0);
}

TEST_F(Navigation, ClosingTheStartWindowWithADrawingWindowOpenKeepsTheProgramRunning) {
    choose(FormId::Form7, "Paramétricos");
    window(FormId::Form7)->close();
    settle();
    EXPECT_FALSE(registry.isOpen(FormId::Form7));
    EXPECT_TRUE(registry.isOpen(FormId::Form4));
    EXPECT_EQ(ends, 0);
    // Its menu still works, and its last window's close ends the program.
    choose(FormId::Form4, "Polares");
    ASSERT_TRUE(registry.isOpen(FormId::Form3));
    window(FormId::Form3)->close();
    settle();
    EXPECT_EQ(ends, 1);
}

TEST_F(Navigation, AbandonarEndsTheProgramWithItsHelpWindows) {
    choose(FormId::Form7, "Instruções");
    choose(FormId::Form7, "SemRamos");
    choose(FormId::Form1, "Sintaxe");
    choose(FormId::Form1, "FunçõesDefinidas");
    ASSERT_EQ(registry.openCount(), 5);
    std::vector<QPointer<FormWindow>> open;
    for (FormId id : {FormId::Form7, FormId::Form1, FormId::Form6, FormId::Form9, FormId::Form8})
        open.emplace_back(window(id));

    choose(FormId::Form1, "Abandonar");
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(registry.openCount(), 0);
    for (const auto& w : open) EXPECT_TRUE(w.isNull());  // no hidden window survives
}

TEST_F(Navigation, TheSameHelpEntryFromTwoWindowsOpensOneWindow) {
    choose(FormId::Form7, "Sintaxe");
    QPointer<FormWindow> syntax = window(FormId::Form9);
    ASSERT_TRUE(syntax);
    auto* nextPage = syntax->findChild<QAbstractButton*>(QStringLiteral("SetaD"));
    ASSERT_NE(nextPage, nullptr);
    nextPage->click();
    nextPage->click();
    choose(FormId::Form7, "CompararFunções");
    choose(FormId::Form10, "Sintaxe");
    EXPECT_EQ(window(FormId::Form9), syntax);
    EXPECT_EQ(syntax->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("3"));  // still on page 3
    EXPECT_EQ(registry.openCount(), 3);

    // Leaving the drawing window leaves the help window open.
    choose(FormId::Form10, "FecharPágina");
    EXPECT_EQ(window(FormId::Form9), syntax);
}

// With the real one-function window: a drawing stays while the window is shown again, and a leave
// drops it with the typed expression.
TEST_F(Navigation, TheOneFunctionWindowComesBackWithItsDefaultsAfterALeave) {
    choose(FormId::Form7, "SemRamos");
    FormWindow* first = window(FormId::Form1);
    auto* expression = first->findChild<QLineEdit*>(QStringLiteral("Função"));
    ASSERT_NE(expression, nullptr);
    EXPECT_EQ(expression->text(), QStringLiteral("1/3x*(2-sen(x))"));
    auto picture = [this] { return window(FormId::Form1)->findChild<QWidget*>(QStringLiteral("Picture1"))->grab().toImage(); };
    const QImage axesOnly = picture();

    expression->setText(QStringLiteral("x/2"));
    first->findChild<QAbstractButton*>(QStringLiteral("DesenharGráfico"))->click();
    settle();
    const QImage drawn = picture();
    ASSERT_NE(drawn, axesOnly);
    choose(FormId::Form7, "SemRamos");
    EXPECT_EQ(window(FormId::Form1), first);
    EXPECT_EQ(picture(), drawn);

    choose(FormId::Form1, "FecharPágina");
    choose(FormId::Form7, "SemRamos");
    FormWindow* second = window(FormId::Form1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->findChild<QLineEdit*>(QStringLiteral("Função"))->text(), QStringLiteral("1/3x*(2-sen(x))"));
    EXPECT_EQ(picture(), axesOnly);
}

}  // namespace
}  // namespace plotaris
