#include "shell/help_page.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <memory>

#include "shell/help_formula.h"

namespace plotaris {

namespace {

constexpr int kFormulaObject = QTextFormat::UserObject + 1;
constexpr int kFormulaMarkup = QTextFormat::UserProperty + 1;
constexpr int kMarkProperty = QTextFormat::UserProperty + 2;
constexpr int kIndentStep = 18;    // pixels a bullet's text is set in
constexpr int kPageMargin = 10;    // pixels of white around the text
constexpr int kLineHeight = 120;   // per cent of the font's height, as a printed page
constexpr int kAfterTable = 8;     // pixels below a table

// Draws the formulas that stand in the text. The layout centres an inline object on half the
// x-height above the baseline; each formula is padded so that its own baseline meets the text's.
class FormulaObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    using QObject::QObject;

    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& format) override {
        const Padded p = padded(format);
        return {p.width, p.ascent + p.descent};
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format) override {
        const Padded p = padded(format);
        const QTextCharFormat cf = format.toCharFormat();
        formula(format).paint(*painter, QPointF(rect.left(), rect.top() + p.ascent), cf.font(), cf.foreground().color());
    }

private:
    struct Padded {
        qreal width, ascent, descent;
    };

    const Formula& formula(const QTextFormat& format) {
        const QString markup = format.stringProperty(kFormulaMarkup);
        auto& slot = cache_[markup];
        if (!slot) slot = std::make_shared<Formula>(markup);
        return *slot;
    }

    Padded padded(const QTextFormat& format) {
        const QFont font = format.toCharFormat().font();
        const Formula::Metrics m = formula(format).measure(font);
        const qreal halfX = QFontMetrics(font).xHeight() / 2.0;
        const qreal ascent = std::max(m.ascent, m.descent + halfX);
        return {m.width + 1, ascent, ascent - halfX};
    }

    QHash<QString, std::shared_ptr<Formula>> cache_;
};

QString blockText(const QTextBlock& block, int mark) {
    QString out;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (f.isValid() && f.charFormat().intProperty(kMarkProperty) == mark) out += f.text();
    }
    return out;
}

void collect(QTextFrame* frame, int mark, QStringList& out) {
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* child = it.currentFrame()) {
            if (auto* table = qobject_cast<QTextTable*>(child)) {
                for (int c = 0; c < table->columns(); ++c) {
                    for (int r = 0; r < table->rows(); ++r) {
                        const QTextTableCell cell = table->cellAt(r, c);
                        for (auto b = cell.begin(); !b.atEnd(); ++b) {
                            if (b.currentBlock().isValid()) {
                                const QString t = blockText(b.currentBlock(), mark);
                                if (!t.isEmpty()) out << t;
                            }
                        }
                    }
                }
            } else {
                collect(child, mark, out);
            }
        } else if (it.currentBlock().isValid()) {
            const QString t = blockText(it.currentBlock(), mark);
            if (!t.isEmpty()) out << t;
        }
    }
}

}  // namespace

HelpPage::HelpPage(QSize size, QWidget* parent) : QWidget(parent), document_(new QTextDocument(this)) {
    setFixedSize(size);
    document_->setDocumentMargin(kPageMargin);
    document_->setIndentWidth(kIndentStep);
    document_->setTextWidth(size.width());
    document_->documentLayout()->registerHandler(kFormulaObject, new FormulaObject(document_));
}

QString HelpPage::plainText() const {
    QString text = document_->toPlainText();
    text.remove(QChar::ObjectReplacementCharacter);
    return text;
}

QStringList HelpPage::marked(HelpMark mark) const {
    QStringList out;
    collect(document_->rootFrame(), static_cast<int>(mark), out);
    return out;
}

bool HelpPage::textFits() const {
    return document_->size().height() <= height() && document_->size().width() <= width();
}

void HelpPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setClipRect(rect());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    context.palette.setColor(QPalette::Text, kHelpBodyColor);  // the bullets take this colour
    context.clip = QRectF(rect());
    document_->documentLayout()->draw(&painter, context);
}

HelpPageWriter::HelpPageWriter(QTextDocument& document, const HelpStyle& style)
    : document_(document), cursor_(&document), style_(style) {
    document_.setDefaultFont(style.body);
}

QTextCharFormat HelpPageWriter::bodyFormat(HelpMark mark) const {
    QTextCharFormat f;
    f.setFont(style_.body);
    f.setForeground(kHelpBodyColor);
    f.setProperty(kMarkProperty, static_cast<int>(mark));
    return f;
}

QTextBlockFormat HelpPageWriter::plainBlock(int indent) const {
    QTextBlockFormat b;
    b.setLeftMargin(indent * kIndentStep);
    b.setLineHeight(kLineHeight, QTextBlockFormat::ProportionalHeight);
    return b;
}

void HelpPageWriter::startBlock(const QTextBlockFormat& format) {
    QTextBlockFormat f = format;
    f.setTopMargin(f.topMargin() + pendingSpace_);
    pendingSpace_ = 0;
    if (firstBlock_) {
        cursor_.setBlockFormat(f);
        firstBlock_ = false;
    } else {
        cursor_.insertBlock(f);
    }
}

