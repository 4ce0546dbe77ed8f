// The dialog object a window holds (CommonDialog1 .. CommonDialog9): it keeps a colour and the
// settings of the save dialog between showings, and opens either dialog through the dialog service.
#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace plotaris::platform {

class CommonDialog {
public:
    // Save dialog flags the windows use or read.
    static constexpr int kOverwritePrompt = 0x2;
    static constexpr int kExtensionDifferent = 0x400;  // set by ShowSave: the name has another extension
    static constexpr int kPathMustExist = 0x800;
    static constexpr int kLongNames = 0x200000;

    QColor Color = QColor(0, 0, 0);
    int Flags = 0;
    QString FileName;
    QString Filter;      // "name|pattern", as "Mapa de bits (*.bmp)|*.bmp"
    QString DefaultExt;  // without the dot
    QString InitDir;

    // The colour dialog: a confirmed choice becomes Color; a cancel keeps it.
    void ShowColor(QWidget* owner);

    // The save dialog. A cancel empties FileName. A name typed without an extension receives the
    // default one; a name with another extension is kept as typed and sets kExtensionDifferent.
    void ShowSave(QWidget* owner);
};

// The extension of a file name (after the last dot of its last component), empty when it has none.
QString fileExtension(const QString& path);

}  // namespace plotaris::platform
