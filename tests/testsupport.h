// What the window tests share: the answerer of the message boxes and the one
// door into the main window.
#pragma once

#include "app/form1.h"
#include "graphs/graphs.h"
#include "graphs/plots.h"
#include "graphs/table.h"
#include "tests/pixels.h"
#include "ui/messageboxes.h"

#include <QStringList>
#include <QTimer>

// Answers the program's message boxes and remembers what they said.
class Recorder : public MessageBoxes
{
public:
    QStringList errors, abouts;
    int exitAsked = 0;
    bool exitAnswer = false;

    void error(QWidget *, const QString &text) override { errors << text; }
    bool confirmExit(QWidget *) override { return ++exitAsked, exitAnswer; }
    void about(QWidget *, const QString &text) override { abouts << text; }
};

// The tests' one look inside the main window: its state and its table and graphs.
struct Form1Probe {
    Form1 &f;
    circuit::SimState &s() const { return f.s; }
    graphs::Graphs &g() const { return *f.graphs; }
    graphs::Table &table() const { return *f.graphs->table; }
    graphs::Plots &plots() const { return *f.graphs->plots; }
    // The recorded readings of row n, as the measurement button takes them.
    void record(int n) const { f.graphs->N_S_Click(n); }
};

// A main window, with a teacher's `task` if given, whose message boxes
// `boxes` answers from now on.
inline std::unique_ptr<Form1> makeForm(Recorder *&boxes, const task::Task *task = nullptr)
{
    auto recorder = std::make_unique<Recorder>();
    boxes = recorder.get();
    return std::make_unique<Form1>(std::move(recorder), task);
}

// Ends the fit's ten-second wait soon, as its own tick does: the timer restarted short.
inline void shortenWait(Form1 &form)
{
    QTimer::singleShot(0, &form, [&form] { form.findChild<QTimer *>(QStringLiteral("Timer1"))->start(1); });
}
