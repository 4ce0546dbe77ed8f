#include "app/form_window.h"

#include <QCloseEvent>

#include "app/window_registry.h"

namespace plotaris {

FormWindow::FormWindow(FormId id, const QString& caption, QSize clientPixels)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint), id_(id), client_(new QWidget) {
    setWindowTitle(caption);
    client_->setFixedSize(clientPixels);
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);
}

FormWindow::~FormWindow() = default;

void FormWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    WindowRegistry::instance().windowClosed(this);
}

bool FormWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) WindowRegistry::instance().windowActivated(this);
    return QMainWindow::event(event);
}

}  // namespace plotaris
