#include "curves/curve_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <exception>

#include "canvas/failure_message.h"
#include "canvas/palette.h"
#include "canvas/picture_area.h"
#include "canvas/pictures.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/frame.h"
#include "platform/mouse_pointer.h"
#include "platform/twips.h"
#include "shell/window_menu.h"

namespace plotaris {

namespace {

canvas::GraphCanvasSettings fixedFrameCanvas() {
    canvas::GraphCanvasSettings s;
    s.arrowXName = QStringLiteral("SetaH");
    s.arrowYName = QStringLiteral("SetaV");
    s.sliderGap = 100;
    s.widthSliderTop = 10350;
    s.axes = canvas::CanvasAxes::Fixed;
    s.erase = canvas::EraseAction::RedrawAxes;
    s.radianToggle = canvas::RadianToggle::ByCaption;
    return s;
}

}  // namespace

CurveWindow::CurveWindow(FormId id) : FormWindow(id, QStringLiteral("PLOTARIS"), {1016, 714}) {
    client()->setFont(platform::controlFont());
    canvas = new canvas::GraphCanvas(client(), this, frame, fixedFrameCanvas());
    CommonDialog1.Color = canvas::paletteColour(9);
    CommonDialog2.Color = canvas::paletteColour(15);
    canvas::CanvasControls controls;
    controls.graphColour = &CommonDialog1;
    controls.backColour = &CommonDialog2;
    canvas->attach(controls);
    installWindowMenu(*this);
}

void CurveWindow::Form_Load() {
    canvas->Form_Load();
    BotãoRadianos->setText(QStringLiteral("Radianos"));
}

void CurveWindow::Form_Activate() {
    CommonDialog1.Color = canvas::paletteColour(9);
    CommonDialog2.Color = canvas::paletteColour(15);
    canvas->picture->setBackColor(CommonDialog2.Color);
    DesenharEixos();
}

void CurveWindow::DesenharEixos() { canvas->DesenharEixos_Click(); }

void CurveWindow::Apagar_Click() { canvas->ApagarGráfico_Click(); }

void CurveWindow::CorGráfico_Click() { canvas->CorDoGráfico_Click(); }

void CurveWindow::CorFundo_Click() { canvas->CorDoFundo_Click(); }

void CurveWindow::BotãoRadianos_Click() {
    // The caption names the mode the click selects; any other caption selects nothing.
    if (canvas::switchRadianMode(frame, BotãoRadianos, canvas->settings().radianToggle)) DesenharEixos();
}

void CurveWindow::buildHeading(const QString& text, int left, int top, int width, int height) {
    Label1 = platform::label(client(), "Label1", text, left, top, width, height);
    Label1->setFont(platform::windowFont(QStringLiteral("Comic Sans MS"), 21.75, true));
    platform::setTextColour(Label1, QColor(255, 0, 0));
}

platform::Frame* CurveWindow::buildEquationFrame(int index, const QString& caption, int left, int top, int width,
                                                 int height) {
    const QByteArray name = QStringLiteral("Frame1(%1)").arg(index).toUtf8();
    platform::Frame* f = platform::optionFrame(client(), name.constData(), caption, left, top, width, height);
    f->setFont(platform::windowFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    f->setCaptionColour(QColor(0, 0, 255));
    Frame1[size_t(index)] = f;
    return f;
}

QToolButton* CurveWindow::buildOptions(const char* drawName, int left, int top, int width, int height, int buttonTop,
                                       const std::array<int, 5>& lefts) {
    using canvas::ButtonPicture;
    using platform::toolButton;
    platform::Frame* o =
        platform::optionFrame(client(), "Frame1(0)", QStringLiteral("Opções"), left, top, width, height);
    Frame1[0] = o;
    const auto button = [&](const char* name, const char* caption, const char* tip, int place, ButtonPicture picture) {
        return toolButton(o, name, QString::fromUtf8(caption), QString::fromUtf8(tip), lefts[size_t(place)], buttonTop,
                          735, 735, canvas::buttonPicture(picture));
    };
    QToolButton* draw =
        button(drawName, "Desenhar", "Desenhar a função com a equação indicada acima.", 0, ButtonPicture::Draw);
    Apagar = button("Apagar", "Apagar", "Apagar a janela de desenho.", 1, ButtonPicture::Erase);
    CorGráfico = button("CorGráfico", "Cor gráfico", "Escolher a cor do desenho.", 2, ButtonPicture::GraphColour);
    CorFundo =
        button("CorFundo", "Cor fundo", "Escolher a cor do fundo da janela de desenho.", 3, ButtonPicture::BackColour);
    BotãoRadianos =
        button("BotãoRadianos", "Radianos", "Graduar o eixo das abcissas em radianos.", 4, ButtonPicture::Radians);
    connect(Apagar, &QToolButton::clicked, this, [this] { Apagar_Click(); });
    connect(CorGráfico, &QToolButton::clicked, this, [this] { CorGráfico_Click(); });
    connect(CorFundo, &QToolButton::clicked, this, [this] { CorFundo_Click(); });
    connect(BotãoRadianos, &QToolButton::clicked, this, [this] { BotãoRadianos_Click(); });
    return draw;
}

void CurveWindow::buildCurveList(QWidget* parent, int left, int top, int width, int height) {
    Combo1 = new QComboBox(parent);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(platform::twipsRect(left, top, width, height));
    Combo1->setFont(platform::windowFont(QStringLiteral("Comic Sans MS"), 9.75, true));
    Combo1->setEditable(true);
    // Typed text chooses nothing: no completion, and no search for it among the names when the
    // typing ends.
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setCompleter(nullptr);
    QObject::disconnect(Combo1->lineEdit(), &QLineEdit::returnPressed, Combo1, nullptr);
    QObject::disconnect(Combo1->lineEdit(), &QLineEdit::editingFinished, Combo1, nullptr);
    Combo1->setMaxVisibleItems(16);
    QPalette palette = Combo1->palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 0));
    palette.setColor(QPalette::Text, QColor(255, 0, 0));
    Combo1->setPalette(palette);
}

void CurveWindow::fillCurveList(const QStringList& names, const QString& text) {
    Combo1->addItems(names);
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(text);
}

void CurveWindow::fillBox(QLineEdit* box, const char* text) {
    box->setText(QString::fromUtf8(text));
    box->setCursorPosition(0);
}

bool CurveWindow::refuseBlank(const QString& equation, const QString& message) {
    if (equation.count(QLatin1Char(' ')) != equation.size()) return false;
    platform::messageBox(this, message);
    return true;
}

void CurveWindow::drawCurve(const std::function<void(clsEquation&)>& drawing) {
    try {
        canvas->useFrameScale();
        platform::setMousePointer(this, platform::MousePointer::Hourglass);
        clsEquation equation;
        drawing(equation);
    } catch (const std::exception& failure) {
        canvas::showFailure(this, QStringLiteral("Erro na expressão analítica:"), failure);
    }
    platform::setMousePointer(this, platform::MousePointer::Default);
}

double CurveWindow::rangeValue(clsEquation& equation, const QLineEdit* box) const {
    equation.Equation(box->text().toStdString());
    equation.Var("x", frame.PontoX);
    equation.Solve();
    return equation.Solution();
}

}  // namespace plotaris
