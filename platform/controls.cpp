#include "platform/controls.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>

#include "platform/fonts.h"
#include "platform/frame.h"
#include "platform/image_combo.h"
#include "platform/twips.h"

namespace plotaris::platform {

QFont controlFont() { return windowFont(QStringLiteral("MS Sans Serif"), 8.25); }
QFont buttonCaptionFont() { return windowFont(QStringLiteral("MS Serif"), 6); }
QFont frameCaptionFont() { return windowFont(QStringLiteral("Arial"), 8.25, true); }

Frame* optionFrame(QWidget* parent, const char* name, const QString& caption, int left, int top, int width, int height) {
    auto* frame = new Frame(caption, parent);
    frame->setObjectName(QString::fromUtf8(name));
    frame->setFont(frameCaptionFont());
    frame->placeTwips(left, top, width, height);
    return frame;
}

QToolButton* toolButton(QWidget* parent, const char* name, const QString& caption, const QString& tip, int left, int top,
                        int width, int height, const QIcon& picture) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setText(caption);
    button->setToolTip(tip);
    button->setFont(buttonCaptionFont());
    button->setGeometry(twipsRect(left, top, width, height));
    if (!picture.isNull()) {
        button->setIcon(picture);
        button->setIconSize(QSize(24, 24));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    } else {
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    return button;
}

QLabel* colourSample(QWidget* parent, const char* name, const QString& tip, int left, int top, int width, int height) {
    auto* sample = new QLabel(parent);
    sample->setObjectName(QString::fromUtf8(name));
    sample->setToolTip(tip);
    sample->setGeometry(twipsRect(left, top, width, height));
    sample->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return sample;
}

void showColourSample(QLabel* sample, const QColor& colour) {
    QPalette palette = sample->palette();
    palette.setColor(QPalette::Window, colour);
    sample->setPalette(palette);
    sample->setAutoFillBackground(true);
}

ImageCombo* imageCombo(QWidget* parent, const char* name, const QString& tip, int left, int top, int width, int height) {
    auto* combo = new ImageCombo(parent);
    combo->setObjectName(QString::fromUtf8(name));
    combo->setToolTip(tip);
    combo->setGeometry(twipsRect(left, top, width, height));
    combo->setIconSize(QSize(100, 20));
    return combo;
}

QLineEdit* textBox(QWidget* parent, const char* name, const QString& text, const QString& tip, int left, int top,
                   int width, int height) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setGeometry(twipsRect(left, top, width, height));
    box->setFont(controlFont());
    box->setToolTip(tip);
    return box;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, int left, int top, int width, int height) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromUtf8(name));
    l->setGeometry(twipsRect(left, top, width, height));
    l->setFont(controlFont());
    return l;
}

void fitLabelToText(QLabel* label) {
    const int needed = label->sizeHint().width();
    if (needed > label->width()) label->resize(needed, label->height());
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, const QString& tip, bool ticked,
                    int left, int top, int width, int height) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setFont(controlFont());
    box->setToolTip(tip);
    box->setChecked(ticked);
    // The indicator is drawn at its own size from the top-left corner: a place smaller than that
    // would cut its right and bottom border, so the place grows to hold it.
    QStyleOptionButton option;
    option.initFrom(box);
    const QSize indicator(box->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, box),
                          box->style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, box));
    QRect place = twipsRect(left, top, width, height);
    place.setSize(place.size().expandedTo(indicator + QSize(1, 1)));
    box->setGeometry(place);
    box->setChecked(ticked);
    return box;
}

QRadioButton* optionButton(QWidget* parent, const char* name, const QString& caption, const QString& tip, bool selected,
                           int left, int top, int width, int height) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setFont(controlFont());
    button->setToolTip(tip);
    button->setGeometry(twipsRect(left, top, width, height));
    button->setChecked(selected);
    return button;
}

void setTextColour(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    control->setPalette(palette);
}

void setBackColour(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, colour);
    // A button paints its face in the button colour; a frame's buttons keep their own face.
    if (qobject_cast<QAbstractButton*>(control)) palette.setColor(QPalette::Button, colour);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

}  // namespace plotaris::platform
