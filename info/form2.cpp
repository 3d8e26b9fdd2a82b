#include "info/form2.h"

#include "info/pictures.h"
#include "ui/fonts.h"
#include "ui/naming.h"

#include <QLabel>

#include <algorithm>

namespace {

// Designed sizes: the window's client area and Label1.
constexpr QSize ClientSize(222, 297);
constexpr QRect Label1Rect(8, 200, 209, 81);
// Room kept right of and below Label1 when it grows.
constexpr int RightMargin = 5;
constexpr int BottomMargin = 8;

// A web page shows a plain window over the whole page; a dialog's floats
// over the main window, as the window does on the desktop.
#ifdef Q_OS_WASM
constexpr Qt::WindowType Form2Kind = Qt::Dialog;
#else
constexpr Qt::WindowType Form2Kind = Qt::Window;
#endif

} // namespace

Form2::Form2(QWidget *parent) : QWidget(parent, Form2Kind)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Авторы"));
    setWindowIcon(info::windowIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(ui::systemDefaultFont());
    resize(ClientSize);

    Image1 = new QLabel(this);
    Image1->setGeometry(32, 8, 150, 180);
    Image1->setPixmap(QPixmap::fromImage(info::authorsPicture()));
    ui::nameControl(Image1, QStringLiteral("Image1"), {},
                    //: The picture's name for a screen reader.
                    tr("Схема цепи: источник, амперметр, вольтметр, реостат и ключ"));

    Label1 = new QLabel(QStringLiteral("Label1"), this);
    Label1->setGeometry(Label1Rect);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Without a name of its own the label is read by its text.
    ui::nameControl(Label1, QStringLiteral("Label1"), {});
}

void Form2::fitLabel1()
{
    // The designed size holds six lines of a small font; a larger desktop
    // font would cut the last line or the ends of the lines. Trailing
    // spaces only pad a line and need no room.
    const QFontMetrics metrics(Label1->font());
    const QStringList lines = Label1->text().split(QStringLiteral("\r\n"));
    int width = 0;
    for (const QString &line : lines) {
        QString shown = line;
        while (shown.endsWith(QLatin1Char(' ')))
            shown.chop(1);
        width = std::max(width, metrics.horizontalAdvance(shown));
    }
    const int height = metrics.lineSpacing() * static_cast<int>(lines.size());
    Label1->resize(std::max(Label1Rect.width(), width), std::max(Label1Rect.height(), height));
    resize(std::max(ClientSize.width(), Label1->geometry().right() + 1 + RightMargin),
           std::max(ClientSize.height(), Label1->geometry().bottom() + 1 + BottomMargin));
}
