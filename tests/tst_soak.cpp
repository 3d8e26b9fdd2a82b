// A long seeded random sequence of user events on the real main window,
// hostile texts included, with the window's invariants checked after every
// event. DCSIM_SOAK_EVENTS sets the number of events (10000 by default),
// DCSIM_SOAK_SEED the seed (1 by default); a failure names both and the
// events that led to it.
#include "app/form1.h"
#include "app/keylabel.h"
#include "app/lineshape.h"
#include "app/rheostat.h"
#include "circuit/leadingnumber.h"
#include "circuit/numberformat.h"
#include "circuit/readings.h"
#include "graphs/canvas.h"
#include "graphs/graphs.h"
#include "graphs/plots.h"
#include "graphs/table.h"
#include "ui/numbertexts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <map>
#include <random>

namespace {

using Rng = std::mt19937;

int below(Rng &rng, int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

const QStringList Messages = {QStringLiteral("Маловато будет!"), QStringLiteral("Многовато будет!"),
                              QStringLiteral("Опасно для жизни!")};

// Answers the message boxes. Like a real modal box it sometimes lets
// pending events run before it is answered; the exit question is answered
// Yes now and then.
class RandomAnswers : public MessageBoxes
{
public:
    explicit RandomAnswers(Rng &rng) : m_rng(rng) {}
    int errors = 0;
    int exitQuestions = 0;
    QString unknownMessage;

    void error(QWidget *, const QString &text) override
    {
        ++errors;
        if (!Messages.contains(text))
            unknownMessage = text;
        if (below(m_rng, 4) == 0)
            QCoreApplication::processEvents();
    }
    bool confirmExit(QWidget *) override
    {
        ++exitQuestions;
        return below(m_rng, 4) == 0;
    }

private:
    Rng &m_rng;
};

// Texts a student could type or paste, and some no student should.
QStringList hostileTexts()
{
    QStringList t = {"", "-", "+", ".", "1e999", "-1e-400", "nan", "NaN", "inf", "-inf", "1e-40",
                     "1e-310", "4.9e-324", "1.7976931348623157e308", "1e308", "220", "220.0000001",
                     "1", "0.99", "100000", "100001", "99.9", "100", "-5", "0", "-0", "1e5", "1E-2",
                     "1,5", "12abc", " 1 6", "0x1F", "1e+", "1e", "00000000000000000001",
                     "\x01\x02\x1b\x7f", "\t\n\r", "1\t6", QStringLiteral("Ом"), QStringLiteral("½"),
                     QStringLiteral("١٢٣"), QStringLiteral("\U0001D7D9"), QStringLiteral("1\u00a05"),
                     QStringLiteral("\u200f12"), QStringLiteral("1\u200b6"), QStringLiteral("e\u0301"),
                     QStringLiteral("\U0001F50B"), QStringLiteral("двенадцать")};
    t << QString(10000, QLatin1Char('9')) << QStringLiteral("1") + QString(9999, QLatin1Char('0'))
      << QStringLiteral("0.") + QString(9998, QLatin1Char('0')) + QStringLiteral("1")
      << QStringLiteral("1e") + QString(5000, QLatin1Char('9'))
      << QStringLiteral("1e-") + QString(5000, QLatin1Char('9'));
    return t;
}

QString randomText(Rng &rng)
{
    static const QString pieces = QStringLiteral("0123456789.-+eE ,\t");
    QString text;
    const int n = below(rng, 12);
    for (int i = 0; i < n; ++i) {
        if (below(rng, 10) == 0) {
            char32_t c = 1 + static_cast<char32_t>(below(rng, 0x2FFFF));
            if (c >= 0xD800 && c <= 0xDFFF)
                c = 0x416; // no lone surrogate halves
            text += QString::fromUcs4(&c, 1);
        } else {
            text += pieces[below(rng, static_cast<int>(pieces.size()))];
        }
    }
    return text;
}

QString shorten(const QString &s)
{
    QString out = s.size() > 24 ? s.left(12) + QStringLiteral("…(%1)").arg(s.size()) : s;
    for (QChar &c : out)
        if (!c.isPrint())
            c = QLatin1Char('?');
    return out;
}

class Soak
{
public:
    Soak(unsigned seed) : rng(seed), texts(hostileTexts()) { newWindow(); }

    Rng rng;
    std::unique_ptr<Form1> form;
    RandomAnswers *answers = nullptr;
    QStringList texts;
    std::deque<QString> recent; // the last events, for the failure message
    std::map<QString, int> counts;
    int windows = 0;
    int errorsAnswered = 0;

    void newWindow()
    {
        if (answers)
            errorsAnswered += answers->errors;
        form.reset();
        auto boxes = std::make_unique<RandomAnswers>(rng);
        answers = boxes.get();
        form = std::make_unique<Form1>(std::move(boxes));
        form->fitSeconds = 0.002;
        form->show();
        ++windows;
        settle();
    }

    static void settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    void note(const QString &what)
    {
        ++counts[what.section(QLatin1Char(' '), 0, 0)];
        recent.push_back(what);
        if (recent.size() > 25)
            recent.pop_front();
    }

    static void click(QWidget *w, QPoint at = {})
    {
        QTest::mouseClick(w, Qt::LeftButton, {}, at.isNull() ? w->rect().center() : at);
    }

    QLineEdit *randomBox()
    {
        QLineEdit *boxes[7] = {form->TxtEdc, form->Txtr, form->TxtRv, form->TxtRa, form->TxtRmax,
                               form->txtK, form->txtB};
        return boxes[below(rng, 7)];
    }

    // Types each character as a keystroke of its own.
    static void type(QLineEdit *box, const QString &text)
    {
        for (const QChar c : text) {
            const ushort u = c.unicode();
            const Qt::Key key = u >= 0x20 && u < 0x7f ? Qt::Key(QChar(u).toUpper().unicode()) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, box, key, QString(c), Qt::NoModifier);
        }
    }

    void keystrokes(QLineEdit *box)
    {
        const QString text = below(rng, 2) ? texts[below(rng, static_cast<int>(texts.size()))] : randomText(rng);
        box->setFocus();
        switch (below(rng, 6)) {
        case 0:
        case 1:
            // Over the whole text selected, or at some place in it.
            if (below(rng, 2))
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            else
                box->setCursorPosition(below(rng, static_cast<int>(box->text().size()) + 1));
            if (text.size() <= 24) {
                note(QStringLiteral("type %1 \"%2\"").arg(box->objectName(), shorten(text)));
                type(box, text);
                return;
            }
            [[fallthrough]];
        case 2:
            note(QStringLiteral("paste %1 \"%2\"").arg(box->objectName(), shorten(text)));
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            return;
        case 3:
            if (!box->isEnabled() || box->isReadOnly())
                return keystrokes(box); // only what the student can edit changes from outside
            note(QStringLiteral("setText %1 \"%2\"").arg(box->objectName(), shorten(text)));
            box->setText(text);
            return;
        case 4: {
            const Qt::Key keys[5] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End, Qt::Key_Z};
            const Qt::Key key = keys[below(rng, 5)];
            note(QStringLiteral("keypress %1 %2").arg(box->objectName()).arg(int(key), 0, 16));
            QTest::keyClick(box, key, key == Qt::Key_Z ? Qt::ControlModifier : Qt::NoModifier);
            return;
        }
        default:
            note(QStringLiteral("selectAll-delete %1").arg(box->objectName()));
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
            return;
        }
    }

