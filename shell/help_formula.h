// A typeset formula of the help pages, written in a small markup:
//   \frac{a}{b}     fraction with a bar
//   \sqrt{a}        radical over a
//   a^{b} or a^b    exponent (one character without braces)
//   \left( … \right)  parentheses as tall as what they hold
//   \cases{v & c \\ v & c}  a brace opening the cases of a definition
//   \pi             the Greek pi
// Anything else is text; a letter standing alone (x, y, e) is set in italics.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>
#include <memory>

class QPainter;

namespace plotaris {

struct FormulaNode;

class Formula {
public:
    explicit Formula(const QString& markup);
    ~Formula();
    Formula(const Formula&) = delete;
    Formula& operator=(const Formula&) = delete;

    struct Metrics {
        qreal width = 0;
        qreal ascent = 0;   // above the baseline
        qreal descent = 0;  // below the baseline
    };

    Metrics measure(const QFont& font) const;
    // Draws the formula with its baseline starting at origin.
    void paint(QPainter& painter, QPointF origin, const QFont& font, const QColor& color) const;
    // The formula as one line of plain text (fractions as a/b, radicals as √), for reading it back.
    QString plainText() const;

private:
    std::unique_ptr<FormulaNode> root_;
};

}  // namespace plotaris
