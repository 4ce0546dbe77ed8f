// The registry's rules on probe windows that count their steps: one instance per window, leave
// for good, the system's close as leave, the end of the program, and what counts as activation.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QTest>

#include "tests/support/dialog_closer.h"
#include "tests/support/event_loop.h"
#include "app/window_factory.h"
#include "windows/window_registry.h"
#include "platform/dialogs.h"

namespace plotaris {
namespace {

class Probe final : public FormWindow {
public:
    explicit Probe(FormId id) : FormWindow(id, QStringLiteral("probe"), {160, 120}) {}
    void Form_Load() override { ++loads; }
    void Form_Activate() override { ++activations; }
    int loads = 0;
    int activations = 0;
    int systemActivations = 0;  // every time the system made it active, step or not

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::WindowActivate) ++systemActivations;
        return FormWindow::event(e);
    }
};

using plotaris::testing::settle;

// The user clicks the window.
void returnTo(QWidget* w) {
    w->activateWindow();
    settle();
    ASSERT_EQ(QApplication::activeWindow(), w);
}

class Registry : public ::testing::Test {
protected:
    WindowRegistry& registry = WindowRegistry::instance();
    int ends = 0;

    void SetUp() override {
        for (int i = 0; i < kFormCount; ++i) {
            const auto id = static_cast<FormId>(i);
            registry.setFactory(id, [id] { return new Probe(id); });
        }
        registry.setEndAction([this] { ++ends; });
    }
    void TearDown() override {
        registry.reset();
        registerWindows();
        registry.setEndAction([] {});
    }
    Probe* show(FormId id) { return static_cast<Probe*>(registry.show(id)); }
    static bool anyWindowAlive() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<FormWindow*>(w)) return true;
        return false;
    }
};

TEST_F(Registry, ShowCreatesAWindowOnceAndLeavesAnOpenOneAsItIs) {
    Probe* polar = show(FormId::Form3);
    EXPECT_EQ(polar->loads, 1);
    EXPECT_EQ(polar->activations, 1);
    EXPECT_TRUE(polar->isVisible());
    settle();  // the system's notice of that first activation runs no second step
    EXPECT_EQ(polar->activations, 1);

    polar->setWindowTitle(QStringLiteral("drawn on"));
    show(FormId::Form6);
    settle();
    EXPECT_EQ(show(FormId::Form3), polar);
    settle();
    EXPECT_EQ(polar->loads, 1);
    EXPECT_EQ(polar->activations, 1);
    EXPECT_EQ(polar->windowTitle(), QStringLiteral("drawn on"));
    EXPECT_EQ(QApplication::activeWindow(), polar);  // brought to the front
    EXPECT_EQ(registry.openCount(), 2);

    // The same when another window is left for it.
    Probe* sections = show(FormId::Form2);
    settle();
    registry.leaveAndShow(sections, FormId::Form3);
    settle();
    EXPECT_EQ(polar->activations, 1);
    EXPECT_EQ(QApplication::activeWindow(), polar);
    EXPECT_FALSE(registry.isOpen(FormId::Form2));
}

TEST_F(Registry, LeaveDiscardsForGoodAndTheNextShowStartsAfresh) {
    show(FormId::Form7);
    QPointer<Probe> first = show(FormId::Form1);
    registry.leave(first);
    EXPECT_FALSE(registry.isOpen(FormId::Form1));
    EXPECT_FALSE(first->isVisible());
    settle();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(ends, 0);

    Probe* second = show(FormId::Form1);
    EXPECT_EQ(second->loads, 1);
    EXPECT_EQ(second->activations, 1);

    registry.leave(second);
    registry.leave(second);  // a second leave of a window already gone does nothing
    EXPECT_TRUE(registry.isOpen(FormId::Form7));
    EXPECT_EQ(ends, 0);
}

TEST_F(Registry, TheSystemsCloseDiscardsAsLeaveAndTheLastCloseEndsTheProgram) {
    QPointer<Probe> start = show(FormId::Form7);
    QPointer<Probe> oneFunction = show(FormId::Form1);
    returnTo(start);
    QTest::keyClick(start, Qt::Key_F4, Qt::AltModifier);  // the system's close keystroke
    settle();
    EXPECT_TRUE(start.isNull());
    EXPECT_TRUE(registry.isOpen(FormId::Form1));
    EXPECT_EQ(ends, 0);

    oneFunction->close();
    settle();
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(registry.openCount(), 0);
    EXPECT_FALSE(anyWindowAlive());
}

TEST_F(Registry, EndClosesEveryWindowAtOnceRunningNoStep) {
    std::vector<QPointer<Probe>> open;
    for (FormId id : {FormId::Form7, FormId::Form1, FormId::Form6, FormId::Form9})
        open.emplace_back(show(id));
    settle();
    std::vector<int> activations;
    for (const auto& w : open) activations.push_back(w->activations);

    registry.end();
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(registry.openCount(), 0);
    for (size_t i = 0; i < open.size(); ++i) {
        EXPECT_FALSE(open[i]->isVisible());
        EXPECT_EQ(open[i]->activations, activations[i]);
    }
    settle();
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(anyWindowAlive());
}

// Activation: only the user's return from another of the program's windows runs the step.
TEST_F(Registry, ReturningFromAnotherWindowIsAnActivation) {
    Probe* polar = show(FormId::Form3);
    Probe* help = show(FormId::Form6);
    settle();
    returnTo(polar);
    EXPECT_EQ(polar->activations, 2);
    returnTo(help);
    EXPECT_EQ(help->activations, 2);

    // Leaving the help window takes the user back to the polar window.
    registry.leave(help);
    settle();
    EXPECT_EQ(QApplication::activeWindow(), polar);
    EXPECT_EQ(polar->activations, 3);
}

TEST_F(Registry, ReturningFromAnotherProgramIsNoActivation) {
    Probe* polar = show(FormId::Form3);
    settle();
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(polar);
    EXPECT_EQ(polar->systemActivations, 2);
    EXPECT_EQ(polar->activations, 1);
}

using plotaris::testing::DialogCloser;

TEST_F(Registry, ClosingADialogTheWindowOpenedIsNoActivation) {
    platform::DialogService* scripted = &platform::dialogs();
    platform::setDialogs(nullptr);  // the real dialogs
    Probe* oneFunction = show(FormId::Form1);
    settle();
    const std::function<void()> dialogs[] = {
        [&] { platform::messageBox(oneFunction, QStringLiteral("Erro")); },
        [&] { EXPECT_FALSE(platform::dialogs().chooseColor({oneFunction, Qt::blue}).has_value()); },
        [&] {
            platform::SaveRequest request{oneFunction, QDir::tempPath(), QStringLiteral("Mapa de bits (*.bmp)"),
                                          QStringLiteral("*.bmp"), QStringLiteral("bmp")};
            EXPECT_FALSE(platform::dialogs().saveFileName(request).has_value());
        },
    };
    for (const auto& open : dialogs) {
        const int noticed = oneFunction->systemActivations;
        {
            DialogCloser closer;
            open();
        }
        returnTo(oneFunction);  // as the system does when a dialog closes
        EXPECT_GT(oneFunction->systemActivations, noticed);
        EXPECT_EQ(oneFunction->activations, 1);
    }
    platform::setDialogs(scripted);
}

}  // namespace
}  // namespace plotaris
