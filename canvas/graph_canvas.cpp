#include "canvas/graph_canvas.h"

#include <QAbstractButton>
#include <QScrollBar>

#include "canvas/canvas_options.h"
#include "canvas/picture_area.h"
#include "canvas/pictures.h"
#include "canvas/placed_picture.h"
#include "canvas/save_copy.h"
#include "platform/common_dialog.h"
#include "platform/image_combo.h"
#include "platform/twips.h"

namespace plotaris::canvas {

namespace {

PictureArea* newPicture(QWidget* parent, const QString& name) {
    auto* picture = new PictureArea(parent);
    picture->setObjectName(name);
    return picture;
}

PlacedPicture* newArrowHead(PictureArea* picture, const QImage& head, const QString& name) {
    auto* arrow = new PlacedPicture(head, picture);
    arrow->setObjectName(name);
    arrow->hide();
    return arrow;
}

QScrollBar* newSizeSlider(QWidget* parent, Qt::Orientation orientation, const char* name) {
    auto* slider = new QScrollBar(orientation, parent);
    slider->setObjectName(QString::fromLatin1(name));
    setUpSizeSlider(slider);
    return slider;
}

}  // namespace

GraphCanvas::GraphCanvas(QWidget* parent, QWidget* window, GraphFrame& f, GraphCanvasSettings settings)
    : QObject(parent), frame(f), window_(window), settings_(std::move(settings)) {
    const GraphCanvasSettings& s = settings_;
    picture = newPicture(parent, s.pictureName);
    picture->placeTwips(s.left, s.top, s.width, s.height);
    if (!s.twinName.isEmpty()) {
        // Made after the canvas, so it stands in front of it when shown.
        twin = newPicture(parent, s.twinName);
        twin->placeTwips(s.left, s.top, s.width, s.height);
        twin->setKeptImage(false);
        twin->hide();
    }
    arrowX = newArrowHead(picture, arrowHeadRight(), s.arrowXName);
    arrowY = newArrowHead(picture, arrowHeadUp(), s.arrowYName);
    if (s.sizeSliders) {
        HScroll1 = newSizeSlider(parent, Qt::Horizontal, "HScroll1");
        VScroll1 = newSizeSlider(parent, Qt::Vertical, "VScroll1");
        connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
        connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    }
    connect(picture, &PictureArea::resized, this, [this] { Picture1_Resize(); });
}

void GraphCanvas::attach(const CanvasControls& controls) {
    controls_ = controls;
    const auto click = [this](QAbstractButton* button, void (GraphCanvas::*handler)()) {
        if (button) connect(button, &QAbstractButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    click(controls.radianToggle, &GraphCanvas::EixosRad_Click);
    click(controls.drawAxes, &GraphCanvas::DesenharEixos_Click);
    click(controls.erase, &GraphCanvas::ApagarGráfico_Click);
    click(controls.chooseGraphColour, &GraphCanvas::CorDoGráfico_Click);
    click(controls.chooseBackColour, &GraphCanvas::CorDoFundo_Click);
    click(controls.chooseAxesColour, &GraphCanvas::CorDosEixos_Click);
    click(controls.openGraphWidths, &GraphCanvas::EspessuraGráfico_Click);
    click(controls.openAxesWidths, &GraphCanvas::EspessuraEixos_Click);
    click(controls.save, &GraphCanvas::GuardarGráfico_Click);
    click(controls.copy, &GraphCanvas::CopiarGráfico_Click);
}

void GraphCanvas::Form_Load() {
    const GraphCanvasSettings& s = settings_;
    picture->placeTwips(s.left, s.top, s.width, s.height);
    picture->setKeptImage(true);
    if (twin) {
        twin->placeTwips(s.left, s.top, s.width, s.height);
        twin->setKeptImage(false);
        twin->hide();
    }
    if (s.axes == CanvasAxes::Boxed) {
        picture->setUserScale(-10, 10, 10, -10);
        if (twin) twin->setUserScale(-10, 10, 10, -10);
    } else {
        picture->setPixelScale();
    }
    if (HScroll1) {
        HScroll1->setGeometry(platform::twipsRect(s.left, s.widthSliderTop, s.width, 195));
        VScroll1->setGeometry(platform::twipsRect(s.left + s.width, s.top, 195, s.height));
    }
    frame.EixosEmRadianos = false;
    arrowX->hide();
    arrowY->hide();
}

void GraphCanvas::DesenharEixos_Click() {
    const AxesCanvas canvas{picture, arrowX, arrowY};
    if (settings_.axes == CanvasAxes::Fixed) {
        drawFixedAxes(frame, canvas);
        return;
    }
    AxesSettings s;
    s.boxes = controls_.boxes;
    s.axesColour = controls_.axesColour->Color;
    s.axesWidth = controls_.axesWidth ? controls_.axesWidth->selectedIndex() : 1;
    s.graduationEnd = settings_.graduationEnd;
    s.afterFailure = settings_.afterFailure;
    s.window = window_;
    drawAxes(frame, canvas, s);
}

void GraphCanvas::ApagarGráfico_Click() {
    if (settings_.erase == EraseAction::RedrawAxes) {
        DesenharEixos_Click();
        return;
    }
    picture->clear();
    if (twin) twin->clear();
}

bool switchRadianMode(GraphFrame& frame, QAbstractButton* toggle, RadianToggle rule) {
    if (rule == RadianToggle::ByCaption) {
        if (toggle->text() == QStringLiteral("Radianos")) {
            toggle->setText(QStringLiteral("Unidades"));
            frame.EixosEmRadianos = true;
        } else if (toggle->text() == QStringLiteral("Unidades")) {
            toggle->setText(QStringLiteral("Radianos"));
            frame.EixosEmRadianos = false;
        } else {
            return false;
        }
        return true;
    }
    if (frame.EixosEmRadianos) {
        toggle->setToolTip(QStringLiteral("Graduar o eixo das abcissas em radianos."));
        toggle->setText(QStringLiteral("Radianos"));
        frame.EixosEmRadianos = false;
    } else {
        toggle->setToolTip(QStringLiteral("Graduar o eixo das abcissas em unidades."));
        toggle->setText(QStringLiteral("Unidades"));
        frame.EixosEmRadianos = true;
    }
    return true;
}

void GraphCanvas::EixosRad_Click() {
    if (switchRadianMode(frame, controls_.radianToggle, settings_.radianToggle)) DesenharEixos_Click();
}

void GraphCanvas::CorDoGráfico_Click() { chooseColour(*controls_.graphColour, controls_.graphSample, window_); }

void GraphCanvas::CorDoFundo_Click() {
    chooseColour(*controls_.backColour, controls_.backSample, window_);
    picture->setBackColor(controls_.backColour->Color);
    DesenharEixos_Click();
}

void GraphCanvas::CorDosEixos_Click() { chooseColour(*controls_.axesColour, controls_.axesSample, window_); }

void GraphCanvas::EspessuraEixos_Click() { controls_.axesWidth->dropDown(); }
void GraphCanvas::EspessuraGráfico_Click() { controls_.graphWidth->dropDown(); }

void GraphCanvas::HScroll1_Change() {
    const int value = HScroll1->value();
    picture->setWidthTwips(value);  // raises Picture1_Resize
    if (twin) twin->setWidthTwips(value);
    VScroll1->move(platform::twipsToPixels(value + settings_.sliderGap), VScroll1->y());
    HScroll1->resize(platform::twipsToPixels(value), HScroll1->height());
    afterSliderChange();
}

void GraphCanvas::VScroll1_Change() {
    const int value = VScroll1->value();
    picture->setHeightTwips(value);  // raises Picture1_Resize
    if (twin) twin->setHeightTwips(value);
    HScroll1->move(HScroll1->x(), platform::twipsToPixels(value + settings_.top));
    VScroll1->resize(VScroll1->width(), platform::twipsToPixels(value));
    afterSliderChange();
}

void GraphCanvas::afterSliderChange() {
    if (settings_.scaleAfterResize == ScaleAfterResize::Pixels) picture->setPixelScale();
    if (afterSizeChange) afterSizeChange();
}

void GraphCanvas::Picture1_Resize() {
    picture->clear();
    DesenharEixos_Click();
}

void GraphCanvas::GuardarGráfico_Click() { saveCanvasPicture(*controls_.saveDialog, picture->image(), window_); }

void GraphCanvas::CopiarGráfico_Click() { copyCanvasPicture(picture->image()); }

void GraphCanvas::useFrameScale(bool twinToo) {
    const double left = frameLeft(frame), top = frameTop(frame), right = frameRight(frame), bottom = frameBottom(frame);
    picture->setUserScale(left, top, right, bottom);
    if (twin && twinToo) twin->setUserScale(left, top, right, bottom);
}

PointTargets GraphCanvas::pointTargets(QRgb colour, bool twinToo) const {
    return PointTargets{picture, twinToo ? twin : nullptr, colour};
}

GraphCanvas::LiveDrawing::LiveDrawing(GraphCanvas& canvas, bool live) : canvas_(live && canvas.twin ? &canvas : nullptr) {
    if (!canvas_) return;
    canvas_->picture->hide();
    canvas_->twin->show();
}

GraphCanvas::LiveDrawing::~LiveDrawing() {
    if (!canvas_) return;
    canvas_->picture->show();
    canvas_->twin->hide();
}

}  // namespace plotaris::canvas
