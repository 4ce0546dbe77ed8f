#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "tests/evaluator/evaluator_testing.h"

using namespace plotaris;
using namespace plotaris::testing;

namespace {

constexpr double kAbsorbed = 1000;  // a point that cannot be computed
constexpr double kQuarter = 1.5707963267948966;

struct Edge {
    const char* text;
    double x;
    int error;       // 0: a value
    double value;    // when error is 0
};

}  // namespace

TEST(FunctionLibrary, DomainEdges) {
    const Edge edges[] = {
        {"log(x)", 0, 0, kAbsorbed},       {"log(x)", -1, 0, kAbsorbed},     {"ln(x)", 0, 0, kAbsorbed},
        {"log10(x)", -5, 0, kAbsorbed},    {"log2(x)", 0, 0, kAbsorbed},     {"log10(x)", 1000, 0, std::log(1000.0) / std::log(10.0)},
        {"logn(x,2)", 0, 0, kAbsorbed},    {"logn(8,x)", -2, 0, kAbsorbed},  {"logn(x,1)", 2, 11, 0},
        {"logn(x,1)", 1, 6, 0},            {"logn(8,2)", 0, 0, 3},
        {"sqr(x)", -1e-300, 0, kAbsorbed}, {"sqr(x)", 0, 0, 0},              {"sqr(x)", 16, 0, 4},
        {"exp(x)", 709, 0, std::exp(709.0)}, {"exp(x)", 710, 6, 0},          {"exp(x)", -1000, 0, 0},
        {"sinh(x)", 710, 6, 0},            {"cosh(x)", -710, 6, 0},          {"tgh(x)", 710, 6, 0},
        {"sech(x)", 710, 6, 0},            {"senh(x)", 0, 0, 0},             {"cosh(x)", 0, 0, 1},
        {"cosec(x)", 0, 11, 0},            {"cotan(x)", 0, 11, 0},           {"cotg(x)", 0, 11, 0},
        {"sec(x)", 0, 0, 1},
        {"arcsen(x)", 1.5, 0, kAbsorbed},  {"arcsin(x)", -1.5, 0, kAbsorbed}, {"arccos(x)", 2, 0, kAbsorbed},
        {"arcsen(x)", 1, 11, 0},           {"arcsen(x)", -1, 11, 0},         {"arccos(x)", 1, 11, 0},
        {"arcsec(x)", 0.5, 0, kAbsorbed},  {"arcsec(x)", 1, 0, 0},           {"arcsec(x)", -1, 0, 4 * std::atan(1.0)},
        {"arccosec(x)", 0.5, 0, kAbsorbed}, {"arccosec(x)", 1, 11, 0},       {"arccosec(x)", -1, 11, 0},
        {"cosech(x)", 0, 11, 0},           {"cotgh(x)", 0, 11, 0},           {"cotanh(x)", 0, 11, 0},
        {"arccosh(x)", 0.5, 0, kAbsorbed}, {"arccosh(x)", -2, 0, kAbsorbed}, {"arccosh(x)", 1, 0, 0},
        {"arctgh(x)", 1, 11, 0},           {"arctanh(x)", -1, 0, kAbsorbed}, {"arctgh(x)", 2, 0, kAbsorbed},
        {"arctgh(x)", 0, 0, 0},
        {"arcsech(x)", 0, 11, 0},          {"arcsech(x)", -0.5, 0, kAbsorbed}, {"arcsech(x)", 1.5, 0, kAbsorbed},
        {"arcsech(x)", 1, 0, 0},
        {"arccosech(x)", 0, 11, 0},
        {"arccotgh(x)", 1, 11, 0},         {"arccotanh(x)", -1, 0, kAbsorbed}, {"arccotgh(x)", 0.5, 0, kAbsorbed},
        {"mod(x,0.4)", 7, 11, 0},          {"mod(x,2)", 3e9, 6, 0},          {"mod(x,3)", 7, 0, 1},
        {"mod(x,3)", -7, 0, -1},           {"mod(x,-1)", -2147483648.0, 0, 0},
        {"(x)^0.5", -4, 0, -4},            {"(x)^(-1)", 0, 11, 0},           {"(x)^2000", 10, 6, 0},
    };
    for (const Edge& e : edges) {
        const Result r = evaluateAt(e.text, e.x);
        if (e.error) EXPECT_TRUE(fails(r, e.error)) << e.text << " at " << e.x;
        else EXPECT_TRUE(gives(r, e.value)) << e.text << " at " << e.x;
    }
}