    void slider()
    {
        QScrollBar *bar = form->HScroll1;
        const int y = bar->height() / 2;
        switch (below(rng, 6)) {
        case 0:
            note(QStringLiteral("slider left-arrow"));
            click(bar, {5, y});
            break;
        case 1:
            note(QStringLiteral("slider right-arrow"));
            click(bar, {bar->width() - 5, y});
            break;
        case 2: {
            const int x = 17 + below(rng, std::max(1, bar->width() - 34));
            note(QStringLiteral("slider track %1").arg(x));
            click(bar, {x, y});
            break;
        }
        case 3: {
            const int v = below(rng, 101);
            note(QStringLiteral("slider setValue %1").arg(v));
            bar->setValue(v);
            break;
        }
        case 4: {
            const Qt::Key keys[6] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown,
                                     Qt::Key_Home, Qt::Key_End};
            const Qt::Key key = keys[below(rng, 6)];
            note(QStringLiteral("slider key %1").arg(int(key), 0, 16));
            bar->setFocus();
            QTest::keyClick(bar, key);
            break;
        }
        default: {
            // Drags the thumb to another place and lets it go there.
            const int from = 17 + 6 + static_cast<int>(1.54 * bar->value());
            const int to = below(rng, bar->width());
            note(QStringLiteral("slider drag %1 %2").arg(from).arg(to));
            QTest::mousePress(bar, Qt::LeftButton, {}, {from, y});
            QTest::mouseMove(bar, {(from + to) / 2, y});
            QTest::mouseMove(bar, {to, y});
            QTest::mouseRelease(bar, Qt::LeftButton, {}, {to, y});
            break;
        }
        }
    }

    void resize()
    {
        static const QSize sizes[] = {{0, 0}, {1, 1}, {120, 60}, {299, 209}, {300, 210}, {301, 211},
                                      {549, 461}, {800, 600}};
        QSize size = below(rng, 3) ? sizes[below(rng, 8)] : QSize(below(rng, 1600), below(rng, 1000));
        note(QStringLiteral("resize %1x%2").arg(size.width()).arg(size.height()));
        form->resize(size);
        if (below(rng, 3) == 0) {
            settle();
            form->resize(549, 461); // and back
        }
    }

    // One random event of a user's, or of the window system's. `nested`
    // events run inside the fit's wait and never close the window.
    void event(bool nested = false)
    {
        graphs::Graphs *g = form->graphs;
        const int kind = below(rng, nested ? 90 : 100);
        if (kind < 10) {
            note(QStringLiteral("key"));
            click(form->Lblvkl);
        } else if (kind < 16) {
            QRadioButton *o = below(rng, 2) ? form->Option1 : form->Option2;
            if (!o->isVisible())
                return event(nested);
            note(QStringLiteral("scheme %1").arg(o->objectName()));
            click(o);
        } else if (kind < 22) {
            QRadioButton *choices[3] = {g->plots->Option3, g->plots->Option4, g->plots->Option5};
            QRadioButton *o = choices[below(rng, 3)];
            note(QStringLiteral("graph %1").arg(o->objectName()));
            click(o);
        } else if (kind < 34) {
            const int n = 1 + below(rng, 10);
            QPushButton *b = g->table->N_S[static_cast<std::size_t>(n)];
            if (!b->isVisible())
                return event(nested);
            note(QStringLiteral("measure %1").arg(n));
            click(b);
        } else if (kind < 40) {
            if (!g->plots->Picture3->isVisible())
                return event(nested);
            const bool inside = !nested && below(rng, 2);
            note(QStringLiteral("fit%1").arg(inside ? QStringLiteral(" with an event inside its wait") : QString()));
            if (inside)
                QTimer::singleShot(0, form.get(), [this] {
                    if (form->isVisible())
                        event(true);
                });
            if (below(rng, 4) == 0) {
                g->plots->Picture3->setFocus();
                QTest::keyClick(g->plots->Picture3, Qt::Key_Space);
            } else {
                click(g->plots->Picture3, {1 + below(rng, std::max(1, g->plots->Picture3->width() - 2)),
                                    1 + below(rng, std::max(1, g->plots->Picture3->height() - 2))});
            }
        } else if (kind < 55) {
            slider();
        } else if (kind < 82) {
            keystrokes(randomBox());
        } else if (kind < 88) {
            resize();
        } else if (kind < 90) {
            note(QStringLiteral("copy-table"));
            QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier);
        } else if (kind < 97) {
            note(QStringLiteral("idle"));
            QTest::qWait(below(rng, 3));
        } else {
            note(QStringLiteral("close"));
            form->close();
        }
    }
};

