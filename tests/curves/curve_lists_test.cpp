// Every named curve of both lists, in list order: the texts and ranges it puts in the boxes,
// character for character, and the curve it draws, checked against the same texts computed
// directly with the evaluator.
#include <QTest>
#include <optional>
#include <string>

#include "canvas/counted_loop.h"
#include "evaluator/equation.h"
#include "tests/curves/curve_window_fixture.h"

namespace plotaris::testing {

namespace {

struct PolarEntry {
    const char *name, *equation, *start, *end;
};

// The polar list as the users know it.
const PolarEntry kPolarList[] = {
    {"Concóide de Nicromedes", "3+2sec(t)", "-pi", "pi"},
    {"Folium", "cos(t)*((4sen(t))^2-4)", "0", "pi"},
    {"Ofiurídio", "(0.4sen(t)-2cos(t))*tg(t)", "0", "pi"},
    {"Quadrifolium", "4sen(2t)", "0", "2pi"},
    {"Aracnídia", "3sen(7t)/sen(6t)", "0.1", "pi"},
    {"Cranióide", "2sen(t)+2*sqr(1-0.5*(cos(t))^2)+3*sqr(1-0.6*(cos(t))^2)", "0", "2pi"},
    {"Ciclóide de Ceva", "1+4cos(2t)", "0", "2pi"},
    {"Bifolium", "10*(sen(t))^2*cos(t)", "0", "pi"},
    {"Borboleta", "exp(cos(t))-2cos(4t)+5(sen(t/12)^5)", "0", "2pi"},
    {"Sêxtica de Cayley", "6*(cos(t/3))^3", "0", "3pi"},
    {"Cissóide de Diocles", "2sen(t)*tg(t)", "0", "pi"},
    {"Concóide de Sluze", "sec(t)+3cos(t)", "0", "pi"},
    {"Crisântemo", "4(1+sen(11t/5))-4(sen(17t/3))^4*(sen(2cos(3t-28t)))^8", "0", "8pi"},
    {"Neoid", "t/2+1", "0", "3pi"},
    {"Trissectriz de MacLaurin", "4sen(3t)/sen(2t)", "0.001", "pi"},
    {"Folium (simples)", "3sen(t)*cos(t)/(cos(t)^3+sen(t)^3)", "0", "pi"},
    {"Kampyle de Eudoxus", "16/3cos(t)^2", "0", "2pi"},
    {"Quadratrix de Hippias", "4t/3.14sen(t)", "0", "2pi"},
    {"Scarabeus", "4cos(2t)-3cos(t)", "0", "2pi"},
    {"Hippopede", "sqr(8*(2-4sen(t))^2)", "0", "2pi"},
    {"Kappa", "2cotg(t)", "0.001", "2pi"},
    {"Cardióide1", "2(1-cos(t))", "0", "2pi"},
    {"Limacon", "1+2cos(t)", "0", "2pi"},
    {"Estrofóide", "2(sec(t) - tg(t))", "0", "2pi"},
    {"Leminiscata de Bernoulli", "6*sqr(cos(2t))", "0", "2pi"},
    {"Concóide de Nicromedes", "0.5/cos(t)+3", "0", "2pi"},
    {"Rosácea", "6cos(5t)", "0", "2pi"},
    {"Nefróide de Freeths", "2(1+2sen(t/2))", "0", "2pi"},
    {"Glissette", "2cosec(t)^2", "0.001", "2pi"},
    {"Sextica de Dayleys", "1/cos(t/3)^3", "0", "3pi"},
    {"Espiral de Arquimedes", "2t", "0", "2pi"},
    {"Espiral Equiangular", "0.5*exp(0.2*t)", "0", "4pi"},
    {"Espiral de Fermat", "sqr(4t)", "0", "2pi"},
    {"Espiral Hiperbólica", "2/t", "0.001", "4pi"},
    {"Espiral de Lituus", "sqr(4/t)", "0.001", "4pi"},
    {"Espiral Parabólica", "2+sqr(2t)", "0", "2pi"},
    {"Espiral de Galileu", "1+0.2t^2", "0", "2pi"},
    {"Círculo", "6", "0", "2pi"},
    {"Cochléoide", "5sen(t)/t", "0.001", "4pi"},
    {"Concóide de Rosácea", "2(1+e*cos(2t))", "0", "2pi"},
    {"Cúbica Racional", "4/cos(t)+2cos(t)+2sen(t)", "0", "2pi"},
    {"Cruciforme", "6/sen(2t)", "0.001", "2pi"},
    {"Curva de Alain", "sqr((4cos(t)^2-3sen(t)^2)/cos(2t))", "0", "2pi"},
    {"Bifolium", "8cos(t)*sen(t)^2", "0", "2pi"},
    {"Bifolium regular", "2sen(t)*sen(2t)", "0", "2pi"},
    {"Cardióide2", "4*(1+cos(t))", "0", "2pi"},
    {"Trevo de 4 folhas 1", "4(sqr(abs(sen(2t))))", "0", "2pi"},
    {"Trevo de 2 folhas 2", "4(sen(2t)^2+sen(4t)^2/2)", "0", "2pi"},
};

struct ParametricEntry {
    const char *name, *x, *y;
};

const ParametricEntry kParametricList[] = {
    {"Astróide", "6cos(t)^3", "6sen(t)^3"},
    {"Bicórnio", "4sen(t)", "(4(cos(t)^2)*(2+cos(t)))/(3+(sen(t))^2)"},
    {"Peixe", "4cos(t)-4(sen(t))^2/sqr(2)", "4sen(t)*cos(t)"},
    {"Oito", "4sen(t)", "4sen(t)*cos(t)"},
    {"Cruciforme", "sec(t)", "2cosec(t)"},
    {"Devil", "cos(t)*sqr(((4(sen(t))^2)-9(cos(t))^2)/((sen(t))^2-(cos(t))^2))",
     "sen(t)*sqr(((4(sen(t))^2)-9(cos(t))^2)/((sen(t))^2-(cos(t))^2))"},
    {"Folium de Descartes", "6t/(1+t^3)", "6t^2/(1+t^3)"},
    {"Piriforme", "2(1+sen(t))", "3cos(t)*(1+sen(t))"},
    {"Cornóide", "2cos(t)*(1-2(sen(t)^2))", "3sen(t)*(1+2(cos(t))^2)"},
    {"Serpentina", "2cotg(t)", "3sen(t)*cos(t)"},
    {"Bow", "(1-tg(t)^2)*cos(t)", "(1-tg(t)^2)*sen(t)"},
    {"Agnesi", "2tg(t)", "2cos(t)^2"},
    {"Diamante", "4cos(t)*abs(cos(t))", "4sen(t)*abs(sen(t))"},
    {"Kappa", "cos(t)^2/sen(t)", "cos(t)"},
    {"Tratrix", "cos(t)+log(tg(t/2))", "sen(t)"},
    {"Hipérbole", "2sec(t)", "3tg(t)"},
    {"Circunferência", "5cos(t)", "5sen(t)"},
    {"Elipse", "3cos(t)", "4sen(t)"},
    {"Evoluta da circunferência", "0.5(cos(t)+t*sen(t))", "0.5(sen(t)-t*cos(t))"},
    {"Curvas de Lissajous", "2sen(2t+4)", "3sen(t)"},
    {"Recta", "2t-3", "-3t+2"},
    {"Catenária", "t", "2cosh(t/3)"},
    {"Curvas de Plateau", "8sen(t)*cos(t)*log(t)", "5abs(t)^0.3*cos(t)^0.5"},
};

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// Chooses the entry at that position of the list, as the user does with the keyboard.
void choose(QComboBox* list, int position) {
    list->setCurrentIndex(position - 1);
    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(list->currentIndex(), position);
}

}  // namespace

TEST_F(Form3Test, EveryNamedCurveFillsItsEquationAndRange) {
    ASSERT_EQ(form->Combo1->count(), 48);
    for (int i = 0; i < 48; ++i) {
        const PolarEntry& e = kPolarList[i];
        EXPECT_EQ(form->Combo1->itemText(i), text(e.name)) << i + 1;
        choose(form->Combo1, i);
        EXPECT_EQ(form->EquaçãoPolares->text(), text(e.equation)) << i + 1;
        EXPECT_EQ(form->EquaçãoPolares->cursorPosition(), 0);  // showing its beginning
        EXPECT_EQ(form->InícioPolares->text(), text(e.start)) << i + 1;
        EXPECT_EQ(form->FinalPolares->text(), text(e.end)) << i + 1;
    }
    EXPECT_EQ(count(kCurveBlue), 0);  // choosing draws nothing
}

// The ranges the list gives, by the position k of the item (the entry is k + 1); every other
// item draws from 0 to 2pi.
TEST_F(Form3Test, RangesOfTheNamedCurves) {
    struct Override {
        std::vector<int> k;
        const char *start, *end;
    };
    const Override overrides[] = {
        {{0}, "-pi", "pi"},
        {{4}, "0.1", "pi"},
        {{1, 2, 7, 10, 11, 15}, "0", "pi"},
        {{9, 13, 29}, "0", "3pi"},
        {{12}, "0", "8pi"},
        {{14}, "0.001", "pi"},
        {{20, 28, 41}, "0.001", "2pi"},
        {{31}, "0", "4pi"},
        {{33, 34, 38}, "0.001", "4pi"},
    };
    for (int k = 0; k < 48; ++k) {
        const char *start = "0", *end = "2pi";
        for (const Override& o : overrides)
            if (std::find(o.k.begin(), o.k.end(), k) != o.k.end()) start = o.start, end = o.end;
        // From a range typed by the user.
        form->InícioPolares->setText(QStringLiteral("1"));
        form->FinalPolares->setText(QStringLiteral("2"));
        form->Combo1->setCurrentIndex(k);
        form->Combo1_Click();
        EXPECT_EQ(form->InícioPolares->text(), text(start)) << k;
        EXPECT_EQ(form->FinalPolares->text(), text(end)) << k;
    }
}

TEST_F(Form4Test, EveryNamedCurveFillsItsTwoEquationsAndKeepsTheRange) {
    ASSERT_EQ(form->Combo1->count(), 23);
    form->InícioParamétricas->setText(QStringLiteral("0.5"));
    form->FinalParamétricas->setText(QStringLiteral("2pi"));
    for (int i = 0; i < 23; ++i) {
        const ParametricEntry& e = kParametricList[i];
        EXPECT_EQ(form->Combo1->itemText(i), text(e.name)) << i + 1;
        choose(form->Combo1, i);
        EXPECT_EQ(form->ParamétricaX->text(), text(e.x)) << i + 1;
        EXPECT_EQ(form->ParamétricaY->text(), text(e.y)) << i + 1;
        EXPECT_EQ(form->InícioParamétricas->text(), QStringLiteral("0.5")) << i + 1;
        EXPECT_EQ(form->FinalParamétricas->text(), QStringLiteral("2pi")) << i + 1;
    }
    EXPECT_EQ(count(kCurveBlue), 0);
}

// Text typed into the list, or a list with nothing chosen, fills nothing.
TEST_F(Form3Test, TypedListTextFillsNothing) {
    form->Combo1->setFocus();
    form->Combo1->setEditText(text("Círculo"));
    QTest::keyClick(form->Combo1, Qt::Key_Return);
    form->EquaçãoPolares->setFocus();
    form->Combo1->setCurrentIndex(-1);
    form->Combo1_Click();
    EXPECT_EQ(form->Combo1->count(), 48);
    EXPECT_EQ(form->EquaçãoPolares->text(), QStringLiteral("5sen(6t)"));
    EXPECT_EQ(form->InícioPolares->text(), QStringLiteral("-pi"));
}

namespace {

// The points a curve gives, computed directly: the range with x = 11 (the x counter after a
// unit-mode frame), then every sample until the end or the first error.
struct Reference {
    std::vector<QPointF> points;
    bool failed = false;
};

double rangeValue(const char* box) {
    clsEquation e;
    e.Equation(box);
    e.Var("x", 11);
    e.Solve();
    return e.Solution();
}

Reference polarReference(const PolarEntry& entry) {
    Reference r;
    clsEquation e;
    e.Equation(entry.equation);
    try {
        canvas::countedLoop(rangeValue(entry.start), rangeValue(entry.end), 0.0001, [&](double t) {
            e.Var("t", t);
            e.Solve();
            const double radius = e.Solution();
            r.points.emplace_back(radius * std::cos(t), radius * std::sin(t));
        });
    } catch (const EvaluatorError&) {
        r.failed = true;
    }
    return r;
}

Reference parametricReference(const ParametricEntry& entry) {
    Reference r;
    clsEquation e;
    const auto value = [&](const char* equation, double t) {
        e.Equation(equation);
        e.Var("t", t);
        e.Solve();
        return e.Solution();
    };
    try {
        canvas::countedLoop(-M_PI, M_PI, 0.001, [&](double t) {
            const double x = value(entry.x, t), y = value(entry.y, t);
            if (y > -8 && y < 8) r.points.emplace_back(x, y);
        });
    } catch (const EvaluatorError&) {
        r.failed = true;
    }
    return r;
}

}  // namespace

template <class Form>
class NamedCurve : public CurveWindowTest<Form>, public ::testing::WithParamInterface<int> {
protected:
    // The drawing agrees with the reference: a message exactly when it met an error, and the
    // curve's pixels where its points fall on the canvas.
    void expectDrawn(const Reference& reference) {
        ASSERT_EQ(this->dialogs.messages.size(), reference.failed ? 1u : 0u);
        if (reference.failed) {
            EXPECT_TRUE(this->dialogs.messages[0].text.startsWith(QStringLiteral("Erro na expressão analítica:\n\n")));
        }
        int checked = 0;
        for (size_t i = 0; i < reference.points.size(); i += 97) {
            const QPointF p = reference.points[i];
            if (!this->image().rect().adjusted(1, 1, -1, -1).contains(this->pixel(p.x(), p.y()))) continue;
            EXPECT_EQ(this->at(p.x(), p.y()), kCurveBlue) << i;
            ++checked;
        }
        if (checked == 0) {
            EXPECT_EQ(this->count(kCurveBlue), 0);
        }
    }
};

using NamedPolarCurve = NamedCurve<Form3>;
using NamedParametricCurve = NamedCurve<Form4>;

TEST_P(NamedPolarCurve, DrawsAsItsTextsSay) {
    const int k = GetParam();
    form->Combo1->setCurrentIndex(k);
    form->Combo1_Click();
    form->DesenharPolares_Click();
    expectDrawn(polarReference(kPolarList[k]));
}

TEST_P(NamedParametricCurve, DrawsAsItsTextsSay) {
    const int k = GetParam();
    form->Combo1->setCurrentIndex(k);
    form->Combo1_Click();
    form->DesenharParamétricas_Click();
    expectDrawn(parametricReference(kParametricList[k]));
}

INSTANTIATE_TEST_SUITE_P(Entries, NamedPolarCurve, ::testing::Range(0, 48));
INSTANTIATE_TEST_SUITE_P(Entries, NamedParametricCurve, ::testing::Range(0, 23));

}  // namespace plotaris::testing
