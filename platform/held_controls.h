// A control held pressed when a dialog or message box opens would never see its button let go:
// the release goes to the dialog. A scroll bar would then go on repeating its step under the
// message, each step bringing the next message. Before any of them opens, such a control is let go.
#pragma once

namespace plotaris::platform {

void letGoOfHeldControls();

}  // namespace plotaris::platform