bool hasInfNan(const QString &text)
{
    return text.contains(QLatin1String("inf"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

double parameterBound(const QLineEdit *box)
{
    return circuit::leadingNumber(box->text().toStdString());
}

// Whether a shown table cell reads as `value` within `tolerance`. A reading
// beyond the singles is held at the largest single in its array while the
// cell shows the reading itself.
bool cellReads(const QLabel *cell, float value, double tolerance)
{
    // strtod, as the largest readings round beyond the doubles.
    const QByteArray text = cell->text().toLatin1();
    char *end = nullptr;
    const double shown = std::strtod(text.constData(), &end);
    const bool ok = !text.isEmpty() && end == text.constData() + text.size();
    if (ok && std::fabs(value) == FLT_MAX)
        return std::fabs(shown) >= FLT_MAX && (shown < 0) == (value < 0);
    return ok && std::fabs(shown - value) <= tolerance + 1e-6 * std::fabs(value);
}

// What is wrong with the window, or nothing.
QString violation(const Form1 &f)
{
    const circuit::SimState &s = f.s;
    const bool closed = s.rabota == 1;
    if (!(s.rabota == 0 || s.rabota == 1) || f.Line14->X2() != (closed ? 280 : 288))
        return QStringLiteral("key %1 but blade at %2").arg(s.rabota).arg(f.Line14->X2());
    for (const QLineEdit *box : {f.TxtEdc, f.Txtr, f.TxtRv, f.TxtRa, f.TxtRmax})
        if (box->isEnabled() == closed)
            return QStringLiteral("%1 enabled with the key %2").arg(box->objectName()).arg(s.rabota);
    for (const QWidget *w : {static_cast<const QWidget *>(f.Frame1), static_cast<const QWidget *>(f.Option1),
                             static_cast<const QWidget *>(f.Option2)})
        if (w->isHidden() != closed)
            return QStringLiteral("%1 shown wrongly with the key %2").arg(w->objectName()).arg(s.rabota);
    for (std::size_t n = 1; n <= 10; ++n)
        if (f.graphs->table->N_S[n]->isHidden() == closed)
            return QStringLiteral("button %1 shown wrongly with the key %2").arg(n).arg(s.rabota);
    if (!(s.schema == 1 && f.Option1->isChecked() && f.Picture2->y() == 112) &&
        !(s.schema == 2 && f.Option2->isChecked() && f.Picture2->y() == 50))
        return QStringLiteral("scheme %1 disagrees with its buttons (%2 %3) or the ammeter (%4)")
            .arg(s.schema).arg(f.Option1->isChecked()).arg(f.Option2->isChecked()).arg(f.Picture2->y());

    // Parameters: what the boxes say, inside their bounds.
    const struct {
        const QLineEdit *box;
        double value;
        bool inside;
    } params[5] = {{f.TxtEdc, s.Edc, s.Edc >= 1 && s.Edc <= 220},
                   {f.Txtr, s.r, s.r > 0 && std::isfinite(s.r)},
                   {f.TxtRv, s.Rv, s.Rv > 0 && std::isfinite(s.Rv)},
                   {f.TxtRa, s.Ra, s.Ra >= 0 && s.Ra < 100},
                   {f.TxtRmax, s.Rmax, s.Rmax >= 1 && s.Rmax <= 100000}};
    for (const auto &p : params)
        if (!p.inside || p.value != parameterBound(p.box))
            return QStringLiteral("%1 holds %2 for the text \"%3\"")
                .arg(p.box->objectName()).arg(p.value).arg(shorten(p.box->text()));
    if (s.KR != s.Rmax / 100)
        return QStringLiteral("KR %1 for Rmax %2").arg(s.KR).arg(s.Rmax);

    // Rheostat and meters, recomputed from the state.
    const int value = f.HScroll1->value();
    if (s.RR != circuit::rheostatResistance(s.KR, value) ||
        s.X != circuit::thumbOffset(s.dlina, value, f.HScroll1->maximum()) ||
        f.Line1->X1() != circuit::arrowPosition(f.HScroll1->x(), s.R_st, s.R_dv, s.X))
        return QStringLiteral("rheostat %1 / arrow %2 disagree with the slider at %3").arg(s.RR).arg(f.Line1->X1()).arg(value);
    const circuit::Readings r = circuit::meterReadings(s.Edc, s.r, s.Ra, s.Rv, s.RR, s.rabota, s.schema);
    if (r.I != s.I || r.U != s.U)
        return QStringLiteral("meters hold %1, %2; the circuit gives %3, %4").arg(s.I).arg(s.U).arg(r.I).arg(r.U);
    if (f.Picture2->texts() != QStringList{ui::formatNumber(s.I, "#0.000")} ||
        f.Picture1->texts() != QStringList{ui::formatNumber(s.U, "#0.00")} ||
        f.Lbldv->text() != ui::generalSingle(s.RR))
        return QStringLiteral("meters show %1, %2, %3").arg(f.Picture2->texts().join('|'), f.Picture1->texts().join('|'), f.Lbldv->text());

    // The table: each row blank with zeros, or what its arrays hold.
    for (std::size_t n = 1; n <= 10; ++n) {
        const graphs::Graphs &g = *f.graphs;
        const QLabel *cells[5] = {g.table->lblI[n], g.table->lblU[n], g.table->lblP0[n], g.table->lblPv[n], g.table->lblKPD[n]};
        const float values[5] = {s.I_m[n], s.U_m[n], s.Po_m[n], s.Pv_m[n], s.h_m[n]};
        int blanks = 0;
        for (const QLabel *c : cells)
            blanks += c->text() == QLatin1String(" ");
        const QString row = QStringLiteral("row %1: %2 %3 %4 %5 %6").arg(n).arg(values[0]).arg(values[1])
                                .arg(values[2]).arg(values[3]).arg(values[4]);
        if (blanks == 5) {
            for (float v : values)
                if (v != 0)
                    return row + QStringLiteral(" is blank but not zero");
            continue;
        }
        if (blanks != 0)
            return row + QStringLiteral(" partly blank");
        for (float v : values)
            if (!std::isfinite(v))
                return row + QStringLiteral(" not finite");
        if (!cellReads(cells[0], values[0], 0.0005) || !cellReads(cells[1], values[1], 0.005) ||
            cells[2]->text() != ui::formatSingle(values[2], "##0.00") ||
            cells[3]->text() != ui::formatSingle(values[3], "##0.00") ||
            cells[4]->text() != ui::formatSingle(values[4], "##0.00"))
            return row + QStringLiteral(" shows %1 %2 %3 %4 %5").arg(cells[0]->text(), cells[1]->text(),
                                                                    cells[2]->text(), cells[3]->text(), cells[4]->text());
        if (values[4] < 0 || values[4] > 1)
            return row + QStringLiteral(" efficiency outside 0..1");
    }

    // The graph chosen is the one shown; the fit's boxes are away.
    const graphs::Graphs &g = *f.graphs;
    const QRadioButton *options[3] = {g.plots->Option3, g.plots->Option4, g.plots->Option5};
    const graphs::Canvas *canvases[3] = {g.plots->Picture3, g.plots->Picture4, g.plots->Picture5};
    int checked = 0;
    for (int i = 0; i < 3; ++i) {
        checked += options[i]->isChecked();
        if (options[i]->isChecked() == canvases[i]->isHidden())
            return QStringLiteral("%1 shown wrongly").arg(canvases[i]->objectName());
    }
    if (checked != 1)
        return QStringLiteral("%1 graphs chosen").arg(checked);
    if (!f.txtK->isHidden() || !f.txtB->isHidden())
        return QStringLiteral("fit boxes left shown");

    // Nothing shows infinity or NaN; no control has a negative size.
    QStringList shown = {f.txtK->text(), f.txtB->text(), f.windowTitle()};
    for (const graphs::Canvas *c : f.findChildren<graphs::Canvas *>())
        shown += c->texts();
    for (const QLabel *l : f.findChildren<QLabel *>())
        shown += l->text();
    for (const QWidget *w : f.findChildren<QWidget *>()) {
        shown += w->accessibleDescription();
        if (w->width() < 0 || w->height() < 0)
            return QStringLiteral("%1 has the size %2x%3").arg(w->objectName()).arg(w->width()).arg(w->height());
    }
    for (const QString &text : shown)
        if (hasInfNan(text))
            return QStringLiteral("shows \"%1\"").arg(shorten(text));
    for (const LineShape *l : f.findChildren<LineShape *>())
        if (!std::isfinite(l->X1()) || !std::isfinite(l->X2()) || !std::isfinite(l->Y1()) || !std::isfinite(l->Y2()))
            return QStringLiteral("%1 not finite").arg(l->objectName());
    return {};
}

unsigned fromEnvironment(const char *name, unsigned fallback)
{
    bool ok = false;
    const unsigned v = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? v : fallback;
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT
private slots:
    void randomEvents();
};

void TestSoak::randomEvents()
{
    const unsigned events = fromEnvironment("DCSIM_SOAK_EVENTS", 10000);
    const unsigned seed = fromEnvironment("DCSIM_SOAK_SEED", 1);
    Soak soak(seed);
    QString bad = violation(*soak.form);
    QVERIFY2(bad.isEmpty(), qPrintable(bad));
    for (unsigned i = 1; i <= events; ++i) {
        soak.event();
        Soak::settle();
        if (soak.form->isHidden()) {
            // The exit question was answered Yes and the program told to end.
            // Its event loop runs out, and a new program's window takes over.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
            QCoreApplication::exec();
            soak.newWindow();
        }
        bad = violation(*soak.form);
        if (bad.isEmpty() && !soak.answers->unknownMessage.isEmpty())
            bad = QStringLiteral("message box \"%1\"").arg(soak.answers->unknownMessage);
        if (!bad.isEmpty()) {
            QStringList recent(soak.recent.begin(), soak.recent.end());
            QFAIL(qPrintable(QStringLiteral("seed %1, event %2: %3\nlast events:\n  %4")
                                 .arg(seed).arg(i).arg(bad, recent.join(QStringLiteral("\n  ")))));
        }
    }
    soak.errorsAnswered += soak.answers->errors;
    QStringList kinds;
    for (const auto &[kind, n] : soak.counts)
        kinds << QStringLiteral("%1 %2").arg(kind).arg(n);
    qInfo("%u events from seed %u, %d windows, %d error boxes answered; %s", events, seed, soak.windows,
          soak.errorsAnswered, qPrintable(kinds.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
