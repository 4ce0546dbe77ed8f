// The help windows' pager: opening, turning pages, closing and showing again.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "windows/window_registry.h"
#include "shell/help_window.h"

namespace plotaris {
namespace {

struct HelpCase {
    FormId id;
    const char* caption;
    int pages;
    const char* count;  // Label3 as stored
    const char* name;
};

void PrintTo(const HelpCase& c, std::ostream* os) { *os << c.name; }

const HelpCase kHelpWindows[] = {
    {FormId::Form6, "INSTRUÇÕES", 5, "de  5", "Form6"},
    {FormId::Form9, "SINTAXE", 4, "de 4", "Form9"},
    {FormId::Form8, "FUNÇÕES DEFINIDAS", 23, "de  23", "Form8"},
};

class HelpPager : public ::testing::TestWithParam<HelpCase> {
protected:
    void TearDown() override { WindowRegistry::instance().reset(); }

    HelpWindow* open() {
        auto* w = dynamic_cast<HelpWindow*>(WindowRegistry::instance().show(GetParam().id));
        EXPECT_NE(w, nullptr);
        return w;
    }

    static QPushButton* button(FormWindow* w, const char* name) {
        auto* b = w->findChild<QPushButton*>(QString::fromUtf8(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    static QString label(FormWindow* w, const char* name) {
        auto* l = w->findChild<QLabel*>(QString::fromUtf8(name));
        return l ? l->text() : QStringLiteral("<missing>");
    }
    static void click(FormWindow* w, const char* name) { QTest::mouseClick(button(w, name), Qt::LeftButton); }

    // The page shown (0 when not exactly one is).
    static int shownPage(HelpWindow* w) {
        int shown = 0;
        for (int i = 1; i <= w->pageCount(); ++i) {
            if (w->findChild<HelpPage*>(QStringLiteral("Image1(%1)").arg(i))->isHidden()) continue;
            if (shown) return 0;
            shown = i;
        }
        return shown;
    }

    static void expectState(HelpWindow* w, int page, bool left, bool right) {
        EXPECT_EQ(shownPage(w), page);
        EXPECT_EQ(label(w, "Label2"), QString::number(page));
        EXPECT_EQ(button(w, "SetaE")->isEnabled(), left) << "page " << page;
        EXPECT_EQ(button(w, "SetaD")->isEnabled(), right) << "page " << page;
    }
};

TEST_P(HelpPager, OpensOnPageOneWithItsIndicator) {
    HelpWindow* w = open();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8(GetParam().caption));
    EXPECT_EQ(w->pageCount(), GetParam().pages);
    expectState(w, 1, false, true);
    EXPECT_EQ(label(w, "Label1"), QStringLiteral("Página"));
    EXPECT_EQ(label(w, "Label3"), QString::fromUtf8(GetParam().count));
    EXPECT_EQ(button(w, "Command1")->text(), QStringLiteral("Fechar"));
    EXPECT_TRUE(button(w, "SetaD")->text().isEmpty());
    EXPECT_EQ(button(w, "SetaD")->iconSize(), QSize(24, 24));
}

TEST_P(HelpPager, ArrowsWalkEveryPageAndStopAtTheEnds) {
    HelpWindow* w = open();
    ASSERT_TRUE(w);
    const int n = GetParam().pages;
    for (int page = 2; page <= n; ++page) {
        click(w, "SetaD");
        expectState(w, page, true, page < n);
    }
    click(w, "SetaD");  // disabled: nothing happens
    expectState(w, n, true, false);

    click(w, "SetaE");
    expectState(w, n - 1, true, true);
    for (int page = n - 2; page >= 1; --page) {
        click(w, "SetaE");
        expectState(w, page, page > 1, true);
    }
    click(w, "SetaE");
    expectState(w, 1, false, true);
}

TEST_P(HelpPager, FecharDiscardsTheWindowSoItReopensOnPageOne) {
    HelpWindow* w = open();
    ASSERT_TRUE(w);
    click(w, "SetaD");
    click(w, "SetaD");
    click(w, "Command1");
    EXPECT_FALSE(WindowRegistry::instance().isOpen(GetParam().id));

    HelpWindow* again = open();
    ASSERT_TRUE(again);
    expectState(again, 1, false, true);
}

TEST_P(HelpPager, ShowingAgainWhileOpenKeepsThePage) {
    HelpWindow* w = open();
    ASSERT_TRUE(w);
    for (int i = 0; i < 3; ++i) click(w, "SetaD");
    EXPECT_EQ(WindowRegistry::instance().show(GetParam().id), w);
    expectState(w, 4, true, GetParam().pages > 4);
}

// Nothing of the pages may reach the controls below them, and the indicator's three labels must
// not run into each other, whatever page number they show.
TEST_P(HelpPager, PagesAndControlsKeepToTheirOwnPlaces) {
    HelpWindow* w = open();
    ASSERT_TRUE(w);
    const QRect area = w->client()->rect();
    const QRect page = w->page(1)->geometry();
    EXPECT_TRUE(area.contains(page));
    for (const char* name : {"SetaD", "SetaE", "Command1", "Label1", "Label2", "Label3"}) {
        auto* c = w->findChild<QWidget*>(QString::fromUtf8(name));
        ASSERT_TRUE(c) << name;
        EXPECT_TRUE(area.contains(c->geometry())) << name;
        EXPECT_GT(c->geometry().top(), page.bottom()) << name;
    }
    for (int i = 1; i < GetParam().pages; ++i) click(w, "SetaD");  // the widest page number
    auto textRight = [&](const char* name) {
        auto* l = w->findChild<QLabel*>(QString::fromUtf8(name));
        return l->x() + l->fontMetrics().horizontalAdvance(l->text());
    };
    auto left = [&](const char* name) { return w->findChild<QLabel*>(QString::fromUtf8(name))->x(); };
    EXPECT_LE(textRight("Label1") + 3, left("Label2"));
    EXPECT_LE(textRight("Label2") + 3, left("Label3"));
    for (int i = 1; i <= w->pageCount(); ++i) EXPECT_TRUE(w->page(i)->textFits()) << "page " << i;
}

INSTANTIATE_TEST_SUITE_P(HelpWindows, HelpPager, ::testing::ValuesIn(kHelpWindows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace plotaris
