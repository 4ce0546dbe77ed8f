// The system clipboard, as the windows use it: a picture put on it as a bitmap.
#pragma once

class QImage;

namespace plotaris::platform {

// Empties the clipboard, then puts the picture on it.
void putPictureOnClipboard(const QImage& picture);

}  // namespace plotaris::platform
