#include "app/rheostat.h"

#include "app/rheostatstyle.h"
#include "circuit/numberformat.h"
#include "circuit/readings.h"
#include "ui/accessible.h"

#include <QAccessibleWidget>

#include <cmath>
#include <string>

Rheostat::Rheostat(QWidget *parent) : QScrollBar(Qt::Horizontal, parent)
{
    auto *style = new RheostatStyle();
    style->setParent(this);
    setStyle(style);
    setRange(0, circuit::RheostatSteps);
    setSingleStep(1);
    setPageStep(10);
    // Only a release of the dragged thumb, clicks and changes from code count.
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus); // arrow keys move the rheostat
    setInvertedControls(false);      // Right, Up and Page Up add resistance
}

namespace {

// Decimals of the shortest form the label shows ("55.5": 1, "1E-05": 5).
int shownDecimals(float ohms)
{
    const std::string text = circuit::generalSingle(ohms, ".");
    const std::size_t exponent = text.find('E');
    const std::string mantissa = text.substr(0, exponent);
    const std::size_t point = mantissa.find('.');
    int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    if (exponent != std::string::npos)
        decimals -= std::stoi(text.substr(exponent + 1));
    return std::max(decimals, 0);
}

class RheostatAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit RheostatAccessible(Rheostat *r) : QAccessibleWidget(r, QAccessible::ScrollBar) {}

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QVariant currentValue() const override { return ohmsAt(rheostat()->value()); }
    QVariant maximumValue() const override { return ohmsAt(rheostat()->maximum()); }
    QVariant minimumValue() const override { return ohmsAt(rheostat()->minimum()); }
    // A screen reader shows as many decimals as the step has: as many as the
    // label shows.
    QVariant minimumStepSize() const override
    {
        return std::pow(10.0, -shownDecimals(circuit::rheostatResistance(rheostat()->ohmsPerStep(),
                                                                         rheostat()->value())));
    }
    void setCurrentValue(const QVariant &ohms) override
    {
        const double KR = rheostat()->ohmsPerStep();
        if (KR > 0)
            rheostat()->setValue(static_cast<int>(std::lround(std::clamp(ohms.toDouble() / KR, -1e9, 1e9))));
    }

private:
    Rheostat *rheostat() const { return static_cast<Rheostat *>(widget()); }
    double ohmsAt(int step) const
    {
        return static_cast<double>(circuit::rheostatResistance(rheostat()->ohmsPerStep(), step));
    }
};

} // namespace

void Rheostat::installAccessibility()
{
    ui::installAccessible<Rheostat, RheostatAccessible>();
}
