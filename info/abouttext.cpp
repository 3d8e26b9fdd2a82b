#include "info/abouttext.h"

#include <QStringList>

namespace info {

namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

QString aboutText()
{
    // Lines 3 and 7 hold one space so that an empty line shows. The project
    // has one version and no registration; the lines say so plainly.
    const QStringList lines = {
        QStringLiteral("Программа моделирует работу замкнутой электрической цепи"),
        QStringLiteral("с учётом сопротивлений амперметра и вольметра."),
        QStringLiteral(" "),
        QStringLiteral("История версий:"),
        QStringLiteral("Версия %1, 2026 г., Linux (Debian 12), команда проекта dcsim.").arg(programVersion()),
        QStringLiteral("Это первая версия программы, более ранних версий нет."),
        QStringLiteral(" "),
        QStringLiteral("Свидетельства о государственной регистрации у программы нет,"),
        QStringLiteral("в государственный реестр программ она не внесена,"),
        QStringLiteral("в официальном бюллетене сведения о ней не публиковались,"),
        QStringLiteral("поэтому нет тома, года, номера и страницы бюллетеня"),
        QStringLiteral("и нет веб-адреса такой публикации."),
    };
    return lines.join(CrLf);
}

QString programVersion()
{
    return QStringLiteral(DCSIM_VERSION);
}

QString authorsText()
{
    QStringList lines = {
        QStringLiteral("©, Команда проекта dcsim, 2026"),
        QStringLiteral("учёная степень: не указана,"),
        QStringLiteral("учёное звание: не указано,"),
        QStringLiteral("организация: не указана,"),
        QStringLiteral("город и страна: не указаны,"),
    };
    for (QString &line : lines)
        line = line.leftJustified(AuthorsLineWidth, QLatin1Char(' '));
    lines << QStringLiteral("Адрес e-mail не указан.");
    return lines.join(CrLf);
}

} // namespace info
