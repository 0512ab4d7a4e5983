#include "schema/BouwDriver.h"

#include "model/ToernooiModel.h"
#include "programma/TVraagsteller.h"
#include "schema/TInvoerControle.h"
#include "schema/TSchemaBouwer.h"

BouwDriver::BouwDriver(ToernooiModel& model, TVraagsteller& vragen, Stappen stappen)
    : m_model(model), m_vragen(vragen), m_stappen(std::move(stappen))
{
}

bool BouwDriver::Button1Click()
{
    if (m_model.SchemaGebouwd() && !m_model.Gewijzigd()) {
        if (m_stappen.ToonSchema)
            m_stappen.ToonSchema();
        return false;
    }

    const TInvoerControle controle = ControleerInvoer(m_model);
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
        TSchemaBouwer bouwer(m_model);
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
    m_schema = std::move(nieuw);
    if (m_stappen.ToonNieuwSchema)
        m_stappen.ToonNieuwSchema();
    m_model.ZetSchemaGebouwd(true);
    return true;
}
