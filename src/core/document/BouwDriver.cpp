#include "core/document/BouwDriver.h"

#include "core/document/ToernooiDocument.h"
#include "core/programma/TVraagsteller.h"
#include "core/schema/SchemaOverloop.h"
#include "core/schema/TInvoerControle.h"
#include "core/schema/TSchemaBouwer.h"
#include "core/verbeteren/BewaardSchema.h"

BouwDriver::BouwDriver(ToernooiDocument& document, TVraagsteller& vragen, Stappen stappen)
    : m_document(document), m_vragen(vragen), m_stappen(std::move(stappen))
{
}

QString BouwDriver::VerplaatstVraag(int verplaatst)
{
    return (verplaatst == 1
                ? QStringLiteral("1 gespeelde wedstrijd komt")
                : QStringLiteral("%1 gespeelde wedstrijden komen").arg(verplaatst))
           + QStringLiteral(" in het nieuwe schema in een andere ronde of op een ander veld.\n\n"
                            "De uitslagen blijven bij hun wedstrijd. Annuleren houdt het huidige "
                            "schema.");
}

QString BouwDriver::BewaardVervaltVraag(const QString& reden)
{
    return reden + QStringLiteral("\n\nEen nieuw schema bouwen? Het verbeterde of met de hand "
                                  "verschoven schema vervalt. Annuleren houdt het huidige schema.");
}

bool BouwDriver::Button1Click()
{
    ToernooiModel& model = m_document.Model();
    if (m_document.SchemaGebouwd() && !m_document.Gewijzigd()) {
        if (m_stappen.ToonSchema)
            m_stappen.ToonSchema();
        return false;
    }

    const TInvoerControle controle = ControleerInvoer(model);
    if (!controle.Regels.isEmpty() && m_stappen.ToonFoutLijst)
        m_stappen.ToonFoutLijst(controle.Teksten());
    if (!controle.MagBouwen())
        return false;

    if (m_stappen.BewaarDetails)
        m_stappen.BewaarDetails();

    // The new tree is built aside, so the schedule on screen stays whole until the build has
    // succeeded.
    TSchemaBoom nieuw;
    m_annuleren.store(false);
    auto bouw = [this, &nieuw] {
        TSchemaBouwer bouwer(m_document.Model());
        bouwer.ZetAnnulering(&m_annuleren);
        return bouwer.BouwSchema(nieuw);
    };
    const TBouwUitkomst uitkomst = m_stappen.VoerUit ? m_stappen.VoerUit(bouw) : bouw();
    // The organiser's own stop is no fault: the previous schedule simply stays.
    if (uitkomst.Geannuleerd)
        return false;
    if (!uitkomst.Gelukt) {
        m_vragen.Melding(QStringLiteral("Fout"), uitkomst.Reden);
        return false;
    }
    // An improved or hand-made schedule stays the tournament's while it fits; one that no
    // longer fits is replaced only when the organiser agrees.
    TSchemaBoom getoond = nieuw;
    bool vervalt = false;
    if (const TSchemaIndeling& indeling = model.SchemaIndeling(); !indeling.Leeg()) {
        QString reden;
        if (auto bewaard = BewaardSchema::PasToe(model, nieuw, indeling, &reden)) {
            getoond = std::move(*bewaard);
        } else if (!m_vragen.VraagDoorgaan(QStringLiteral("Schema opnieuw bouwen"), BewaardVervaltVraag(reden))) {
            return false;
        } else {
            vervalt = true;
        }
    }
    // Results stay with their match text, but a new schedule may put a match already played
    // in another round or on another field than the paper on the wall says.
    if (m_document.SchemaGebouwd()) {
        const int verplaatst = VerplaatsteGespeeld(m_document.Schema(), getoond, model.Uitslagen());
        if (verplaatst > 0 && !m_vragen.VraagDoorgaan(QStringLiteral("Schema opnieuw bouwen"),
                                                      VerplaatstVraag(verplaatst)))
            return false;
    }
    if (vervalt)
        model.ZetSchemaIndeling({}, u"schema bouwen");
    // Current before the windows show it, so that every window over the schedule (the
    // results too) follows the new one at once.
    m_document.ZetNieuwSchema(std::move(nieuw), std::move(getoond));
    if (m_stappen.ToonNieuwSchema)
        m_stappen.ToonNieuwSchema();
    const QString overloop = SchemaOverloop(m_document.Schema(), model.Velden());
    if (!overloop.isEmpty() && m_stappen.ToonFoutLijst)
        m_stappen.ToonFoutLijst({QStringLiteral("- Waarschuwing - ") + overloop});
    return true;
}
