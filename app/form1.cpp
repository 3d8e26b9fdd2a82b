// The main window's controls as they are when the window is created.
#include "app/form1.h"

#include "app/hiddenbox.h"
#include "app/keylabel.h"
#include "app/lineshape.h"
#include "app/rheostat.h"
#include "circuit/bounds.h"
#include "graphs/canvas.h"
#include "graphs/canvasaccessible.h"
#include "graphs/graphs.h"
#include "graphs/plots.h"
#include "graphs/table.h"
#include "info/form2.h"
#include "report/exportactions.h"
#include "task/taskfile.h"
#include "ui/accessiblelineedit.h"
#include "ui/announcer.h"
#include "ui/colours.h"
#include "ui/fittext.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/messageboxes.h"
#include "ui/naming.h"

#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>


namespace {

// The window's own surface: its background and the line shapes of the
// schematic, beneath every control.
class Surface : public QWidget
{
public:
    explicit Surface(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("surface"));
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, ui::colours::WindowGrey);
        setPalette(p);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        for (QObject *child : children())
            if (auto *shape = qobject_cast<LineShape *>(child))
                shape->paint(painter);
    }
};

QLabel *makeLabel(QWidget *parent, const char *name, QRect geometry, const QString &caption,
                  const QString &tooltip, const QFont &font)
{
    auto *label = new QLabel(caption, parent);
    label->setGeometry(geometry);
    label->setFont(font);
    ui::nameControl(label, QLatin1String(name), tooltip, caption);
    return label;
}

QLineEdit *makeBox(QWidget *parent, const char *name, QRect geometry, const QString &text,
                   const QString &tooltip, const QColor &background)
{
    auto *box = new QLineEdit(text, parent);
    box->setGeometry(geometry);
    box->setFont(ui::timesNewRoman(11.25));
    QPalette p = box->palette();
    p.setColor(QPalette::Base, background);
    box->setPalette(p);
    ui::nameControl(box, QLatin1String(name), tooltip);
    return box;
}

graphs::Canvas *makeMeter(QWidget *parent, const char *name, QRect geometry, const QString &tooltip,
                          const QFont &font)
{
    auto *meter = new graphs::Canvas(parent);
    meter->setGeometry(geometry);
    meter->setFont(font);
    meter->setBackColor(parent->palette().color(QPalette::WindowText));
    meter->setFocusPolicy(Qt::StrongFocus);
    meter->setAccessibleRole(QAccessible::StaticText);
    ui::nameControl(meter, QLatin1String(name), tooltip);
    return meter;
}

} // namespace

Form1::Form1(std::unique_ptr<MessageBoxes> boxes, const task::Task *task)
    : m_boxes(boxes ? std::move(boxes) : std::make_unique<MessageBoxes>())
{
    graphs::installCanvasAccessibility();
    KeyLabel::installAccessibility();
    Rheostat::installAccessibility();
    ui::installLineEditAccessibility();

    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Моделирование работы электрической цепи постоянного тока"));
    if (task && !task->title.isEmpty())
        setWindowTitle(windowTitle() + QStringLiteral(" — ") + task->title);
    if (task) {
        taskTitle = task->title;
        variant = task->variant;
    }
    surface = new Surface(this);
    // Controls without a font of their own take this one; the menus and the
    // message boxes keep the desktop's.
    surface->setFont(ui::systemDefaultFont());
    setCentralWidget(surface);

    // Labels and line shapes first: every windowed control lies above them.
    buildSchematic();
    buildParameterPanel(task);
    s.sourceHidden = task && (task->hidden[static_cast<std::size_t>(circuit::Parameter::Edc)] ||
                              task->hidden[static_cast<std::size_t>(circuit::Parameter::r)]);
    m_announcer = new ui::Announcer(surface);
    graphs = new graphs::Graphs(surface, s, m_announcer);
    buildFitAndMenus();
    // The window is laid out in pixels for the Russian captions, which stand
    // as they always have; a translated one too wide for its control is
    // drawn smaller, never cut.
    if (ui::translated())
        for (QWidget *control : surface->findChildren<QWidget *>())
            ui::fitCaption(control);
    setFocusOrder();
    connectHandlers();
    // The table, graphs and report as files.
    new report::ExportActions(*this, *graphs, *m_boxes, [this] { return labReport(); });

    // Client area 549 x 439 below the menu bar, its top-left corner at (71, 255).
    const int menuHeight = menuBar()->sizeHint().height();
    surface->resize(549, 439);
    setGeometry(71, 255 - menuHeight, 549, 439 + menuHeight);

    Form_Load();
    focusFirst();
    if (task && !task->error.isEmpty())
        m_boxes->error(this, task->error);
}

