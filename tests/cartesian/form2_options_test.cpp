#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "platform/frame.h"
#include "platform/image_combo.h"
#include "platform/mouse_pointer.h"
#include "platform/up_down.h"
#include "tests/cartesian/form2_fixture.h"

namespace plotaris::testing {

TEST_F(Form2Test, OpensWithItsLayoutAndDefaults) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("PLOTARIS"));
    EXPECT_EQ(form->client()->size(), QSize(1016, 714));
    const auto place = [&](const char* name) {
        auto* control = form->findChild<QWidget*>(QString::fromUtf8(name));
        return control ? control->geometry() : QRect();
    };
    EXPECT_EQ(place("Picture1"), QRect(8, 60, 631, 631));
    EXPECT_EQ(place("Picture2"), QRect(8, 60, 631, 631));
    EXPECT_EQ(place("Troço(3)"), QRect(656, 344, 349, 169));
    EXPECT_EQ(place("Troço1(2)"), QRect(40, 20, 285, 21));
    EXPECT_EQ(place("Ymín(1)"), QRect(28, 56, 33, 19));
    EXPECT_EQ(place("Ymín(4)"), QRect(28, 60, 33, 19));
    EXPECT_EQ(place("DesenharTroço1"), QRect(752, 152, 153, 13));
    EXPECT_EQ(form->troço(1).DesenharTroço->parentWidget(), form->client());
    EXPECT_EQ(place("DesenharTroço4"), QRect(100, 152, 153, 13));
    EXPECT_EQ(form->troço(4).DesenharTroço->parentWidget(), form->troço(4).Troço);
    EXPECT_EQ(place("Command4"), QRect(892, 688, 113, 17));
    EXPECT_EQ(place("HScroll2"), QRect(164, 64, 93, 13));
    EXPECT_EQ(place("UpDownXma(2)"), QRect(65, 19, 17, 21));

    const char* expressions[] = {"x+1", "-x+4", "-(x-6)^2+10", "-x+10"};
    const char* ordinals[] = {"primeiro", "segundo", "terceiro", "quarto"};
    for (int i = 1; i <= 4; ++i) {
        const TroçoControls& t = form->troço(i);
        EXPECT_EQ(t.Troço->title(), QStringLiteral("Troço %1").arg(i));
        EXPECT_EQ(t.Troço1->text(), QString::fromUtf8(expressions[i - 1]));
        EXPECT_EQ(t.Troço1->toolTip(), QStringLiteral("Escreva aqui a expressão analítica do %1 troço da função.")
                                            .arg(QString::fromUtf8(ordinals[i - 1])));
        EXPECT_TRUE(t.AbertaEsq->isChecked() && t.AbertaDir->isChecked());
        EXPECT_TRUE(t.CoordEsq->isChecked() && t.CoordDir->isChecked());
        EXPECT_EQ(t.UpDownYma->toolTip(), QStringLiteral("Alterar o valor máximo de y"));
    }
    EXPECT_EQ(form->troço(2).Ymín->toolTip(),
              QStringLiteral("Escreva aqui o valor mínimo da ordenada do segundo troço da função."));
    EXPECT_EQ(form->troço(3).FechadaDir->toolTip(),
              QStringLiteral("Valide esta opão para o troço ter uma bola fechada à direita."));
    EXPECT_EQ(form->troço(2).DesenharTroço->toolTip(), QStringLiteral("Desenhar o gráfico de segundo troço."));
    EXPECT_EQ(form->troço(3).Xmáx->text(), QStringLiteral("8"));

    for (platform::Frame* f : {form->FrameGráfico, form->FrameEixos, form->FrameDesenharLinha}) {
        EXPECT_FALSE(f->isVisible());
        EXPECT_EQ(f->topTwips(), 5160);
        EXPECT_EQ(f->toolTip(), QStringLiteral("Clique sobre esta janela para a deslocar."));
    }
    EXPECT_EQ(form->ImageCombo1->selectedIndex(), 3);
    for (auto* combo : {form->ImageCombo1, form->ImageCombo2, form->ImageCombo3, form->ImageCombo4})
        EXPECT_EQ(combo->count(), 5);
    EXPECT_EQ(form->ImageCombo2->selectedIndex(), 1);
    EXPECT_EQ(form->HScroll2->minimum(), 25);
    EXPECT_EQ(form->HScroll2->maximum(), 4000);
    EXPECT_EQ(form->HScroll2->value(), 1000);
    EXPECT_EQ(form->CommonDialog4.Color, QColor(0, 0, 255));
    EXPECT_EQ(form->LabelDimensãoJanela->text(), QStringLiteral("627 x 627"));
    EXPECT_FALSE(form->VerCoordenadas->isChecked());
    EXPECT_TRUE(form->Vertical->isChecked() && form->Horizontal->isChecked());
}

