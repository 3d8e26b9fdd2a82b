#include "task/variantname.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace task {

namespace {

// The word before the number; the English form is what the translation
// gives, so a name saved in either language is read in both.
const char *const VariantWord = QT_TRANSLATE_NOOP("FileNames", "вариант");
const char *const EnglishVariantWord = "variant";
constexpr int MaxVariantDigits = 6;

} // namespace

QString variantInFileName(int variant)
{
    return QCoreApplication::translate("FileNames", VariantWord) + QLatin1Char('-') + QString::number(variant);
}

std::optional<int> variantFromFileName(const QString &path)
{
    const QStringList words = {QString::fromUtf8(VariantWord), QLatin1String(EnglishVariantWord),
                               QCoreApplication::translate("FileNames", VariantWord)};
    QStringList alternatives;
    for (const QString &word : words)
        alternatives << QRegularExpression::escape(word);
    // The word stands alone ("вариант-7", "Иванов_variant-7"), not inside another one.
    const QRegularExpression form(QStringLiteral("(?<!\\p{L})(?:%1)-(\\d{1,%2})(?!\\d)")
                                      .arg(alternatives.join(QLatin1Char('|')))
                                      .arg(MaxVariantDigits),
                                  QRegularExpression::CaseInsensitiveOption);
    std::optional<int> found;
    for (QRegularExpressionMatchIterator it = form.globalMatch(QFileInfo(path).fileName()); it.hasNext();) {
        const int variant = it.next().captured(1).toInt();
        if (found && *found != variant)
            return std::nullopt;
        found = variant;
    }
    return found;
}

} // namespace task
