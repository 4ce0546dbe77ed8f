#include "canvas/save_copy.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

#include "platform/clipboard.h"
#include "platform/common_dialog.h"
#include "platform/dialogs.h"

namespace plotaris::canvas {

bool writeBitmap(const QImage& picture, const QString& fileName) {
    // Written beside the target and put in its place only when complete, so a full disk never
    // leaves half a file under the chosen name.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QImageWriter writer(&file, "bmp");
    if (!writer.write(picture.convertToFormat(QImage::Format_RGB32))) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void saveCanvasPicture(platform::CommonDialog& dialog, const QImage& picture, QWidget* owner) {
    using platform::CommonDialog;
    for (;;) {
        dialog.Flags = CommonDialog::kOverwritePrompt | CommonDialog::kPathMustExist | CommonDialog::kLongNames;
        dialog.InitDir = QCoreApplication::applicationDirPath();
        dialog.Filter = QStringLiteral("Mapa de bits (*.bmp)|*.bmp");
        dialog.DefaultExt = QStringLiteral("bmp");
        dialog.ShowSave(owner);
        if (!(dialog.Flags & CommonDialog::kExtensionDifferent)) break;
        platform::messageBox(owner, QStringLiteral("Essa extensão não é permitida."));
        dialog.FileName.clear();
    }
    if (dialog.FileName.isEmpty()) return;
    if (!writeBitmap(picture, dialog.FileName))
        platform::messageBox(owner, QStringLiteral("Não foi possível guardar o gráfico no ficheiro:\n\n") + dialog.FileName);
    dialog.FileName.clear();
}

void copyCanvasPicture(const QImage& picture) { platform::putPictureOnClipboard(picture); }

}  // namespace plotaris::canvas
