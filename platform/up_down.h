// An up-down control: two arrow buttons, one above the other, whose clicks are reported as a
// down click and an up click. Held down, an arrow repeats its click, as such a control does.
#pragma once

#include <QWidget>

class QToolButton;

namespace plotaris::platform {

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    QToolButton* upArrow() const { return up_; }
    QToolButton* downArrow() const { return down_; }

signals:
    void downClick();
    void upClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};

// An up-down control at its place in twips, with its name and tooltip.
UpDown* upDown(QWidget* parent, const QString& name, const QString& tip, int left, int top, int width, int height);

}  // namespace plotaris::platform
