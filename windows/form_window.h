// The base of every window: a top-level window with a caption and no control box, created by the
// window registry, with the load and activation steps a window may define.
#pragma once

#include <QMainWindow>

#include "windows/form_id.h"

namespace plotaris {

class FormWindow : public QMainWindow {
    Q_OBJECT
public:
    // The window keeps the client area at clientPixels; the menu bar, when it has one, sits above it.
    FormWindow(FormId id, const QString& caption, QSize clientPixels);
    ~FormWindow() override;

    FormId formId() const { return id_; }

    // The client area, where controls are placed by their twips.
    QWidget* client() const { return client_; }

    // Runs once, right after the registry creates the window.
    virtual void Form_Load() {}
    // Runs when the window is first shown, and whenever the user comes back to it from another of
    // the program's windows; never on returning from a dialog or message box it opened itself.
    virtual void Form_Activate() {}

protected:
    // The system's close keystroke (or a window manager's close) discards the window as leave does.
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    FormId id_;
    QWidget* client_;
};

}  // namespace plotaris