void Form1::announce(const QString &message)
{
    if (isVisible())
        m_announcer->announce(message);
}

QFont Form1::meterFont()
{
    return ui::timesNewRoman(14.25, true);
}

Form1::~Form1()
{
    delete Form2Window.data(); // the Authors window has no owner
}

int Form1::scaleWidth() const
{
    return surface->width();
}

int Form1::scaleHeight() const
{
    return surface->height();
}

void Form1::buildSchematic()
{
    struct Line {
        LineShape **shape;
        const char *name;
        double x1, y1, x2, y2;
        int width;
    };
    const Line lines[14] = {
        {&Line12, "Line12", 32, 24, 152, 24, 2},   // top wire, left part
        {&Line11, "Line11", 152, 8, 152, 40, 2},   // source: long plate
        {&Line10, "Line10", 160, 16, 160, 32, 2},  // source: short plate
        {&Line4, "Line4", 160, 24, 280, 24, 2},    // top wire, right part
        {&Line5, "Line5", 280, 24, 280, 100, 2},   // right wire down to the key
        {&Line14, "Line14", 280, 120, 288, 100, 4}, // the key's blade, open
        {&Line9, "Line9", 280, 120, 280, 128, 2},  // key pivot to the slider wire
        {&Line6, "Line6", 112, 128, 280, 128, 2},  // slider wire
        {&Line1, "Line1", 112, 128, 112, 160, 2},  // slider shaft
        {&Line2, "Line2", 112, 160, 104, 144, 2},  // arrow head, left stroke
        {&Line3, "Line3", 112, 160, 120, 144, 2},  // arrow head, right stroke
        {&Line13, "Line13", 32, 88, 280, 88, 2},   // voltmeter branch
        {&Line8, "Line8", 32, 176, 32, 24, 2},     // left wire
        {&Line7, "Line7", 32, 176, 64, 176, 2},    // bottom wire to the rheostat
    };
    for (const Line &l : lines)
        *l.shape = new LineShape(l.name, l.x1, l.y1, l.x2, l.y2, l.width, surface);

    Lbldv = makeLabel(surface, "Lbldv", {112, 130, 25, 14}, QStringLiteral("100"),
                      //: The rheostat's present resistance, shown beside its slider.
                      tr("Значение сопротивления"), surface->font());

    Lblvkl = new KeyLabel(surface);
    Lblvkl->setGeometry(272, 100, 20, 20);
    //: The switch in the circuit.
    ui::nameControl(Lblvkl, QStringLiteral("Lblvkl"), tr("Ключ"));
    ui::showInName(Lblvkl, Lblvkl->toolTip(), keyState(false));
}

