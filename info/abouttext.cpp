#include "info/abouttext.h"

#include <QCoreApplication>
#include <QStringList>

namespace info {

namespace {

const QString CrLf = QStringLiteral("\r\n");

// The texts' translation contexts: the About box and the Authors window.
struct About {
    Q_DECLARE_TR_FUNCTIONS(About)
};
struct Authors {
    Q_DECLARE_TR_FUNCTIONS(Authors)
};

} // namespace

QString aboutText()
{
    // Lines 3 and 7 hold one space so that an empty line shows. The project
    // has one version and no registration; the lines say so plainly.
    // Every line is translated on its own: a translation keeps the twelve.
#ifdef Q_OS_WIN
    const QString system = QStringLiteral("Windows (x64)");
#elif defined(Q_OS_WASM)
    const QString system = QStringLiteral("WebAssembly");
#else
    const QString system = QStringLiteral("Linux (Debian 12)");
#endif
    const QStringList lines = {
        //: About box, line 1 of 12.
        About::tr("Программа моделирует работу замкнутой электрической цепи"),
        //: About box, line 2 of 12.
        About::tr("с учётом сопротивлений амперметра и вольметра."),
        QStringLiteral(" "),
        //: About box, line 4 of 12.
        About::tr("История версий:"),
        //: About box, line 5 of 12; %1 the version number, %2 the system it was built for.
        About::tr("Версия %1, 2026 г., %2, команда проекта dcsim.").arg(programVersion(), system),
        //: About box, line 6 of 12.
        About::tr("Это первая версия программы, более ранних версий нет."),
        QStringLiteral(" "),
        //: About box, line 8 of 12: the program has no state registration certificate.
        About::tr("Свидетельства о государственной регистрации у программы нет,"),
        //: About box, line 9 of 12.
        About::tr("в государственный реестр программ она не внесена,"),
        //: About box, line 10 of 12.
        About::tr("в официальном бюллетене сведения о ней не публиковались,"),
        //: About box, line 11 of 12.
        About::tr("поэтому нет тома, года, номера и страницы бюллетеня"),
        //: About box, line 12 of 12.
        About::tr("и нет веб-адреса такой публикации."),
    };
    return lines.join(CrLf);
}

QString programVersion()
{
    return QStringLiteral(DCSIM_VERSION);
}

QString authorsText()
{
    // Lines 1 to 5 are padded to 36 characters: a translation keeps within them.
    QStringList lines = {
        //: Authors, line 1 of 6, at most 36 characters.
        Authors::tr("©, Команда проекта dcsim, 2026"),
        //: Authors, line 2 of 6, at most 36 characters: the academic degree.
        Authors::tr("учёная степень: не указана,"),
        //: Authors, line 3 of 6, at most 36 characters: the academic title.
        Authors::tr("учёное звание: не указано,"),
        //: Authors, line 4 of 6, at most 36 characters: the institution.
        Authors::tr("организация: не указана,"),
        //: Authors, line 5 of 6, at most 36 characters.
        Authors::tr("город и страна: не указаны,"),
    };
    for (QString &line : lines)
        line = line.leftJustified(AuthorsLineWidth, QLatin1Char(' '));
    //: Authors, line 6 of 6.
    lines << Authors::tr("Адрес e-mail не указан.");
    return lines.join(CrLf);
}

} // namespace info
