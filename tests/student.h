// A student at the main window, driven by steps written as text: what the
// window tests' tables and the soak's random sequences are made of.
#pragma once

#include "app/lineshape.h"
#include "tests/testsupport.h"
#include "ui/announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

struct Student {
    Form1 &form;
    Recorder &boxes;

    template <class T = QWidget> T *find(const QString &name) const { return form.findChild<T *>(name); }
    Form1Probe probe() const { return {form}; }
    QScrollBar *bar() const { return find<QScrollBar>("HScroll1"); }
    QWidget *focused() const { return QApplication::focusWidget() ? QApplication::focusWidget() : &form; }

    // What the window shows of `what`: a control's text (a label's or a box's,
    // else its description; "NAME:name" its accessible name, "NAME:description"),
    // or one of the summaries below.
    QString read(const QString &what) const
    {
        const circuit::SimState &s = probe().s();
        QStringList out;
        if (what == "meters")
            return find("Picture2")->accessibleDescription() + " " + find("Picture1")->accessibleDescription();
        if (what == "state") // the parameters, ohms per step, scheme, key, rows recorded, the slider
            return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9").arg(s.Edc).arg(s.r).arg(s.Rv).arg(s.Ra).arg(s.Rmax).arg(s.KR)
                .arg(s.schema).arg(s.rabota).arg(probe().table().recordedRows()) + " " + QString::number(bar()->value());
        if (what == "key") { // the blade, and what the key hides (h), locks (d) or leaves (v)
            out << QString::number(find<LineShape>("Line14")->X2());
            for (const char *name : {"Frame1", "Option1", "Option2", "N_S(1)", "N_S(10)", "TxtEdc", "Txtr", "TxtRv", "TxtRa", "TxtRmax"})
                out << (find(name)->isHidden() ? "h" : find(name)->isEnabled() ? "v" : "d");
            return out.join("");
        }
        if (what == "arrow") { // the slider arrow's lines and the rheostat's label beside it
            for (const char *line : {"Line1", "Line6", "Line2", "Line3"})
                out << QString::number(find<LineShape>(line)->X1()) << QString::number(find<LineShape>(line)->X2());
            return out.removeAt(3), out.join(' ') + " " + QString::number(find("Lbldv")->x());
        }
        if (what == "chosen") { // the selected option buttons, the graphs shown, where the ammeter stands
            for (const char *name : {"Option1", "Option2", "Option3", "Option4", "Option5", "Picture3", "Picture4", "Picture5"})
                if (QString(name).startsWith("O") ? find<QRadioButton>(name)->isChecked() : !find(name)->isHidden())
                    out << name;
            return out.join(' ') + " " + QString::number(find("Picture2")->y());
        }
        if (what == "leaving") // whether a web page would ask before it is left
            return QString::number(form.leavingLosesRows());
        if (what == "errors" || what == "asked") // the error messages; how often the exit question was asked
            return what == "asked" ? QString::number(boxes.exitAsked) : boxes.errors.join(", ");
        if (what == "checked") // the key as assistive technology sees it
            return QString::number(QAccessible::queryAccessibleInterface(find("Lblvkl"))->state().checked);
        if (what == "said")
            return QCoreApplication::processEvents(), form.findChild<ui::Announcer *>()->lastMessage();
        if (what == "red")
            return QString::number(redPixels(probe().plots().Picture3->image()) > 0);
        if (what == "focus")
            return focused()->objectName();
        if (what == "ohms")
            return QString::number(QAccessible::queryAccessibleInterface(bar())->valueInterface()->currentValue().toDouble());
        QWidget *w = find(what.section(':', 0, 0));
        if (what.endsWith(":name") || what.endsWith(":description"))
            return what.endsWith(":name") ? w->accessibleName() : w->accessibleDescription();
        if (auto *box = qobject_cast<QLineEdit *>(w))
            return box->text();
        return qobject_cast<QLabel *>(w) ? qobject_cast<QLabel *>(w)->text() : w->accessibleDescription();
    }

