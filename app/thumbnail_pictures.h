// The pictures of the drawing windows that the start window shows, built into the program.
#pragma once

namespace plotaris {

// Makes the pictures reachable under ":/thumbnails/"; call once, before the start window opens.
void loadThumbnailPictures();

}  // namespace plotaris
