#include "app/thumbnail_pictures.h"

#include <QtGlobal>

// The resource's own initialiser lives outside every namespace.
static void initThumbnails() { Q_INIT_RESOURCE(thumbnails); }

namespace plotaris {

void loadThumbnailPictures() { initThumbnails(); }

}  // namespace plotaris
