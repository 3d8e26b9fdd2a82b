// Turns one help document written in Markdown into an A4 PDF:
// makepdf <input.md> <output.pdf>. The first "# " heading is the PDF's title.
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cstdio>

namespace {

QString titleOf(const QString &markdown)
{
    for (const QString &line : markdown.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("# ")))
            return line.mid(2).trimmed();
    return {};
}

// Tables come from Markdown without lines; the reader needs the grid.
void drawTableGrids(QTextDocument &document)
{
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setBorder(1);
        format.setBorderBrush(Qt::black);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderCollapse(true);
        format.setCellPadding(4);
        format.setCellSpacing(0);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        table->setFormat(format);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <input.md> <output.pdf>\n", argv[0]);
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString markdown = QString::fromUtf8(input.readAll());
    const QString title = titleOf(markdown);
    if (title.isEmpty()) {
        std::fprintf(stderr, "%s has no \"# \" heading for its title\n", argv[1]);
        return 1;
    }

    QTextDocument document;
    // Times New Roman where the desktop has it, else a metric twin such as
    // Liberation Serif, else any serif face.
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSizeF(12);
    document.setDefaultFont(serif);
    document.setMarkdown(markdown);
    drawTableGrids(document);

    const QString outputName = QString::fromLocal8Bit(argv[2]);
    {
        QPdfWriter writer(outputName);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("dcsim"));
        // Printing adds a 2 cm margin of its own round the text and numbers
        // the pages at the bottom; the paper needs no margin besides.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        // Lengths in the document (borders, padding) are pixels of this
        // resolution; the text itself stays vector.
        writer.setResolution(96);
        document.print(&writer);
    }
    QFile output(outputName);
    if (!output.exists() || output.size() == 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