void HelpPageWriter::insertRich(QTextCursor& cursor, const QString& text, const QTextCharFormat& format) {
    const QStringList parts = text.split(u'$');
    for (int i = 0; i < parts.size(); ++i) {
        if (parts[i].isEmpty()) continue;
        if (i % 2 == 0) {
            cursor.insertText(parts[i], format);
            continue;
        }
        QTextCharFormat f = format;
        f.setObjectType(kFormulaObject);
        f.setProperty(kFormulaMarkup, parts[i]);
        f.setFont(style_.formula);
        f.setVerticalAlignment(QTextCharFormat::AlignMiddle);
        cursor.insertText(QString(QChar::ObjectReplacementCharacter), f);
    }
}

void HelpPageWriter::title(const QString& text) {
    QTextBlockFormat b;
    b.setAlignment(Qt::AlignHCenter);
    b.setBottomMargin(12);
    startBlock(b);
    QTextCharFormat f = bodyFormat(HelpMark::Title);
    f.setFont(style_.title);
    f.setForeground(kHelpHeadingColor);
    cursor_.insertText(text, f);
}

void HelpPageWriter::heading(const QString& text, HelpMark mark, const QFont* font) {
    QTextBlockFormat b;
    b.setBottomMargin(4);
    startBlock(b);
    QTextCharFormat f = bodyFormat(mark);
    f.setFont(font ? *font : style_.heading);
    f.setForeground(kHelpHeadingColor);
    cursor_.insertText(text, f);
}

void HelpPageWriter::paragraph(const QString& text) {
    QTextBlockFormat b = plainBlock(0);
    b.setBottomMargin(9);
    startBlock(b);
    insertRich(cursor_, text, bodyFormat());
}

void HelpPageWriter::bullet(const QString& text) {
    // A formula is set on a line of its own below the bullet's words: the bullet sits on the
    // first line's top, which a tall formula would leave far above the words.
    const qsizetype formula = text.indexOf(u'$');
    QTextBlockFormat b = plainBlock(0);
    b.setTopMargin(2);
    b.setBottomMargin(formula < 0 ? 4 : 1);
    startBlock(b);
    QTextListFormat list;
    list.setStyle(QTextListFormat::ListDisc);
    list.setIndent(1);
    cursor_.createList(list);
    cursor_.setBlockCharFormat(bodyFormat());
    insertRich(cursor_, formula < 0 ? text : text.left(formula).trimmed(), bodyFormat());
    if (formula >= 0) {
        line(text.mid(formula), 2);
        space(4);
    }
}

void HelpPageWriter::line(const QString& text, int indent, HelpMark mark) {
    QTextBlockFormat b = plainBlock(indent);
    b.setBottomMargin(1);
    startBlock(b);
    insertRich(cursor_, text, bodyFormat(mark));
}

QTextTableFormat HelpPageWriter::borderlessTable(int indent) {
    QTextTableFormat tf;
    tf.setBorder(0);
    tf.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    tf.setCellPadding(1);
    tf.setCellSpacing(0);
    tf.setLeftMargin(indent * kIndentStep);
    tf.setTopMargin(pendingSpace_ + 2);
    tf.setBottomMargin(kAfterTable);
    pendingSpace_ = 0;
    return tf;
}

void HelpPageWriter::columns(const QStringList& items, int columnCount, HelpMark mark, int indent) {
    if (items.isEmpty() || columnCount < 1) return;
    const int rows = static_cast<int>((items.size() + columnCount - 1) / columnCount);
    QList<QStringList> table(rows, QStringList(columnCount));
    for (int i = 0; i < items.size(); ++i) table[i % rows][i / rows] = items[i];
    QTextTableFormat tf = borderlessTable(indent);
    QList<QTextLength> widths;
    for (int c = 0; c < columnCount; ++c) widths << QTextLength(QTextLength::PercentageLength, 100.0 / columnCount);
    tf.setColumnWidthConstraints(widths);
    if (firstBlock_) firstBlock_ = false;
    QTextTable* t = cursor_.insertTable(rows, columnCount, tf);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columnCount; ++c) {
            QTextCursor cell = t->cellAt(r, c).firstCursorPosition();
            insertRich(cell, table[r][c], bodyFormat(mark));
        }
    }
    cursor_.movePosition(QTextCursor::End);
    firstBlock_ = true;  // the empty block after a table takes the next text
}

void HelpPageWriter::table(const QList<QStringList>& rows, int indent) {
    if (rows.isEmpty()) return;
    int columnCount = 0;
    for (const auto& r : rows) columnCount = std::max(columnCount, static_cast<int>(r.size()));
    QTextTableFormat tf = borderlessTable(indent);
    if (firstBlock_) firstBlock_ = false;
    QTextTable* t = cursor_.insertTable(static_cast<int>(rows.size()), columnCount, tf);
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            QTextCursor cell = t->cellAt(r, c).firstCursorPosition();
            QTextBlockFormat b;
            b.setRightMargin(14);
            cell.setBlockFormat(b);
            insertRich(cell, rows[r][c], bodyFormat());
        }
    }
    cursor_.movePosition(QTextCursor::End);
    firstBlock_ = true;
}

void HelpPageWriter::space(int pixels) { pendingSpace_ += pixels; }

}  // namespace plotaris

#include "help_page.moc"
