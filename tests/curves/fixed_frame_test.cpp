// The fixed-frame canvas the polar and parametric windows share: the frame -10 to 10 with its
// counters, the radian toggle by caption, the colours, the sliders, and what activation does.
#include <QApplication>
#include <QScrollBar>

#include "canvas/placed_picture.h"
#include "platform/dialogs.h"
#include "platform/frame.h"
#include "shell/help_window.h"
#include "tests/curves/curve_window_fixture.h"
#include "tests/support/dialog_closer.h"
#include "tests/support/event_loop.h"

namespace plotaris::testing {

template <class Form>
class FixedFrame : public CurveWindowTest<Form> {};

using CurveWindows = ::testing::Types<Form3, Form4>;
TYPED_TEST_SUITE(FixedFrame, CurveWindows);

TYPED_TEST(FixedFrame, OpensWithTheCanvasAndTheOptionButtons) {
    auto* form = this->form;
    const auto place = [&](const char* name) {
        return form->template findChild<QWidget*>(QString::fromUtf8(name))->geometry();
    };
    EXPECT_EQ(form->client()->size(), QSize(1016, 714));
    EXPECT_EQ(place("Picture1"), QRect(8, 60, 631, 631));
    EXPECT_EQ(place("HScroll1"), QRect(8, 690, 631, 13));
    EXPECT_EQ(place("VScroll1"), QRect(639, 60, 13, 631));
    EXPECT_NE(form->template findChild<QWidget*>(QStringLiteral("SetaH")), nullptr);
    EXPECT_NE(form->template findChild<QWidget*>(QStringLiteral("SetaV")), nullptr);

    // The five buttons in one row of "Opções", from left to right.
    platform::Frame* options = form->Frame1[0];
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->objectName(), QStringLiteral("Frame1(0)"));
    EXPECT_EQ(options->title(), QStringLiteral("Opções"));
    const std::vector<std::pair<QString, QString>> buttons = {
        {QStringLiteral("Desenhar"), QStringLiteral("Desenhar a função com a equação indicada acima.")},
        {QStringLiteral("Apagar"), QStringLiteral("Apagar a janela de desenho.")},
        {QStringLiteral("Cor gráfico"), QStringLiteral("Escolher a cor do desenho.")},
        {QStringLiteral("Cor fundo"), QStringLiteral("Escolher a cor do fundo da janela de desenho.")},
        {QStringLiteral("Radianos"), QStringLiteral("Graduar o eixo das abcissas em radianos.")},
    };
    auto row = options->template findChildren<QToolButton*>();
    std::sort(row.begin(), row.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    ASSERT_EQ(row.size(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(row[i]->text(), buttons[size_t(i)].first);
        EXPECT_EQ(row[i]->toolTip(), buttons[size_t(i)].second);
        EXPECT_EQ(row[i]->size(), QSize(49, 49));
        EXPECT_EQ(row[i]->y(), row[0]->y());
    }
    EXPECT_EQ(row[1], form->Apagar);
    EXPECT_EQ(row[4], form->BotãoRadianos);
    EXPECT_EQ(form->CommonDialog1.Color, QColor(0, 0, 255));
    EXPECT_EQ(form->CommonDialog2.Color, QColor(255, 255, 255));
    EXPECT_FALSE(form->frame.EixosEmRadianos);
}

TYPED_TEST(FixedFrame, FrameRunsFromMinusTenToTenWithAMarkAndANumberAtEveryUnit) {
    const auto& f = this->form->frame;
    EXPECT_EQ(f.ValorXmin, -10);
    EXPECT_EQ(f.ValorXmax, 10);
    EXPECT_EQ(f.ValorYmin, -10);
    EXPECT_EQ(f.ValorYmax, 10);
    EXPECT_DOUBLE_EQ(f.MargemX, 0.4);
    EXPECT_DOUBLE_EQ(f.MargemY, 0.4);
    EXPECT_DOUBLE_EQ(f.UnidadePixelX, 21.6 / 631);
    EXPECT_FLOAT_EQ(this->canvas().scaleLeft(), -10.8f);
    EXPECT_FLOAT_EQ(this->canvas().scaleTop(), 10.8f);
    // The counters keep the value that ended their runs.
    EXPECT_EQ(f.PontoX, 11);
    EXPECT_EQ(f.PontoY, 11);

    const QPoint origin = this->pixel(0, 0);
    for (int i = -10; i <= 10; ++i) {
        if (i == 0) continue;
        const QPoint x = this->pixel(i, 0), y = this->pixel(0, i);
        // A mark reaches two pixels to each side of its axis.
        EXPECT_EQ(this->image().pixel(x.x(), origin.y() - 2), kBlack) << i;
        EXPECT_EQ(this->image().pixel(origin.x() + 2, y.y()), kBlack) << i;
        EXPECT_EQ(this->image().pixel(this->pixel(i + 0.5, 0).x(), origin.y() - 2), kWhite) << i;
        // Its number below (x) or to the left (y).
        EXPECT_GT(this->ink(QRect(x.x() - 8, origin.y() + 8, 16, 10)), 0) << i;
        EXPECT_GT(this->ink(QRect(origin.x() - 18, y.y() - 5, 15, 10)), 0) << i;
    }
    // The axes reach one margin beyond the limits.
    EXPECT_EQ(this->at(10.35, 0), kBlack);
    EXPECT_EQ(this->at(-10.35, 0), kBlack);
    EXPECT_EQ(this->at(0, -10.35), kBlack);
    EXPECT_EQ(this->at(-10.55, 0), kWhite);
    EXPECT_TRUE(this->form->canvas->arrowX->isVisible());
    EXPECT_TRUE(this->form->canvas->arrowY->isVisible());
}

TYPED_TEST(FixedFrame, RadianToggleGoesByItsCaption) {
    auto* form = this->form;
    this->draw();
    ASSERT_TRUE(this->defaultCurveShows());
    form->BotãoRadianos->click();
    EXPECT_TRUE(form->frame.EixosEmRadianos);
    EXPECT_EQ(form->BotãoRadianos->text(), QStringLiteral("Unidades"));
    EXPECT_EQ(form->BotãoRadianos->toolTip(), QStringLiteral("Graduar o eixo das abcissas em radianos."));
    EXPECT_EQ(this->count(kCurveBlue), 0);

    // Dots three pixels wide at the 13 multiples of 1.570795 from -9.42477 to 9.42477.
    const int axis = this->pixel(0, 0).y();
    for (int k = -6; k <= 6; ++k) {
        const int column = this->pixel(k * 1.570795, 0).x();
        EXPECT_EQ(this->image().pixel(column, axis - 1), kBlack) << k;
        if (k != 0) {
            EXPECT_EQ(this->image().pixel(column, axis - 2), kWhite) << k;
        }
    }
    EXPECT_EQ(this->image().pixel(this->pixel(10.2, 0).x(), axis - 1), kWhite);
    for (int unit : {1, 5, 8}) EXPECT_EQ(this->image().pixel(this->pixel(unit, 0).x(), axis - 2), kWhite) << unit;
    // The y axis keeps its unit marks.
    EXPECT_EQ(this->image().pixel(this->pixel(0, 0).x() + 2, this->pixel(0, 5).y()), kBlack);
    // The x counter ends where the last run of radian labels left it: 6.28318, 9.42477, then past 10.
    EXPECT_NEAR(form->frame.PontoX, 4 * 3.14159, 1e-9);
    EXPECT_EQ(form->frame.PontoY, 11);

    form->BotãoRadianos->click();
    EXPECT_FALSE(form->frame.EixosEmRadianos);
    EXPECT_EQ(form->BotãoRadianos->text(), QStringLiteral("Radianos"));
    EXPECT_EQ(form->frame.PontoX, 11);

    // A caption that names neither mode selects nothing and redraws nothing.
    this->draw();
    form->BotãoRadianos->setText(QStringLiteral("Radianos "));
    form->BotãoRadianos_Click();
    EXPECT_FALSE(form->frame.EixosEmRadianos);
    EXPECT_TRUE(this->defaultCurveShows());
}

TYPED_TEST(FixedFrame, ApagarLeavesTheEmptyFrame) {
    this->form->Apagar_Click();
    const QImage empty = this->image();
    this->draw();
    ASSERT_NE(this->image(), empty);
    this->form->Apagar->click();
    EXPECT_EQ(this->image(), empty);
}

TYPED_TEST(FixedFrame, CurveColourErasesNothingAndCurvesGather) {
    auto* form = this->form;
    this->draw();
    this->dialogs.colorAnswers = {QColor(255, 0, 0)};
    form->CorGráfico->click();
    EXPECT_EQ(form->CommonDialog1.Color, QColor(255, 0, 0));
    EXPECT_TRUE(this->defaultCurveShows(kCurveBlue));
    // The same curve again in red, and a second one: both stay.
    this->draw();
    EXPECT_TRUE(this->defaultCurveShows(kRed));
    const int red = this->count(kRed);
    if constexpr (std::is_same_v<TypeParam, Form3>) form->EquaçãoPolares->setText(QStringLiteral("8"));
    else form->ParamétricaX->setText(QStringLiteral("2cos(t)+6"));
    this->dialogs.colorAnswers = {QColor(0, 0, 255)};
    form->CorGráfico_Click();
    this->draw();
    EXPECT_EQ(this->count(kRed), red);
    EXPECT_GT(this->count(kCurveBlue), 0);
}

TYPED_TEST(FixedFrame, BackgroundColourErasesTheCurvesEvenWhenCancelled) {
    auto* form = this->form;
    this->draw();
    this->dialogs.colorAnswers = {QColor(255, 255, 0)};
    form->CorFundo->click();
    EXPECT_EQ(form->CommonDialog2.Color, QColor(255, 255, 0));
    EXPECT_EQ(this->image().pixel(3, 3), 0xFFFFFF00u);
    EXPECT_EQ(this->count(kCurveBlue), 0);
    EXPECT_EQ(this->at(5, 0), kBlack);

    this->draw();
    form->CorFundo_Click();  // cancelled
    EXPECT_EQ(form->CommonDialog2.Color, QColor(255, 255, 0));
    EXPECT_EQ(this->image().pixel(3, 3), 0xFFFFFF00u);
    EXPECT_EQ(this->count(kCurveBlue), 0);
    EXPECT_EQ(this->dialogs.colorRequests.size(), 2u);
}

TYPED_TEST(FixedFrame, SlidersResizeTheCanvasAndKeepTheFrame) {
    auto* form = this->form;
    auto* canvas = form->canvas;
    this->draw();
    canvas->HScroll1->setValue(3000);
    EXPECT_EQ(canvas->picture->width(), 200);
    EXPECT_EQ(canvas->VScroll1->x(), 207);  // 3000 + 100 twips
    EXPECT_EQ(canvas->HScroll1->width(), 200);
    EXPECT_EQ(this->count(kCurveBlue), 0);
    EXPECT_EQ(form->frame.ValorXmax, 10);
    EXPECT_DOUBLE_EQ(form->frame.UnidadePixelX, 21.6 / 200);
    EXPECT_DOUBLE_EQ(this->canvas().scaleWidth(), 200);  // back in pixels until the next drawing

    canvas->VScroll1->setValue(6000);
    EXPECT_EQ(canvas->picture->height(), 400);
    EXPECT_EQ(canvas->HScroll1->y(), 460);  // 6000 + 900 twips
    EXPECT_EQ(canvas->VScroll1->height(), 400);

    // The next curve is drawn in the frame of the smaller canvas.
    this->draw();
    EXPECT_FLOAT_EQ(this->canvas().scaleLeft(), -10.8f);
    EXPECT_TRUE(this->defaultCurveShows());
}

// Coming back from a help window resets the colours and leaves the empty frame.
TYPED_TEST(FixedFrame, ReturningFromAHelpWindowResetsColoursAndClears) {
    auto* form = this->form;
    settle();
    this->dialogs.colorAnswers = {QColor(255, 0, 0), QColor(0, 255, 0)};
    form->CorGráfico_Click();
    form->CorFundo_Click();
    this->draw();
    ASSERT_TRUE(this->defaultCurveShows(kRed));

    auto& registry = WindowRegistry::instance();
    FormWindow* help = registry.show(FormId::Form6);
    settle();
    registry.leave(help);
    settle();
    ASSERT_EQ(QApplication::activeWindow(), form);
    EXPECT_EQ(form->CommonDialog1.Color, QColor(0, 0, 255));
    EXPECT_EQ(form->CommonDialog2.Color, QColor(255, 255, 255));
    EXPECT_EQ(this->image().pixel(3, 3), kWhite);
    EXPECT_EQ(this->count(kRed), 0);
    this->draw();
    EXPECT_TRUE(this->defaultCurveShows(kCurveBlue));
}

// The window's own colour dialog and message box take the activation while they are up; closing
// them is no return from another window: the curves and the chosen colour stay.
TYPED_TEST(FixedFrame, ClosingItsOwnDialogIsNoActivation) {
    auto* form = this->form;
    settle();
    this->dialogs.colorAnswers = {QColor(255, 0, 0)};
    form->CorGráfico_Click();
    this->draw();
    platform::DialogService* scripted = &platform::dialogs();
    platform::setDialogs(nullptr);  // the real dialogs
    {
        DialogCloser closer;
        form->CorGráfico_Click();
    }
    form->activateWindow();
    settle();
    if constexpr (std::is_same_v<TypeParam, Form3>) form->EquaçãoPolares->setText(QStringLiteral(" "));
    else form->ParamétricaY->setText(QString());
    {
        DialogCloser closer;
        this->draw();  // the message for a blank equation
    }
    form->activateWindow();
    settle();
    platform::setDialogs(scripted);
    EXPECT_EQ(QApplication::activeWindow(), form);
    EXPECT_EQ(form->CommonDialog1.Color, QColor(255, 0, 0));
    EXPECT_TRUE(this->defaultCurveShows(kRed));
}

}  // namespace plotaris::testing
