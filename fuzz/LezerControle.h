#pragma once

#include "core/bestand/ToernooiLezer.h"
#include "core/bestand/ToernooiSchrijver.h"
#include "core/model/ToernooiModel.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QLocale>
#include <QSet>
#include <QString>
#include <QTimeZone>

// What must hold for any input of the reader: it returns, the model it leaves is consistent,
// and what it read survives a save and a second load unchanged. Used by the fuzz target and
// by the test that replays the corpus and every input that ever failed. Returns an empty
// text when all holds, otherwise what went wrong.
namespace LezerControle {

inline QString ControleerModel(const ToernooiModel& model)
{
    // Every team of a poule is in the team list and in no other poule; teams in no poule
    // are allowed.
    QSet<const TTeamDetails*> ingedeeld;
    for (const auto& team : model.TeamLijst())
        ingedeeld.insert(team.get());
    for (const auto& poule : model.PouleLijst()) {
        for (const TTeamDetails* team : poule->Teams) {
            if (!ingedeeld.remove(team))
                return QStringLiteral("team in twee poules of niet in de teamlijst");
        }
        if (const TPouleDetails* kruis = poule->Details->KruisPoule; kruis && model.PouleIndex(kruis) < 0)
            return QStringLiteral("partner buiten de lijst");
        if (poule->Details->MinimaleRust < ToernooiModel::MinMinimaleRust ||
            poule->Details->MinimaleRust > ToernooiModel::MaxMinimaleRust)
            return QStringLiteral("rust buiten bereik");
    }
    if (model.DagTijden().isEmpty())
        return QStringLiteral("geen dagdelen");
    if (model.DuurWedstrijd() < 0 || model.Pauze() < 0 ||
        model.DuurWedstrijd() > ToernooiModel::MaxMinuten || model.Pauze() > ToernooiModel::MaxMinuten)
        return QStringLiteral("duur of pauze buiten bereik");
    const TLettertypen& f = model.Lettertypen();
    for (const TLettertype* l : {&f.HeaderFont, &f.FooterFont, &f.TextFont, &f.VetTeamFont}) {
        if (l->Grootte < 1)
            return QStringLiteral("lettergrootte onder 1");
    }
    if (model.Gewijzigd())
        return QStringLiteral("vlaggen niet gewist");
    return {};
}

inline QString Controleer(QByteArrayView invoer)
{
    const QDateTime moment(QDate(2000, 1, 1), QTime(12, 0), QTimeZone::utc());
    const QLocale locale = QLocale::c();

    ToernooiModel eerste;
    ToernooiLezer::LeesToernooiBytes(eerste, invoer);
    QString fout = ControleerModel(eerste);
    if (!fout.isEmpty())
        return fout;
    const QByteArray bewaard = ToernooiSchrijver::ToernooiBytes(eerste, moment, locale);

    ToernooiModel tweede;
    ToernooiLezer::LeesToernooiBytes(tweede, bewaard);
    fout = ControleerModel(tweede);
    if (!fout.isEmpty())
        return QStringLiteral("na opslaan: ") + fout;
    if (ToernooiSchrijver::ToernooiBytes(tweede, moment, locale) != bewaard)
        return QStringLiteral("opslaan en opnieuw laden geeft een ander toernooi");
    return {};
}

} // namespace LezerControle
