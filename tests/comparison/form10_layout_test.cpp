#include <QCheckBox>
#include <QLabel>
#include <QToolButton>

#include "canvas/placed_picture.h"
#include "platform/frame.h"
#include "platform/image_combo.h"
#include "tests/comparison/form10_fixture.h"
#include "tests/support/event_loop.h"

namespace plotaris::testing {

namespace {

QColor sampleColour(const QLabel* sample) { return sample->palette().color(QPalette::Window); }

}  // namespace

TEST_F(Form10Test, OpensWithItsLayout) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("PLOTARIS"));
    EXPECT_EQ(form->client()->size(), QSize(1016, 714));
    const auto place = [&](const char* name) {
        auto* control = form->findChild<QWidget*>(QString::fromUtf8(name));
        return control ? control->geometry() : QRect();
    };
    EXPECT_EQ(place("Label1"), QRect(176, 4, 296, 38));
    EXPECT_EQ(place("FrameDesenhos"), QRect(4, 44, 663, 663));
    // The canvases in a two-by-two grid inside FrameDesenhos, each with its own arrow heads.
    const QPoint corners[] = {{8, 12}, {336, 12}, {8, 336}, {336, 336}};
    for (int n = 1; n <= 4; ++n) {
        const QString name = QStringLiteral("Picture%1").arg(n);
        auto* picture = form->findChild<canvas::PictureArea*>(name);
        ASSERT_NE(picture, nullptr) << n;
        EXPECT_EQ(picture->parentWidget(), form->FrameDesenhos);
        EXPECT_EQ(picture->geometry(), QRect(corners[n - 1], QSize(320, 320))) << n;
        for (const char* head : {"Image1(%1)", "Image2(%1)"}) {
            auto* arrow = form->findChild<canvas::PlacedPicture*>(QString::fromLatin1(head).arg(n));
            ASSERT_NE(arrow, nullptr) << head << n;
            EXPECT_EQ(arrow->parentWidget(), picture);
        }
    }
    // The graph frames, one family: frame, caption and place, and the names of their controls.
    const struct {
        const char *frame, *caption, *label3, *graphSample, *backSample, *expression;
        int top;
    } members[] = {
        {"Frame2", "Gráfico 1", "Label3(1)", "Label45", "Label46", "x^2", 4},
        {"Frame1", "Gráfico 2", "Label3(0)", "Label4", "Label2", "(x-1)^2", 176},
        {"Frame3", "Gráfico 3", "Label3(2)", "Label6", "Label5", "(x-2)^2", 348},
        {"Frame4", "Gráfico 4", "Label3(3)", "Label8", "Label7", "(x-3)^2", 520},
    };
    for (int n = 1; n <= 4; ++n) {
        const auto& m = members[n - 1];
        auto* frame = form->findChild<platform::Frame*>(QString::fromUtf8(m.frame));
        ASSERT_NE(frame, nullptr) << m.frame;
        EXPECT_EQ(frame->title(), QString::fromUtf8(m.caption));
        EXPECT_EQ(frame->geometry(), QRect(676, m.top, 333, 165));
        EXPECT_EQ(frame->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        const auto inFrame = [&](const QString& name) {
            auto* control = frame->findChild<QWidget*>(name);
            return control ? control->geometry() : QRect();
        };
        EXPECT_EQ(inFrame(QString::fromUtf8(m.label3)), QRect(64, 28, 19, 16));
        EXPECT_EQ(inFrame(QStringLiteral("Função%1").arg(n)), QRect(88, 24, 185, 21));
        EXPECT_EQ(inFrame(QString::fromUtf8(m.graphSample)), QRect(136, 92, 117, 25));
        EXPECT_EQ(inFrame(QString::fromUtf8(m.backSample)), QRect(136, 128, 117, 25));
        EXPECT_EQ(inFrame(QStringLiteral("ImageCombo%1").arg(n)), QRect(136, 60, 117, 22));
        EXPECT_EQ(inFrame(QStringLiteral("Desenhar%1").arg(n)), QRect(276, 56, 45, 45));
        EXPECT_EQ(inFrame(QStringLiteral("Apagar%1").arg(n)), QRect(276, 108, 45, 45));
        EXPECT_EQ(form->graph(n).Função->text(), QString::fromUtf8(m.expression));
        EXPECT_EQ(form->graph(n).CorDoFundo->text(), QStringLiteral("Cor do fundo "));
    }
    // The axes panel, hidden over the lower graph frames, and the buttons that show and hide it.
    EXPECT_EQ(place("Command1"), QRect(676, 684, 333, 21));
    EXPECT_EQ(place("FrameEixos"), QRect(668, 428, 357, 255));
    EXPECT_FALSE(form->FrameEixos->isVisible());
    EXPECT_EQ(place("EixosRad"), QRect(228, 156, 55, 51));
    EXPECT_EQ(place("DesenharEixos"), QRect(296, 156, 51, 51));
    EXPECT_EQ(place("ImageCombo5"), QRect(112, 148, 77, 22));
    EXPECT_EQ(place("Command2"), QRect(88, 228, 169, 17));
    EXPECT_EQ(form->axisBoxes.Xmin->text(), QStringLiteral("-8"));
    EXPECT_EQ(form->axisBoxes.Ymax->text(), QStringLiteral("8"));
    EXPECT_EQ(form->axisBoxes.GradNumY->toolTip(),
              QStringLiteral("Valide esta opção para colocargraduação no eixo das ordenadas."));
    EXPECT_EQ(form->DesenharEixos->toolTip(), QStringLiteral("Desenhar os eixos com as opções acima indicadas."));

    form->Command1->click();
    EXPECT_TRUE(form->FrameEixos->isVisible());
    // It lies over the lower half of "Gráfico 3" and over "Gráfico 4".
    for (const QPoint p : {QPoint(800, 440), QPoint(800, 600)}) {
        QWidget* hit = form->client()->childAt(p);
        EXPECT_TRUE(hit == form->FrameEixos || form->FrameEixos->isAncestorOf(hit)) << p.y();
    }
    form->Command2->click();
    EXPECT_FALSE(form->FrameEixos->isVisible());
}

