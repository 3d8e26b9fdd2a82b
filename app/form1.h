// The main window: the schematic with its meters and rheostat, the
// parameter panel, the scheme and graph choices, the measurement table and
// graphs, and the menus. It owns the simulator's state and all its handlers.
#pragma once

#include "circuit/state.h"
#include "ui/messageboxes.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

namespace circuit {
enum class Parameter;
}
namespace report {
struct LabReport;
}
namespace ui {
class Announcer;
}
namespace task {
struct Task;
}

class QAction;
class QEventLoop;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QTimer;
class Form2;
class LineShape;
class MessageBoxes;
class KeyLabel;
class Rheostat;

namespace graphs {
class Canvas;
class Graphs;
} // namespace graphs

class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    // Builds the window and runs its load handler. `boxes` answers the
    // program's message boxes; without one, real message boxes are shown.
    // A teacher's `task` gives the parameter boxes their first texts, hides
    // some of them and extends the title; a task file that could not be used
    // is reported after start-up, which then has the usual values.
    explicit Form1(std::unique_ptr<MessageBoxes> boxes = nullptr, const task::Task *task = nullptr);
    ~Form1() override;

    // Client area of the window (below the menu bar), in pixels.
    int scaleWidth() const;
    int scaleHeight() const;

    // What the lab report shows of the window as it stands.
    report::LabReport labReport() const;

    // Leaving now would lose the rows recorded in the table: a web page,
    // whose window cannot ask when it goes, asks the browser's question.
    bool leavingLosesRows() const;

    // Start-up, reset and resizing.
    void Form_Load();
    void sbros();
    void Form_Resize();

    // The rheostat and the meters: recomputes everything from the state.
    void HScroll1_Change();
    // Wiring schemes and the key.
    void Option1_Click();
    void Option2_Click();
    void Lblvkl_Click();
    // Parameter boxes, on every change of their text.
    void TxtEdc_Change();
    void Txtr_Change();
    void TxtRv_Change();
    void TxtRa_Change();
    void TxtRmax_Change();

    // The line fit through the table, shown for ten seconds.
    void Picture3_Click();

    // Pauses the caller for `seconds` while the window stays responsive. A
    // web page cannot pause a handler: there it returns at once.
    void Wait(double seconds);
    // Runs `then` after `seconds` unless the program is leaving: on the
    // desktop when Wait() returns, in a web page at the wait's tick.
    void Wait(double seconds, std::function<void()> then);
    void Timer1_Timer();

    // Help menus: the documents, the About box and the Authors window.
    void mnuFileSpravka1_Click();
    void mnuFileSpravka2_Click();
    void mnuFilesHistory_Click();
    void mnuHelpInstruction_Click();
    void mnuHelpUprav_Click();
    void mnuHelpAbout_Click();
    void mnuHelpAvtors_Click();

protected:
    // Closing the window asks first.
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Tests look inside through this one door (tests/testsupport.h).
    friend struct Form1Probe;

    // The simulator's state.
    circuit::SimState s;

    // Client area of the window (below the menu bar).
    QWidget *surface = nullptr;

    // Parameter panel.
    QLabel *Lblnazvan = nullptr, *LblEds = nullptr, *Lblr = nullptr, *LblRv = nullptr,
           *LblRa = nullptr, *LblRmax = nullptr;
    QLineEdit *TxtEdc = nullptr, *Txtr = nullptr, *TxtRv = nullptr, *TxtRa = nullptr,
              *TxtRmax = nullptr;

    // Scheme choice.
    QGroupBox *Frame1 = nullptr;
    QRadioButton *Option1 = nullptr, *Option2 = nullptr;

    // Schematic, meters and rheostat.
    graphs::Canvas *Picture1 = nullptr; // voltmeter
    graphs::Canvas *Picture2 = nullptr; // ammeter
    Rheostat *HScroll1 = nullptr;       // the rheostat
    QLabel *Lbldv = nullptr;            // rheostat value
    KeyLabel *Lblvkl = nullptr;         // the key's click area
    LineShape *Line1 = nullptr, *Line2 = nullptr, *Line3 = nullptr, *Line4 = nullptr,
              *Line5 = nullptr, *Line6 = nullptr, *Line7 = nullptr, *Line8 = nullptr,
              *Line9 = nullptr, *Line10 = nullptr, *Line11 = nullptr, *Line12 = nullptr,
              *Line13 = nullptr, *Line14 = nullptr;

    // Measurement table, graphs and graph choice.
    graphs::Graphs *graphs = nullptr;

    // Line fit.
    QLineEdit *txtK = nullptr, *txtB = nullptr;
    QTimer *Timer1 = nullptr;
    static constexpr double FitSeconds = 10;
    // A line was fitted since the last reset (the lab report shows its k and b).
    bool fitSinceReset = false;

    // The teacher's task in use, which the results name: its title and the
    // student's variant (0: no task file).
    QString taskTitle;
    int variant = 0;

    // Menus.
    QAction *mnuFileSpravka1 = nullptr, *mnuFileSpravka2 = nullptr, *mnuFilesHistory = nullptr,
            *mnuHelpInstruction = nullptr, *mnuHelpUprav = nullptr, *mnuHelpSep1 = nullptr,
            *mnuHelpAvtors = nullptr, *mnuHelpAbout = nullptr;

    // The Authors window while it exists; it deletes itself when closed.
    QPointer<Form2> Form2Window;

    // The meters' digits; a reading too wide for its meter is shown smaller.
    static QFont meterFont();
    void showReading(graphs::Canvas *meter, const QString &text);

    void buildParameterPanel(const task::Task *task);
    void buildSchematic();
    void buildFitAndMenus();
    QList<QWidget *> focusOrder() const;
    void setFocusOrder();
    void focusFirst();
    void connectHandlers();
    void parameterChanged(QLineEdit *box, circuit::Parameter which, double &variable);

    // The key's state as its accessible name tells it: "замкнут", "разомкнут".
    static QString keyState(bool closed);

    // Tells a screen reader what an action changed out of its sight, once
    // the window is on screen.
    void announce(const QString &message);

    std::unique_ptr<MessageBoxes> m_boxes;
    ui::Announcer *m_announcer = nullptr;
    int m_resetting = 0; // inside the reset
    QList<QEventLoop *> m_waits; // the running waits, innermost last
    QList<std::function<void()>> m_afterWaits; // in a web page: what follows the waits, innermost last
    bool m_quitting = false;
};
