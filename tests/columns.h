// The columns of a data-driven test declared at once:
// columns<QString, double>("text", "value").
#pragma once

#include <QTest>

template <class... T, class... Names> void columns(Names... names)
{
    (QTest::addColumn<T>(names), ...);
}
