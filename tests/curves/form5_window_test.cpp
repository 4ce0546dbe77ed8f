// The special-curves window around its drawings: its controls, its colours, activation, the
// background dialog and a fresh start after a leave.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QToolButton>

#include "platform/frame.h"
#include "platform/twips.h"
#include "tests/curves/form5_fixture.h"
#include "tests/support/event_loop.h"

namespace plotaris::testing {

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
constexpr QRgb kGreenPixel = 0xFF00FF00u;

}  // namespace

TEST_F(Form5Test, OpensWithBlackEmptyPicturesUnderCaptionsN) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("PLOTARIS"));
    EXPECT_EQ(form->Label1->text(), QStringLiteral("FUNÇÕES ESPECIAIS"));
    EXPECT_EQ(form->FrameDesenhos->geometry(), platform::twipsRect(120, 1080, 9465, 9465));
    for (int k = 0; k < 9; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(form->findChild<canvas::PictureArea*>(QStringLiteral("Picture2(%1)").arg(k)), form->Picture2[k]);
        EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("Label3(%1)").arg(k)), form->Label3[k]);
        EXPECT_EQ(count(k, kBlack), area(k));
        EXPECT_EQ(form->Label3[k]->text(), QStringLiteral("n"));
        EXPECT_EQ(form->Picture2[k]->parentWidget(), form->FrameDesenhos);
    }
    // Row-major grid: picture 5 is the last of the middle row, its caption under it.
    EXPECT_EQ(form->Picture2[5]->geometry(), platform::twipsRect(6720, 3390, 2500, 2500));
    EXPECT_EQ(form->Label3[5]->pos(), platform::twipsRect(7920, 6000, 0, 0).topLeft());
    EXPECT_EQ(form->Label3[6]->pos(), platform::twipsRect(1320, 9060, 0, 0).topLeft());
    EXPECT_EQ(form->CommonDialog1.Color, QColor(255, 255, 0));
    EXPECT_EQ(form->CommonDialog2.Color, QColor(0, 0, 0));
    EXPECT_FALSE(form->Expressão->isVisibleTo(form));
    EXPECT_TRUE(form->Expressão->text().isEmpty());
}

TEST_F(Form5Test, FamilyFramesHoldTheirFormulaAndFiveButtons) {
    struct Frame {
        const char* name;
        const char* caption;
        const char* formula;
        const char* formulaLabel;
        std::array<const char*, 5> buttons;
    };
    const Frame frames[] = {
        {"FrmRosáciaValn", "Rosácea", "r = a sen (nt)", "Label4",
         {"DesRosáciaN1", "DesRosáciaN2", "DesRosáciaN3", "DesRosáciaN4", "DesRosáciaN5"}},
        {"Frame3", "Concóide da rosácea", "r = a (1 + e cos(nt))", "Label5",
         {"ConcoideRosacean", "ConcoideRosacean2", "ConcoideRosacean3", "ConcoideRosacean4", "ConcoideRosacean5"}},
        {"Frame5", "Folióide", "r =a (e* cos(2t) + Sqr(1 - e^2 *(sen(2t)) ^2))", "Label7",
         {"Folioiden", "Folioiden2", "Folioiden3", "Folioiden4", "Folioiden5"}},
        {"FrmEspiralSinusoidal", "Espiral sinusoidal", "r^n = 2a^n cos(nt)", "Label2",
         {"DesEspiralSin1", "DesEspiralSin2", "DesEspiralSin3", "DesEspiralSin4", "DesEspiralSin5"}},
    };
    const char* const columns[] = {"n", "n/2", "n/3", "n/4", "n/5"};
    for (const Frame& f : frames) {
        SCOPED_TRACE(f.name);
        auto* frame = form->findChild<platform::Frame*>(QString::fromUtf8(f.name));
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->title(), QString::fromUtf8(f.caption));
        const QLabel* formula = frame->findChild<QLabel*>(QString::fromUtf8(f.formulaLabel));
        EXPECT_EQ(formula->text(), QString::fromUtf8(f.formula));
        EXPECT_LE(formula->x() + formula->sizeHint().width(), frame->width());  // shown whole
        for (int b = 0; b < 5; ++b) {
            auto* button = frame->findChild<QToolButton*>(QString::fromUtf8(f.buttons[b]));
            ASSERT_NE(button, nullptr) << f.buttons[b];
            EXPECT_EQ(button->text(), QString::fromUtf8(columns[b]));
            EXPECT_EQ(button->toolTip(), QStringLiteral("Faça clique para desenhar."));
        }
    }
    // A click on a button draws its family.
    form->findChild<QToolButton*>(QStringLiteral("ConcoideRosacean4"))->click();
    EXPECT_EQ(captions().at(8), QStringLiteral("n=17/4"));
    EXPECT_EQ(form->Expressão->text(), QStringLiteral("2(1+e*cos(17t/4))"));
    EXPECT_GT(count(0, kYellow), 0);
}

