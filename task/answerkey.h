// The teacher's answer key: for a variant, the line U = kI + b that each
// scheme's readings lie on, with k and b as the window shows a fit's, and
// the EMF and internal resistance a student reads off that line.
#pragma once

#include "task/taskfile.h"

#include <QString>
#include <QStringList>

#include <array>

namespace task {

// The parameters' values (E, r, Rv, Ra, Rmax), read from their texts as the
// window reads its boxes.
using Values = std::array<double, ParameterCount>;
Values parameterValues(const std::array<QString, ParameterCount> &texts);

// Scheme `schema`'s line: k and b in the fit's format, and E = b and r = -k
// as a student who takes the line at its word reads them.
struct KeyTexts {
    QString k, b, E, r;
};
KeyTexts keyTexts(const Values &values, int schema);

// The key's columns in the teacher's list, after the parameters: their
// names (k1, b1, k2, b2, E1, r1, E2, r2) and one variant's texts.
QStringList keyColumnNames();
QStringList keyColumns(const Values &values);

} // namespace task
