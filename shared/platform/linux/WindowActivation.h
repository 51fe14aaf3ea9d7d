// Bringing a top-level window forward at the request of another process (a second start of the
// program). X11 ignores a focus request stamped older than the last focus change, and a request
// arriving through a socket carries no fresh X event time, so Qt's own activation is not enough.
#pragma once

class QWindow;

namespace orbilo::platform {

// Raises the window and gives it the keyboard: through the window manager's _NET_ACTIVE_WINDOW
// when one runs, else by setting the input focus directly. Elsewhere than on X11 it leaves the
// request to Qt.
void ActivateOnBehalfOfUser(QWindow* window);

}  // namespace orbilo::platform
