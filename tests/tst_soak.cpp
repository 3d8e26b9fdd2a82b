// A long seeded random sequence of user events on the real main window,
// hostile texts included, with the window's invariants checked after every
// event. DCSIM_SOAK_EVENTS sets the number of events (10000 by default),
// DCSIM_SOAK_SEED the seed (1 by default); a failure names both and the
// events that led to it.
#include "circuit/leadingnumber.h"
#include "circuit/readings.h"
#include "graphs/canvas.h"
#include "tests/student.h"
#include "ui/numbertexts.h"

#include <cfloat>
#include <cmath>
#include <deque>
#include <random>

namespace {

std::mt19937 rng;
int below(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

// Answers like a person: a box sometimes lets pending events run first; the
// exit question is answered Yes now and then.
class RandomAnswers : public Recorder
{
    void error(QWidget *, const QString &text) override
    {
        errors << text;
        if (below(4) == 0)
            QCoreApplication::processEvents();
    }
    bool confirmExit(QWidget *) override { return below(4) == 0; }
};

// Texts a student could type or paste, and some no student should.
const QStringList Hostile = {"", "-", ".", "1e999", "-1e-400", "nan", "inf", "1e-40", "1e-310", "4.9e-324",
    "1.7976931348623157e308", "220", "220.0000001", "1", "0.99", "100000", "100001", "99.9", "100", "-5", "0",
    "1E-2", "1,5", "12abc", " 1 6", "0x1F", "1e+", "\x01\x1b\x7f", "\t\r", "Ом", "½", "١٢٣", "\U0001D7D9",
    "1\u00a05", "\u200f12", "e\u0301", "\U0001F50B", QString(10000, '9'), "0." + QString(9998, '0') + "1",
    "1e" + QString(5000, '9'), "1e-" + QString(5000, '9')};

QString randomText()
{
    static const QString pieces = "0123456789.-+eE ,\t";
    QString text;
    for (int i = below(12); i > 0; --i) {
        char32_t c = below(10) ? pieces[below(int(pieces.size()))].unicode() : 1 + char32_t(below(0x2FFFF));
        c = (c >= 0xD800 && c <= 0xDFFF) || c == '|' || c == '\n' ? U'Ж' : c; // no lone surrogate halves, no step separators
        text += QString::fromUcs4(&c, 1);
    }
    return text;
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
    case 5: return below(2) ? QStringLiteral("value %1").arg(below(101)) : QStringLiteral("drag %1 %2").arg(23 + below(155)).arg(below(240));
    case 6: return "focus " + (below(2) ? box : QString("HScroll1")) + "|key " + keys[below(10)];
    case 7: case 8: return QStringLiteral("type %1 %2").arg(box, text.left(24));
    case 9: return QStringLiteral("%1 %2 %3").arg(below(2) || box.startsWith("txt") ? "paste" : "set", box, text);
    case 10: return QStringLiteral("resize %1 %2").arg(sizes[below(7)].width()).arg(sizes[below(7)].height());
    case 11: return "fit";
    default: return below(3) ? "idle" : "close";
    }
}

QString shorten(QString s)
{
    s = s.size() > 40 ? s.left(30) + QStringLiteral("…(%1)").arg(s.size()) : s;
    for (QChar &c : s)
        c = c.isPrint() ? c : QChar('?');
    return s;
}

// What is wrong with the window, or nothing.
QString violation(const Student &st)
{
    const circuit::SimState &s = st.probe().s();
    if (st.read("key") != (s.rabota == 1 ? "280hhhvvddddd" : "288vvvhhvvvvv") || (s.rabota != 0 && s.rabota != 1))
        return "key " + QString::number(s.rabota) + " shows " + st.read("key");
    if (!st.read("chosen").startsWith(s.schema == 1 ? "Option1 " : "Option2 ") || !st.read("chosen").endsWith(s.schema == 1 ? " 112" : " 50"))
        return QStringLiteral("scheme %1 shows %2").arg(s.schema).arg(st.read("chosen"));
    const double values[5] = {s.Edc, s.r, s.Rv, s.Ra, s.Rmax};
    const bool inside[5] = {s.Edc >= 1 && s.Edc <= 220, s.r > 0 && std::isfinite(s.r), s.Rv > 0 && std::isfinite(s.Rv),
                            s.Ra >= 0 && s.Ra < 100, s.Rmax >= 1 && s.Rmax <= 100000};
    const char *boxes[5] = {"TxtEdc", "Txtr", "TxtRv", "TxtRa", "TxtRmax"};
    for (int i = 0; i < 5; ++i)
        if (!inside[i] || values[i] != circuit::leadingNumber(st.read(boxes[i]).toStdString()))
            return QStringLiteral("%1 holds %2 for \"%3\"").arg(boxes[i]).arg(values[i]).arg(shorten(st.read(boxes[i])));
    // Rheostat and meters, recomputed from the state.
    const int value = st.bar()->value();
    const circuit::Readings r = circuit::meterReadings(s.Edc, s.r, s.Ra, s.Rv, s.RR, s.rabota, s.schema);
    if (s.KR != s.Rmax / 100 || s.RR != circuit::rheostatResistance(s.KR, value) || s.X != circuit::thumbOffset(s.dlina, value, 100) ||
        st.find<LineShape>("Line1")->X1() != circuit::arrowPosition(st.bar()->x(), s.R_st, s.R_dv, s.X) || r.I != s.I || r.U != s.U ||
        st.read("meters") != ui::formatNumber(s.I, "#0.000") + " " + ui::formatNumber(s.U, "#0.00") || st.read("Lbldv") != ui::generalSingle(s.RR))
        return QStringLiteral("rheostat %1 or meters %2 disagree with the slider at %3").arg(s.RR).arg(st.read("meters")).arg(value);
    // The table: each row blank with zeros, or what its arrays hold; a reading
    // beyond the singles is held at the largest one while its cell shows the reading.
    for (std::size_t n = 1; n <= 10; ++n) {
        const QStringList cells = st.probe().table().rowTexts(n);
        const float row[5] = {s.I_m[n], s.U_m[n], s.Po_m[n], s.Pv_m[n], s.h_m[n]};
        auto reads = [](const QString &text, float v, double tolerance) {
            const double shown = std::strtod(qPrintable(text), nullptr);
            return std::fabs(v) == FLT_MAX ? std::fabs(shown) >= FLT_MAX : std::fabs(shown - v) <= tolerance + 1e-6 * std::fabs(v);
        };
        QStringList expected(5, "");
        if (st.probe().table().isRecorded(n) && reads(cells[0], row[0], 0.0005) && reads(cells[1], row[1], 0.005))
            expected = {cells[0], cells[1], ui::formatSingle(row[2], "##0.00"), ui::formatSingle(row[3], "##0.00"), ui::formatSingle(row[4], "##0.00")};
        if (cells != expected || (expected[0].isEmpty() && (row[0] || row[1] || row[2] || row[3] || row[4])) || !(row[4] >= 0 && row[4] <= 1))
            return QStringLiteral("row %1 shows %2").arg(n).arg(cells.join(' '));
    }
    // The graph chosen is the one shown; the fit's boxes are away.
    const QStringList chosen = st.read("chosen").split(' ');
    if (chosen.size() != 4 || chosen[1].right(1) != chosen[2].right(1) || !st.find("txtK")->isHidden() || !st.find("txtB")->isHidden())
        return "graphs or fit boxes shown wrongly: " + st.read("chosen");
    // Nothing shows infinity or NaN; no control has a negative size.
    QStringList shown = {st.form.windowTitle()};
    for (const graphs::Canvas *c : st.form.findChildren<graphs::Canvas *>())
        shown += c->texts();
    for (const QWidget *w : st.form.findChildren<QWidget *>()) {
        shown << w->accessibleName() << w->accessibleDescription();
        if (w->width() < 0 || w->height() < 0)
            return w->objectName() + " has a negative size";
    }
    for (const QString &text : shown)
        if (text.contains("inf", Qt::CaseInsensitive) || text.contains("nan", Qt::CaseInsensitive))
            return "shows \"" + shorten(text) + "\"";
    for (const QString &message : st.boxes.errors)
        if (!QStringList{"Маловато будет!", "Многовато будет!", "Опасно для жизни!"}.contains(message))
            return "message box \"" + message + "\"";
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
        const int events = qEnvironmentVariableIsSet("DCSIM_SOAK_EVENTS") ? qEnvironmentVariableIntValue("DCSIM_SOAK_EVENTS") : 10000;
        const int seed = qEnvironmentVariableIsSet("DCSIM_SOAK_SEED") ? qEnvironmentVariableIntValue("DCSIM_SOAK_SEED") : 1;
        rng.seed(unsigned(seed));
        std::unique_ptr<Form1> form;
        RandomAnswers *answers = nullptr;
        std::deque<QString> recent; // the last events, for the failure message
        int windows = 0, errors = 0;
        for (int i = 0; i <= events; ++i) {
            if (!form || form->isHidden()) {
                // The exit question was answered Yes and the program told to end.
                // Its event loop runs out, and a new program's window takes over.
                if (form)
                    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); }), QCoreApplication::exec();
                errors += answers ? int(answers->errors.size()) : 0;
                form.reset(), form = std::make_unique<Form1>(std::unique_ptr<MessageBoxes>(answers = new RandomAnswers)), form->show(), ++windows;
            }
            const Student student{*form, *answers};
            QString step = i ? randomStep() : "idle";
            step = step == "fit" && form->findChild<QWidget *>("Picture3")->isHidden() ? "idle" : step;
            recent.push_back(shorten(step));
            if (recent.size() > 25)
                recent.pop_front();
            if (step == "fit") { // sometimes with another event inside its wait, which is then cut short
                const QString inside = below(2) ? randomStep().replace("close", "idle").replace("fit", "idle") : "idle";
                recent.back() += " with " + shorten(inside) + " inside its wait";
                QTimer::singleShot(0, form.get(), [f = form.get(), a = answers, inside] { f->isVisible() ? perform({*f, *a}, inside) : void(); });
                shortenWait(*form);
                student.run(below(4) ? "click Picture3 " + QString::number(1 + below(240)) + " 5" : QString("focus Picture3|key Space"));
            } else {
                perform(student, step);
            }
            QCoreApplication::processEvents();
            if (form->isHidden())
                continue;
            const QString bad = violation(student);
            QVERIFY2(bad.isEmpty() && !QTest::currentTestFailed(), qPrintable(QStringLiteral("seed %1, event %2: %3\nlast events:\n  %4")
                                                                                 .arg(seed).arg(i).arg(bad, QStringList(recent.begin(), recent.end()).join("\n  "))));
        }
        qInfo("%d events from seed %d, %d windows, %d error boxes answered", events, seed, windows, errors + int(answers->errors.size()));
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
