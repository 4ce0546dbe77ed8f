#include "shell/start_window.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "platform/fonts.h"
#include "platform/twips.h"
#include "shell/window_menu.h"

namespace plotaris {

namespace {

const QColor kBlue(0, 0, 255);   // palette 9
const QColor kWhite(255, 255, 255);  // palette 15

// "PLOTARIS", its letters spread over the title area and stepping down from left to right: the top
// of the first capital touches the top of the area, the foot of the last its bottom.
class StartTitle final : public QWidget {
public:
    explicit StartTitle(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        static const QString kTitle = QStringLiteral("PLOTARIS");
        QPainter painter(this);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(platform::windowFont(QStringLiteral("Comic Sans MS"), 36, true));
        painter.setPen(kBlue);
        const QFontMetricsF metrics(painter.font());
        const int letters = static_cast<int>(kTitle.size());
        const double column = width() / double(letters);
        const double drop = (height() - metrics.capHeight()) / (letters - 1);
        for (int i = 0; i < letters; ++i) {
            const QString letter = kTitle.at(i);
            const double x = (i + 0.5) * column - metrics.horizontalAdvance(letter) / 2;
            painter.drawText(QPointF(x, metrics.capHeight() + i * drop), letter);
        }
    }
};

QLabel* place(QWidget* parent, const char* name, QRect where) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(where);
    return label;
}

// A place holding the picture of a drawing window made for it (white when the program has none).
QLabel* thumbnail(QWidget* parent, const char* name, QRect where) {
    QLabel* label = place(parent, name, where);
    label->setPixmap(QPixmap(QStringLiteral(":/thumbnails/%1.png").arg(QString::fromLatin1(name))));
    return label;
}

QLabel* blueLabel(QWidget* parent, const char* name, const QString& text, QRect where) {
    QLabel* label = place(parent, name, where);
    label->setText(text);
    label->setFont(platform::windowFont(QStringLiteral("Comic Sans MS"), 9.75, true));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kBlue);
    label->setPalette(palette);
    return label;
}

}  // namespace

Form7::Form7() : FormWindow(FormId::Form7, QStringLiteral("PLOTARIS"), {1016, 714}) {
    using platform::twipsRect;
    QWidget* area = client();
    QPalette palette = area->palette();
    palette.setColor(QPalette::Window, kWhite);
    area->setPalette(palette);

    Image8 = thumbnail(area, "Image8", twipsRect(300, 420, 4500, 3375));
    Image9 = thumbnail(area, "Image9", twipsRect(5340, 420, 4500, 3375));
    Image1 = thumbnail(area, "Image1", twipsRect(10380, 420, 4500, 3375));
    Image2 = thumbnail(area, "Image2", twipsRect(300, 4920, 4500, 3375));
    Image5 = thumbnail(area, "Image5", twipsRect(5340, 4920, 4500, 3375));
    Image3 = thumbnail(area, "Image3", twipsRect(10380, 4920, 4500, 3375));

    Título = new StartTitle(area);
    Título->setObjectName(QStringLiteral("Título"));
    Título->setGeometry(twipsRect(3840, 8580, 8910, 1845));

    Label2 = blueLabel(area, "Label2", QStringLiteral("Versão 4.1"), twipsRect(13980, 9660, 1050, 285));
    Label5 = blueLabel(area, "Label5", QStringLiteral("Resolução 1024x780"), twipsRect(13080, 10080, 1950, 285));

    installWindowMenu(*this);
}

}  // namespace plotaris
