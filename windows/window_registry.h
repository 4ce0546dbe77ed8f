// One slot per window; a window is created at its first show and discarded for good when left.
#pragma once

#include <QPointer>
#include <array>
#include <functional>
#include <vector>

#include "windows/form_id.h"
#include "windows/form_window.h"

namespace plotaris {

class WindowRegistry {
public:
    using Factory = std::function<FormWindow*()>;

    static WindowRegistry& instance();

    // How each window is made; the program's start registers them all.
    void setFactory(FormId id, Factory factory);
    // What ending the program does (by default, leaving the event loop).
    void setEndAction(std::function<void()> action);

    // The open window in that slot, or nullptr.
    FormWindow* window(FormId id) const;
    bool isOpen(FormId id) const { return window(id) != nullptr; }
    int openCount() const;

    // The four actions of the menus.
    // Creates the target if it is not open (its load step, then its activation step, run) and
    // brings it to the front; an open target keeps all it holds and runs no step.
    FormWindow* show(FormId target);
    // Discards the window; the window the user was in before it becomes active again. The program
    // ends when no window is left.
    void leave(FormWindow* self);
    // Leave, then show; the target is never self.
    void leaveAndShow(FormWindow* self, FormId target);
    // Closes every window, running no step of theirs, and ends the program.
    void end();

    // Called by a window when the system makes it active; runs its activation step only when the
    // user comes back to it from another of the program's windows.
    void windowActivated(FormWindow* window);
    // Called by a window that the system closed.
    void windowClosed(FormWindow* window);

    // Closes every window at once without running any step of theirs (tests start from a clean slate).
    void reset();

private:
    WindowRegistry() = default;
    bool isRegistered(const FormWindow* window) const;
    // Empties the window's slot; the window itself goes with dispose().
    bool detach(FormWindow* window);
    static void dispose(FormWindow* window);
    // Ends the program when no window is left, or takes the user back to the window before.
    void afterLeaving(bool leftTheCurrentWindow);
    void bringToFront(FormWindow* window);

    std::array<Factory, kFormCount> factories_{};
    std::array<QPointer<FormWindow>, kFormCount> slots_{};
    // The open windows, the one the user was in most recently first.
    std::vector<QPointer<FormWindow>> recent_;
    // The last of the program's windows to become active: coming back to it from a dialog, a message
    // box or another program is no return from another window.
    QPointer<FormWindow> current_;
    // Windows brought to the front by show() whose activation notice from the system has not come
    // yet; it is no return of the user, so it runs no step.
    std::vector<QPointer<FormWindow>> awaited_;
    std::function<void()> endAction_;
    bool ending_ = false;
};

}  // namespace plotaris