TEST_F(Form5Test, ActivationResetsTheColoursAndKeepsTheDrawings) {
    dialogs.colorAnswers = {kGreen, kRed};
    form->CorGráfico_Click();
    form->CorFundo_Click();
    form->DesRosáciaN1_Click();
    EXPECT_GT(count(0, kGreenPixel), 0);
    const QImage drawn = image(0).copy();

    // A help window opened from this window's menu, then left: the user is back here.
    settle();
    form->findChild<QAction*>(QStringLiteral("Instruções"))->trigger();
    settle();
    FormWindow* help = WindowRegistry::instance().window(FormId::Form6);
    ASSERT_NE(help, nullptr);
    WindowRegistry::instance().leave(help);
    settle();
    ASSERT_EQ(QApplication::activeWindow(), form);

    EXPECT_EQ(form->CommonDialog1.Color, QColor(255, 255, 0));
    EXPECT_EQ(form->CommonDialog2.Color, QColor(0, 0, 0));
    EXPECT_EQ(image(0), drawn);
    EXPECT_EQ(form->Picture2[0]->backColor(), kRed);
    EXPECT_EQ(captions().at(0), QStringLiteral("n=2"));
    form->DesRosáciaN2_Click();
    EXPECT_GT(count(0, kYellow), 0);
}

TEST_F(Form5Test, ACancelledBackgroundAfterActivationPaintsAllNineBlack) {
    dialogs.colorAnswers = {kRed};
    form->CorFundo_Click();
    for (int k = 0; k < 9; ++k) EXPECT_EQ(count(k, 0xFFFF0000u), area(k));
    form->ConcoideRosacean_Click();
    form->Form_Activate();
    form->CorFundo_Click();  // no answer left: cancelled
    ASSERT_EQ(dialogs.colorRequests.size(), 2u);
    for (int k = 0; k < 9; ++k) EXPECT_EQ(count(k, kBlack), area(k));
    EXPECT_EQ(captions().at(0), QStringLiteral("n=1"));
}

TEST_F(Form5Test, TheCurveColourAppliesFromTheNextDrawingOn) {
    form->DesRosáciaN1_Click();
    dialogs.colorAnswers = {kGreen};
    form->CorGráfico_Click();
    EXPECT_EQ(count(0, kGreenPixel), 0);  // nothing redrawn
    form->DesRosáciaN2_Click();
    EXPECT_GT(count(0, kGreenPixel), 0);
    EXPECT_GT(count(0, kYellow), 0);
}

TEST_F(Form5Test, ALeftWindowComesBackAsNew) {
    form->DesRosáciaN3_Click();
    WindowRegistry::instance().leave(form);
    settle();
    form = static_cast<Form5*>(WindowRegistry::instance().show(FormId::Form5));
    ASSERT_NE(form, nullptr);
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(count(k, kBlack), area(k));
        EXPECT_EQ(form->Label3[k]->text(), QStringLiteral("n"));
    }
}

}  // namespace plotaris::testing
