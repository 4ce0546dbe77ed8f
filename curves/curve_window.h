// What the polar and the parametric windows share: the fixed-frame canvas (axes -10 to 10, no
// axis options), the heading, the frame "Opções" with its five buttons, the list of named curves,
// the two colours that every activation resets, and the way a curve is drawn: ranges evaluated
// with x = PontoX, one evaluator per drawing, the hourglass, and one message for any failure.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "canvas/graph_canvas.h"
#include "canvas/graph_frame.h"
#include "canvas/sampling.h"
#include "evaluator/equation.h"
#include "platform/common_dialog.h"
#include "windows/form_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace plotaris {

namespace platform {
class Frame;
}

class CurveWindow : public FormWindow {
public:
    void Form_Load() override;
    // Back to the default colours and an empty frame: what was drawn before is gone.
    void Form_Activate() override;

    void Apagar_Click();
    void CorGráfico_Click();
    void CorFundo_Click();
    void BotãoRadianos_Click();

    // ValorXmin .. EixosEmRadianos, and the counters PontoX and PontoY.
    canvas::GraphFrame frame;
    // Colour holders: the curves, the background.
    platform::CommonDialog CommonDialog1, CommonDialog2;
    // Picture1 with its arrow heads SetaH and SetaV, and the size sliders.
    canvas::GraphCanvas* canvas = nullptr;

    QLabel* Label1 = nullptr;
    // A control array: Frame1(0) is "Opções", the other element holds the equations.
    std::array<platform::Frame*, 4> Frame1{};
    QToolButton *Apagar = nullptr, *CorGráfico = nullptr, *CorFundo = nullptr, *BotãoRadianos = nullptr;
    QComboBox* Combo1 = nullptr;

protected:
    explicit CurveWindow(FormId id);

    // The heading, red, in "Comic Sans MS".
    void buildHeading(const QString& text, int left, int top, int width, int height);
    // The frame of the equations, Frame1(index), with its caption in blue.
    platform::Frame* buildEquationFrame(int index, const QString& caption, int left, int top, int width, int height);
    // Frame1(0), "Opções", with the drawing button (named as the window names it) and the four
    // canvas buttons in one row at `buttonTop`, from the left at `buttonLefts`.
    QToolButton* buildOptions(const char* drawName, int left, int top, int width, int height, int buttonTop,
                              const std::array<int, 5>& buttonLefts);
    // The list of named curves; the user may type into it, but typed text does nothing.
    void buildCurveList(QWidget* parent, int left, int top, int width, int height);
    // The names in list order, none chosen, `text` shown until the user chooses one.
    void fillCurveList(const QStringList& names, const QString& text);

    // Puts a text of a curve list in a box, showing its beginning.
    static void fillBox(QLineEdit* box, const char* text);

    // True, after the plain message, when the equation is empty or blanks only.
    bool refuseBlank(const QString& equation, const QString& message);

    // Runs a drawing in the frame's scale, under the hourglass, with one evaluator; any failure
    // ends it with "Erro na expressão analítica:" and its description, keeping the points drawn.
    void drawCurve(const std::function<void(clsEquation&)>& drawing);

    // Samples the curve by `step` from the value of `from` to that of `to` (both evaluated with
    // x = PontoX) and plots the points `keep` accepts in the curve colour.
    template <class Keep>
    void plotCurve(clsEquation& equation, const canvas::Curve& curve, const QLineEdit* from, const QLineEdit* to,
                   double step, Keep&& keep, canvas::Sample* last = nullptr) {
        const double start = rangeValue(equation, from);
        const double end = rangeValue(equation, to);
        canvas::sampleCurve(equation, curve, start, end, step, keep, canvas->pointTargets(CommonDialog1.Color.rgb()),
                            last);
    }

private:
    void DesenharEixos();
    double rangeValue(clsEquation& equation, const QLineEdit* box) const;
};

}  // namespace plotaris