TEST_F(Form2Test, OptionFramesOpenCloseAndMove) {
    form->Command2_Click();
    form->Command1_Click();
    EXPECT_TRUE(form->FrameGráfico->isVisible());
    EXPECT_TRUE(form->FrameEixos->isVisible());
    // The one opened last stands in front.
    QWidget* front = form->client()->childAt(form->FrameGráfico->geometry().center());
    EXPECT_TRUE(front == form->FrameGráfico || form->FrameGráfico->isAncestorOf(front));

    // Left presses move it up one place, right presses down; the other buttons do nothing.
    platform::Frame* f = form->FrameGráfico;
    const QPoint surface(5, 150);
    QTest::mouseClick(f, Qt::LeftButton, {}, surface);
    EXPECT_EQ(f->topTwips(), 2580);
    QTest::mouseClick(f, Qt::LeftButton, {}, surface);
    EXPECT_EQ(f->topTwips(), 0);
    QTest::mouseClick(f, Qt::LeftButton, {}, surface);
    EXPECT_EQ(f->topTwips(), 0);
    QTest::mouseClick(f, Qt::MiddleButton, {}, surface);
    EXPECT_EQ(f->topTwips(), 0);
    QTest::mouseClick(f, Qt::RightButton, {}, surface);
    EXPECT_EQ(f->topTwips(), 2580);
    EXPECT_EQ(f->y(), 172);
    // Closing keeps the place; opening again brings it back to 5160.
    QTest::mouseClick(form->Command3, Qt::LeftButton);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(f->topTwips(), 2580);
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->topTwips(), 5160);
    form->FrameDesenharLinha_MouseDown(2);
    form->FrameEixos_MouseDown(1);
    EXPECT_EQ(form->FrameEixos->topTwips(), 2580);
    form->Command5_Click();
    form->Command4_Click();
    form->Command6_Click();
    EXPECT_FALSE(form->FrameEixos->isVisible());
    EXPECT_FALSE(form->FrameDesenharLinha->isVisible());
}

TEST_F(Form2Test, SteppersChangeWholeAndDecimalNumbersByOne) {
    TroçoControls& t = form->troço(3);
    const auto click = [](platform::UpDown* upDown, bool up) {
        QTest::mouseClick(up ? upDown->upArrow() : upDown->downArrow(), Qt::LeftButton);
    };
    t.Xmín->setText(QStringLiteral("-12"));
    click(t.UpDownXmi, false);
    EXPECT_EQ(t.Xmín->text(), QStringLiteral("-13"));
    t.Xmáx->setText(QStringLiteral("12"));
    click(t.UpDownXma, true);
    EXPECT_EQ(t.Xmáx->text(), QStringLiteral("13"));
    t.Ymín->setText(QStringLiteral("2.5"));
    click(t.UpDownYmi, false);
    EXPECT_EQ(t.Ymín->text(), QStringLiteral("1.5"));
    click(t.UpDownYmi, true);
    click(t.UpDownYmi, true);
    EXPECT_EQ(t.Ymín->text(), QStringLiteral("3.5"));
    for (const char* notANumber : {"pi", "", "2,5"}) {
        t.Ymáx->setText(QString::fromUtf8(notANumber));
        click(t.UpDownYma, true);
        click(t.UpDownYma, false);
        EXPECT_EQ(t.Ymáx->text(), QString::fromUtf8(notANumber));
    }
    // Each stepper changes its own box of its own section, and draws nothing.
    const QImage axes = image();
    form->UpDownXmi_UpClick(1);
    EXPECT_EQ(form->troço(1).Xmín->text(), QStringLiteral("-11"));
    EXPECT_EQ(form->troço(2).Xmín->text(), QStringLiteral("-4"));
    form->UpDownYma_DownClick(4);
    EXPECT_EQ(form->troço(4).Ymáx->text(), QStringLiteral("11"));
    EXPECT_EQ(image(), axes);
}