TEST(FunctionLibrary, ValuesAndExactConstants) {
    EXPECT_TRUE(gives(evaluateAt("sen(pi/2)"), 1));
    EXPECT_TRUE(gives(evaluateAt("cos(0)"), 1));
    EXPECT_TRUE(gives(evaluateAt("tg(0)"), 0));
    EXPECT_TRUE(gives(evaluateAt("graus(pi)"), 3.14159265358979 * 57.2957795131));
    EXPECT_TRUE(gives(evaluateAt("rad(180)"), 180 * 0.01745329251995));
    EXPECT_TRUE(gives(evaluateAt("min(2,5)"), 2));
    EXPECT_TRUE(gives(evaluateAt("max(2,5)"), 5));
    EXPECT_TRUE(gives(evaluateAt("min(3,3)"), 3));
    EXPECT_TRUE(gives(evaluateAt("mant(2.75)"), 0.75));
    EXPECT_TRUE(gives(evaluateAt("mant(-2.25)"), 0.75));
    EXPECT_TRUE(gives(evaluateAt("mant(-2.5)"), 0.5));
    EXPECT_TRUE(gives(evaluateAt("int(-2.5)"), -3));
    EXPECT_TRUE(gives(evaluateAt("fix(-2.5)"), -2));
    EXPECT_TRUE(gives(evaluateAt("sgn(-4)"), -1));
    EXPECT_TRUE(gives(evaluateAt("sgn(0)"), 0));
    EXPECT_TRUE(gives(evaluateAt("abs(-3)"), 3));
    EXPECT_TRUE(gives(evaluateAt("arcsen(0.5)"), std::atan(0.5 / std::sqrt(0.75))));
    EXPECT_TRUE(gives(evaluateAt("arccos(0)"), kQuarter));
    EXPECT_TRUE(gives(evaluateAt("arccotg(0)"), kQuarter));
    EXPECT_TRUE(gives(evaluateAt("arcsec(2)"), std::atan(std::sqrt(3.0))));
    EXPECT_TRUE(gives(evaluateAt("arcsec(-2)"), (std::atan(std::sqrt(3.0)) - kQuarter) * -1 + kQuarter));
    EXPECT_TRUE(gives(evaluateAt("arccosec(-2)"), -std::atan(1 / std::sqrt(3.0))));
    EXPECT_TRUE(gives(evaluateAt("arcsenh(1)"), std::log(1 + std::sqrt(2.0))));
    EXPECT_TRUE(gives(evaluateAt("atn(1)"), std::atan(1.0)));
    EXPECT_TRUE(gives(evaluateAt("arctg(1)"), std::atan(1.0)));
    EXPECT_TRUE(gives(evaluateAt("exp(1)"), std::exp(1.0)));
    EXPECT_TRUE(gives(evaluateAt("sen(1,2)"), std::sin(1.0)));
    EXPECT_TRUE(gives(evaluateAt("SEN(1)"), std::sin(1.0)));
}

TEST(FunctionLibrary, EveryNameIsKnown) {
    const char* names[] = {"abs", "arctg", "atn", "cos", "exp", "fix", "int", "log", "sgn", "sin", "sen", "sqr", "tg",
                           "tan", "sec", "cosec", "cotan", "cotg", "arcsin", "arcsen", "arccos", "arcsec", "arccosec",
                           "arccotg", "arccotan", "sinh", "senh", "cosh", "tgh", "tanh", "sech", "cosech", "cotgh",
                           "cotanh", "arcsinh", "arcsenh", "arccosh", "arctgh", "arctanh", "arcsech", "arccosech",
                           "arccotgh", "arccotanh", "log10", "log2", "ln", "graus", "rad", "mant", "rnd", "rand"};
    for (const char* name : names) {
        const Result r = evaluateAt(std::string(name) + "(0.5)");
        EXPECT_FALSE(!r.ok && r.error == 1101) << name;
    }
    for (const char* name : {"min", "max", "random", "mod", "logn"}) {
        const Result r = evaluateAt(std::string(name) + "(3,5)");
        EXPECT_TRUE(r.ok) << name;
    }
    EXPECT_TRUE(fails(evaluateAt("seno(1)"), 1101, "Função não definida: seno()"));
}

TEST(FunctionLibrary, RandomNumbers) {
    std::set<double> faces;
    for (int i = 0; i < 400; ++i) {
        const Result r = evaluateAt("rand(6)");
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.value, std::floor(r.value));
        faces.insert(r.value);
        const Result between = evaluateAt("random(2,4)");
        EXPECT_GE(between.value, 2);
        EXPECT_LT(between.value, 4);
    }
    EXPECT_EQ(faces, (std::set<double>{0, 1, 2, 3, 4, 5}));
    // A negative argument is a seed: the same one always gives the same value.
    EXPECT_EQ(evaluateAt("rnd(-3)").value, evaluateAt("rnd(-3)").value);
    EXPECT_NE(evaluateAt("rnd(-3)").value, evaluateAt("rnd(-4)").value);
    // Zero repeats the value drawn last.
    const double drawn = evaluateAt("rnd(1)").value;
    EXPECT_EQ(evaluateAt("rnd(0)").value, drawn);
}
