// The graph canvas every drawing window with axes carries: the picture and its live twin, the
// arrow heads, the two size sliders, the axes procedure, and the handlers of its options (colours,
// widths, background, radian toggle, size, save and copy). A window builds its option controls
// where its layout puts them, hands them to the canvas, and states only how its canvas differs.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "canvas/axes.h"
#include "canvas/graph_frame.h"
#include "canvas/sampling.h"

class QAbstractButton;
class QLabel;
class QScrollBar;
class QWidget;

namespace plotaris::platform {
class CommonDialog;
class ImageCombo;
}  // namespace plotaris::platform

namespace plotaris::canvas {

class PictureArea;
class PlacedPicture;
struct AxisBoxes;

// Where the axes come from: the axis boxes of the window, or the fixed frame -10 to 10.
enum class CanvasAxes { Boxed, Fixed };
// What "Apagar" does: draw the empty axes again, or leave the canvas empty without axes.
enum class EraseAction { RedrawAxes, ClearOnly };
// How the radian toggle reads and shows its state: by the mode, naming the next one in its
// caption and tooltip; or by its caption alone ("Radianos", "Unidades"), its tooltip fixed.
enum class RadianToggle { ByMode, ByCaption };
// The canvas's measure after a size change: back to pixels (the next drawing sets the scale
// itself), or the user scale of the axes just redrawn (for windows that draw in it afterwards).
enum class ScaleAfterResize { Pixels, AxesScale };

struct GraphCanvasSettings {
    // The controls' names: the canvas, its live twin (none when empty) and the arrow heads.
    QString pictureName = QStringLiteral("Picture1");
    QString twinName;
    QString arrowXName = QStringLiteral("Image1"), arrowYName = QStringLiteral("Image2");
    // The canvas's place in twips, in its parent.
    int left = 120, top = 900, width = 9465, height = 9465;
    // The size sliders: HScroll1 under the canvas, VScroll1 this gap right of its width.
    bool sizeSliders = true;
    int sliderGap = 120;
    int widthSliderTop = 10365;
    CanvasAxes axes = CanvasAxes::Boxed;
    GraduationEnd graduationEnd = GraduationEnd::Limit;
    ArrowsAfterFailure afterFailure = ArrowsAfterFailure::ShowXHideY;
    EraseAction erase = EraseAction::RedrawAxes;
    RadianToggle radianToggle = RadianToggle::ByMode;
    ScaleAfterResize scaleAfterResize = ScaleAfterResize::Pixels;
};

// The window's controls and colour holders that the canvas's handlers read and write, and the
// buttons that run them; any may be absent where the window has none.
struct CanvasControls {
    const AxisBoxes* boxes = nullptr;
    platform::CommonDialog* graphColour = nullptr;
    QLabel* graphSample = nullptr;
    platform::CommonDialog* backColour = nullptr;
    QLabel* backSample = nullptr;
    platform::CommonDialog* axesColour = nullptr;
    QLabel* axesSample = nullptr;
    platform::ImageCombo* graphWidth = nullptr;
    platform::ImageCombo* axesWidth = nullptr;
    platform::CommonDialog* saveDialog = nullptr;
    QAbstractButton* radianToggle = nullptr;  // EixosRad_Click
    QAbstractButton* drawAxes = nullptr;      // DesenharEixos_Click
    QAbstractButton* erase = nullptr;         // ApagarGráfico_Click
    QAbstractButton* chooseGraphColour = nullptr;
    QAbstractButton* chooseBackColour = nullptr;
    QAbstractButton* chooseAxesColour = nullptr;
    QAbstractButton* openGraphWidths = nullptr;
    QAbstractButton* openAxesWidths = nullptr;
    QAbstractButton* save = nullptr;
    QAbstractButton* copy = nullptr;
};

class GraphCanvas final : public QObject {
    Q_OBJECT
public:
    // Builds the pictures (and sliders) in `parent`; `window` owns the messages and the pointer.
    // The frame is the window's own, or one shared by several canvases. The window's load step
    // then runs Form_Load.
    GraphCanvas(QWidget* parent, QWidget* window, GraphFrame& frame, GraphCanvasSettings settings);

    // Takes the window's controls and connects the buttons among them to their handlers.
    void attach(const CanvasControls& controls);
    const GraphCanvasSettings& settings() const { return settings_; }

    // Places the pictures and sliders as the window opens, the twin hidden, the arrow heads hidden,
    // units on the x axis.
    void Form_Load();

    // The axes procedure: clears the canvas and draws the frame and axes.
    void DesenharEixos_Click();
    void ApagarGráfico_Click();
    void EixosRad_Click();
    void CorDoGráfico_Click();
    void CorDoFundo_Click();
    void CorDosEixos_Click();
    void EspessuraEixos_Click();
    void EspessuraGráfico_Click();
    void HScroll1_Change();
    void VScroll1_Change();
    void Picture1_Resize();
    void GuardarGráfico_Click();
    void CopiarGráfico_Click();

    // Gives the canvas (and the twin, when asked) the user scale of the frame, for a drawing.
    // Throws PictureError when the frame has no width or height.
    void useFrameScale(bool twinToo = true);
    // Where a drawing's points go: the canvas, and the twin when asked and there is one.
    PointTargets pointTargets(QRgb colour, bool twinToo = true) const;

    // While it lives, the twin stands in the canvas's place and shows the points as they come;
    // the canvas is shown again on every way out.
    class LiveDrawing {
    public:
        LiveDrawing(GraphCanvas& canvas, bool live = true);
        ~LiveDrawing();
        LiveDrawing(const LiveDrawing&) = delete;
        LiveDrawing& operator=(const LiveDrawing&) = delete;

    private:
        GraphCanvas* canvas_;
    };

    // Runs after each size change, once the axes are redrawn.
    std::function<void()> afterSizeChange;

    GraphFrame& frame;
    PictureArea* picture = nullptr;
    PictureArea* twin = nullptr;
    PlacedPicture* arrowX = nullptr;
    PlacedPicture* arrowY = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* VScroll1 = nullptr;

private:
    void afterSliderChange();

    QWidget* window_;
    GraphCanvasSettings settings_;
    CanvasControls controls_;
};

// Switches the x axis between units and radians by the toggle's rule, with its caption and
// tooltip; false when the rule found nothing to switch (nothing is redrawn then).
bool switchRadianMode(GraphFrame& frame, QAbstractButton* toggle, RadianToggle rule);

}  // namespace plotaris::canvas
