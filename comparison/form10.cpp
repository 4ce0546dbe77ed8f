#include "comparison/form10.h"

#include <QLineEdit>
#include <QToolButton>
#include <exception>
#include <stdexcept>

#include "canvas/canvas_options.h"
#include "canvas/failure_message.h"
#include "canvas/graph_canvas.h"
#include "canvas/number_text.h"
#include "canvas/palette.h"
#include "canvas/picture_area.h"
#include "canvas/sampling.h"
#include "canvas/sample_range.h"
#include "evaluator/equation.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/frame.h"
#include "platform/image_combo.h"
#include "platform/mouse_pointer.h"

namespace plotaris {

namespace {

constexpr double kStep = 0.001;  // x goes up by a thousandth

// The default colour of each graph, in the palette: graphs 1 .. 4.
constexpr int kGraphPalette[Form10::kGraphs] = {9, 10, 11, 12};
constexpr int kBackPalette = 15, kAxesPalette = 0;

// A box of the panel read as a plain number: its text is read anew at every call, and converted
// again only when it differs from the text converted last time.
class PlainNumberBox {
public:
    explicit PlainNumberBox(const QLineEdit* box) : box_(box) {}
    double read() {
        const QString text = box_->text();
        if (!converted_ || text != text_) {
            value_ = canvas::strictNumber(text);
            text_ = text;
            converted_ = true;
        }
        return value_;
    }

private:
    const QLineEdit* box_;
    QString text_;
    double value_ = 0;
    bool converted_ = false;
};

// The y window of the panel, read from its boxes at every point; both ends strict, and y = 0 is
// drawn like any other value.
struct InsidePanelLimits {
    PlainNumberBox Ymin, Ymax;
    bool operator()(const canvas::Sample& s) {
        const double low = Ymin.read();
        const double high = Ymax.read();
        return low < s.first && s.first < high;
    }
};

// A text of blanks is not empty, yet the evaluator finds nothing in it and would draw it as 0.
void refuseBlankExpression(const QString& text) {
    if (text.trimmed().isEmpty())
        throw std::runtime_error("A expressão analítica só tem espaços em branco: escreva a função que pretende "
                                 "representar graficamente.");
}

}  // namespace

Form10::Form10() : FormWindow(FormId::Form10, QStringLiteral("PLOTARIS"), {1016, 714}) {
    buildControls();
    connectHandlers();
}

void Form10::Form_Load() {
    for (Graph& g : graphs) g.canvas->Form_Load();
    frame.EixosEmRadianos = false;
    for (int n = 1; n <= kGraphs; ++n) {
        graph(n).graphColour->Color = canvas::paletteColour(kGraphPalette[n - 1]);
        graph(n).backColour->Color = canvas::paletteColour(kBackPalette);
    }
    CommonDialog9.Color = canvas::paletteColour(kAxesPalette);
    for (Graph& g : graphs) canvas::fillLineWidthList(g.ImageCombo);
    canvas::fillLineWidthList(ImageCombo5);
    for (Graph& g : graphs) {
        platform::showColourSample(g.graphSample, g.graphColour->Color);
        platform::showColourSample(g.backSample, g.backColour->Color);
    }
    platform::showColourSample(Label44, CommonDialog9.Color);
}

void Form10::Form_Activate() { DesenharEixos_Click(); }

void Form10::Command1_Click() { FrameEixos->show(); }
void Form10::Command2_Click() { FrameEixos->hide(); }

void Form10::DesenharEixosN(int n) { graph(n).canvas->DesenharEixos_Click(); }

void Form10::DesenharEixos_Click() {
    for (int n = 1; n <= kGraphs; ++n) DesenharEixosN(n);
}

void Form10::EixosRad_Click() {
    if (canvas::switchRadianMode(frame, EixosRad, canvas::RadianToggle::ByMode)) DesenharEixos_Click();
}

void Form10::CorDosEixos_Click() { canvas::chooseColour(CommonDialog9, Label44, this); }

void Form10::EspessuraEixos_Click() { ImageCombo5->dropDown(); }

void Form10::DesenharN_Click(int n) {
    Graph& g = graph(n);
    canvas::PictureArea& picture = *g.canvas->picture;
    try {
        g.canvas->useFrameScale(false);
        if (g.Função->text().isEmpty()) {
            platform::messageBox(
                this, QStringLiteral("Deve escrever a expressão analítica da função que pretende representar graficamente."),
                platform::MessageIcon::Information, QStringLiteral("Comparar plotaris"));
            g.Função->setFocus();
            return;
        }
        platform::setMousePointer(this, platform::MousePointer::Hourglass);
        clsEquation equation;
        picture.setDrawWidth(g.ImageCombo->selectedIndex());
        const double xmin = canvas::strictNumber(axisBoxes.Xmin->text());
        const double xmax = canvas::strictNumber(axisBoxes.Xmax->text());
        const canvas::SampleRange range = canvas::drawableRange(xmin, xmax, kStep, picture);
        refuseBlankExpression(g.Função->text());
        canvas::Curve curve;
        curve.text = g.Função->text().toStdString();
        canvas::sampleCurve(equation, curve, range.start, range.end, kStep,
                            InsidePanelLimits{PlainNumberBox(axisBoxes.Ymin), PlainNumberBox(axisBoxes.Ymax)},
                            g.canvas->pointTargets(g.graphColour->Color.rgb(), false));
    } catch (const std::exception& failure) {
        canvas::showFailure(this, QStringLiteral("Erro na expressão analítica:"), failure);
    }
    platform::setMousePointer(this, platform::MousePointer::Default);
}

}  // namespace plotaris
