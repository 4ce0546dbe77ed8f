// Pictures each drawing window with a sample drawing, for the places of the start window: the
// window is opened offscreen, draws through its own handlers, and is grabbed whole (menu bar
// included) and reduced smoothly to 300 x 225 pixels. The build runs it, so the pictures always
// show the windows as they are.
//   plotaris_thumbnails FOLDER    writes Image8.png, Image9.png, ... into FOLDER
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <cstdio>
#include <functional>

#include "app/window_factory.h"
#include "cartesian/form1.h"
#include "cartesian/form2.h"
#include "comparison/form10.h"
#include "curves/form3.h"
#include "curves/form4.h"
#include "curves/form5.h"
#include "platform/fonts.h"
#include "windows/window_registry.h"

namespace {

using namespace plotaris;

struct Thumbnail {
    const char* place;  // the picture's name in the start window
    FormId window;
    std::function<void(FormWindow*)> draw;
};

template <class Window>
Window& as(FormWindow* window) {
    return *static_cast<Window*>(window);
}

// A named curve of a window's list, chosen as the user would.
template <class Window>
void choose(Window& window, const QString& name) {
    window.Combo1->setCurrentIndex(window.Combo1->findText(name));
    window.Combo1_Click();
}

const Thumbnail kThumbnails[] = {
    // A wavy graph: the window's own function.
    {"Image8", FormId::Form1, [](FormWindow* w) { as<Form1>(w).DesenharGráfico_Click(); }},
    // A function on its four sections.
    {"Image9", FormId::Form2,
     [](FormWindow* w) {
         for (int section = 1; section <= 4; ++section) as<Form2>(w).DesenharTroço_Click(section);
     }},
    // A dense polar curve.
    {"Image1", FormId::Form3,
     [](FormWindow* w) {
         choose(as<Form3>(w), QStringLiteral("Crisântemo"));
         as<Form3>(w).DesenharPolares_Click();
     }},
    // A closed fish-shaped curve.
    {"Image2", FormId::Form4,
     [](FormWindow* w) {
         choose(as<Form4>(w), QStringLiteral("Peixe"));
         as<Form4>(w).DesenharParamétricas_Click();
     }},
    // Four parabolas in four colours.
    {"Image5", FormId::Form10,
     [](FormWindow* w) {
         for (int graph = 1; graph <= 4; ++graph) as<Form10>(w).DesenharN_Click(graph);
     }},
    // Nine rose curves.
    {"Image3", FormId::Form5, [](FormWindow* w) { as<Form5>(w).DesRosáciaN1_Click(); }},
};

constexpr QSize kSize(300, 225);

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    platform::installFontSubstitutes();
    registerWindows();
    auto& registry = WindowRegistry::instance();
    registry.setEndAction([] {});
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    for (const Thumbnail& t : kThumbnails) {
        FormWindow* window = registry.show(t.window);
        QCoreApplication::processEvents();
        t.draw(window);
        QCoreApplication::processEvents();
        const QImage picture =
            window->grab().toImage().scaled(kSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QString file = folder.filePath(QString::fromLatin1(t.place) + QStringLiteral(".png"));
        if (!picture.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        registry.reset();
    }
    return 0;
}
