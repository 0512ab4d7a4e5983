#include "core/document/ToernooiDocument.h"

#include "core/scheidsrechters/Behouden.h"
#include "core/verbeteren/BewaardSchema.h"

#include <QFileInfo>

ToernooiDocument::ToernooiDocument(ToernooiModel& model, QObject* parent)
    : QObject(parent), m_model(model)
{
    m_geschiedenis.Begin(HuidigeStap({}));
    if (m_model.Gewijzigd())
        m_geschiedenis.MarkeerOnbewaard();
    // What the model did before there was a history is no step.
    (void)m_model.NeemBewerking();
    connect(&m_model, &ToernooiModel::veranderd, this, &ToernooiDocument::Veranderd);
    connect(&m_model, &ToernooiModel::veranderd, this, &ToernooiDocument::ScheidsrechtersVerouderd);
    connect(&m_model, &ToernooiModel::vervangen, this, [this] {
        // A schedule of the tournament a load or "Opnieuw" replaced is no longer current.
        m_schemaGebouwd = false;
        ScheidsrechtersVerouderd();
        m_opnieuw = true;
        Veranderd();
    });
    connect(&m_model, &ToernooiModel::gewijzigdVeranderd, this, &ToernooiDocument::GewijzigdVeranderd);
    connect(&m_model, &ToernooiModel::schemaIndelingVeranderd, this, &ToernooiDocument::IndelingVeranderd);
    // A delay moves the times of the schedule shown; its matches stay where they are.
    connect(&m_model, &ToernooiModel::uitloopVeranderd, this, [this] {
        if (m_schemaGebouwd)
            emit schemaVeranderd();
    });
}

Geschiedenis::TStap ToernooiDocument::HuidigeStap(const ToernooiModel::TBewerking& bewerking) const
{
    return {bewerking.Naam, bewerking.Samenvoegbaar, m_model.Toestand(), m_schemaGebouwd, m_bouwNummer};
}

void ToernooiDocument::Veranderd()
{
    if (m_herstellen || m_open)
        return;
    m_open = true;
    // The step closes once the command that changed the model has finished.
    QMetaObject::invokeMethod(this, &ToernooiDocument::SluitStap, Qt::QueuedConnection);
}

void ToernooiDocument::GewijzigdVeranderd(bool gewijzigd)
{
    if (m_herstellen)
        return;
    if (gewijzigd) {
        // Marked changed without a change of its own (a recovered copy loaded as unsaved
        // changes): the state now is not the file's. An ordinary change is a step by then.
        QMetaObject::invokeMethod(this, [this] {
            if (!m_open && m_model.Gewijzigd() && m_geschiedenis.IsBewaard())
                m_geschiedenis.MarkeerOnbewaard();
        }, Qt::QueuedConnection);
        return;
    }
    // Saved or loaded: the state now is the file's.
    SluitStap();
    m_geschiedenis.MarkeerBewaard();
}

void ToernooiDocument::SluitStap()
{
    if (!m_open)
        return;
    m_open = false;
    const ToernooiModel::TBewerking bewerking = m_model.NeemBewerking();
    if (m_opnieuw) {
        m_opnieuw = false;
        m_model.VergeetVerwijderde();
        m_geschiedenis.Begin(HuidigeStap({}));
        // A recovered copy is loaded as changes not yet saved.
        if (m_model.Gewijzigd())
            m_geschiedenis.MarkeerOnbewaard();
    } else {
        Geschiedenis::TStap stap = HuidigeStap(
            bewerking.Naam.isEmpty() ? ToernooiModel::TBewerking{QStringLiteral("wijziging"), false}
                                     : bewerking);
        // A change that was changed back within the same command is no step.
        if (stap.Toestand.IsGelijk(m_geschiedenis.Huidig().Toestand))
            return;
        m_geschiedenis.VoegToe(std::move(stap));
    }
    emit geschiedenisVeranderd();
}

void ToernooiDocument::SluitSamenvoegen()
{
    SluitStap();
    m_geschiedenis.SluitSamenvoegen();
}

