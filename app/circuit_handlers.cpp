// The circuit: the rheostat and the meters, the wiring schemes, the key and
// the parameter boxes.
#include "app/form1.h"

#include "app/keylabel.h"
#include "app/lineshape.h"
#include "app/rheostat.h"
#include "circuit/bounds.h"
#include "circuit/leadingnumber.h"
#include "circuit/numberformat.h"
#include "circuit/readings.h"
#include "graphs/canvas.h"
#include "graphs/graphs.h"
#include "graphs/table.h"
#include "ui/fittext.h"
#include "ui/fonts.h"
#include "ui/messageboxes.h"
#include "ui/naming.h"
#include "ui/numbertexts.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

void Form1::HScroll1_Change()
{
    const int value = HScroll1->value();
    HScroll1->setOhmsPerStep(s.KR);
    s.RR = circuit::rheostatResistance(s.KR, value);
    s.X = circuit::thumbOffset(s.dlina, value, HScroll1->maximum());

    // The slider arrow stands over the thumb's centre.
    const float P = circuit::arrowPosition(HScroll1->x(), s.R_st, s.R_dv, s.X);
    Line1->setX1(P);
    Line1->setX2(Line1->X1());
    Line6->setX1(Line1->X1());
    Line2->setX1(Line1->X1());
    Line2->setX2(Line1->X1() - 4);
    Line3->setX1(Line1->X1());
    Line3->setX2(Line1->X1() + 4);
    Lbldv->move(qRound(Line1->X1() + 2), Lbldv->y());

    const circuit::Readings readings =
        circuit::meterReadings(s.Edc, s.r, s.Ra, s.Rv, s.RR, s.rabota, s.schema);
    s.I = readings.I;
    s.U = readings.U;

    showReading(Picture2, ui::formatNumber(s.I, "#0.000"));
    showReading(Picture1, ui::formatNumber(s.U, "#0.00"));
    const QString resistance = ui::generalSingle(s.RR);
    if (Lbldv->text() != resistance) {
        // Numbers too wide for their element are drawn smaller, never cut.
        ui::fitFont(Lbldv, ui::systemDefaultFont(), resistance, Lbldv->width() - 1);
        Lbldv->setText(resistance);
    }
    ui::showInName(Lbldv, Lbldv->toolTip(), resistance);
    ui::describe(HScroll1, resistance);
    // The new readings are told after the rheostat's own new value, or
    // after the key's new state; a reset tells only what it cleared.
    if (m_resetting == 0)
        announce(Picture2->accessibleName() + QStringLiteral("; ") + Picture1->accessibleName());
}

void Form1::showReading(graphs::Canvas *meter, const QString &text)
{
    if (meter->texts() == QStringList{text})
        return; // the meter shows it already, and nothing else
    ui::fitFont(meter, meterFont(), text, meter->width() - 1);
    meter->cls();
    meter->print(text);
    ui::showInName(meter, meter->toolTip(), text);
}

void Form1::Option1_Click()
{
    sbros();
    Picture2->move(Picture2->x(), 112); // ammeter beside the rheostat
    s.schema = 1;
    HScroll1_Change();
}

void Form1::Option2_Click()
{
    sbros();
    Picture2->move(Picture2->x(), 50); // ammeter in the main line
    s.schema = 2;
    HScroll1_Change();
}

void Form1::Lblvkl_Click()
{
    const bool closing = s.rabota == 0;
    // The focus on a control this change hides or locks goes to the
    // rheostat, which works in both modes, not on to whatever follows.
    QList<QWidget *> leaving = {TxtEdc, Txtr, TxtRv, TxtRa, TxtRmax, Option1, Option2};
    if (!closing)
        leaving = {graphs->table->N_S.begin() + 1, graphs->table->N_S.end()};
    if (leaving.contains(QApplication::focusWidget()))
        HScroll1->setFocus();
    Line14->setX2(closing ? 280 : 288);
    s.rabota = closing ? 1 : 0;
    Frame1->setVisible(!closing);
    Option1->setVisible(!closing);
    Option2->setVisible(!closing);
    for (QLineEdit *box : {TxtEdc, Txtr, TxtRv, TxtRa, TxtRmax})
        box->setEnabled(!closing);
    for (int i = 1; i <= 10; ++i)
        graphs->table->N_S[static_cast<std::size_t>(i)]->setVisible(closing);
    ui::showInName(Lblvkl, Lblvkl->toolTip(), keyState(closing));
    Lblvkl->setClosed(closing);
    //: Told to a screen reader when the switch closes, then its readings.
    announce(closing ? tr("Ключ замкнут")
                     //: Told to a screen reader when the switch opens, then its readings.
                     : tr("Ключ разомкнут"));
    HScroll1_Change();
}

QString Form1::keyState(bool closed)
{
    //: The switch's state, after its name: "Ключ: замкнут".
    return closed ? tr("замкнут")
                  //: The switch's state, after its name: "Ключ: разомкнут".
                  : tr("разомкнут");
}

void Form1::parameterChanged(QLineEdit *box, circuit::Parameter which, double &variable)
{
    const double value = circuit::leadingNumber(box->text().toStdString());
    variable = value;
    const circuit::Verdict verdict = circuit::checkParameter(which, value);
    auto reset = [this, which] {
        if (which == circuit::Parameter::Rmax)
            s.KR = circuit::ohmsPerStep(s.Rmax, HScroll1->maximum());
        sbros();
    };
    if (verdict.accepted) {
        reset();
        return;
    }
    // The value is set back once the message is closed.
    m_boxes->errorThen(this, QCoreApplication::translate("Parameters", verdict.message),
                       [box, &variable, verdict, reset] {
                           variable = verdict.resetValue;
                           // Runs this handler again for the reset text before returning.
                           box->setText(QString::fromStdString(circuit::signedText(verdict.resetValue)));
                           // The next keystroke replaces the reset text rather than adding
                           // to it a value the student never typed.
                           box->selectAll();
                           reset();
                       });
}

void Form1::TxtEdc_Change() { parameterChanged(TxtEdc, circuit::Parameter::Edc, s.Edc); }
void Form1::Txtr_Change() { parameterChanged(Txtr, circuit::Parameter::r, s.r); }
void Form1::TxtRv_Change() { parameterChanged(TxtRv, circuit::Parameter::Rv, s.Rv); }
void Form1::TxtRa_Change() { parameterChanged(TxtRa, circuit::Parameter::Ra, s.Ra); }
void Form1::TxtRmax_Change() { parameterChanged(TxtRmax, circuit::Parameter::Rmax, s.Rmax); }
