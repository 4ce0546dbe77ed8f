#include "shell/help_formula.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/fonts.h"

namespace plotaris {

struct FormulaNode {
    enum class Kind { Row, Text, Sup, Frac, Sqrt, Fence, Cases };
    Kind kind = Kind::Row;
    QString text;  // Text: its characters; Fence: the opening and the closing character
    bool italic = false;
    std::vector<FormulaNode> kids;  // Frac: numerator, denominator; Cases: value, condition, value, ...
};

namespace {

using Kind = FormulaNode::Kind;

FormulaNode textNode(const QString& text, bool italic) {
    FormulaNode n;
    n.kind = Kind::Text;
    n.text = text;
    n.italic = italic;
    return n;
}

// Reads the markup once, left to right; an unknown command or a missing brace is taken as text or
// as the end of its group, so no markup can stop the page from being drawn.
class Parser {
public:
    explicit Parser(const QString& s) : s_(s) {}

    FormulaNode parseAll() {
        FormulaNode row = parseRow(false);
        while (pos_ < s_.size()) {  // a stray closing brace or \right: keep what follows
            ++pos_;
            FormulaNode more = parseRow(false);
            for (auto& k : more.kids) row.kids.push_back(std::move(k));
        }
        return row;
    }

private:
    bool at(const char* text) const { return s_.mid(pos_).startsWith(QLatin1String(text)); }

    bool atRowEnd(bool inCases) const {
        if (pos_ >= s_.size()) return true;
        if (s_[pos_] == u'}' || at("\\right")) return true;
        return inCases && (s_[pos_] == u'&' || at("\\\\"));
    }

    QString readCommand() {
        ++pos_;  // the backslash
        const int start = pos_;
        while (pos_ < s_.size() && s_[pos_].isLetter() && s_[pos_].unicode() < 128) ++pos_;
        return s_.mid(start, pos_ - start);
    }

    FormulaNode parseGroup() {
        if (pos_ < s_.size() && s_[pos_] == u'{') {
            ++pos_;
            FormulaNode row = parseRow(false);
            if (pos_ < s_.size() && s_[pos_] == u'}') ++pos_;
            return row;
        }
        return FormulaNode{};
    }

    // Splits plain characters so that a lone letter is italic and words (function names) are not.
    static void flushText(QString& pending, FormulaNode& row) {
        int i = 0;
        QString upright;
        while (i < pending.size()) {
            if (pending[i].isLetter()) {
                int j = i;
                while (j < pending.size() && pending[j].isLetter()) ++j;
                if (j - i == 1) {
                    if (!upright.isEmpty()) row.kids.push_back(textNode(upright, false));
                    upright.clear();
                    row.kids.push_back(textNode(pending.mid(i, 1), true));
                } else {
                    upright += pending.mid(i, j - i);
                }
                i = j;
            } else {
                upright += pending[i++];
            }
        }
        if (!upright.isEmpty()) row.kids.push_back(textNode(upright, false));
        pending.clear();
    }

    // Blanks around "&" and "\\" only set the markup out; they are not part of a case.
    static void trimRow(FormulaNode& row) {
        if (!row.kids.empty() && row.kids.front().kind == Kind::Text) {
            QString& t = row.kids.front().text;
            while (!t.isEmpty() && t.front().isSpace()) t.remove(0, 1);
            if (t.isEmpty()) row.kids.erase(row.kids.begin());
        }
        if (!row.kids.empty() && row.kids.back().kind == Kind::Text) {
            QString& t = row.kids.back().text;
            while (!t.isEmpty() && t.back().isSpace()) t.chop(1);
            if (t.isEmpty()) row.kids.pop_back();
        }
    }

