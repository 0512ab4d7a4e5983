#include "core/uitwisseling/IcsSchema.h"

#include "core/model/ToernooiModel.h"
#include "core/uitwisseling/SchemaRegels.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QStringList>
#include <QTime>

namespace IcsSchema {

QDate LeesStartDatum(const QString& tekst)
{
    static const QRegularExpression vorm(
        QStringLiteral("^\\s*(\\d{1,2})([/-])(\\d{1,2})\\2(\\d{2}|\\d{4})\\s*$"));
    const QRegularExpressionMatch m = vorm.match(tekst);
    if (!m.hasMatch())
        return {};
    int jaar = m.captured(4).toInt();
    if (m.captured(4).size() == 2)
        jaar += jaar < 70 ? 2000 : 1900;
    return QDate(jaar, m.captured(3).toInt(), m.captured(1).toInt());
}

QString Ontsnap(const QString& tekst)
{
    QString uit;
    uit.reserve(tekst.size());
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const QChar c = tekst.at(i);
        if (c == u'\\' || c == u';' || c == u',') {
            uit += u'\\';
            uit += c;
        } else if (c == u'\r') {
            if (i + 1 < tekst.size() && tekst.at(i + 1) == u'\n')
                ++i;
            uit += QStringLiteral("\\n");
        } else if (c == u'\n') {
            uit += QStringLiteral("\\n");
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            continue; // control characters are not allowed in a TEXT value
        } else {
            uit += c;
        }
    }
    return uit;
}

QByteArray Vouw(const QString& regel)
{
    const QByteArray bytes = regel.toUtf8();
    QByteArray uit;
    qsizetype begin = 0;
    qsizetype ruimte = 75; // the first line; a continuation's leading space takes one octet
    while (bytes.size() - begin > ruimte) {
        qsizetype eind = begin + ruimte;
        // Never cut a UTF-8 sequence: back up over continuation bytes.
        while (eind > begin && (quint8(bytes.at(eind)) & 0xC0) == 0x80)
            --eind;
        uit += bytes.mid(begin, eind - begin) + "\r\n ";
        begin = eind;
        ruimte = 74;
    }
    uit += bytes.mid(begin) + "\r\n";
    return uit;
}

namespace {

QString Tijdstempel(const QDate& datum, const QTime& tijd)
{
    return datum.toString(QStringLiteral("yyyyMMdd")) + u'T' + tijd.toString(QStringLiteral("HHmmss"));
}

// The same match can be played twice (a full competition): keer tells them apart, so the
// identifier stays the same when a rebuilt schedule moves a match to another round or field.
QString Uid(const QString& sleutel)
{
    return QString::fromLatin1(
               QCryptographicHash::hash(sleutel.toUtf8(), QCryptographicHash::Sha1).toHex().left(32))
           + QStringLiteral("@rondoplan");
}

QString Uid(const QString& toernooi, const QString& wedstrijd, int keer)
{
    return Uid(toernooi + u'\n' + wedstrijd + u'\n' + QString::number(keer));
}

// A team's duty as the referee of a match: its own identifier, which stays while the team
// referees that match, wherever the match moves.
QString FluitUid(const QString& toernooi, const QString& wedstrijd, int keer, const QString& team)
{
    return Uid(toernooi + u'\n' + wedstrijd + u'\n' + QString::number(keer)
               + QStringLiteral("\nFluiten\n") + team);
}

TIcsUitkomst Fout(TIcsStatus status, const QString& tekst)
{
    TIcsUitkomst uitkomst;
    uitkomst.Status = status;
    uitkomst.Fout = tekst;
    return uitkomst;
}

bool TeamBestaat(const ToernooiModel& model, const QString& team)
{
    for (const auto& t : model.TeamLijst()) {
        if (t->TeamNaam == team)
            return true;
    }
    return false;
}

} // namespace