    // One step: "set BOX TEXT", "type BOX TEXT" (key by key over the selected
    // text; nothing: Backspace), "paste BOX TEXT", "click NAME [X Y]", "mouse
    // NAME double|outside|right", "press NAME" (assistive), "key KEY" to the
    // focus, "tab NAME" (Tab until it has the focus), "focus NAME", "value N"
    // (the rheostat), "drag X1 X2" (its thumb, let go), "record N", "resize W H",
    // "close", "idle"; or a check "WHAT=SHOWN" of read(WHAT).
    void step(const QString &step) const
    {
        const QString verb = step.section(' ', 0, 0), name = step.section(' ', 1, 1), rest = step.section(' ', 2);
        QWidget *w = verb == "drag" ? bar() : find(name);
        if (verb.contains('=')) {
            QCOMPARE(read(step.section('=', 0, 0)), step.section('=', 1));
        } else if (verb == "set" || verb == "paste") {
            verb == "set" ? find<QLineEdit>(name)->setText(rest) : QGuiApplication::clipboard()->setText(rest);
            if (verb == "paste")
                w->setFocus(), QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        } else if (verb == "type") {
            w->setFocus(), find<QLineEdit>(name)->selectAll();
            if (rest.isEmpty())
                QTest::keyClick(w, Qt::Key_Backspace);
            for (const QChar c : rest) // any character, as a keyboard layout would give it
                QTest::sendKeyEvent(QTest::Click, w, c.unicode() >= 0x20 && c.unicode() < 0x7f ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown, QString(c), {});
        } else if (verb == "click") {
            QTest::mouseClick(w, Qt::LeftButton, {}, rest.isEmpty() ? w->rect().center() : QPoint(rest.section(' ', 0, 0).toInt(), rest.section(' ', 1).toInt()));
        } else if (verb == "mouse") { // "double": a click, then its second press as a double-click; "outside": let go away; "right"
            QTest::mousePress(w, rest == "right" ? Qt::RightButton : Qt::LeftButton);
            QTest::mouseRelease(w, rest == "right" ? Qt::RightButton : Qt::LeftButton, {}, rest == "outside" ? QPoint(-5, -5) : w->rect().center());
            if (rest == "double")
                QTest::mouseDClick(w, Qt::LeftButton), QTest::mouseRelease(w, Qt::LeftButton);
        } else if (verb == "press") {
            QAccessible::queryAccessibleInterface(w)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        } else if (verb == "key" || verb == "tab") {
            const int k = verb == "tab" ? int(Qt::Key_Tab) : QKeySequence::fromString(name)[0].toCombined();
            for (int i = 0; i < (verb == "tab" ? 40 : 1) && focused()->objectName() != name; ++i) {
                QTest::keyClick(focused(), Qt::Key(k & ~Qt::KeyboardModifierMask), Qt::KeyboardModifiers(k & Qt::KeyboardModifierMask));
                QCoreApplication::processEvents(); // as between a person's keystrokes
            }
        } else if (verb == "drag") {
            QTest::mousePress(w, Qt::LeftButton, {}, {name.toInt(), 12}), QTest::mouseMove(w, {rest.toInt(), 12});
            QTest::mouseRelease(w, Qt::LeftButton, {}, {rest.toInt(), 12});
        } else if (verb == "resize" || verb == "focus" || verb == "close") {
            verb == "resize" ? form.resize(name.toInt(), rest.toInt()) : verb == "focus" ? w->setFocus() : void(form.close());
        } else if (verb != "idle") {
            QVERIFY2(verb == "value" || verb == "record", qPrintable(step));
            verb == "value" ? bar()->setValue(name.toInt()) : probe().record(name.toInt());
        }
    }
    // The steps, separated by "|", up to the first that fails.
    void run(const QString &steps) const
    {
        for (const QString &s : steps.split('|'))
            if (step(s), QTest::currentTestFailed())
                return qWarning("at the step: %s", qPrintable(s));
    }
};
