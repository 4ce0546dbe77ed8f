// The entries of "FUNÇÕES DEFINIDAS": one per function name that expressions may use, in the order
// of the list on its second page, with the page each stands on and its sample expressions.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace plotaris {

struct HelpFunctionEntry {
    int page;             // page of the window, from 3
    QString name;         // "abs"
    QString arguments;    // "( )", or "( , )" for the functions of two arguments
    QStringList bullets;  // what the function is, its definition and remarks ($…$ are formulas)
    QStringList samples;  // one sample line each; a line may offer two forms joined by "ou"
    QString heading() const { return name + u' ' + arguments; }
};

const std::vector<HelpFunctionEntry>& helpFunctionEntries();

// The expressions of one sample line ("exp (cos (2x))   ou   e ^ cos (2x)" holds two).
QStringList sampleExpressions(const QString& sampleLine);

}  // namespace plotaris