TEST_F(Form2Test, PointerCoordinatesInTheCanvasScale) {
    QTest::mouseClick(form->VerCoordenadas, Qt::LeftButton);
    ASSERT_TRUE(form->VerCoordenadas->isChecked());
    EXPECT_EQ(platform::mousePointer(form->canvas->picture), platform::MousePointer::Cross);
    // A pixel's place is its top-left corner: this one's lies within 0.04 above and left of (3.02, -1.02).
    QTest::mouseMove(form->canvas->picture, pixel(3.02, -1.02));
    EXPECT_EQ(form->Label10->text(), QStringLiteral("(3 , -1)"));
    form->Picture1_MouseMove(-0.04, 12.96);
    EXPECT_EQ(form->Label10->text(), QStringLiteral("(0 , 13)"));
    QTest::mouseClick(form->VerCoordenadas, Qt::LeftButton);
    EXPECT_TRUE(form->Label10->text().isEmpty());
    EXPECT_EQ(platform::mousePointer(form->canvas->picture), platform::MousePointer::Default);
    form->Picture1_MouseMove(3, 3);
    EXPECT_TRUE(form->Label10->text().isEmpty());
}

TEST_F(Form2Test, GraduationRunsEndAtTheWholePartOfTheLimits) {
    setAxes("-12.5", "12.5", "-12.5", "12.5");
    form->axisBoxes.PassoX->setText(QStringLiteral("0.5"));
    form->axisBoxes.PassoY->setText(QStringLiteral("0.5"));
    form->canvas->DesenharEixos_Click();
    ASSERT_TRUE(dialogs.messages.empty());
    const auto xMark = [&](double x) { return at(pixel(x, 0) + QPoint(0, 2)); };
    const auto yMark = [&](double y) { return at(pixel(0, y) + QPoint(2, 0)); };
    for (double v : {0.5, 11.5, 12.0, -12.0, -12.5, -13.0}) {
        EXPECT_EQ(xMark(v), kBlack) << v;
        EXPECT_EQ(yMark(v), kBlack) << v;
    }
    EXPECT_EQ(xMark(12.5), kWhite);
    EXPECT_EQ(yMark(12.5), kWhite);
}

TEST_F(Form2Test, AfterASizeChangeTheCanvasKeepsTheScaleOfItsAxes) {
    form->canvas->HScroll1->setValue(3000);
    EXPECT_EQ(form->canvas->picture->width(), 200);
    EXPECT_EQ(form->LabelDimensãoJanela->text(), QStringLiteral(" 200 x  631"));
    EXPECT_FLOAT_EQ(canvas().scaleWidth(), 25.92f);
    // An extra line at abscissa 0 lands on the y axis, not at the left edge.
    chooseLineColour(QColor(255, 0, 0));
    form->ImageCombo1->selectIndex(1);
    form->Abcissa->setText(QStringLiteral("0"));
    form->DesenharLinhas_Click();
    EXPECT_EQ(at(0, 2), kRed);
    EXPECT_EQ(pixel(0, 2).x(), 100);
    EXPECT_EQ(count(QRect(0, 0, 3, image().height()), kRed), 0);
    // The read-out is in the units of the axes.
    form->VerCoordenadas->setChecked(true);
    QTest::mouseMove(form->canvas->picture, pixel(5, 7));
    const QStringList read = form->Label10->text().mid(1).chopped(1).split(QStringLiteral(" , "));
    ASSERT_EQ(read.size(), 2);
    EXPECT_NEAR(read[0].toDouble(), 5, 0.2);  // a pixel is 0.13 wide now
    EXPECT_NEAR(read[1].toDouble(), 7, 0.1);
    form->canvas->VScroll1->setValue(6000);
    EXPECT_EQ(form->LabelDimensãoJanela->text(), QStringLiteral(" 200 x  400"));
}

TEST_F(Form2Test, LineListsAndColourButtons) {
    dialogs.colorAnswers = {QColor(0, 255, 0)};
    QTest::mouseClick(form->CorDasLinhas, Qt::LeftButton);
    EXPECT_EQ(form->CommonDialog4.Color, QColor(0, 255, 0));
    EXPECT_EQ(form->Label48->palette().color(QPalette::Window), QColor(0, 255, 0));
    // A cancelled dialog keeps the colour.
    form->CorDasLinhas_Click();
    EXPECT_EQ(form->CommonDialog4.Color, QColor(0, 255, 0));
    form->TipoLinha_Click();
    EXPECT_TRUE(form->ImageCombo1->view()->isVisible());
    form->ImageCombo1->hidePopup();
    form->EspessuraLinha_Click();
    EXPECT_TRUE(form->ImageCombo2->view()->isVisible());
    form->ImageCombo2->hidePopup();
}

}  // namespace plotaris::testing
