#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "canvas/canvas_options.h"
#include "canvas/save_copy.h"
#include "platform/frame.h"
#include "platform/image_combo.h"
#include "tests/cartesian/form1_fixture.h"

namespace plotaris::testing {

TEST_F(Form1Test, OpensWithItsLayoutAndDefaults) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("PLOTARIS"));
    EXPECT_EQ(form->client()->size(), QSize(1016, 714));
    const auto place = [&](const char* name) { return form->findChild<QWidget*>(QString::fromUtf8(name))->geometry(); };
    EXPECT_EQ(place("Picture1"), QRect(8, 60, 631, 631));
    EXPECT_EQ(place("HScroll1"), QRect(8, 691, 631, 13));
    EXPECT_EQ(place("VScroll1"), QRect(639, 60, 13, 631));
    EXPECT_EQ(place("FrameEixos"), QRect(656, 400, 357, 303));
    EXPECT_EQ(place("Xmax"), QRect(132, 48, 41, 19));
    EXPECT_EQ(place("EixosRad"), QRect(228, 236, 51, 51));
    EXPECT_EQ(form->Função->text(), QStringLiteral("1/3x*(2-sen(x))"));
    EXPECT_EQ(form->CorDosEixos->toolTip(), QStringLiteral("Prina este botão para seleccionar a cor dos eixos."));
    EXPECT_EQ(form->CorDoFundo->text(), QStringLiteral("Cor do fundo "));
    for (auto* combo : {form->ImageCombo3, form->ImageCombo4}) {
        EXPECT_EQ(combo->count(), 5);
        EXPECT_EQ(combo->selectedIndex(), 1);
    }
    EXPECT_EQ(form->CommonDialog1.Color, QColor(0, 0, 255));
    EXPECT_EQ(form->CommonDialog2.Color, QColor(255, 255, 255));
    EXPECT_EQ(form->CommonDialog3.Color, QColor(0, 0, 0));
    EXPECT_EQ(form->CommonDialog4.Color, QColor(0, 0, 255));
    EXPECT_FALSE(form->canvas->twin->isVisible());
    EXPECT_TRUE(form->canvas->picture->keptImage());
    EXPECT_FALSE(form->canvas->twin->keptImage());
}

TEST_F(Form1Test, SliderChangesEraseTheGraphsAndRedrawTheAxes) {
    form->DesenharGráfico_Click();
    ASSERT_GT(count(image().rect(), kGraphBlue), 100);
    form->canvas->HScroll1->setValue(3000);
    EXPECT_EQ(form->canvas->picture->width(), 200);
    EXPECT_EQ(form->canvas->twin->width(), 200);
    EXPECT_EQ(form->canvas->VScroll1->x(), 208);
    EXPECT_EQ(form->canvas->HScroll1->width(), 200);
    EXPECT_EQ(count(image().rect(), kGraphBlue), 0);
    EXPECT_DOUBLE_EQ(form->frame.UnidadePixelX, 25.92 / 200);
    // The axes stay in the kept image while the canvas is back in pixel measure.
    EXPECT_DOUBLE_EQ(canvas().scaleWidth(), 200);
    EXPECT_EQ(image().pixel(100, 315), kBlack);
    EXPECT_EQ(count(QRect(95, 200, 10, 1), kBlack), 1);  // the y axis, in the middle

    form->canvas->VScroll1->setValue(6000);
    EXPECT_EQ(form->canvas->picture->height(), 400);
    EXPECT_EQ(form->canvas->HScroll1->y(), 460);
    EXPECT_EQ(form->canvas->VScroll1->height(), 400);
    EXPECT_EQ(count(QRect(95, 100, 10, 1), kBlack), 1);
    // The next graph sets the user scale itself.
    form->DesenharGráfico_Click();
    EXPECT_GT(count(image().rect(), kGraphBlue), 50);
}

TEST_F(Form1Test, BackgroundColourErasesTheGraphOthersDoNot) {
    form->DesenharGráfico_Click();
    dialogs.colorAnswers = {QColor(0, 0, 0)};
    form->canvas->CorDosEixos_Click();  // the axes take it at their next drawing only
    EXPECT_GT(count(image().rect(), kGraphBlue), 100);
    dialogs.colorAnswers = {QColor(255, 255, 0)};
    form->canvas->CorDoFundo_Click();
    EXPECT_EQ(count(image().rect(), kGraphBlue), 0);
    EXPECT_EQ(image().pixel(3, 3), 0xFFFFFF00u);
    EXPECT_EQ(form->Label46->palette().color(QPalette::Window), QColor(255, 255, 0));
    // A cancelled dialog keeps the colour and still redraws the axes, erasing the graph.
    form->DesenharGráfico_Click();
    form->canvas->CorDoFundo_Click();
    EXPECT_EQ(count(image().rect(), kGraphBlue), 0);
    EXPECT_EQ(image().pixel(3, 3), 0xFFFFFF00u);
}

