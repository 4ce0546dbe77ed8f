// What the help pages hold: the order of "FUNÇÕES DEFINIDAS", its sample expressions read back
// from the pages and given to the evaluator, texts whose blanks count, and the formula markup.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "windows/window_registry.h"
#include "evaluator/equation.h"
#include "platform/fonts.h"
#include "shell/help_formula.h"
#include "shell/help_function_entries.h"
#include "shell/help_window.h"

// Shows a QString as text when an expectation fails.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace plotaris {
namespace {

class HelpPages : public ::testing::Test {
protected:
    void TearDown() override { WindowRegistry::instance().reset(); }
    static HelpWindow* open(FormId id) { return dynamic_cast<HelpWindow*>(WindowRegistry::instance().show(id)); }
};

QStringList utf8List(std::initializer_list<const char*> texts) {
    QStringList out;
    for (const char* t : texts) out << QString::fromUtf8(t);
    return out;
}

TEST_F(HelpPages, FunctionEntriesFollowTheListOfPageTwo) {
    HelpWindow* w = open(FormId::Form8);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->page(1)->marked(HelpMark::Title), QStringList{QString::fromUtf8("FUNÇÕES DEFINIDAS")});

    const QStringList listed = w->page(2)->marked(HelpMark::FunctionName);
    const QStringList expected = utf8List(
        {"abs ( )",  "arccos ( )", "arccosec ( )", "arccosech ( )", "arccosh ( )", "arccotg ( )", "arccotgh ( )",
         "arcsec ( )", "arcsech ( )", "arcsen ( )", "arcsenh ( )", "arctg ( )",  "arctgh ( )",  "cos ( )",
         "cosec ( )", "cosech ( )", "cosh ( )",   "cotg ( )",   "cotgh ( )",   "exp ( )",    "fix ( )",
         "int ( )",  "ln ( )",     "log ( )",      "log2 ( )",    "log10 ( )",   "logn ( , )", "mant ( )",
         "max ( , )", "min ( , )", "mod ( , )",    "sec ( )",     "sech ( )",    "sen ( )",    "senh ( )",
         "sgn ( )",  "sqr ( )",    "tg ( )",       "tgh ( )"});
    EXPECT_EQ(listed, expected);

    QStringList entries;
    for (int p = 3; p <= 23; ++p) {
        const QStringList here = w->page(p)->marked(HelpMark::EntryHeading);
        EXPECT_TRUE(here.size() == 1 || here.size() == 2) << "page " << p;
        const bool alone = p == 16 || p == 18 || p == 19;
        EXPECT_EQ(here.size() == 1, alone) << "page " << p;
        entries += here;
    }
    EXPECT_EQ(entries, expected);
    EXPECT_EQ(w->page(23)->marked(HelpMark::EntryHeading), utf8List({"tg ( )", "tgh ( )"}));
}

// The samples are what users copy: each must name only functions the evaluator knows and close
// its parentheses. Other failures (a division by zero at some x) are the samples' own business.
TEST_F(HelpPages, EverySampleOnThePagesIsAnExpressionTheEvaluatorReads) {
    HelpWindow* w = open(FormId::Form8);
    ASSERT_TRUE(w);
    QStringList shown, kept;
    for (const auto& e : helpFunctionEntries()) kept += e.samples;
    for (int p = 3; p <= 23; ++p) {
        const QStringList lines = w->page(p)->marked(HelpMark::Sample);
        EXPECT_FALSE(lines.isEmpty()) << "page " << p;
        shown += lines;
        for (const QString& line : lines) {
            for (const QString& expression : sampleExpressions(line)) {
                for (double x : {-2.5, -0.7, 0.3, 1.5, 4.0}) {
                    clsEquation eq;
                    eq.Equation(expression.toStdString());
                    eq.Var("x", x);
                    try {
                        eq.Solve();
                    } catch (const EvaluatorError& e) {
                        EXPECT_NE(e.number, 1100) << expression.toStdString() << " at " << x;
                        EXPECT_NE(e.number, 1101) << expression.toStdString() << " at " << x << ": " << e.description;
                    }
                }
            }
        }
    }
    EXPECT_EQ(shown, kept);
}

