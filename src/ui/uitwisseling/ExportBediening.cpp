#include "ui/uitwisseling/ExportBediening.h"

#include "core/document/ToernooiDocument.h"
#include "core/model/ToernooiModel.h"
#include "core/programma/TVraagsteller.h"
#include "core/schema/TSchemaBoom.h"
#include "core/uitslag/TWedstrijdDag.h"
#include "core/uitwisseling/CsvSchema.h"
#include "core/uitwisseling/HtmlSchema.h"
#include "core/uitwisseling/IcsSchema.h"
#include "core/uitwisseling/Uitwisselbestanden.h"

#include <QFileInfo>
#include <QRegularExpression>

ExportBediening::ExportBediening(ToernooiDocument& document, TVraagsteller& vragen, Klok klok,
                                 QObject* parent)
    : QObject(parent), m_document(document), m_model(document.Model()),
      m_schema(document.Schema()), m_vragen(vragen),
      m_klok(klok ? std::move(klok) : Klok([] { return QDateTime::currentDateTime(); }))
{
}

QString ExportBediening::VoorgesteldeNaam(const QString& toernooi, const QString& team,
                                          const QString& extensie)
{
    QString naam = team.isEmpty() ? toernooi : toernooi + QStringLiteral(" - ") + team;
    static const QRegularExpression verboden(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    naam.replace(verboden, QStringLiteral("_"));
    naam = naam.simplified();
    // A name of only dots would be the folder itself or its parent.
    if (naam.isEmpty() || naam.count(u'.') == naam.size())
        naam = QStringLiteral("schema");
    return naam + u'.' + extensie;
}

const TWedstrijdDag* ExportBediening::Dag(std::unique_ptr<TWedstrijdDag>& eigen) const
{
    if (m_dagBron) {
        if (const TWedstrijdDag* dag = m_dagBron())
            return dag;
    }
    if (!m_document.SchemaGebouwd() || m_schema.Leeg())
        return nullptr;
    eigen = std::make_unique<TWedstrijdDag>(m_model, m_schema);
    return eigen.get();
}

const QList<TScheidsToewijzing>& ExportBediening::Fluiters() const
{
    return m_document.Scheidsrechters().Toewijzingen;
}

void ExportBediening::Bewaar(const QByteArray& inhoud, const QString& filter,
                             const QString& extensie, const QString& team)
{
    QString pad = m_vragen.KiesOpTeSlaanBestand(
        VoorgesteldeNaam(m_model.ToernooiNaam(), team, extensie), filter,
        m_document.Map());
    if (pad.isEmpty())
        return;
    if (QFileInfo(pad).suffix().isEmpty())
        pad += u'.' + extensie;
    if (const QString fout = Uitwisselbestanden::ControleerDoel(pad, m_document.Pad());
        !fout.isEmpty()) {
        m_vragen.Melding(QStringLiteral("Fout"), fout);
        return;
    }
    if (QFileInfo::exists(pad)
        && !m_vragen.VraagJaNee(QStringLiteral("Bestand bestaat"),
                                QStringLiteral("Het bestand \"%1\" bestaat al.\nOverschrijven?").arg(pad)))
        return;
    const QString fout = Uitwisselbestanden::Schrijf(pad, inhoud);
    if (!fout.isEmpty()) {
        m_vragen.Melding(QStringLiteral("Fout"), fout);
        return;
    }
    emit geschreven(QFileInfo(pad).absoluteFilePath());
}

void ExportBediening::SpreadsheetClick()
{
    std::unique_ptr<TWedstrijdDag> eigen;
    Bewaar(CsvSchema::Schrijf(m_schema, m_model.Velden(), Dag(eigen), Fluiters()),
           QStringLiteral("Spreadsheet (*.csv)|*.csv|Alles (*.*)|*.*"), QStringLiteral("csv"));
}

void ExportBediening::WebpaginaClick()
{
    std::unique_ptr<TWedstrijdDag> eigen;
    Bewaar(HtmlSchema::Schrijf(m_model, m_schema, Dag(eigen), Fluiters()),
           QStringLiteral("Webpagina (*.html)|*.html|Alles (*.*)|*.*"), QStringLiteral("html"));
}

void ExportBediening::AgendaClick(const QString& team)
{
    std::unique_ptr<TWedstrijdDag> eigen;
    const TWedstrijdDag* dag = Dag(eigen);
    TIcsUitkomst uitkomst = IcsSchema::Schrijf(m_model, m_schema, team, QDate(), m_klok(), dag, Fluiters());
    if (uitkomst.Status == TIcsStatus::OnleesbareDatum) {
        // The date asked counts for this file only; the tournament keeps its own text.
        const std::optional<QDate> datum = m_vragen.VraagDatum(
            QStringLiteral("Startdatum"),
            uitkomst.Fout + QStringLiteral("\nOp welke dag begint het toernooi?"));
        if (!datum || !datum->isValid())
            return;
        uitkomst = IcsSchema::Schrijf(m_model, m_schema, team, *datum, m_klok(), dag, Fluiters());
    }
    if (uitkomst.Status != TIcsStatus::Gelukt) {
        m_vragen.Melding(QStringLiteral("Fout"), uitkomst.Fout);
        return;
    }
    Bewaar(uitkomst.Inhoud, QStringLiteral("Agenda (*.ics)|*.ics|Alles (*.*)|*.*"),
           QStringLiteral("ics"), team);
}
