// The rheostat: a horizontal scroll bar of 100 steps, each worth KR ohms.
//
// Assistive technology reads its value in ohms, as the label beside the
// slider shows it (55.5 at Rmax 150 and step 37), not in steps.
#pragma once

#include <QScrollBar>

class Rheostat : public QScrollBar
{
    Q_OBJECT
public:
    explicit Rheostat(QWidget *parent);

    // Ohms per step, KR, as the reset sets it.
    void setOhmsPerStep(double KR) { m_ohmsPerStep = KR; }
    double ohmsPerStep() const { return m_ohmsPerStep; }

    // Makes rheostats known to assistive technology. Called once.
    static void installAccessibility();

private:
    double m_ohmsPerStep = 0;
};
