#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace plotaris::platform {

void putPictureOnClipboard(const QImage& picture) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(picture);
}

}  // namespace plotaris::platform
