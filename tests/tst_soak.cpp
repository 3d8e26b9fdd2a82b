// A long seeded random sequence of user events on the real main window,
// hostile texts included, with the window's invariants checked after every
// event. DCSIM_SOAK_EVENTS sets the number of events (10000 by default),
// DCSIM_SOAK_SEED the seed (1 by default); a failure names both and the
// events that led to it.
#include "app/lineshape.h"
#include "circuit/leadingnumber.h"
#include "circuit/readings.h"
#include "graphs/canvas.h"
#include "tests/testsupport.h"
#include "ui/numbertexts.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <random>

namespace {

std::mt19937 rng;
int below(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

// Answers like a person: a box sometimes lets pending events run first; the
// exit question is answered Yes now and then.
class RandomAnswers : public MessageBoxes
{
public:
    int errors = 0;
    QString unknown;
    void error(QWidget *, const QString &text) override
    {
        ++errors;
        if (!QStringList{"Маловато будет!", "Многовато будет!", "Опасно для жизни!"}.contains(text))
            unknown = text;
        if (below(4) == 0)
            QCoreApplication::processEvents();
    }
    bool confirmExit(QWidget *) override { return below(4) == 0; }
};

// Texts a student could type or paste, and some no student should.
const QStringList Hostile = {"", "-", ".", "1e999", "-1e-400", "nan", "inf", "1e-40", "1e-310", "4.9e-324",
    "1.7976931348623157e308", "220", "220.0000001", "1", "0.99", "100000", "100001", "99.9", "100", "-5", "0",
    "1E-2", "1,5", "12abc", " 1 6", "0x1F", "1e+", "\x01\x1b\x7f", "\t\n\r", "Ом", "½", "١٢٣", "\U0001D7D9",
    "1\u00a05", "\u200f12", "e\u0301", "\U0001F50B", QString(10000, '9'), "0." + QString(9998, '0') + "1",
    "1e" + QString(5000, '9'), "1e-" + QString(5000, '9')};

QString randomText()
{
    static const QString pieces = "0123456789.-+eE ,\t";
    QString text;
    for (int i = below(12); i > 0; --i) {
        char32_t c = below(10) ? pieces[below(int(pieces.size()))].unicode() : 1 + char32_t(below(0x2FFFF));
        c = c >= 0xD800 && c <= 0xDFFF ? U'Ж' : c; // no lone surrogate halves
        text += QString::fromUcs4(&c, 1);
    }
    return text;
}

QString shorten(QString s)
{
    s = s.size() > 24 ? s.left(12) + QStringLiteral("…(%1)").arg(s.size()) : s;
    for (QChar &c : s)
        c = c.isPrint() ? c : QChar('?');
    return s;
}

struct Soak {
    std::unique_ptr<Form1> form;
    RandomAnswers *answers = nullptr;
    std::deque<QString> recent; // the last events, for the failure message
    int windows = 0, errors = 0;

    template <class T = QWidget> T *find(const QString &name) { return form->findChild<T *>(name); }
    void newWindow()
    {
        errors += answers ? answers->errors : 0;
        form.reset();
        form = std::make_unique<Form1>(std::unique_ptr<MessageBoxes>(answers = new RandomAnswers));
        form->show();
        ++windows;
        QCoreApplication::processEvents();
    }
    bool note(const QString &what, QWidget *w = nullptr)
    {
        recent.push_back(what + (w ? " " + w->objectName() : QString()));
        if (recent.size() > 25)
            recent.pop_front();
        return !w || w->isVisible();
    }
    static void click(QWidget *w, QPoint at = {}) { QTest::mouseClick(w, Qt::LeftButton, {}, at.isNull() ? w->rect().center() : at); }

    void keystrokes(QLineEdit *box)
    {
        const QString text = below(2) ? Hostile[below(int(Hostile.size()))] : randomText();
        box->setFocus();
        switch (below(5)) {
        case 0: // over the whole text or at some place in it, key by key
            below(2) ? QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier) : box->setCursorPosition(below(int(box->text().size()) + 1));
            note("type \"" + shorten(text) + "\"", box);
            for (const QChar c : text.left(24))
                QTest::sendKeyEvent(QTest::Click, box, c.unicode() >= 0x20 && c.unicode() < 0x7f ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown,
                                    QString(c), Qt::NoModifier);
            return;
        case 1:
            note("paste \"" + shorten(text) + "\"", box);
            QGuiApplication::clipboard()->setText(text);
            return QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        case 2:
            if (box->isEnabled() && !box->isReadOnly()) // only what the student can edit changes from outside
                note("setText \"" + shorten(text) + "\"", box), box->setText(text);
            return;
        default: {
            const Qt::Key keys[5] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End, Qt::Key_Z};
            const Qt::Key key = keys[below(5)];
            note(QStringLiteral("key %1").arg(key, 0, 16), box);
            return QTest::keyClick(box, key, key == Qt::Key_Z ? Qt::ControlModifier : Qt::NoModifier);
        }
        }
    }

