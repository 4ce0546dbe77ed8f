#include "app/window_registry.h"

#include <QCoreApplication>

namespace plotaris {

namespace {
int slotOf(FormId id) { return static_cast<int>(id); }
}  // namespace

WindowRegistry& WindowRegistry::instance() {
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::setFactory(FormId id, Factory factory) { factories_[slotOf(id)] = std::move(factory); }

void WindowRegistry::setEndAction(std::function<void()> action) { endAction_ = std::move(action); }

FormWindow* WindowRegistry::window(FormId id) const { return slots_[slotOf(id)].data(); }

int WindowRegistry::openCount() const {
    int n = 0;
    for (const auto& w : slots_) n += w ? 1 : 0;
    return n;
}

FormWindow* WindowRegistry::show(FormId target) {
    auto& slot = slots_[slotOf(target)];
    if (slot) return slot;  // an open window keeps everything it holds
    const auto& make = factories_[slotOf(target)];
    if (!make) return nullptr;
    FormWindow* w = make();
    slot = w;
    w->Form_Load();
    w->show();
    w->raise();
    w->activateWindow();
    // The window becomes the active one now; the platform's own activation notice that follows
    // finds it already active and does not run the step again.
    lastActive_ = w;
    w->Form_Activate();
    return w;
}

void WindowRegistry::leave(FormWindow* self) {
    discard(self);
    if (openCount() == 0) end();
}

void WindowRegistry::leaveAndShow(FormWindow* self, FormId target) {
    discard(self);
    show(target);
    if (openCount() == 0) end();
}

void WindowRegistry::end() {
    if (ending_) return;
    ending_ = true;
    for (auto& slot : slots_) {
        if (FormWindow* w = slot) {
            slot = nullptr;
            w->hide();
            w->deleteLater();
        }
    }
    lastActive_ = nullptr;
    if (endAction_) endAction_();
    else QCoreApplication::exit(0);
    ending_ = false;
}

void WindowRegistry::windowActivated(FormWindow* window) {
    if (ending_ || window == lastActive_ || window != slots_[slotOf(window->formId())]) return;
    lastActive_ = window;
    window->Form_Activate();
}

void WindowRegistry::windowClosed(FormWindow* window) {
    if (ending_ || window != slots_[slotOf(window->formId())]) return;
    leave(window);
}

void WindowRegistry::reset() {
    for (auto& slot : slots_) {
        if (FormWindow* w = slot) {
            slot = nullptr;
            delete w;
        }
    }
    lastActive_ = nullptr;
    ending_ = false;
}

void WindowRegistry::discard(FormWindow* window) {
    if (!window) return;
    auto& slot = slots_[slotOf(window->formId())];
    if (slot != window) return;
    slot = nullptr;
    if (lastActive_ == window) lastActive_ = nullptr;
    window->hide();
    window->deleteLater();
}

}  // namespace plotaris
