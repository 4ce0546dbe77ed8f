#include <QCheckBox>
#include <QLabel>
#include <QToolButton>

#include "canvas/placed_picture.h"
#include "platform/image_combo.h"
#include "tests/comparison/form10_fixture.h"

namespace plotaris::testing {

namespace {

const QString kAxesHeading = QStringLiteral("Erro nos dados dos eixos:\n\n");

}  // namespace

TEST_F(Form10Test, DefaultPanelGivesTheSameAxesOnAllFour) {
    const auto& f = form->frame;
    EXPECT_DOUBLE_EQ(f.MargemX, 0.32);
    EXPECT_DOUBLE_EQ(f.MargemY, 0.32);
    EXPECT_DOUBLE_EQ(f.UnidadePixelX, 17.28 / 320);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_FLOAT_EQ(canvas(n).scaleLeft(), -8.64f);
        EXPECT_FLOAT_EQ(canvas(n).scaleTop(), 8.64f);
        EXPECT_FLOAT_EQ(canvas(n).scaleWidth(), 17.28f);
        for (int i = -8; i <= 8; ++i) {
            if (i == 0) continue;
            const QPoint x = pixel(n, i, 0), y = pixel(n, 0, i);
            EXPECT_EQ(at(n, x + QPoint(0, -2)), kBlack) << n << " x mark " << i;
            EXPECT_EQ(at(n, x + QPoint(0, -3)), kWhite) << n << " x mark " << i;
            EXPECT_EQ(at(n, y + QPoint(-2, 0)), kBlack) << n << " y mark " << i;
            EXPECT_GT(ink(n, QRect(x.x() - 8, x.y() + 8, 16, 10)), 0) << n << " x number " << i;
        }
        // Each canvas's arrow heads stand at its own axes' ends.
        const Form10::Graph& g = form->graph(n);
        ASSERT_TRUE(g.canvas->arrowX->isVisible());
        ASSERT_TRUE(g.canvas->arrowY->isVisible());
        EXPECT_EQ(g.canvas->arrowX->pos() + QPoint(4, 4), pixel(n, 8.32, 0) + QPoint(1, 0));
        EXPECT_EQ((g.canvas->arrowY->pos() + QPoint(4, 0)).x(), pixel(n, 0, 0).x());
    }
}

TEST_F(Form10Test, UnitRunsEndAtTheWholePartOfTheLimits) {
    setAxes("-8.5", "8.5");
    form->DesenharEixos->click();
    EXPECT_DOUBLE_EQ(form->frame.MargemX, 0.34);
    for (int n = 1; n <= 4; ++n) {
        // Int(-8.5) = -9: a mark beyond the end of the axis (at -8.84), with its number.
        EXPECT_EQ(at(n, pixel(n, -9, 0) + QPoint(0, -2)), kBlack) << n;
        EXPECT_EQ(at(n, pixel(n, -9, 0) + QPoint(1, 0)), kWhite) << n;
        EXPECT_GT(ink(n, QRect(pixel(n, -9, 0) - QPoint(8, -8), QSize(16, 10))), 0) << n;
        // Int(8.5) = 8: none at 9, though 9 lies inside the canvas.
        EXPECT_EQ(at(n, pixel(n, 9, 0) + QPoint(0, -2)), kWhite) << n;
        EXPECT_EQ(at(n, pixel(n, 8, 0) + QPoint(0, -2)), kBlack) << n;
    }
}

TEST_F(Form10Test, AFaultyPanelIsReportedOncePerCanvas) {
    form->graph(1).Desenhar->click();
    form->axisBoxes.Ymax->setText(QString());
    form->DesenharEixos->click();
    ASSERT_EQ(dialogs.messages.size(), 4u);
    for (const auto& m : dialogs.messages) {
        EXPECT_EQ(m.text, QStringLiteral("É necessário colocar os valores de Xmín, Xmáx, Ymín e Ymáx."));
        EXPECT_EQ(m.title, QStringLiteral("Funções"));
        EXPECT_EQ(m.icon, platform::MessageIcon::Information);
    }
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(inkAll(n), 0) << n;

    // A failure after the checks hides both arrow heads of every canvas.
    dialogs.messages.clear();
    form->axisBoxes.Ymax->setText(QStringLiteral("8"));
    form->axisBoxes.PassoY->setText(QStringLiteral("foo(2)"));
    form->DesenharEixos_Click();
    ASSERT_EQ(dialogs.messages.size(), 4u);
    for (const auto& m : dialogs.messages) EXPECT_EQ(m.text, kAxesHeading + QStringLiteral("Função não definida: foo()"));
    for (int n = 1; n <= 4; ++n) {
        EXPECT_FALSE(form->graph(n).canvas->arrowX->isVisible()) << n;
        EXPECT_FALSE(form->graph(n).canvas->arrowY->isVisible()) << n;
        EXPECT_EQ(inkAll(n), 0) << n;  // the step boxes fail before anything is drawn
    }
}