TIcsUitkomst Schrijf(const ToernooiModel& model, const TSchemaBoom& boom, const QString& team,
                     const QDate& startDatum, const QDateTime& nu, const TWedstrijdDag* dag,
                     const QList<TScheidsToewijzing>& toewijzingen)
{
    const QDate start = startDatum.isValid() ? startDatum : LeesStartDatum(model.StartDatum());
    if (!start.isValid())
        return Fout(TIcsStatus::OnleesbareDatum,
                    QStringLiteral("De startdatum \"%1\" is niet te lezen; geef die als dd-mm-jjjj.")
                        .arg(model.StartDatum()));
    if (!team.isEmpty() && !TeamBestaat(model, team))
        return Fout(TIcsStatus::OnbekendTeam,
                    QStringLiteral("Team %1 bestaat niet in dit toernooi.").arg(team));

    const QString stempel = Tijdstempel(nu.toUTC().date(), nu.toUTC().time()) + u'Z';
    QByteArray uit;
    auto regel = [&uit](const QString& tekst) { uit += Vouw(tekst); };
    regel(QStringLiteral("BEGIN:VCALENDAR"));
    regel(QStringLiteral("VERSION:2.0"));
    regel(QStringLiteral("PRODID:-//Rondoplan//Rondoplan//NL"));
    regel(QStringLiteral("CALSCALE:GREGORIAN"));
    regel(QStringLiteral("X-WR-CALNAME:") + Ontsnap(team.isEmpty() ? model.ToernooiNaam()
                                                                   : model.ToernooiNaam() + u' ' + team));

    for (const TSchemaRegel& r : SchemaRegels::Lees(boom, model.Velden(), dag, toewijzingen)) {
        if (r.IsLeeg())
            continue;
        const bool speelt = team.isEmpty() || r.Team1 == team || r.Team2 == team;
        const bool fluit = !team.isEmpty() && r.Scheidsrechter == team;
        if (!speelt && !fluit)
            continue;
        bool dagGoed = false;
        const int dag = r.Dag.toInt(&dagGoed);
        const QTime begin = QTime::fromString(r.Begin, QStringLiteral("HH:mm"));
        const QTime eind = QTime::fromString(r.Eind, QStringLiteral("HH:mm"));
        if (!dagGoed || dag < 1 || !begin.isValid() || !eind.isValid())
            return Fout(TIcsStatus::GeenTijden,
                        QStringLiteral("Ronde %1 heeft geen dag en tijden.").arg(r.Ronde));
        const QDate datum = start.addDays(dag - 1);
        // The header shows the end as a clock time; the match's duration tells on which day
        // it falls, so a duration of 0 gives an event of no length, not one of a day.
        const int eindMinuut = begin.hour() * 60 + begin.minute() + model.DuurWedstrijd();
        const QDate eindDatum = datum.addDays(eindMinuut / (24 * 60));
        QString samenvatting = r.Team2.isEmpty()
                                   ? r.Wedstrijd
                                   : r.Poule + QStringLiteral(" : ") + r.Team1
                                         + QStringLiteral(" x ") + r.Team2;
        // A played match shows its score in the calendar's own line; the identifier stays.
        const QString uitslag = SchemaRegels::UitslagZin(r);
        if (!uitslag.isEmpty())
            samenvatting += QStringLiteral(" (") + uitslag + u')';
        const auto event = [&](const QString& uid, const QString& titel, const QString& beschrijving) {
            regel(QStringLiteral("BEGIN:VEVENT"));
            regel(QStringLiteral("UID:") + uid);
            regel(QStringLiteral("DTSTAMP:") + stempel);
            regel(QStringLiteral("DTSTART:") + Tijdstempel(datum, begin));
            regel(QStringLiteral("DTEND:") + Tijdstempel(eindDatum, eind));
            regel(QStringLiteral("SUMMARY:") + Ontsnap(titel));
            regel(QStringLiteral("LOCATION:") + Ontsnap(QStringLiteral("Veld %1").arg(r.Veld)));
            if (!beschrijving.isEmpty())
                regel(QStringLiteral("DESCRIPTION:") + Ontsnap(beschrijving));
            regel(QStringLiteral("END:VEVENT"));
        };
        if (speelt) {
            QStringList beschrijving;
            if (!uitslag.isEmpty())
                beschrijving.append(QStringLiteral("Uitslag: ") + uitslag);
            if (!r.Scheidsrechter.isEmpty())
                beschrijving.append(QStringLiteral("Scheidsrechter: ") + r.Scheidsrechter);
            event(Uid(model.ToernooiNaam(), r.Wedstrijd, r.Keer), samenvatting, beschrijving.join(u'\n'));
        }
        if (fluit)
            event(FluitUid(model.ToernooiNaam(), r.Wedstrijd, r.Keer, team),
                  QStringLiteral("Fluiten: ") + samenvatting,
                  QStringLiteral("Ronde %1, veld %2").arg(r.Ronde).arg(r.Veld));
    }
    regel(QStringLiteral("END:VCALENDAR"));
    TIcsUitkomst uitkomst;
    uitkomst.Inhoud = uit;
    return uitkomst;
}

} // namespace IcsSchema
