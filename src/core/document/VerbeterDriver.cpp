#include "core/document/VerbeterDriver.h"

#include "core/document/ToernooiDocument.h"
#include "core/programma/TVraagsteller.h"
#include "core/verbeteren/BewaardSchema.h"

VerbeterDriver::VerbeterDriver(ToernooiDocument& document, TVraagsteller& vragen)
    : m_document(document), m_vragen(vragen)
{
}

TVerbeterUitkomst VerbeterDriver::Verbeter()
{
    TVerbeterUitkomst uitkomst;
    if (!m_document.SchemaGebouwd() || m_document.Schema().Leeg()) {
        m_vragen.Melding(QStringLiteral("Verbeteren"), QStringLiteral("Bouw eerst het toernooi schema."));
        return uitkomst;
    }
    ToernooiModel& model = m_document.Model();
    m_annuleren.store(false);
    const auto werk = [&] {
        TSchemaVerbeteraar verbeteraar(model);
        verbeteraar.ZetAnnulering(&m_annuleren);
        uitkomst = verbeteraar.Verbeter(m_document.Schema(), model.Uitslagen());
    };
    if (m_voerUit)
        m_voerUit(werk);
    else
        werk();
    // The organiser's own stop changes nothing and needs no box.
    if (uitkomst.Geannuleerd)
        return uitkomst;
    if (uitkomst.Verbeterd)
        model.ZetSchemaIndeling(BewaardSchema::Indeling(uitkomst.Schema), u"schema verbeteren");
    m_vragen.Melding(QStringLiteral("Verbeteren"), uitkomst.Melding);
    return uitkomst;
}

bool VerbeterDriver::Verplaats(TVak van, TVak naar)
{
    if (!m_document.SchemaGebouwd() || van == naar)
        return false;
    ToernooiModel& model = m_document.Model();
    const TVerplaatsUitkomst uitkomst = WisselVakken(model, m_document.Schema(), model.Uitslagen(), van, naar);
    if (!uitkomst.Gelukt()) {
        m_vragen.Melding(QStringLiteral("Fout"), uitkomst.Reden);
        return false;
    }
    model.ZetSchemaIndeling(BewaardSchema::Indeling(uitkomst.Schema), u"wedstrijd verplaatsen");
    return true;
}

bool VerbeterDriver::TerugNaarEigen()
{
    ToernooiModel& model = m_document.Model();
    if (model.SchemaIndeling().Leeg())
        return false;
    model.ZetSchemaIndeling({}, u"terug naar het eigen schema");
    return true;
}
