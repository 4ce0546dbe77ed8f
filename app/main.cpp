// Plotaris starts on its start window and from then on only reacts to the user.
#include <QApplication>

#include "app/thumbnail_pictures.h"
#include "app/window_factory.h"
#include "windows/window_registry.h"
#include "platform/fonts.h"
#include "platform/translations.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Plotaris"));
    // The registry ends the program when its last window closes, whichever way it closes.
    QApplication::setQuitOnLastWindowClosed(false);
    plotaris::platform::installFontSubstitutes();
    plotaris::platform::installTranslations();
    plotaris::loadThumbnailPictures();
    plotaris::registerWindows();
    plotaris::WindowRegistry::instance().show(plotaris::FormId::Form7);
    const int code = QApplication::exec();
    // The windows closed by the end are deleted before the program goes.
    plotaris::WindowRegistry::instance().reset();
    return code;
}
