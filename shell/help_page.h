// One page of a help window: formatted text laid out in the page's fixed size and drawn on white,
// with blue body text, red headings and typeset formulas; and the writer the page contents use.
#pragma once

#include <QFont>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>

namespace plotaris {

// What a piece of page text is, so that the pages can be read back (by their tests).
enum class HelpMark { None = 0, Title, Heading, EntryHeading, FunctionName, Sample };

struct HelpStyle {
    QFont body;     // running text and bullets
    QFont title;    // the window's title word, centred on the first page
    QFont heading;  // headings inside the pages
    QFont formula;  // typeset formulas
};

inline const QColor kHelpBodyColor{0, 0, 255};
inline const QColor kHelpHeadingColor{255, 0, 0};

class HelpPage : public QWidget {
    Q_OBJECT
public:
    HelpPage(QSize size, QWidget* parent);

    QTextDocument* document() const { return document_; }
    // The page's text with formulas left out.
    QString plainText() const;
    // The texts marked so, one per line of the page, in reading order (tables column by column).
    QStringList marked(HelpMark mark) const;
    // Whether the laid-out text fits inside the page.
    bool textFits() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTextDocument* document_;
};

// Writes a page from the top down. In every text, a part between two "$" is a formula (see
// shell/help_formula.h); everything else is shown as written, blanks included.
class HelpPageWriter {
public:
    HelpPageWriter(QTextDocument& document, const HelpStyle& style);

    const HelpStyle& style() const { return style_; }

    void title(const QString& text);
    void heading(const QString& text, HelpMark mark = HelpMark::Heading, const QFont* font = nullptr);
    void paragraph(const QString& text);
    // A bullet point; a formula in it goes on its own line below the words before it.
    void bullet(const QString& text);
    // A line set in by `indent` steps (one step is a bullet's indent).
    void line(const QString& text, int indent, HelpMark mark = HelpMark::None);
    // Items in borderless columns, filled column by column.
    void columns(const QStringList& items, int columnCount, HelpMark mark = HelpMark::None, int indent = 0);
    // Rows of cells, set out as a borderless table.
    void table(const QList<QStringList>& rows, int indent);
    // Empty space before the next block, in pixels.
    void space(int pixels);

private:
    // A table without borders, indented, with the space the text before it asked for.
    QTextTableFormat borderlessTable(int indent);
    void startBlock(const QTextBlockFormat& format);
    void insertRich(QTextCursor& cursor, const QString& text, const QTextCharFormat& format);
    QTextCharFormat bodyFormat(HelpMark mark = HelpMark::None) const;
    QTextBlockFormat plainBlock(int indent) const;

    QTextDocument& document_;
    QTextCursor cursor_;
    HelpStyle style_;
    bool firstBlock_ = true;
    int pendingSpace_ = 0;
};

}  // namespace plotaris