TEST_F(HelpPages, SamplesStartWithThePlainFormWhereThereIsOne) {
    for (const auto& e : helpFunctionEntries()) {
        ASSERT_FALSE(e.samples.isEmpty()) << e.name.toStdString();
        const bool plainFirst = e.samples.first() == e.name + QStringLiteral(" (x)");
        const bool twoArgumentsOrExp = e.arguments == QStringLiteral("( , )") || e.name == QStringLiteral("exp");
        EXPECT_NE(plainFirst, twoArgumentsOrExp) << e.name.toStdString();
    }
    EXPECT_EQ(sampleExpressions(QStringLiteral("exp (cos (2x))   ou   e ^ cos (2x)")),
              utf8List({"exp (cos (2x))", "e ^ cos (2x)"}));
}

TEST_F(HelpPages, TextsKeepTheirBlanks) {
    HelpWindow* syntax = open(FormId::Form9);
    ASSERT_TRUE(syntax);
    const QString page2 = syntax->page(2)->plainText();
    EXPECT_TRUE(page2.contains(QStringLiteral("Cos(x),  COS(x),  ou  CoS(X).")));
    EXPECT_TRUE(page2.contains(QStringLiteral("5sen (2x),  5*sen (2x),  5sen (2*x)   ou   5*sen(2*x).")));
    const QString page4 = syntax->page(4)->plainText();
    for (const char* symbol : {"subtracção", "divisão inteira", "raiz quadrada"})
        EXPECT_TRUE(page4.contains(QString::fromUtf8(symbol))) << symbol;

    HelpWindow* functions = open(FormId::Form8);
    ASSERT_TRUE(functions);
    EXPECT_TRUE(functions->page(16)->plainText().contains(QStringLiteral("logn(x,y) =  log(x) / log(y)")));
}

TEST(HelpFormula, ReadsNestedMarkup) {
    EXPECT_EQ(Formula(QStringLiteral(R"(\frac{1}{\sqrt{x^2 + 1}})")).plainText(), QStringLiteral("(1)/(√(x^2 + 1))"));
    EXPECT_EQ(Formula(QStringLiteral(R"(e^{-x} + \left(a\right))")).plainText(), QStringLiteral("e^(-x) + (a)"));
    EXPECT_EQ(Formula(QStringLiteral(R"(\cases{1 & a \\ 0 & b})")).plainText(), QStringLiteral("{ 1, a; 0, b }"));
}

TEST(HelpFormula, TallPartsReachAboveAndBelowTheText) {
    const QFont font = platform::windowFont(QStringLiteral("Times New Roman"), 11);
    const QFontMetricsF fm(font);
    const Formula::Metrics plain = Formula(QStringLiteral("sen(x)")).measure(font);
    EXPECT_NEAR(plain.ascent, fm.ascent(), 0.5);
    const Formula::Metrics fraction = Formula(QStringLiteral(R"(\frac{sen(x)}{cos(x)})")).measure(font);
    EXPECT_GT(fraction.ascent, fm.ascent() + 2);
    EXPECT_GT(fraction.descent, fm.descent() + 2);
    const Formula::Metrics cases = Formula(QStringLiteral(R"(\cases{1 & a \\ 0 & b \\ -1 & c})")).measure(font);
    EXPECT_GT(cases.ascent + cases.descent, 3 * fm.ascent());
}

TEST(HelpFormula, BrokenMarkupIsDrawnAsFarAsItGoes) {
    const QFont font = platform::windowFont(QStringLiteral("Times New Roman"), 11);
    QImage image(200, 60, QImage::Format_RGB32);
    QPainter painter(&image);
    for (const char* markup : {R"(\frac{1)", R"(}}\right))", R"(\left()", R"(x^)", R"(\cases{)", R"(\sqrt)",
                               R"(\unknown{2})", R"(\\ & ^{^{}})", ""}) {
        const Formula f(QString::fromUtf8(markup));
        const Formula::Metrics m = f.measure(font);
        EXPECT_GE(m.width, 0) << markup;
        f.paint(painter, QPointF(5, 40), font, Qt::blue);
    }
}

}  // namespace
}  // namespace plotaris
