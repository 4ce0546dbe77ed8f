// A frame (group box) with a caption, placed by its Top in twips, that reports mouse presses on
// its own surface with the button numbered as the windows expect (1 left, 2 right, 4 middle).
#pragma once

#include <QColor>
#include <QGroupBox>

namespace plotaris::platform {

class Frame : public QGroupBox {
    Q_OBJECT
public:
    explicit Frame(const QString& caption, QWidget* parent = nullptr);

    // Place and size in twips; the Top is kept as given, so windows compare it exactly.
    void placeTwips(int left, int top, int width, int height);
    int topTwips() const { return top_; }
    void setTopTwips(int top);

    // The colour of the caption alone; the controls inside keep theirs.
    void setCaptionColour(const QColor& colour);

signals:
    void mouseDown(int button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    QColor captionColour_;
};

}  // namespace plotaris::platform
