#include "canvas/option_controls.h"

#include <QLabel>
#include <QToolButton>

#include "canvas/pictures.h"
#include "platform/controls.h"
#include "platform/frame.h"
#include "platform/image_combo.h"

namespace plotaris::canvas {

namespace {

QToolButton* button(QWidget* parent, const char* name, const char* caption, const char* tip, const ControlPlace& p,
                    const QIcon& picture = {}) {
    return platform::toolButton(parent, name, QString::fromUtf8(caption), QString::fromUtf8(tip), p.left, p.top,
                                p.width, p.height, picture);
}

platform::ImageCombo* widthList(QWidget* parent, const char* name, const char* tip, const ControlPlace& p) {
    return platform::imageCombo(parent, name, QString::fromUtf8(tip), p.left, p.top, p.width, p.height);
}

QLabel* sample(QWidget* parent, const char* name, const char* tip, const ControlPlace& p) {
    return platform::colourSample(parent, name, QString::fromUtf8(tip), p.left, p.top, p.width, p.height);
}

}  // namespace

GraphOptions buildGraphOptions(QWidget* g, const GraphOptionPlaces& p) {
    GraphOptions o;
    o.EspessuraGráfico = button(g, "EspessuraGráfico", "Espessura do gráfico", "Seleccionar a espessura do gráfico.",
                                p.EspessuraGráfico);
    o.ImageCombo4 = widthList(g, "ImageCombo4", "Seleccione aqui a espessura da linha com que é desenhado o gráfico.",
                              p.ImageCombo4);
    o.CorDoGráfico =
        button(g, "CorDoGráfico", "Cor do gráfico", "Escolher a cor com que o gráfico é desenhado.", p.CorDoGráfico);
    o.Label45 = sample(g, "Label45", "Esta é a cor com que o gráfico será desenhado.", p.Label45);
    platform::showColourSample(o.Label45, QColor(0, 0, 255));
    o.CorDoFundo =
        button(g, "CorDoFundo", "Cor do fundo ", "Escolher a cor do fundo da janela de desenho.", p.CorDoFundo);
    o.Label46 = sample(g, "Label46", "Esta é a cor do fundo da janela de desenho.", p.Label46);
    platform::showColourSample(o.Label46, o.Label46->palette().color(QPalette::Window));
    o.ApagarGráfico = button(g, "ApagarGráfico", "Apagar", "Apagar o gráfico desenhado.", p.ApagarGráfico,
                             buttonPicture(ButtonPicture::Erase));
    o.GuardarGráfico = button(g, "GuardarGráfico", "Guardar", "Guardar como imagem .bmp o gráfico da função.",
                              p.GuardarGráfico, buttonPicture(ButtonPicture::Save));
    o.CopiarGráfico = button(g, "CopiarGráfico", "Copiar", "Copiar o gráfico para outra aplicação.", p.CopiarGráfico,
                             buttonPicture(ButtonPicture::Copy));
    return o;
}

AxesOptions buildAxesOptions(QWidget* e, const AxesOptionPlaces& p) {
    AxesOptions o;
    o.Frame14 = platform::optionFrame(e, "Frame14", QString(), p.Frame14.left, p.Frame14.top, p.Frame14.width,
                                      p.Frame14.height);
    o.axisBoxes = buildAxisGrid(o.Frame14);
    o.EspessuraEixos = button(e, "EspessuraEixos", "Espessura dos eixos",
                              "Prima este botão para seleccionar a espessura dos eixos.", p.EspessuraEixos);
    o.ImageCombo3 = widthList(e, "ImageCombo3",
                              "Seleccione aqui a espessura da linha com que serão desenhados os eixos.", p.ImageCombo3);
    o.CorDosEixos = button(e, "CorDosEixos", "Cor dos eixos", "Prina este botão para seleccionar a cor dos eixos.",
                           p.CorDosEixos);
    o.Label44 = sample(e, "Label44", "Nesta janela mostra-se a cor seleccionada para os eixos.", p.Label44);
    platform::showColourSample(o.Label44, QColor(0, 0, 0));
    o.DesenharEixos = button(e, "DesenharEixos", "Desenhar", "Desenhar os eixos.", p.DesenharEixos,
                             buttonPicture(ButtonPicture::Draw));
    o.EixosRad = button(e, "EixosRad", "Radianos ", "Graduar o eixo das abcissas em radianos.", p.EixosRad,
                        buttonPicture(ButtonPicture::Radians));
    return o;
}

}  // namespace plotaris::canvas
