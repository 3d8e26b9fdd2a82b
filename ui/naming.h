// How a control is known: its program name, tooltip and accessible name, and
// what it shows told to assistive technology.
#pragma once

#include <QString>

class QWidget;

namespace ui {

// Gives a control its program name as object name, its tooltip, and as
// accessible name the tooltip or, without one, the caption ("&" removed).
void nameControl(QWidget *w, const QString &name, const QString &tooltip,
                 const QString &caption = {});

// Sets what a control shows as its accessible description, when it changed;
// assistive technology hears of the change.
void describe(QWidget *w, const QString &description);

// Puts what a control shows where a screen reader reads it: the accessible
// name becomes `name` (its tooltip, else its caption), ": " and the text as
// shown ("Сила тока, А: 0.105"; `name` alone while it shows nothing), and
// the description the text itself.
void showInName(QWidget *w, const QString &name, const QString &shown);

} // namespace ui
