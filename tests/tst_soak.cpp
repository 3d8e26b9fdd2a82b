// A long seeded random sequence of user events on the real main window,
// hostile texts included, with the window's invariants checked after every
// event. DCSIM_SOAK_EVENTS sets the number of events (10000 by default),
// DCSIM_SOAK_SEED the seed (1 by default); a failure names both and the
// events that led to it.
#include "circuit/bounds.h"
#include "circuit/leadingnumber.h"
#include "circuit/readings.h"
#include "graphs/canvas.h"
#include "tests/student.h"
#include "ui/numbertexts.h"

#include <cfloat>
#include <cmath>
#include <random>

namespace {

std::mt19937 rng;
int below(int n) { return int(rng() % unsigned(n)); }

// Answers like a person: a box sometimes lets pending events run first; the
// exit question is answered No (leaving is the exit test's).
class RandomAnswers : public Recorder
{
    void error(QWidget *, const QString &text) override
    {
        errors << text;
        if (below(4) == 0)
            QCoreApplication::processEvents();
    }
};

// Texts a student could type or paste, and some no student should.
const QStringList Hostile = {"", "-", "1e999", "-1e-400", "nan", "1e-310", "1.7976931348623157e308", "220.0000001",
    "0.99", "100001", "99.9", "-5", "1,5", "12abc", " 1 6", "\x01\x1b\x7f", "١٢٣", "\U0001D7D9", "\u200f12",
    QString(10000, '9'), "0." + QString(9998, '0') + "1", "1e" + QString(5000, '9'), "1e-" + QString(5000, '9')};

QString randomText()
{
    static const QString pieces = "0123456789.-+eE ,\t";
    QString text;
    for (int i = below(12); i > 0; --i)
        text += below(10) ? pieces[below(int(pieces.size()))] : QChar(1 + below(0xD7FF));
    return text.replace('|', u'Ж').replace('\n', u'Ж'); // no step separators
}

// One random event of a user's or of the window system's, as a step.
QString randomStep()
{
    const QString boxes[7] = {"TxtEdc", "Txtr", "TxtRv", "TxtRa", "TxtRmax", "txtK", "txtB"}, box = boxes[below(7)];
    const QString text = below(2) ? Hostile[below(int(Hostile.size()))] : randomText();
    const QString keys[10] = {"Left", "Right", "PgUp", "PgDown", "Home", "End", "Backspace", "Del", "Ctrl+Z", "Ctrl+C"};
    const QSize sizes[] = {{0, 0}, {1, 1}, {120, 60}, {299, 209}, {300, 210}, {549, 461}, {below(1600), below(1000)}};
    switch (below(13)) {
    case 0: return "click Lblvkl";
    case 1: return QStringLiteral("click Option%1").arg(1 + below(5));
    case 2: case 3: return QStringLiteral("click N_S(%1)").arg(1 + below(10));
    case 4: return QStringLiteral("click HScroll1 %1 12").arg(below(240));
    case 5:
        if (below(2))
            return QStringLiteral("value %1").arg(below(101));
        return QStringLiteral("drag %1 %2").arg(23 + below(155)).arg(below(240));
    case 6: return "focus " + (below(2) ? box : QString("HScroll1")) + "|key " + keys[below(10)];
    case 7: case 8: return QStringLiteral("type %1 %2").arg(box, text.left(24));
    case 9: return QStringLiteral("%1 %2 %3").arg(below(2) || box.startsWith("txt") ? "paste" : "set", box, text);
    case 10: return QStringLiteral("resize %1 %2").arg(sizes[below(7)].width()).arg(sizes[below(7)].height());
    case 11: return "fit";
    default: return below(3) ? "idle" : "close";
    }
}

// Whether a recorded cell shows the single `v` (held at the largest single when the reading was beyond it).
bool shows(const QString &cell, float v)
{
    const double shown = cell.toDouble();
    return std::fabs(v) == FLT_MAX ? std::fabs(shown) >= FLT_MAX : std::fabs(shown - v) <= 0.005 + 1e-6 * std::fabs(v);
}

// What is wrong with the window, or nothing.
QString violation(const Student &st)
{
    const circuit::SimState &s = st.probe().s();
    if (st.read("key") != (s.rabota == 1 ? "280hhhvvddddd" : "288vvvhhvvvvv") || (s.rabota != 0 && s.rabota != 1))
        return "key " + QString::number(s.rabota) + " shows " + st.read("key");
    // The parameters within their bounds, each what its box reads.
    const double values[5] = {s.Edc, s.r, s.Rv, s.Ra, s.Rmax};
    const char *boxes[5] = {"TxtEdc", "Txtr", "TxtRv", "TxtRa", "TxtRmax"};
    for (int i = 0; i < 5; ++i)
        if (!circuit::checkParameter(circuit::Parameter(i), values[i]).accepted ||
            values[i] != circuit::leadingNumber(st.read(boxes[i]).toStdString()))
            return QStringLiteral("%1 holds %2 for %3").arg(boxes[i]).arg(values[i]).arg(st.read(boxes[i]).left(40));
    // Rheostat, arrow and meters, recomputed from the state and the slider.
    const int value = st.bar()->value();
    const circuit::Readings r = circuit::meterReadings(s.Edc, s.r, s.Ra, s.Rv, s.RR, s.rabota, s.schema);
    const QString meters = ui::formatNumber(s.I, "#0.000") + " " + ui::formatNumber(s.U, "#0.00");
    const float arrow = circuit::arrowPosition(st.bar()->x(), s.R_st, s.R_dv, s.X);
    if (s.KR != s.Rmax / 100 || s.RR != circuit::rheostatResistance(s.KR, value) || r.I != s.I || r.U != s.U ||
        s.X != circuit::thumbOffset(s.dlina, value, 100) || st.find<LineShape>("Line1")->X1() != arrow ||
        st.read("meters") != meters || st.read("Lbldv") != ui::generalSingle(s.RR))
        return QStringLiteral("rheostat %1, meters %2, slider at %3").arg(s.RR).arg(st.read("meters")).arg(value);
    // Each table row blank with zeros in its arrays, or showing what they hold.
    for (std::size_t n = 1; n <= 10; ++n) {
        const QStringList cells = st.probe().table().rowTexts(n);
        const float row[5] = {s.I_m[n], s.U_m[n], s.Po_m[n], s.Pv_m[n], s.h_m[n]};
        for (int k = 0; k < 5; ++k)
            if (st.probe().table().isRecorded(n) ? !shows(cells[k], row[k]) : !cells[k].isEmpty() || row[k] != 0)
                return QStringLiteral("row %1 shows %2").arg(n).arg(cells.join(' '));
    }
    // Nothing shows infinity or NaN; no control has a negative size.
    QList<QWidget *> widgets = st.form.findChildren<QWidget *>();
    for (const QWidget *w : widgets << &st.form) {
        const auto *canvas = qobject_cast<const graphs::Canvas *>(w);
        const QString texts = w->windowTitle() + w->accessibleName() + w->accessibleDescription() +
                              (canvas ? canvas->texts().join(' ') : QString());
        if (w->width() < 0 || w->height() < 0 || texts.contains("inf", Qt::CaseInsensitive) ||
            texts.contains("nan", Qt::CaseInsensitive))
            return QStringLiteral("%1 %2x%3 shows %4").arg(w->objectName()).arg(w->width()).arg(w->height()).arg(texts);
    }
    return {};
}

// Runs the step if the student can do it: only what they can reach, and edit, changes from outside.
void perform(const Student &student, const QString &step)
{
    QWidget *w = student.find(step.section(' ', 1, 1));
    if (step == "idle")
        QTest::qWait(below(3));
    else if (!w || (w->isVisible() && (!step.startsWith("set ") || w->isEnabled())))
        student.run(step);
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT
private slots:
    void randomEvents()
    {
        const int events = qEnvironmentVariable("DCSIM_SOAK_EVENTS", "10000").toInt();
        const int seed = qEnvironmentVariable("DCSIM_SOAK_SEED", "1").toInt();
        rng.seed(unsigned(seed));
        auto *answers = new RandomAnswers;
        Form1 form{std::unique_ptr<MessageBoxes>(answers)};
        form.show();
        QStringList recent; // the last events, for the failure message
        for (int i = 0; i <= events; ++i) {
            QString step = i ? randomStep() : "idle";
            if (step == "fit" && form.findChild<QWidget *>("Picture3")->isVisible()) {
                // The U(I) graph pressed, sometimes with another event inside the fit's wait, which is then cut short.
                const QString inside = below(2) ? randomStep().replace("fit", "idle") : "idle";
                QTimer::singleShot(0, &form, [&, inside] { perform({form, *answers}, inside); });
                shortenWait(form);
                const QString click = QStringLiteral("click Picture3 %1 5").arg(1 + below(240));
                step = below(4) ? click : "focus Picture3|key Space";
                recent << step + " with " + inside.left(40) + " inside its wait";
            } else {
                step = step == "fit" ? "idle" : step;
                recent << step.left(40);
            }
            perform({form, *answers}, step);
            QCoreApplication::processEvents();
            const QString bad = violation({form, *answers});
            QVERIFY2(bad.isEmpty() && !QTest::currentTestFailed(),
                     qPrintable(QStringLiteral("seed %1, event %2: %3\nlast events:\n  ").arg(seed).arg(i).arg(bad) +
                                recent.mid(recent.size() - 25).join("\n  ")));
        }
        qInfo("%d events from seed %d, %d error boxes answered", events, seed, int(answers->errors.size()));
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
