// The base of every window: a top-level window with a caption and no control box, created by the
// window registry, with the load and activation steps a window may define.
#pragma once

#include <QMainWindow>

#include "app/form_id.h"

namespace plotaris {

class FormWindow : public QMainWindow {
    Q_OBJECT
public:
    FormWindow(FormId id, const QString& caption, QSize clientPixels);
    ~FormWindow() override;

    FormId formId() const { return id_; }

    // The client area, where controls are placed by their twips.
    QWidget* client() const { return client_; }

    // Runs once, right after the registry creates the window.
    virtual void Form_Load() {}
    // Runs whenever the user returns to this window from another of the program's windows, and
    // when the window is first shown.
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