void Form1::buildParameterPanel(const task::Task *task)
{
    const QFont labelFont = ui::timesNewRoman(11.25);
    Lblnazvan = makeLabel(surface, "Lblnazvan", {297, 5, 135, 20},
                          //: Heading of the parameter panel.
                          tr("Параметры задачи"), {}, ui::timesNewRoman(11.25, true));
    Lblnazvan->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    struct Row {
        QLabel **label;
        const char *labelName;
        const char *caption;
        QLineEdit **box;
        const char *boxName;
        circuit::Parameter parameter;
        const char *tooltip;
        int top;
    };
    // "r(Oм)=" has a Latin capital O. The captions hold 70 pixels.
    const Row rows[5] = {
        //: E, the source's EMF, in volts.
        {&LblEds, "LblEds", QT_TR_NOOP("E (В)="), &TxtEdc, "TxtEdc", circuit::Parameter::Edc,
         QT_TR_NOOP("ЭДС источника"), 25},
        //: r, the source's internal resistance, in ohms.
        {&Lblr, "Lblr", QT_TR_NOOP("r(Oм)="), &Txtr, "Txtr", circuit::Parameter::r,
         QT_TR_NOOP("Внутреннее сопротивление источника"), 46},
        //: Rv, the voltmeter's resistance, in ohms.
        {&LblRv, "LblRv", QT_TR_NOOP("Rv(Ом)="), &TxtRv, "TxtRv", circuit::Parameter::Rv,
         QT_TR_NOOP("Сопротивление вольтметра"), 69},
        //: Ra, the ammeter's resistance, in ohms.
        {&LblRa, "LblRa", QT_TR_NOOP("Ra(Ом)="), &TxtRa, "TxtRa", circuit::Parameter::Ra,
         QT_TR_NOOP("Сопротивление амперметра"), 91},
        //: Rmax, the rheostat's full resistance, in ohms.
        {&LblRmax, "LblRmax", QT_TR_NOOP("Rmax(Ом)="), &TxtRmax, "TxtRmax", circuit::Parameter::Rmax,
         QT_TR_NOOP("Максимальное сопротивление реостата"), 113},
    };
    for (const Row &row : rows)
        *row.label = makeLabel(surface, row.labelName, {300, row.top, 70, 20}, tr(row.caption), tr(row.tooltip),
                               labelFont);

    // Windowed controls from here on.
    Picture2 = makeMeter(surface, "Picture2", {8, 112, 50, 24},
                         //: The ammeter's reading.
                         tr("Сила тока, А"), meterFont());
    Picture1 = makeMeter(surface, "Picture1", {128, 76, 50, 24},
                         //: The voltmeter's reading.
                         tr("Напряжение, В"), meterFont());

    HScroll1 = new Rheostat(surface);
    HScroll1->setGeometry(60, 160, 200, 25);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setAccessibleName(tr("Реостат"));

    // The boxes' texts are in place before the load handler reads them; a
    // teacher's task may give its own and hide some.
    for (const Row &row : rows) {
        const auto i = static_cast<std::size_t>(row.parameter);
        const QString text = task && !task->texts[i].isEmpty() ? task->texts[i]
                                                               : QString::fromUtf8(circuit::initialText(row.parameter));
        *row.box = makeBox(surface, row.boxName, {370, row.top, 60, 25}, text, tr(row.tooltip),
                           ui::colours::Yellowish);
        if (task && task->hidden[i])
            hideValue(*row.box);
    }

    //: The frame round the two wirings of the meters.
    Frame1 = new QGroupBox(tr("Выбор схемы"), surface);
    Frame1->setGeometry(440, 10, 94, 60);
    Frame1->setFont(ui::timesNewRoman(9.75));
    ui::nameControl(Frame1, QStringLiteral("Frame1"), tr("Выбор схемы для опыта"));
    // The two scheme buttons belong to the window, over the frame.
    Option1 = new QRadioButton(tr("Схема 1"), surface);
    Option1->setGeometry(448, 25, 65, 25);
    Option1->setFont(ui::timesNewRoman(9.75));
    ui::nameControl(Option1, QStringLiteral("Option1"), tr("Вольметр параллельно источнику"));
    Option2 = new QRadioButton(tr("Схема 2"), surface);
    Option2->setGeometry(448, 43, 65, 25);
    Option2->setFont(ui::timesNewRoman(9.75));
    ui::nameControl(Option2, QStringLiteral("Option2"), tr("Вольтметр параллельно реостату"));
    // The two make a choice of their own. Without a group Qt would take every
    // radio button on the surface, the graph choice's too, as one choice: a
    // click on the selected scheme would leave neither selected, and Tab
    // could pass over the selected graph.
    auto *schemes = new QButtonGroup(this);
    schemes->setObjectName(QStringLiteral("schemeChoice"));
    schemes->addButton(Option1);
    schemes->addButton(Option2);
}