    FormulaNode parseCases() {
        FormulaNode cases;
        cases.kind = Kind::Cases;
        if (pos_ >= s_.size() || s_[pos_] != u'{') return cases;
        ++pos_;
        while (pos_ < s_.size()) {
            FormulaNode value = parseRow(true);
            FormulaNode condition;
            if (pos_ < s_.size() && s_[pos_] == u'&') {
                ++pos_;
                condition = parseRow(true);
            }
            trimRow(value);
            trimRow(condition);
            cases.kids.push_back(std::move(value));
            cases.kids.push_back(std::move(condition));
            if (at("\\\\")) {
                pos_ += 2;
                continue;
            }
            if (pos_ < s_.size() && s_[pos_] == u'}') ++pos_;
            break;
        }
        return cases;
    }

    // One item after "^": a braced group, a command, or a single character.
    FormulaNode parseExponentBody() {
        if (pos_ < s_.size() && s_[pos_] == u'{') return parseGroup();
        FormulaNode row;
        if (pos_ >= s_.size()) return row;
        if (s_[pos_] == u'\\') {
            const QString cmd = readCommand();
            if (cmd == QLatin1String("pi")) row.kids.push_back(textNode(platform::symbolText(QStringLiteral("p")), false));
            return row;
        }
        QString one(s_[pos_++]);
        flushText(one, row);
        return row;
    }

    FormulaNode parseRow(bool inCases) {
        FormulaNode row;
        QString pending;
        while (!atRowEnd(inCases)) {
            const QChar c = s_[pos_];
            if (c == u'^') {
                flushText(pending, row);
                ++pos_;
                FormulaNode sup;
                sup.kind = Kind::Sup;
                sup.kids.push_back(parseExponentBody());
                row.kids.push_back(std::move(sup));
            } else if (c == u'{') {
                flushText(pending, row);
                row.kids.push_back(parseGroup());
            } else if (c == u'\\' && !at("\\\\")) {
                flushText(pending, row);
                const QString cmd = readCommand();
                if (cmd == QLatin1String("frac")) {
                    FormulaNode frac;
                    frac.kind = Kind::Frac;
                    frac.kids.push_back(parseGroup());
                    frac.kids.push_back(parseGroup());
                    row.kids.push_back(std::move(frac));
                } else if (cmd == QLatin1String("sqrt")) {
                    FormulaNode root;
                    root.kind = Kind::Sqrt;
                    root.kids.push_back(parseGroup());
                    row.kids.push_back(std::move(root));
                } else if (cmd == QLatin1String("left")) {
                    FormulaNode fence;
                    fence.kind = Kind::Fence;
                    QChar open = pos_ < s_.size() ? s_[pos_++] : QChar(u'(');
                    fence.kids.push_back(parseRow(false));
                    QChar close(u')');
                    if (at("\\right")) {
                        pos_ += 6;
                        if (pos_ < s_.size()) close = s_[pos_++];
                    }
                    fence.text = QString(open) + close;
                    row.kids.push_back(std::move(fence));
                } else if (cmd == QLatin1String("cases")) {
                    row.kids.push_back(parseCases());
                } else if (cmd == QLatin1String("pi")) {
                    row.kids.push_back(textNode(platform::symbolText(QStringLiteral("p")), false));
                } else {
                    pending += u'\\' + cmd;
                }
            } else if (c == u'\\') {
                pos_ += 2;  // a row break outside cases means nothing
            } else {
                pending += c;
                ++pos_;
            }
        }
        flushText(pending, row);
        return row;
    }

    const QString& s_;
    int pos_ = 0;
};

struct Box {
    qreal w = 0, a = 0, d = 0;
};

// Measures a node and, given a painter, draws it with its baseline at origin.
class Typesetter {
public:
    Typesetter(const QFont& base, QPainter* painter, QColor color) : base_(base), painter_(painter), color_(color) {}

