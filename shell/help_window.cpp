#include "shell/help_window.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

#include "windows/window_registry.h"
#include "platform/fonts.h"
#include "platform/twips.h"

namespace plotaris {

namespace {

constexpr int kArrowTwips = 435;
constexpr int kCommandWidthTwips = 1275, kCommandHeightTwips = 315;
constexpr int kArrowPixels = 24;
const QColor kIndicatorColor{255, 0, 0};
constexpr int kIndicatorGap = 4;  // pixels between the page number and "de"

// A 24 x 24 arrow, pointing right or left.
QPixmap arrowPixmap(bool right, const QColor& color) {
    QPixmap pixmap(kArrowPixels, kArrowPixels);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath arrow;
    arrow.moveTo(2, 9);
    arrow.lineTo(12, 9);
    arrow.lineTo(12, 3);
    arrow.lineTo(22, 12);
    arrow.lineTo(12, 21);
    arrow.lineTo(12, 15);
    arrow.lineTo(2, 15);
    arrow.closeSubpath();
    if (!right) arrow = QTransform(-1, 0, 0, 1, kArrowPixels, 0).map(arrow);
    p.setPen(QPen(color.darker(140), 1));
    p.setBrush(color);
    p.drawPath(arrow);
    return pixmap;
}

QIcon arrowIcon(bool right) {
    QIcon icon;
    icon.addPixmap(arrowPixmap(right, QColor(255, 0, 0)), QIcon::Normal);
    icon.addPixmap(arrowPixmap(right, QColor(160, 160, 160)), QIcon::Disabled);
    return icon;
}

QLabel* indicatorLabel(const QString& name, const QString& caption, QPoint twips, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kIndicatorColor);
    label->setPalette(palette);
    label->move(platform::twipsRect(twips.x(), twips.y(), 0, 0).topLeft());
    label->adjustSize();
    return label;
}

QPushButton* arrowButton(const QString& name, bool right, QPoint twips, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setIcon(arrowIcon(right));
    button->setIconSize(QSize(kArrowPixels, kArrowPixels));
    button->setGeometry(platform::twipsRect(twips.x(), twips.y(), kArrowTwips, kArrowTwips));
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

}  // namespace

QSize helpClientSize(int widthTwips, int heightTwips) {
    // The outer size held the borders (4 pixels a side) and the caption bar (22 pixels).
    return {platform::twipsToPixels(widthTwips) - 8, platform::twipsToPixels(heightTwips) - 30};
}

HelpWindow::HelpWindow(HelpWindowDesign design)
    : FormWindow(design.id, design.caption, helpClientSize(design.width, design.height)), design_(std::move(design)) {
    QWidget* area = client();
    area->setFont(platform::windowFont(QStringLiteral("MS Sans Serif"), 8));

    const QRect pageRect =
        platform::twipsRect(design_.pageLeft, design_.pageTop, design_.pageWidth, design_.pageHeight);
    for (size_t i = 0; i < design_.pages.size(); ++i) {
        auto* page = new HelpPage(pageRect.size(), area);
        page->setObjectName(QStringLiteral("Image1(%1)").arg(i + 1));
        page->move(pageRect.topLeft());
        HelpPageWriter writer(*page->document(), design_.style);
        design_.pages[i](writer);
        pages_.push_back(page);
    }

    SetaE = arrowButton(QStringLiteral("SetaE"), false, design_.setaE, area);
    SetaD = arrowButton(QStringLiteral("SetaD"), true, design_.setaD, area);
    Command1 = new QPushButton(QStringLiteral("Fechar"), area);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(
        platform::twipsRect(design_.command1.x(), design_.command1.y(), kCommandWidthTwips, kCommandHeightTwips));
    Label1 = indicatorLabel(QStringLiteral("Label1"), QStringLiteral("Página"), design_.label1, area);
    Label2 = indicatorLabel(QStringLiteral("Label2"), QStringLiteral("1"), design_.label2, area);
    Label3 = indicatorLabel(QStringLiteral("Label3"), design_.label3Caption, design_.label3, area);

    connect(SetaD, &QPushButton::clicked, this, [this] { SetaD_Click(); });
    connect(SetaE, &QPushButton::clicked, this, [this] { SetaE_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void HelpWindow::Form_Load() {
    // The window's size was set when it was made: its client area is fixed.
    for (HelpPage* page : pages_) page->move(platform::twipsRect(design_.pageLeft, 120, 0, 0).topLeft());
    for (size_t i = 1; i < pages_.size(); ++i) pages_[i]->hide();
    SetaE->setEnabled(false);
    PáginaActual = 1;
    showPageNumber();
}

void HelpWindow::SetaD_Click() {
    const int last = pageCount();
    if (!page(PáginaActual)->isHidden() && PáginaActual != last) {
        page(PáginaActual)->hide();
        page(PáginaActual + 1)->show();
        ++PáginaActual;
        SetaE->setEnabled(true);
    }
    if (PáginaActual == last) SetaD->setEnabled(false);
    showPageNumber();
}

void HelpWindow::SetaE_Click() {
    if (!page(PáginaActual)->isHidden() && PáginaActual != 1) {
        page(PáginaActual)->hide();
        page(PáginaActual - 1)->show();
        --PáginaActual;
        SetaD->setEnabled(true);
    }
    if (PáginaActual == 1) {
        SetaE->setEnabled(false);
        SetaD->setEnabled(true);
    }
    showPageNumber();
}

void HelpWindow::Command1_Click() { WindowRegistry::instance().leave(this); }

void HelpWindow::showPageNumber() {
    Label2->setText(QString::number(PáginaActual));
    Label2->adjustSize();
    // Our font's digits are wider than the ones the indicator was laid out for: a two-digit number
    // moves left just enough to keep clear of "de".
    const int home = platform::twipsRect(design_.label2.x(), 0, 0, 0).left();
    const int clear = Label3->x() - kIndicatorGap - Label2->fontMetrics().horizontalAdvance(Label2->text());
    Label2->move(std::min(home, clear), Label2->y());
}

namespace {

HelpStyle bookStyle(double bodyPoints, bool bodyBold) {
    HelpStyle s;
    s.body = platform::windowFont(QStringLiteral("Comic Sans MS"), bodyPoints, bodyBold);
    s.title = platform::windowFont(QStringLiteral("Comic Sans MS"), 14, true);
    s.heading = platform::windowFont(QStringLiteral("Comic Sans MS"), bodyPoints + 1, true);
    s.formula = platform::windowFont(QStringLiteral("Times New Roman"), bodyPoints + 2);
    return s;
}

}  // namespace

FormWindow* createInstructionsWindow() {
    return new HelpWindow({FormId::Form6, QStringLiteral("INSTRUÇÕES"), 8310, 10050, 120, 120, 7950, 8520,
                           QPoint(6900, 8940), QPoint(7380, 8940), QPoint(540, 9000), QPoint(3120, 9120),
                           QPoint(3720, 9120), QPoint(3900, 9120), QStringLiteral("de  5"), bookStyle(10, true),
                           instructionsPages()});
}

FormWindow* createSyntaxWindow() {
    return new HelpWindow({FormId::Form9, QStringLiteral("SINTAXE"), 7260, 11310, 60, 120, 7035, 9735,
                           QPoint(6060, 10080), QPoint(6540, 10080), QPoint(180, 10200), QPoint(2820, 10260),
                           QPoint(3420, 10260), QPoint(3600, 10260), QStringLiteral("de 4"), bookStyle(10, true),
                           syntaxPages()});
}

FormWindow* createFunctionsWindow() {
    HelpStyle style = bookStyle(9, false);
    style.heading = platform::windowFont(QStringLiteral("Times New Roman"), 12, true);
    return new HelpWindow({FormId::Form8, QStringLiteral("FUNÇÕES DEFINIDAS"), 7245, 10965, 60, 120, 7035, 9735,
                           QPoint(6060, 9900), QPoint(6600, 9900), QPoint(120, 9960), QPoint(2880, 9960),
                           QPoint(3540, 9960), QPoint(3780, 9960), QStringLiteral("de  23"), style,
                           functionsPages()});
}

}  // namespace plotaris