void Form1::buildFitAndMenus()
{
    txtK = makeBox(surface, "txtK", {290, 160, 60, 25}, {}, tr("коэффициент k прямой U=kI+b"), ui::colours::Bluish);
    txtB = makeBox(surface, "txtB", {376, 160, 65, 27}, {}, tr("коэффициент b прямой U=kI+b"), ui::colours::Bluish);
    // They show the fitted coefficients; typing into them would change nothing.
    txtK->setReadOnly(true);
    txtB->setReadOnly(true);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(0);
    Timer1->setTimerType(Qt::PreciseTimer); // ten seconds mean ten seconds

    auto addItem = [](QMenu *menu, const char *name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QMenu *mnuFile = menuBar()->addMenu(tr("&Файл"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    //: The first reference document: the theory.
    mnuFileSpravka1 = addItem(mnuFile, "mnuFileSpravka1", tr("Справка 1"));
    //: The second reference document: the meters and the two circuits.
    mnuFileSpravka2 = addItem(mnuFile, "mnuFileSpravka2", tr("Справка 2"));
    mnuFilesHistory = addItem(mnuFile, "mnuFilesHistory", tr("История"));

    QMenu *mnuHelp = menuBar()->addMenu(tr("&Помощь"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpInstruction = addItem(mnuHelp, "mnuHelpInstruction", tr("Инструкция"));
    //: The document on how to work the program.
    mnuHelpUprav = addItem(mnuHelp, "mnuHelpUprav", tr("Управление"));
    mnuHelpSep1 = mnuHelp->addSeparator();
    mnuHelpSep1->setObjectName(QStringLiteral("mnuHelpSep1"));
    mnuHelpAvtors = addItem(mnuHelp, "mnuHelpAvtors", tr("Авторы"));
    mnuHelpAbout = addItem(mnuHelp, "mnuHelpAbout", tr("&О программе"));
}

QList<QWidget *> Form1::focusOrder() const
{
    QList<QWidget *> order = {txtK, txtB, HScroll1, Picture1, Picture2, Option1, Option2};
    for (int n = 1; n <= 10; ++n)
        order.append(graphs->table->N_S[static_cast<std::size_t>(n)]);
    order.append({TxtEdc, Txtr, TxtRv, TxtRa, TxtRmax, graphs->plots->Picture3, graphs->plots->Picture4,
                  graphs->plots->Option3, graphs->plots->Option4, graphs->plots->Picture5, graphs->plots->Option5});
    return order;
}

void Form1::setFocusOrder()
{
    const QList<QWidget *> order = focusOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form1::focusFirst()
{
    // At start-up the fit's boxes are hidden: the rheostat takes the focus,
    // and the arrow keys move it at once.
    for (QWidget *w : focusOrder()) {
        if (w->isVisibleTo(this) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus();
            return;
        }
    }
}

void Form1::connectHandlers()
{
    // Every change of the value, by the user or by the program, runs the
    // handler once; the thumb being dragged changes nothing until released.
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    // A scheme button runs its handler when it becomes selected, whoever selects it.
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option2_Click();
    });
    connect(Lblvkl, &KeyLabel::clicked, this, &Form1::Lblvkl_Click);
    connect(TxtEdc, &QLineEdit::textChanged, this, &Form1::TxtEdc_Change);
    connect(Txtr, &QLineEdit::textChanged, this, &Form1::Txtr_Change);
    connect(TxtRv, &QLineEdit::textChanged, this, &Form1::TxtRv_Change);
    connect(TxtRa, &QLineEdit::textChanged, this, &Form1::TxtRa_Change);
    connect(TxtRmax, &QLineEdit::textChanged, this, &Form1::TxtRmax_Change);
    connect(graphs->plots->Picture3, &graphs::Canvas::clicked, this, &Form1::Picture3_Click);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(mnuFileSpravka1, &QAction::triggered, this, &Form1::mnuFileSpravka1_Click);
    connect(mnuFileSpravka2, &QAction::triggered, this, &Form1::mnuFileSpravka2_Click);
    connect(mnuFilesHistory, &QAction::triggered, this, &Form1::mnuFilesHistory_Click);
    connect(mnuHelpInstruction, &QAction::triggered, this, &Form1::mnuHelpInstruction_Click);
    connect(mnuHelpUprav, &QAction::triggered, this, &Form1::mnuHelpUprav_Click);
    connect(mnuHelpAvtors, &QAction::triggered, this, &Form1::mnuHelpAvtors_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &Form1::mnuHelpAbout_Click);
    surface->installEventFilter(this);

    // Ctrl+C copies the table for a spreadsheet, unless a box has a
    // selection of its own to copy.
    auto *copyTable = new QAction(this);
    copyTable->setObjectName(QStringLiteral("copyTable"));
    copyTable->setShortcut(QKeySequence::Copy);
    copyTable->setShortcutContext(Qt::WindowShortcut);
    connect(copyTable, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setText(graphs->table->tableText()); });
    addAction(copyTable);
    for (QLineEdit *box : {TxtEdc, Txtr, TxtRv, TxtRa, TxtRmax, txtK, txtB})
        box->installEventFilter(this);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == surface && event->type() == QEvent::Resize) {
        Form_Resize();
    } else if (event->type() == QEvent::ShortcutOverride) {
        auto *box = qobject_cast<QLineEdit *>(watched);
        if (box && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy) && !box->hasSelectedText()) {
            event->ignore(); // leaves Ctrl+C to the window
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