TEST_F(Form10Test, ApagarRedrawsItsOwnCanvasOnly) {
    for (int n = 1; n <= 4; ++n) form->graph(n).Desenhar->click();
    setAxes("-4", "4");
    QImage before[5];
    for (int n = 1; n <= 4; ++n) before[n] = image(n).copy();
    form->graph(2).Apagar->click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(countAll(2, kGraphColour[1]), 0);
    EXPECT_FLOAT_EQ(canvas(2).scaleLeft(), -4.32f);
    EXPECT_EQ(at(2, pixel(2, 3, 0) + QPoint(0, -2)), kBlack);
    for (int n : {1, 3, 4}) EXPECT_EQ(image(n), before[n]) << n;
    // The shared frame already holds the new limits: the next graph on canvas 1 is drawn in it,
    // over the old axes.
    EXPECT_EQ(form->frame.ValorXmin, -4);
    form->graph(1).Função->setText(QStringLiteral("0*x"));
    form->DesenharN_Click(1);
    EXPECT_FLOAT_EQ(canvas(1).scaleLeft(), -4.32f);
    EXPECT_EQ(at(1, -3.9, 0), kGraphColour[0]);
}

TEST_F(Form10Test, RadianToggleRedrawsAllFourOnce) {
    for (int n = 1; n <= 4; ++n) form->DesenharN_Click(n);
    form->EixosRad->click();
    EXPECT_TRUE(form->frame.EixosEmRadianos);
    EXPECT_EQ(form->EixosRad->text(), QStringLiteral("Unidades"));
    EXPECT_EQ(form->EixosRad->toolTip(), QStringLiteral("Graduar o eixo das abcissas em unidades."));
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(countAll(n, kGraphColour[n - 1]), 0) << n;
        EXPECT_EQ(at(n, pixel(n, 3.14159 / 2, 0) + QPoint(0, -2)), kBlack) << n;
        EXPECT_EQ(at(n, pixel(n, 1, 0) + QPoint(0, -2)), kWhite) << n;
    }
    form->EixosRad_Click();
    EXPECT_FALSE(form->frame.EixosEmRadianos);
    EXPECT_EQ(form->EixosRad->text(), QStringLiteral("Radianos"));
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(at(n, pixel(n, 1, 0) + QPoint(0, -2)), kBlack) << n;
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Form10Test, AxesColourAndWidthWaitForTheNextAxes) {
    const QImage before = image(3).copy();
    dialogs.colorAnswers = {QColor(255, 0, 0)};
    form->CorDosEixos->click();
    ASSERT_EQ(dialogs.colorRequests.size(), 1u);  // one dialog, not one per canvas
    EXPECT_EQ(form->Label44->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(image(3), before);
    form->ImageCombo5->selectIndex(3);
    form->DesenharEixos_Click();
    for (int n = 1; n <= 4; ++n) {
        const QPoint p = pixel(n, 3.5, 0);
        for (int dy = -1; dy <= 1; ++dy) EXPECT_EQ(at(n, p + QPoint(0, dy)), 0xFFFF0000u) << n;
        EXPECT_EQ(canvas(n).drawWidth(), 1);
    }
}

TEST_F(Form10Test, BackgroundButtonsEraseTheirGraphEvenWhenCancelled) {
    for (int n = 1; n <= 4; ++n) form->DesenharN_Click(n);
    const QRgb cyan = kGraphColour[2];
    form->graph(3).CorDoFundo->click();  // no answer: cancelled
    ASSERT_EQ(dialogs.colorRequests.size(), 1u);
    EXPECT_EQ(countAll(3, cyan), 0);
    EXPECT_EQ(at(3, pixel(3, 3, 0) + QPoint(0, -2)), kBlack);
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("Label5"))->palette().color(QPalette::Window), QColor(255, 255, 255));

    dialogs.colorAnswers = {QColor(255, 255, 0)};
    form->graph(3).CorDoFundo->click();
    EXPECT_EQ(image(3).pixel(3, 3), 0xFFFFFF00u);
    EXPECT_EQ(form->CommonDialog6.Color, QColor(255, 255, 0));
    EXPECT_EQ(form->graph(3).backSample->palette().color(QPalette::Window), QColor(255, 255, 0));
    for (int n : {1, 2, 4}) {
        EXPECT_EQ(image(n).pixel(3, 3), kWhite) << n;
        EXPECT_GT(countAll(n, kGraphColour[n - 1]), 100) << n;
    }
}

}  // namespace plotaris::testing
