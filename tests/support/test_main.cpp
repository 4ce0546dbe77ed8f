// The main of every window test program: headless, with the program's fonts and windows, and no
// real dialog ever opening (a test that forgets to prepare one sees it cancelled, not hanging).
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "app/thumbnail_pictures.h"
#include "app/window_factory.h"
#include "windows/window_registry.h"
#include "platform/fonts.h"
#include "tests/support/scripted_dialogs.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    plotaris::platform::installFontSubstitutes();
    plotaris::loadThumbnailPictures();
    plotaris::registerWindows();
    // Ending the program must not leave the test: it only closes the windows.
    plotaris::WindowRegistry::instance().setEndAction([] {});
    plotaris::testing::ScriptedDialogs fallback;
    const int result = RUN_ALL_TESTS();
    plotaris::WindowRegistry::instance().reset();
    return result;
}