TEST_F(Form1Test, SavedBitmapReadsBackAsTheKeptImage) {
    QTemporaryDir folder;
    form->DesenharGráfico_Click();
    const QString refused = folder.filePath(QStringLiteral("grafico.jpg"));
    dialogs.saveAnswers = {refused, folder.filePath(QStringLiteral("grafico"))};
    form->canvas->GuardarGráfico_Click();
    ASSERT_EQ(dialogs.saveRequests.size(), 2u);  // the refused name opened the dialog again
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Essa extensão não é permitida."));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Plotaris"));
    EXPECT_EQ(dialogs.saveRequests[0].filterName, QStringLiteral("Mapa de bits (*.bmp)"));
    EXPECT_EQ(dialogs.saveRequests[0].initialFolder, QCoreApplication::applicationDirPath());
    EXPECT_FALSE(QFile::exists(refused));
    const QImage saved(folder.filePath(QStringLiteral("grafico.bmp")));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), image());
    EXPECT_TRUE(form->CommonDialog1.FileName.isEmpty());
    EXPECT_EQ(form->CommonDialog1.Flags & ~0x400, 0x200802);
    // The dialog object still holds the graph colour.
    EXPECT_EQ(form->CommonDialog1.Color, QColor(0, 0, 255));

    // Cancelling writes nothing and says nothing.
    form->canvas->GuardarGráfico_Click();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(Form1Test, AFileThatCannotBeWrittenIsReported) {
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("sem-pasta/grafico.bmp"));
    dialogs.saveAnswers = {target};
    form->canvas->GuardarGráfico_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(target));
    EXPECT_FALSE(QFile::exists(target));
    // A folder in the way of the name.
    QDir(folder.path()).mkdir(QStringLiteral("pasta.bmp"));
    EXPECT_FALSE(canvas::writeBitmap(image(), folder.filePath(QStringLiteral("pasta.bmp"))));
}

TEST_F(Form1Test, CopyPutsTheKeptImageOnTheClipboard) {
    form->DesenharGráfico_Click();
    form->canvas->CopiarGráfico_Click();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), image());
}

TEST_F(Form1Test, OptionFramesMoveOnlyAmongTheirThreePlaces) {
    EXPECT_EQ(canvas::movedFrameTop(5160, 1), 2580);
    EXPECT_EQ(canvas::movedFrameTop(2580, 1), 0);
    EXPECT_EQ(canvas::movedFrameTop(0, 1), 0);
    EXPECT_EQ(canvas::movedFrameTop(0, 2), 2580);
    EXPECT_EQ(canvas::movedFrameTop(2580, 2), 5160);
    EXPECT_EQ(canvas::movedFrameTop(5160, 2), 5160);
    EXPECT_EQ(canvas::movedFrameTop(2580, 4), 2580);
    // This window's frames stand elsewhere, so clicks leave them in place.
    const QRect before = form->FrameEixos->geometry();
    QTest::mouseClick(form->FrameEixos, Qt::LeftButton, {}, QPoint(5, 150));
    QTest::mouseClick(form->FrameEixos, Qt::RightButton, {}, QPoint(5, 150));
    form->FrameGráfico_MouseDown(1);
    EXPECT_EQ(form->FrameEixos->geometry(), before);
    EXPECT_EQ(form->FrameGráfico->topTwips(), 1440);
}

}  // namespace plotaris::testing

namespace plotaris::testing {

// A click in the trough while a limit box is empty: the axes' message opens from inside the
// slider's own press. The slider must not go on stepping under the message.
TEST_F(Form1Test, ASliderClickWithAnEmptyLimitGivesOneMessageAndOneStep) {
    form->axisBoxes.Xmin->clear();
    QScrollBar* slider = form->canvas->HScroll1;
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(slider->width() / 2, slider->height() / 2));
    // Longer than a scroll bar waits before it repeats a held step.
    QElapsedTimer held;
    held.start();
    while (held.elapsed() < 1200) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(slider->width() / 2, slider->height() / 2));
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(slider->value(), 9465 - 100);
}

TEST_F(Form1Test, EverySliderStepErasesTheGraphEvenWithinOnePixel) {
    form->canvas->HScroll1->setValue(9355);
    form->DesenharGráfico_Click();
    ASSERT_GT(count(image().rect(), kGraphBlue), 100);
    const int width = form->canvas->picture->width();
    form->canvas->HScroll1->setValue(9365);  // 623.7 and 624.3 pixels: the same 624
    EXPECT_EQ(form->canvas->picture->width(), width);
    EXPECT_EQ(count(image().rect(), kGraphBlue), 0);
    EXPECT_EQ(count(QRect(width / 2 - 3, 100, 7, 1), kBlack), 1);  // the y axis is back
}

}  // namespace plotaris::testing
