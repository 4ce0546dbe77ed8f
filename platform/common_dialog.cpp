#include "platform/common_dialog.h"

#include "platform/dialogs.h"
#include "platform/held_controls.h"

namespace plotaris::platform {

QString fileExtension(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    // A leading dot names a hidden file, not an extension.
    if (dot <= 0) return {};
    return name.mid(dot + 1);
}

void CommonDialog::ShowColor(QWidget* owner) {
    letGoOfHeldControls();
    if (const auto chosen = dialogs().chooseColor(ColorRequest{owner, Color})) Color = *chosen;
}

void CommonDialog::ShowSave(QWidget* owner) {
    SaveRequest request;
    request.owner = owner;
    request.initialFolder = InitDir;
    const qsizetype bar = Filter.indexOf(QLatin1Char('|'));
    request.filterName = bar < 0 ? Filter : Filter.left(bar);
    request.filterPattern = bar < 0 ? QString() : Filter.mid(bar + 1);
    request.defaultExtension = DefaultExt;
    request.confirmOverwrite = (Flags & kOverwritePrompt) != 0;

    Flags &= ~kExtensionDifferent;
    letGoOfHeldControls();
    const auto answer = dialogs().saveFileName(request);
    if (!answer || answer->isEmpty()) {
        FileName.clear();
        return;
    }
    QString name = *answer;
    QString extension = fileExtension(name);
    if (name.endsWith(QLatin1Char('.'))) {  // "nome." has no extension either
        name.chop(1);
        extension.clear();
    }
    if (extension.isEmpty()) {
        if (!DefaultExt.isEmpty()) name += QLatin1Char('.') + DefaultExt;
    } else if (extension.compare(DefaultExt, Qt::CaseInsensitive) != 0) {
        Flags |= kExtensionDifferent;
    }
    FileName = name;
}

}  // namespace plotaris::platform