    void slider()
    {
        auto *bar = find<QScrollBar>("HScroll1");
        const int y = bar->height() / 2, to = below(bar->width());
        switch (below(4)) {
        case 0: // the arrows and the trough
            note(QStringLiteral("slider click %1").arg(to)), click(bar, {to, y});
            break;
        case 1:
            note("slider setValue"), bar->setValue(below(101));
            break;
        case 2: {
            const Qt::Key keys[6] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
            note("slider key"), bar->setFocus(), QTest::keyClick(bar, keys[below(6)]);
            break;
        }
        default: { // drags the thumb to another place and lets it go there
            const int from = 23 + int(1.54 * bar->value());
            note(QStringLiteral("slider drag %1 %2").arg(from).arg(to));
            QTest::mousePress(bar, Qt::LeftButton, {}, {from, y});
            QTest::mouseMove(bar, {(from + to) / 2, y});
            QTest::mouseMove(bar, {to, y});
            QTest::mouseRelease(bar, Qt::LeftButton, {}, {to, y});
        }
        }
    }

    // One random event of a user's or of the window system's; `nested` ones
    // run inside the fit's wait and never close the window.
    void event(bool nested = false)
    {
        const int kind = below(nested ? 90 : 100);
        const QString names[] = {"Option1", "Option2", "Option3", "Option4", "Option5"};
        if (kind < 10) {
            note("key"), click(find("Lblvkl"));
        } else if (kind < 22) {
            QWidget *option = find(names[below(5)]);
            if (note("choice", option))
                click(option);
        } else if (kind < 34) {
            QWidget *button = find(QStringLiteral("N_S(%1)").arg(1 + below(10)));
            if (note("measure", button))
                click(button);
        } else if (kind < 40) {
            auto *graph = find<graphs::Canvas>("Picture3");
            if (!note(nested ? "fit" : "fit with an event inside its wait", graph))
                return;
            if (!nested)
                QTimer::singleShot(0, form.get(), [this] { form->isVisible() ? event(true) : void(); });
            shortenWait(*form);
            below(4) ? click(graph, {1 + below(std::max(1, graph->width() - 2)), 1 + below(std::max(1, graph->height() - 2))})
                     : (graph->setFocus(), QTest::keyClick(graph, Qt::Key_Space));
        } else if (kind < 55) {
            slider();
        } else if (kind < 82) {
            const char *boxes[7] = {"TxtEdc", "Txtr", "TxtRv", "TxtRa", "TxtRmax", "txtK", "txtB"};
            keystrokes(find<QLineEdit>(boxes[below(7)]));
        } else if (kind < 88) {
            const QSize sizes[] = {{0, 0}, {1, 1}, {120, 60}, {299, 209}, {300, 210}, {549, 461}, {below(1600), below(1000)}};
            const QSize size = sizes[below(7)];
            note(QStringLiteral("resize %1x%2").arg(size.width()).arg(size.height())), form->resize(size);
            if (below(3) == 0)
                QCoreApplication::processEvents(), form->resize(549, 461);
        } else if (kind < 90) {
            note("copy"), QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier);
        } else if (kind < 97) {
            note("idle"), QTest::qWait(below(3));
        } else {
            note("close"), form->close();
        }
    }

    // What is wrong with the window, or nothing.
    QString violation()
    {
        const Form1Probe probe{*form};
        const circuit::SimState &s = probe.s();
        const bool closed = s.rabota == 1;
        QString key = QString::number(s.rabota) + QString::number(find<LineShape>("Line14")->X2());
        for (const char *name : {"Frame1", "Option1", "Option2", "N_S(1)", "N_S(10)"})
            key += find(name)->isHidden() ? 'h' : 'v';
        for (const char *name : {"TxtEdc", "Txtr", "TxtRv", "TxtRa", "TxtRmax"})
            key += find(name)->isEnabled() ? 'e' : 'd';
        if (key != (closed ? "1280hhhvvddddd" : "0288vvvhheeeee"))
            return "key " + key;
        if (!(s.schema == 1 && find<QRadioButton>("Option1")->isChecked() && find("Picture2")->y() == 112) &&
            !(s.schema == 2 && find<QRadioButton>("Option2")->isChecked() && find("Picture2")->y() == 50))
            return QStringLiteral("scheme %1 disagrees with its buttons or the ammeter").arg(s.schema);
        const double values[5] = {s.Edc, s.r, s.Rv, s.Ra, s.Rmax};
        const bool inside[5] = {s.Edc >= 1 && s.Edc <= 220, s.r > 0 && std::isfinite(s.r), s.Rv > 0 && std::isfinite(s.Rv),
                                s.Ra >= 0 && s.Ra < 100, s.Rmax >= 1 && s.Rmax <= 100000};
        const char *boxes[5] = {"TxtEdc", "Txtr", "TxtRv", "TxtRa", "TxtRmax"};
        for (int i = 0; i < 5; ++i)
            if (!inside[i] || values[i] != circuit::leadingNumber(find<QLineEdit>(boxes[i])->text().toStdString()))
                return QStringLiteral("%1 holds %2 for \"%3\"").arg(boxes[i]).arg(values[i]).arg(shorten(find<QLineEdit>(boxes[i])->text()));
        // Rheostat and meters, recomputed from the state.
        const int value = find<QScrollBar>("HScroll1")->value();
        const circuit::Readings r = circuit::meterReadings(s.Edc, s.r, s.Ra, s.Rv, s.RR, s.rabota, s.schema);
        if (s.KR != s.Rmax / 100 || s.RR != circuit::rheostatResistance(s.KR, value) || s.X != circuit::thumbOffset(s.dlina, value, 100) ||
            find<LineShape>("Line1")->X1() != circuit::arrowPosition(find("HScroll1")->x(), s.R_st, s.R_dv, s.X) || r.I != s.I || r.U != s.U ||
            find<graphs::Canvas>("Picture2")->texts() != QStringList{ui::formatNumber(s.I, "#0.000")} ||
            find<graphs::Canvas>("Picture1")->texts() != QStringList{ui::formatNumber(s.U, "#0.00")} ||
            find<QLabel>("Lbldv")->text() != ui::generalSingle(s.RR))
            return QStringLiteral("rheostat %1 or meters %2, %3 disagree with the slider at %4").arg(s.RR).arg(s.I).arg(s.U).arg(value);
        // The table: each row blank with zeros, or what its arrays hold.
        for (std::size_t n = 1; n <= 10; ++n) {
            const QStringList cells = probe.table().rowTexts(n);
            const float row[5] = {s.I_m[n], s.U_m[n], s.Po_m[n], s.Pv_m[n], s.h_m[n]};
            // A reading beyond the singles is held at the largest one while its cell shows the reading.
            auto reads = [](const QString &text, float v, double tolerance) {
                const double shown = std::strtod(qPrintable(text), nullptr);
                return std::fabs(v) == FLT_MAX ? std::fabs(shown) >= FLT_MAX : std::fabs(shown - v) <= tolerance + 1e-6 * std::fabs(v);
            };
            QStringList expected = {"", "", "", "", ""};
            if (probe.table().isRecorded(n) && reads(cells[0], row[0], 0.0005) && reads(cells[1], row[1], 0.005))
                expected = {cells[0], cells[1], ui::formatSingle(row[2], "##0.00"), ui::formatSingle(row[3], "##0.00"),
                            ui::formatSingle(row[4], "##0.00")};
            if (cells != expected || (expected[0].isEmpty() && (row[0] || row[1] || row[2] || row[3] || row[4])) || !(row[4] >= 0 && row[4] <= 1))
                return QStringLiteral("row %1 shows %2").arg(n).arg(cells.join(' '));
        }
        // The graph chosen is the one shown; the fit's boxes are away.
        for (int i = 3; i <= 5; ++i)
            if (find<QRadioButton>(QStringLiteral("Option%1").arg(i))->isChecked() == find(QStringLiteral("Picture%1").arg(i))->isHidden())
                return QStringLiteral("Picture%1 shown wrongly").arg(i);
        if (!find("txtK")->isHidden() || !find("txtB")->isHidden())
            return "fit boxes left shown";
        // Nothing shows infinity or NaN; no control has a negative size.
        QStringList shown = {form->windowTitle()};
        for (const graphs::Canvas *c : form->findChildren<graphs::Canvas *>())
            shown += c->texts();
        for (const QWidget *w : form->findChildren<QWidget *>()) {
            shown << w->accessibleName() << w->accessibleDescription();
            if (w->width() < 0 || w->height() < 0)
                return w->objectName() + " has a negative size";
        }
        for (const QString &text : shown)
            if (text.contains("inf", Qt::CaseInsensitive) || text.contains("nan", Qt::CaseInsensitive))
                return "shows \"" + shorten(text) + "\"";
        return answers->unknown.isEmpty() ? QString() : "message box \"" + answers->unknown + "\"";
    }
};

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT
private slots:
    void randomEvents()
    {
        const unsigned events = qEnvironmentVariableIsSet("DCSIM_SOAK_EVENTS") ? qEnvironmentVariableIntValue("DCSIM_SOAK_EVENTS") : 10000;
        const unsigned seed = qEnvironmentVariableIsSet("DCSIM_SOAK_SEED") ? qEnvironmentVariableIntValue("DCSIM_SOAK_SEED") : 1;
        rng.seed(seed);
        Soak soak;
        soak.newWindow();
        for (unsigned i = 1; i <= events; ++i) {
            soak.event();
            QCoreApplication::processEvents();
            if (soak.form->isHidden()) {
                // The exit question was answered Yes and the program told to end.
                // Its event loop runs out, and a new program's window takes over.
                QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
                QCoreApplication::exec();
                soak.newWindow();
            }
            const QString bad = soak.violation();
            const QStringList recent(soak.recent.begin(), soak.recent.end());
            QVERIFY2(bad.isEmpty(), qPrintable(QStringLiteral("seed %1, event %2: %3\nlast events:\n  %4").arg(seed).arg(i).arg(bad, recent.join("\n  "))));
        }
        qInfo("%u events from seed %u, %d windows, %d error boxes answered", events, seed, soak.windows, soak.errors + soak.answers->errors);
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