TEST_F(Form10Test, LoadsItsColoursAndWidths) {
    const QColor defaults[] = {{0, 0, 255}, {255, 255, 255}, {0, 255, 0},   {255, 255, 255}, {0, 255, 255},
                               {255, 255, 255}, {255, 0, 0}, {255, 255, 255}, {0, 0, 0}};
    const platform::CommonDialog* holders[] = {&form->CommonDialog1, &form->CommonDialog2, &form->CommonDialog3,
                                               &form->CommonDialog4, &form->CommonDialog5, &form->CommonDialog6,
                                               &form->CommonDialog7, &form->CommonDialog8, &form->CommonDialog9};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(holders[i]->Color, defaults[i]) << "CommonDialog" << i + 1;
    for (int n = 1; n <= 4; ++n) {
        const Form10::Graph& g = form->graph(n);
        EXPECT_EQ(sampleColour(g.graphSample), g.graphColour->Color) << n;
        EXPECT_EQ(sampleColour(g.backSample), g.backColour->Color) << n;
        EXPECT_EQ(g.ImageCombo->count(), 5);
        EXPECT_EQ(g.ImageCombo->selectedIndex(), 1);
        // The canvas keeps the system's window colour until its background is chosen.
        EXPECT_EQ(canvas(n).backColor(), form->client()->palette().color(QPalette::Base));
        EXPECT_TRUE(canvas(n).keptImage());
    }
    EXPECT_EQ(sampleColour(form->Label44), QColor(0, 0, 0));
    EXPECT_EQ(form->ImageCombo5->count(), 5);
    EXPECT_EQ(form->ImageCombo5->selectedIndex(), 1);
    EXPECT_FALSE(form->frame.EixosEmRadianos);
}

TEST_F(Form10Test, ShownAgainAfterALeaveItHasItsDefaults) {
    form->graph(2).Função->setText(QStringLiteral("sen(x)"));
    form->axisBoxes.Xmin->setText(QStringLiteral("-3"));
    form->Command1_Click();
    dialogs.colorAnswers = {QColor(10, 20, 30)};
    form->graph(3).canvas->CorDoGráfico_Click();
    form->EixosRad_Click();
    WindowRegistry::instance().leave(form);
    settle();
    form = static_cast<Form10*>(WindowRegistry::instance().show(FormId::Form10));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->graph(2).Função->text(), QStringLiteral("(x-1)^2"));
    EXPECT_EQ(form->axisBoxes.Xmin->text(), QStringLiteral("-8"));
    EXPECT_FALSE(form->FrameEixos->isVisible());
    EXPECT_EQ(form->CommonDialog5.Color, QColor(0, 255, 255));
    EXPECT_FALSE(form->frame.EixosEmRadianos);
    EXPECT_EQ(form->EixosRad->text(), QStringLiteral("Radianos "));
}

}  // namespace plotaris::testing
