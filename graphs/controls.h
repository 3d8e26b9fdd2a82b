// Small helpers shared by the windows when they build their controls.
#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace graphs {

// Times New Roman (Cyrillic) at a point size such as 11.25.
QFont timesNewRoman(double points, bool bold = false);

// Gives a control its program name as object name, its tooltip, and as
// accessible name the tooltip or, without one, the caption ("&" removed).
void nameControl(QWidget *w, const QString &name, const QString &tooltip,
                 const QString &caption = {});

// Sets what a control shows as its accessible description, when it changed;
// assistive technology hears of the change.
void describe(QWidget *w, const QString &description);

} // namespace graphs
