#include "windows/form_window.h"

#include <QCloseEvent>
#include <QLayout>
#include <QShortcut>

#include "windows/window_registry.h"

namespace plotaris {

FormWindow::FormWindow(FormId id, const QString& caption, QSize clientPixels)
    // The caption only: no icon, no system menu, no minimise, maximise or close button.
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint), id_(id), client_(new QWidget) {
    setWindowTitle(caption);
    client_->setFixedSize(clientPixels);
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);
    // Layouts are fixed in twips: the window is as large as its client area and menu bar, no larger.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Windows are laid out from the top-left corner of the screen.
    move(0, 0);
    // Without a close button the window system may keep the close keystroke from the window; the
    // window answers it itself.
    auto* closeKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);
}

FormWindow::~FormWindow() = default;

void FormWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    WindowRegistry::instance().windowClosed(this);
}

bool FormWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate) WindowRegistry::instance().windowActivated(this);
    return handled;
}

}  // namespace plotaris
