// The dialogs that come with the toolkit (colours, saving) speak Portuguese like the rest of the
// program, whatever the user's locale.
#pragma once

namespace plotaris::platform {

// Loads the toolkit's own Portuguese texts; call once, after the application object exists.
// Returns false when none could be found (the dialogs then keep their English texts).
bool installTranslations();

}  // namespace plotaris::platform
