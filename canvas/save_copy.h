// Saving a canvas's kept image as a Windows bitmap and copying it to the clipboard.
#pragma once

class QImage;
class QString;
class QWidget;

namespace plotaris::platform {
class CommonDialog;
}

namespace plotaris::canvas {

// The save loop on the window's dialog object: asks for a name with the bitmap filter; a name
// with another extension is refused with a message and the dialog opens again; a name without
// one gets ".bmp". A file that cannot be written is reported.
void saveCanvasPicture(platform::CommonDialog& dialog, const QImage& picture, QWidget* owner);

// Writes the picture as a Windows bitmap; false when the file could not be written whole.
bool writeBitmap(const QImage& picture, const QString& fileName);

// Empties the clipboard and puts the picture on it.
void copyCanvasPicture(const QImage& picture);

}  // namespace plotaris::canvas