    Box run(const FormulaNode& n, int level, QPointF origin) {
        switch (n.kind) {
        case Kind::Row: return row(n, level, origin);
        case Kind::Text: return text(n, level, origin);
        case Kind::Sup: return row(n.kids.empty() ? FormulaNode{} : n.kids[0], level + 1, origin);
        case Kind::Frac: return frac(n, level, origin);
        case Kind::Sqrt: return sqrtBox(n, level, origin);
        case Kind::Fence: return fence(n, level, origin);
        case Kind::Cases: return cases(n, level, origin);
        }
        return {};
    }

private:
    QFont fontAt(int level, bool italic) const {
        QFont f = base_;
        const qreal px = base_.pixelSize() > 0 ? base_.pixelSize() : base_.pointSizeF() * 4.0 / 3.0;
        f.setPixelSize(std::max(8, static_cast<int>(std::lround(px * std::pow(0.72, level)))));
        f.setItalic(italic);
        return f;
    }

    Box measure(const FormulaNode& n, int level) {
        QPainter* saved = painter_;
        painter_ = nullptr;
        Box b = run(n, level, {});
        painter_ = saved;
        return b;
    }

    qreal lineWidth(int level) const { return std::max<qreal>(1.0, QFontMetricsF(fontAt(level, false)).lineWidth()); }

