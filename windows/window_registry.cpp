#include "windows/window_registry.h"

#include <QApplication>
#include <algorithm>

namespace plotaris {

namespace {

int slotOf(FormId id) { return static_cast<int>(id); }

void removeFrom(std::vector<QPointer<FormWindow>>& list, const FormWindow* window) {
    std::erase_if(list, [window](const QPointer<FormWindow>& w) { return w.isNull() || w == window; });
}

}  // namespace

WindowRegistry& WindowRegistry::instance() {
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::setFactory(FormId id, Factory factory) { factories_[slotOf(id)] = std::move(factory); }

void WindowRegistry::setEndAction(std::function<void()> action) { endAction_ = std::move(action); }

FormWindow* WindowRegistry::window(FormId id) const { return slots_[slotOf(id)].data(); }

int WindowRegistry::openCount() const {
    return static_cast<int>(std::count_if(slots_.begin(), slots_.end(), [](const auto& w) { return !w.isNull(); }));
}

FormWindow* WindowRegistry::show(FormId target) {
    if (ending_) return nullptr;
    auto& slot = slots_[slotOf(target)];
    if (FormWindow* open = slot) {
        // Brought forward as it is: its drawings, texts and settings stay, and no step runs.
        bringToFront(open);
        return open;
    }
    const auto& make = factories_[slotOf(target)];
    if (!make) return nullptr;
    FormWindow* w = make();
    slot = w;
    w->Form_Load();
    bringToFront(w);
    // The window is the active one from now on; the system's notice that it became active comes
    // later and finds it so.
    w->Form_Activate();
    return w;
}

void WindowRegistry::leave(FormWindow* self) {
    if (ending_ || !isRegistered(self)) return;
    const bool wasCurrent = current_ == self;
    detach(self);
    dispose(self);
    afterLeaving(wasCurrent);
}

void WindowRegistry::leaveAndShow(FormWindow* self, FormId target) {
    if (ending_ || !isRegistered(self)) return;
    const bool wasCurrent = current_ == self;
    detach(self);
    // The target is shown before the leaving window disappears from the screen, so that the system
    // does not pass through another open window (and run its activation step) on the way.
    FormWindow* shown = show(target);
    dispose(self);
    if (!shown) afterLeaving(wasCurrent);
}

void WindowRegistry::end() {
    if (ending_) return;
    ending_ = true;
    for (auto& slot : slots_) {
        if (FormWindow* w = slot) {
            slot = nullptr;
            dispose(w);
        }
    }
    recent_.clear();
    awaited_.clear();
    current_ = nullptr;
    if (endAction_) endAction_();
    else QCoreApplication::exit(0);
    ending_ = false;
}

void WindowRegistry::windowActivated(FormWindow* window) {
    if (ending_ || !isRegistered(window)) return;
    removeFrom(recent_, window);
    recent_.insert(recent_.begin(), window);
    const auto awaited = std::find(awaited_.rbegin(), awaited_.rend(), window);
    if (awaited != awaited_.rend()) {
        // The notice of a show(); notices of earlier shows that never came are dropped with it.
        awaited_.erase(awaited_.begin(), awaited.base());
        current_ = window;
        return;
    }
    if (window == current_) return;
    current_ = window;
    window->Form_Activate();
}

void WindowRegistry::windowClosed(FormWindow* window) {
    if (ending_ || !isRegistered(window)) return;
    leave(window);
}

void WindowRegistry::reset() {
    std::vector<FormWindow*> open;
    for (auto& slot : slots_) {
        if (FormWindow* w = slot) open.push_back(w);
        slot = nullptr;
    }
    recent_.clear();
    awaited_.clear();
    current_ = nullptr;
    for (FormWindow* w : open) delete w;
    // Windows left earlier are waiting for deletion; none may outlive the reset.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ending_ = false;
}

void WindowRegistry::afterLeaving(bool leftTheCurrentWindow) {
    if (openCount() == 0) {
        end();
        return;
    }
    // The user goes back to the window they were in before; that return is an activation.
    if (leftTheCurrentWindow && !recent_.empty()) {
        FormWindow* back = recent_.front();
        back->raise();
        back->activateWindow();
    }
}

bool WindowRegistry::isRegistered(const FormWindow* window) const {
    return window && slots_[slotOf(window->formId())] == window;
}

bool WindowRegistry::detach(FormWindow* window) {
    if (!isRegistered(window)) return false;
    slots_[slotOf(window->formId())] = nullptr;
    removeFrom(recent_, window);
    removeFrom(awaited_, window);
    if (current_ == window) current_ = nullptr;
    return true;
}

void WindowRegistry::dispose(FormWindow* window) {
    window->hide();
    // Deleted once the handler that left it (often one of its own menu entries) has returned.
    window->deleteLater();
}

void WindowRegistry::bringToFront(FormWindow* window) {
    current_ = window;
    removeFrom(recent_, window);
    recent_.insert(recent_.begin(), window);
    // Unless it is already the active window, the system will say that it became active.
    if (QApplication::activeWindow() != window && std::find(awaited_.begin(), awaited_.end(), window) == awaited_.end())
        awaited_.push_back(window);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace plotaris
