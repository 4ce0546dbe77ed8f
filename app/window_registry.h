// One slot per window; a window is created at its first show and discarded for good when left.
#pragma once

#include <QPointer>
#include <array>
#include <functional>

#include "app/form_id.h"
#include "app/form_window.h"

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
    FormWindow* show(FormId target);
    void leave(FormWindow* self);
    void leaveAndShow(FormWindow* self, FormId target);
    void end();

    // Called by a window when it becomes active; runs its activation step when the user has come
    // back to it from another of the program's windows.
    void windowActivated(FormWindow* window);
    // Called by a window that the system closed.
    void windowClosed(FormWindow* window);

    // Closes every window without running any step of theirs (tests start from a clean slate).
    void reset();

private:
    WindowRegistry() = default;
    void discard(FormWindow* window);

    std::array<Factory, kFormCount> factories_{};
    std::array<QPointer<FormWindow>, kFormCount> slots_{};
    QPointer<FormWindow> lastActive_;
    std::function<void()> endAction_;
    bool ending_ = false;
};

}  // namespace plotaris
