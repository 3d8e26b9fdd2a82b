#include "task/answerkey.h"

#include "circuit/fit.h"
#include "circuit/keyline.h"
#include "circuit/leadingnumber.h"
#include "circuit/readings.h"

namespace task {

namespace {

QString shown(double coefficient)
{
    return QString::fromStdString(circuit::coefficientText(circuit::toSingle(coefficient), "."));
}

} // namespace

Values parameterValues(const std::array<QString, ParameterCount> &texts)
{
    Values values{};
    for (std::size_t i = 0; i < ParameterCount; ++i)
        values[i] = circuit::leadingNumber(texts[i].toStdString());
    return values;
}

KeyTexts keyTexts(const Values &v, int schema)
{
    using P = circuit::Parameter;
    auto at = [&v](P p) { return v[static_cast<std::size_t>(p)]; };
    const circuit::KeyLine line = circuit::keyLine(at(P::Edc), at(P::r), at(P::Ra), at(P::Rv), schema);
    return {shown(line.k), shown(line.b), shown(line.b), shown(-line.k)};
}

QStringList keyColumnNames()
{
    return {QStringLiteral("k1"), QStringLiteral("b1"), QStringLiteral("k2"), QStringLiteral("b2"),
            QStringLiteral("E1"), QStringLiteral("r1"), QStringLiteral("E2"), QStringLiteral("r2")};
}

QStringList keyColumns(const Values &values)
{
    const KeyTexts one = keyTexts(values, 1), two = keyTexts(values, 2);
    return {one.k, one.b, two.k, two.b, one.E, one.r, two.E, two.r};
}

} // namespace task