    void stroke(const QPainterPath& path, qreal width) {
        if (!painter_) return;
        painter_->save();
        painter_->setRenderHint(QPainter::Antialiasing, true);
        painter_->setPen(QPen(color_, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter_->setBrush(Qt::NoBrush);
        painter_->drawPath(path);
        painter_->restore();
    }

    Box row(const FormulaNode& n, int level, QPointF origin) {
        Box b;
        Box prev{0, QFontMetricsF(fontAt(level, false)).ascent(), 0};
        for (const auto& k : n.kids) {
            if (k.kind == Kind::Sup) {
                const Box s = measure(k, level);
                const qreal xh = QFontMetricsF(fontAt(level, false)).xHeight();
                const qreal shift = std::max(prev.a - s.a * 0.55, xh * 0.9);
                run(k, level, origin + QPointF(b.w, -shift));
                b.w += s.w + 1;
                b.a = std::max(b.a, s.a + shift);
                b.d = std::max(b.d, s.d - shift);
                prev = s;
                continue;
            }
            const Box kb = run(k, level, origin + QPointF(b.w, 0));
            b.w += kb.w;
            b.a = std::max(b.a, kb.a);
            b.d = std::max(b.d, kb.d);
            prev = kb;
        }
        return b;
    }

    Box text(const FormulaNode& n, int level, QPointF origin) {
        const QFont f = fontAt(level, n.italic);
        const QFontMetricsF fm(f);
        Box b{fm.horizontalAdvance(n.text), fm.ascent(), fm.descent()};
        if (n.italic) b.w += fm.averageCharWidth() * 0.15;  // keeps the slanted letter off what follows
        if (painter_) {
            painter_->save();
            painter_->setFont(f);
            painter_->setPen(color_);
            painter_->drawText(origin, n.text);
            painter_->restore();
        }
        return b;
    }

    Box frac(const FormulaNode& n, int level, QPointF origin) {
        const FormulaNode empty;
        const FormulaNode& num = n.kids.size() > 0 ? n.kids[0] : empty;
        const FormulaNode& den = n.kids.size() > 1 ? n.kids[1] : empty;
        const QFontMetricsF fm(fontAt(level, false));
        const qreal axis = fm.strikeOutPos();
        const qreal t = lineWidth(level);
        const qreal gap = 1.5, pad = 2;
        const Box nb = measure(num, level), db = measure(den, level);
        Box b;
        b.w = std::max(nb.w, db.w) + 2 * pad;
        b.a = axis + t / 2 + gap + nb.a + nb.d;
        b.d = db.a + db.d + gap + t / 2 - axis;
        if (painter_) {
            run(num, level, origin + QPointF((b.w - nb.w) / 2, -axis - t / 2 - gap - nb.d));
            run(den, level, origin + QPointF((b.w - db.w) / 2, -axis + t / 2 + gap + db.a));
            QPainterPath bar;
            const qreal y = std::round(origin.y() - axis) + (t > 1.2 ? 0 : 0.5);
            bar.moveTo(origin.x() + 1, y);
            bar.lineTo(origin.x() + b.w - 1, y);
            stroke(bar, t);
        }
        return b;
    }

    Box sqrtBox(const FormulaNode& n, int level, QPointF origin) {
        const FormulaNode empty;
        const FormulaNode& body = n.kids.empty() ? empty : n.kids[0];
        const QFontMetricsF fm(fontAt(level, false));
        const qreal t = lineWidth(level);
        const qreal gap = 2;
        const Box c = measure(body, level);
        const qreal rw = std::max(fm.averageCharWidth() * 0.9, (c.a + c.d) * 0.35);
        Box b{rw + c.w + 2, c.a + gap + t, c.d + 1};
        if (painter_) {
            run(body, level, origin + QPointF(rw + 1, 0));
            const qreal x = origin.x();
            const qreal top = origin.y() - c.a - gap - t / 2;
            const qreal bottom = origin.y() + c.d;
            const qreal mid = bottom - (bottom - top) * 0.42;
            QPainterPath path;
            path.moveTo(x, mid + rw * 0.12);
            path.lineTo(x + rw * 0.22, mid);
            path.lineTo(x + rw * 0.5, bottom);
            path.lineTo(x + rw, top);
            path.lineTo(x + b.w, top);
            stroke(path, t);
        }
        return b;
    }

    Box fence(const FormulaNode& n, int level, QPointF origin) {
        const FormulaNode empty;
        const FormulaNode& body = n.kids.empty() ? empty : n.kids[0];
        const QFont f = fontAt(level, false);
        const QFontMetricsF fm(f);
        const QString open = n.text.left(1), close = n.text.mid(1, 1);
        const Box c = measure(body, level);
        const bool tall = c.a + c.d > fm.height() * 1.15 && open == QLatin1String("(");
        if (!tall) {
            // Parentheses of the text's own height.
            const qreal ow = fm.horizontalAdvance(open), cw = fm.horizontalAdvance(close);
            if (painter_) {
                painter_->save();
                painter_->setFont(f);
                painter_->setPen(color_);
                painter_->drawText(origin, open);
                painter_->drawText(origin + QPointF(ow + c.w, 0), close);
                painter_->restore();
                run(body, level, origin + QPointF(ow, 0));
            }
            return {ow + c.w + cw, std::max(c.a, fm.ascent()), std::max(c.d, fm.descent())};
        }
        const qreal fw = std::max(fm.horizontalAdvance(open), (c.a + c.d) * 0.14);
        const qreal t = lineWidth(level) * 1.2;
        Box b{2 * fw + c.w + 2, c.a + 1, c.d + 1};
        if (painter_) {
            run(body, level, origin + QPointF(fw + 1, 0));
            const qreal top = origin.y() - c.a, bottom = origin.y() + c.d, h = bottom - top;
            const qreal xl = origin.x(), xr = origin.x() + b.w;
            QPainterPath left;
            left.moveTo(xl + fw * 0.85, top);
            left.cubicTo(xl + fw * 0.1, top + h * 0.2, xl + fw * 0.1, bottom - h * 0.2, xl + fw * 0.85, bottom);
            QPainterPath right;
            right.moveTo(xr - fw * 0.85, top);
            right.cubicTo(xr - fw * 0.1, top + h * 0.2, xr - fw * 0.1, bottom - h * 0.2, xr - fw * 0.85, bottom);
            stroke(left, t);
            stroke(right, t);
        }
        return b;
    }

    Box cases(const FormulaNode& n, int level, QPointF origin) {
        const QFontMetricsF fm(fontAt(level, false));
        const qreal axis = fm.strikeOutPos();
        const qreal rowGap = 2, colGap = fm.averageCharWidth() * 1.5;
        const qreal bw = fm.averageCharWidth() * 0.9;
        std::vector<Box> values, conditions;
        qreal valueWidth = 0, conditionWidth = 0, height = 0;
        for (size_t i = 0; i < n.kids.size(); i += 2) {
            const Box v = measure(n.kids[i], level);
            const Box c = i + 1 < n.kids.size() ? measure(n.kids[i + 1], level) : Box{};
            values.push_back(v);
            conditions.push_back(c);
            valueWidth = std::max(valueWidth, v.w);
            conditionWidth = std::max(conditionWidth, c.w);
            height += std::max(v.a, c.a) + std::max(v.d, c.d);
        }
        if (values.size() > 1) height += rowGap * (values.size() - 1);
        Box b{bw + 4 + valueWidth + colGap + conditionWidth, axis + height / 2, height / 2 - axis};
        if (painter_) {
            const qreal top = origin.y() - b.a, bottom = origin.y() + b.d, mid = origin.y() - axis;
            const qreal x0 = origin.x(), x1 = origin.x() + bw, xm = origin.x() + bw * 0.5;
            const qreal r = std::min(bw * 0.5, (bottom - top) * 0.1);
            QPainterPath brace;
            brace.moveTo(x1, top);
            brace.quadTo(xm, top, xm, top + r);
            brace.lineTo(xm, mid - r);
            brace.quadTo(xm, mid, x0, mid);
            brace.quadTo(xm, mid, xm, mid + r);
            brace.lineTo(xm, bottom - r);
            brace.quadTo(xm, bottom, x1, bottom);
            stroke(brace, lineWidth(level));
            qreal y = top;
            for (size_t r2 = 0; r2 < values.size(); ++r2) {
                const qreal a = std::max(values[r2].a, conditions[r2].a);
                const qreal baseline = y + a;
                run(n.kids[2 * r2], level, QPointF(x1 + 4, baseline));
                if (2 * r2 + 1 < n.kids.size()) run(n.kids[2 * r2 + 1], level, QPointF(x1 + 4 + valueWidth + colGap, baseline));
                y = baseline + std::max(values[r2].d, conditions[r2].d) + rowGap;
            }
        }
        return b;
    }

    QFont base_;
    QPainter* painter_;
    QColor color_;
};

QString plain(const FormulaNode& n) {
    QString out;
    switch (n.kind) {
    case Kind::Row:
        for (const auto& k : n.kids) out += plain(k);
        break;
    case Kind::Text: out = n.text; break;
    case Kind::Sup: {
        const QString e = n.kids.empty() ? QString() : plain(n.kids[0]);
        out = e.size() == 1 ? QStringLiteral("^") + e : QStringLiteral("^(") + e + u')';
        break;
    }
    case Kind::Frac:
        out = u'(' + plain(n.kids[0]) + QStringLiteral(")/(") + plain(n.kids[1]) + u')';
        break;
    case Kind::Sqrt: out = QStringLiteral("√(") + plain(n.kids[0]) + u')'; break;
    case Kind::Fence: out = n.text.left(1) + plain(n.kids[0]) + n.text.mid(1, 1); break;
    case Kind::Cases:
        out = QStringLiteral("{ ");
        for (size_t i = 0; i < n.kids.size(); i += 2) {
            if (i) out += QStringLiteral("; ");
            out += plain(n.kids[i]);
            if (i + 1 < n.kids.size()) out += QStringLiteral(", ") + plain(n.kids[i + 1]);
        }
        out += QStringLiteral(" }");
        break;
    }
    return out;
}

}  // namespace

Formula::Formula(const QString& markup) : root_(std::make_unique<FormulaNode>(Parser(markup).parseAll())) {}

Formula::~Formula() = default;

Formula::Metrics Formula::measure(const QFont& font) const {
    const Box b = Typesetter(font, nullptr, {}).run(*root_, 0, {});
    return {b.w, b.a, b.d};
}

void Formula::paint(QPainter& painter, QPointF origin, const QFont& font, const QColor& color) const {
    Typesetter(font, &painter, color).run(*root_, 0, origin);
}

QString Formula::plainText() const { return plain(*root_); }

}  // namespace plotaris
