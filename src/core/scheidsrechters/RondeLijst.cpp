#include "core/scheidsrechters/RondeLijst.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace RondeLijst {

namespace {

std::optional<int> Ronde(QStringView tekst)
{
    bool goed = false;
    const int ronde = tekst.toInt(&goed);
    if (!goed || ronde < 1 || ronde > MaxRonde)
        return std::nullopt;
    return ronde;
}

} // namespace

std::optional<QList<int>> Lees(QStringView tekst)
{
    static const QRegularExpression scheiding(QStringLiteral("[,;\\s]+"));
    // A range may be typed with spaces round its dash: they are taken out first.
    QString schoon = tekst.toString();
    schoon.replace(QRegularExpression(QStringLiteral("\\s*-\\s*")), QStringLiteral("-"));
    QList<int> ronden;
    for (const QString& deel : schoon.split(scheiding, Qt::SkipEmptyParts)) {
        const int streep = deel.indexOf(u'-');
        if (streep < 0) {
            const auto ronde = Ronde(deel);
            if (!ronde)
                return std::nullopt;
            ronden.append(*ronde);
            continue;
        }
        const auto van = Ronde(QStringView(deel).left(streep));
        const auto tot = Ronde(QStringView(deel).mid(streep + 1));
        if (!van || !tot || *tot < *van)
            return std::nullopt;
        for (int ronde = *van; ronde <= *tot; ++ronde)
            ronden.append(ronde);
    }
    std::sort(ronden.begin(), ronden.end());
    ronden.erase(std::unique(ronden.begin(), ronden.end()), ronden.end());
    return ronden;
}

QString Tekst(QList<int> ronden)
{
    std::sort(ronden.begin(), ronden.end());
    ronden.erase(std::unique(ronden.begin(), ronden.end()), ronden.end());
    QStringList delen;
    for (qsizetype i = 0; i < ronden.size();) {
        qsizetype j = i;
        while (j + 1 < ronden.size() && ronden[j + 1] == ronden[j] + 1)
            ++j;
        if (j - i >= 2) {
            delen.append(QStringLiteral("%1-%2").arg(ronden[i]).arg(ronden[j]));
        } else {
            for (qsizetype k = i; k <= j; ++k)
                delen.append(QString::number(ronden[k]));
        }
        i = j + 1;
    }
    return delen.join(QStringLiteral(", "));
}

} // namespace RondeLijst