bool ToernooiDocument::KanOngedaan()
{
    SluitStap();
    return m_geschiedenis.KanOngedaan();
}

bool ToernooiDocument::KanHerhalen()
{
    SluitStap();
    return m_geschiedenis.KanHerhalen();
}

QString ToernooiDocument::OngedaanTekst()
{
    return KanOngedaan() ? QStringLiteral("&Ongedaan maken: ") + m_geschiedenis.OngedaanNaam()
                         : QStringLiteral("&Ongedaan maken");
}

QString ToernooiDocument::HerhaalTekst()
{
    return KanHerhalen() ? QStringLiteral("&Herhalen: ") + m_geschiedenis.HerhaalNaam()
                         : QStringLiteral("&Herhalen");
}

void ToernooiDocument::Herstel(const Geschiedenis::TStap& stap)
{
    m_herstellen = true;
    m_model.HerstelToestand(stap.Toestand);
    // The schedule is current again only for the state it was built from.
    m_schemaGebouwd = stap.SchemaGebouwd && stap.Bouw == m_bouwNummer;
    ScheidsrechtersVerouderd();
    // The kept places of the state brought back, over the schedule built last.
    IndelingVeranderd();
    m_model.ZetGewijzigd(!m_geschiedenis.IsBewaard());
    m_herstellen = false;
    emit geschiedenisVeranderd();
}

bool ToernooiDocument::OngedaanMaken()
{
    if (!KanOngedaan())
        return false;
    // A build since the last step made that state's schedule current.
    Geschiedenis::TStap& huidig = m_geschiedenis.Huidig();
    if (m_schemaGebouwd && huidig.Bouw != m_bouwNummer) {
        huidig.SchemaGebouwd = true;
        huidig.Bouw = m_bouwNummer;
    }
    Herstel(m_geschiedenis.OngedaanMaken());
    return true;
}

bool ToernooiDocument::Herhalen()
{
    if (!KanHerhalen())
        return false;
    Herstel(m_geschiedenis.Herhalen());
    return true;
}

void ToernooiDocument::ZetNieuwSchema(TSchemaBoom eigen, TSchemaBoom getoond)
{
    m_eigenSchema = std::move(eigen);
    m_schema = std::move(getoond);
    m_schemaGebouwd = true;
    ++m_bouwNummer;
    ScheidsrechtersVerouderd();
    // The schedule belongs to the state it was built from: undo back to that state keeps it.
    SluitStap();
    m_geschiedenis.Huidig().SchemaGebouwd = true;
    m_geschiedenis.Huidig().Bouw = m_bouwNummer;
}

void ToernooiDocument::IndelingVeranderd()
{
    if (!m_schemaGebouwd)
        return;
    // The kept places over the last build; where they no longer fit, the builder's own.
    const TSchemaIndeling& indeling = m_model.SchemaIndeling();
    std::optional<TSchemaBoom> bewaard;
    if (!indeling.Leeg())
        bewaard = BewaardSchema::PasToe(m_model, m_eigenSchema, indeling);
    TSchemaBoom schema = bewaard ? std::move(*bewaard) : m_eigenSchema;
    if (schema == m_schema)
        return;
    m_schema = std::move(schema);
    ScheidsrechtersVerouderd();
    emit schemaVeranderd();
}

void ToernooiDocument::ScheidsrechtersVerouderd()
{
    m_scheidsrechtersVerouderd = true;
    emit scheidsrechtersVeranderd();
}

const TScheidsUitkomst& ToernooiDocument::Scheidsrechters() const
{
    if (m_scheidsrechtersVerouderd) {
        m_scheidsrechters = m_schemaGebouwd ? BehoudToewijzing(m_model, m_schema, m_model.Scheidsrechters())
                                            : TScheidsUitkomst{};
        m_scheidsrechtersVerouderd = false;
    }
    return m_scheidsrechters;
}

void ToernooiDocument::OnthoudPad(const QString& pad)
{
    const QFileInfo info(pad);
    m_map = info.absolutePath();
    m_pad = info.absoluteFilePath();
}
