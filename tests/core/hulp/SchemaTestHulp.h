#pragma once

#include "core/model/ToernooiModel.h"
#include "core/schema/TSchemaBoom.h"
#include "core/schema/TSchemaBouwer.h"
#include "hulp/Tekst.h"

#include <QStringList>
#include <gtest/gtest.h>

// Builds tournaments for the builder's tests through the model's own operations.
namespace SchemaTestHulp {

using ::T;

struct TPouleOpzet
{
    const char* Naam;
    QStringList Teams;
    TCompetitieType Competitie = TCompetitieType::HalveCompetitie;
    int KruisPoule = 0; // position in the partner list; 0 and -1 for none
    TKruisPouleCompetitieType KruisType = TKruisPouleCompetitieType::EnkeleWedstrijden;
    int MinimaleRust = 0;
};

// Team names T<first>..T<last>.
inline QStringList TeamReeks(int eerste, int laatste)
{
    QStringList namen;
    for (int i = eerste; i <= laatste; ++i)
        namen.append(QStringLiteral("T") + QString::number(i));
    return namen;
}

inline void VoegPoulesToe(ToernooiModel& model, const std::vector<TPouleOpzet>& opzet)
{
    for (const TPouleOpzet& poule : opzet) {
        TPouleDetails* details = model.VoegPouleToe(T(poule.Naam)).Nieuw;
        ASSERT_NE(details, nullptr) << poule.Naam;
        QList<TTeamDetails*> teams;
        for (const QString& naam : poule.Teams) {
            TTeamDetails* team = model.VoegTeamToe(naam).Nieuw;
            ASSERT_NE(team, nullptr) << naam.toStdString();
            teams.append(team);
        }
        model.ZetTeamsInPoule(int(model.PouleLijst().size()) - 1, teams);
    }
    // Links are set once every poule exists, as a loaded file sets them.
    for (std::size_t i = 0; i < opzet.size(); ++i) {
        const TPouleOpzet& poule = opzet[i];
        model.ZetPouleDetails(model.PouleLijst()[i]->Details.get(), poule.Competitie,
                              model.PouleOpKruisPositie(poule.KruisPoule), poule.KruisType,
                              poule.MinimaleRust);
    }
}

// The tree as lines, the way the command-line tool prints it.
inline QStringList Regels(const TSchemaBoom& boom)
{
    QStringList regels = boom.AlsTekst().split(u'\n');
    regels.removeLast();
    return regels;
}

inline QStringList Bouw(const ToernooiModel& model)
{
    TSchemaBoom boom;
    const TBouwUitkomst uitkomst = TSchemaBouwer(model).BouwSchema(boom);
    EXPECT_TRUE(uitkomst.Gelukt) << uitkomst.Reden.toStdString();
    return Regels(boom);
}

inline QStringList Lijst(std::initializer_list<const char*> regels)
{
    QStringList lijst;
    for (const char* regel : regels)
        lijst.append(T(regel));
    return lijst;
}

} // namespace SchemaTestHulp
