#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace plotaris::platform {

namespace {

bool install(const QString& name) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

}  // namespace

bool installTranslations() {
    // The Brazilian texts cover every dialog; the European ones, looked up first because they were
    // installed last, speak as the program does ("Guardar", "Ficheiro") where they have the text.
    const bool brazilian = install(QStringLiteral("qtbase_pt_BR"));
    const bool european = install(QStringLiteral("qt_pt_PT"));
    return brazilian || european;
}

}  // namespace plotaris::platform
