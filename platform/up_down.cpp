#include "platform/up_down.h"

#include <QToolButton>

#include "platform/twips.h"

namespace plotaris::platform {

namespace {

QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), up_(arrowButton(this, Qt::UpArrow)), down_(arrowButton(this, Qt::DownArrow)) {
    connect(up_, &QToolButton::clicked, this, &UpDown::upClick);
    connect(down_, &QToolButton::clicked, this, &UpDown::downClick);
}

void UpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The up arrow takes the upper half, the down arrow the rest.
    const int upper = height() / 2;
    up_->setGeometry(0, 0, width(), upper);
    down_->setGeometry(0, upper, width(), height() - upper);
}

UpDown* upDown(QWidget* parent, const QString& name, const QString& tip, int left, int top, int width, int height) {
    auto* control = new UpDown(parent);
    control->setObjectName(name);
    control->setToolTip(tip);
    control->setGeometry(twipsRect(left, top, width, height));
    return control;
}

}  // namespace plotaris::platform
