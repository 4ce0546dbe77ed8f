#include "platform/fonts.h"

#include <QFontDatabase>
#include <cmath>

namespace plotaris::platform {

namespace {

struct Substitute {
    const char* asked;
    const char* used;
};

// The families measured on Debian 12 with fonts-dejavu-core, fonts-liberation, fonts-comic-neue.
constexpr Substitute kSubstitutes[] = {
    {"MS Sans Serif", "DejaVu Sans"},
    {"MS Serif", "DejaVu Serif"},
    {"Comic Sans MS", "Comic Neue"},
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"symbol", "DejaVu Serif"},
    {"Symbol", "DejaVu Serif"},
};

}  // namespace

void installFontSubstitutes() {
    for (const auto& s : kSubstitutes) QFont::insertSubstitution(QString::fromUtf8(s.asked), QString::fromUtf8(s.used));
}

QFont windowFont(const QString& name, double points, bool bold) {
    QFont font(name);
    // 96 dots per inch: a point is 4/3 of a pixel.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 4.0 / 3.0))));
    font.setBold(bold);
    return font;
}

bool isSymbolFont(const QString& name) { return name.compare(QLatin1String("symbol"), Qt::CaseInsensitive) == 0; }

QString symbolText(const QString& text) {
    // Letter for letter, as the symbol font draws them.
    static const char16_t lower[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι', u'ϕ', u'κ', u'λ', u'μ',
                                       u'ν', u'ο', u'π', u'θ', u'ρ', u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
    static const char16_t upper[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'ϑ', u'Κ', u'Λ', u'Μ',
                                       u'Ν', u'Ο', u'Π', u'Θ', u'Ρ', u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
    QString out = text;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u >= u'a' && u <= u'z') c = QChar(lower[u - u'a']);
        else if (u >= u'A' && u <= u'Z') c = QChar(upper[u - u'A']);
    }
    return out;
}

}  // namespace plotaris::platform
