#include "ToernooiBestand.h"

#include "TVraagsteller.h"
#include "ToernooiLezer.h"
#include "ToernooiModel.h"
#include "ToernooiSchrijver.h"

#include <QDir>
#include <QFileInfo>

const QString ToernooiBestand::Filter =
    QStringLiteral("Toernooi details (*.trn)|*.trn|Alles (*.*)|*.*|Text bestanden (*.txt)|*.txt|"
                   "Backup bestanden (*.bak)|*.bak");
const QString ToernooiBestand::StandaardExtensie = QStringLiteral("trn");

ToernooiBestand::ToernooiBestand(ToernooiModel& model, TVraagsteller& vraagsteller)
    : m_model(model), m_vraagsteller(vraagsteller)
{
}

void ToernooiBestand::Fout(const QString& tekst)
{
    m_vraagsteller.Melding(QStringLiteral("Fout"), tekst);
}

TBestandUitkomst ToernooiBestand::Opslaan()
{
    if (BewaarDetails)
        BewaarDetails();
    const QString pad = m_vraagsteller.KiesOpTeSlaanBestand(
        m_model.ToernooiNaam() + QStringLiteral(".trn"), Filter, m_laatsteMap);
    if (pad.isEmpty())
        return TBestandUitkomst::Geannuleerd;
    if (QFileInfo::exists(pad) &&
        !m_vraagsteller.VraagJaNee(QStringLiteral("File bestaat"),
                                   QStringLiteral("File bestaat al.\n\rOverschrijven (J/N)?")))
        return TBestandUitkomst::Geannuleerd;
    return Bewaar(pad);
}

TBestandUitkomst ToernooiBestand::Bewaar(const QString& pad)
{
    // Built first, so that neither the backup nor the file is touched when this fails.
    const QByteArray bytes = ToernooiSchrijver::ToernooiBytes(m_model, Klok(), Locale);

    if (QFileInfo::exists(pad)) {
        const QString backup = BestandOpslag::BackupNaam(pad);
        // Saving over the backup file itself leaves nothing older to keep.
        if (QDir::cleanPath(backup) != QDir::cleanPath(pad)) {
            const QString fout = BestandOpslag::MaakBackup(pad, backup, MaakBestand);
            if (!fout.isEmpty()) {
                Fout(QStringLiteral(
                         "Van het bestand \"%1\" kon geen backup \"%2\" gemaakt worden:\n%3\n\n"
                         "Het toernooi is niet opgeslagen.")
                         .arg(pad, backup, fout));
                return TBestandUitkomst::Mislukt;
            }
        }
    }

    const QString fout = BestandOpslag::SchrijfAtomair(pad, bytes, MaakBestand);
    if (!fout.isEmpty()) {
        Fout(QStringLiteral("Het bestand \"%1\" kon niet opgeslagen worden:\n%2\n\n"
                            "Het vorige bestand is ongewijzigd gebleven.")
                 .arg(pad, fout));
        return TBestandUitkomst::Mislukt;
    }
    m_model.ZetGewijzigd(false);
    OnthoudMap(pad);
    return TBestandUitkomst::Gelukt;
}

void ToernooiBestand::OnthoudMap(const QString& pad)
{
    m_laatsteMap = QFileInfo(pad).absolutePath();
}

TBestandUitkomst ToernooiBestand::Laden()
{
    QString pad = m_model.StartBestand();
    if (!pad.isEmpty()) {
        // Taken once: a start file that cannot be read must not come back at the next load.
        m_model.ZetStartBestand(QString());
    } else {
        pad = m_vraagsteller.KiesTeOpenenBestand(Filter, StandaardExtensie, m_laatsteMap);
        if (pad.isEmpty())
            return TBestandUitkomst::Geannuleerd;
    }

    if (const TBestandUitkomst bewaard = VraagOmTeBewaren(); bewaard != TBestandUitkomst::Gelukt)
        return bewaard;

    QByteArray bytes;
    const QString fout = BestandOpslag::LeesAlles(pad, bytes);
    if (!fout.isEmpty()) {
        Fout(QStringLiteral("Het bestand \"%1\" kon niet gelezen worden:\n%2\n\n"
                            "Het huidige toernooi is ongewijzigd gebleven.")
                 .arg(pad, fout));
        return TBestandUitkomst::Mislukt;
    }
    ToernooiLezer::LeesToernooiBytes(m_model, bytes);
    OnthoudMap(pad);
    return TBestandUitkomst::Gelukt;
}

TBestandUitkomst ToernooiBestand::VraagOmTeBewaren()
{
    if (!m_model.Gewijzigd())
        return TBestandUitkomst::Gelukt;
    switch (m_vraagsteller.VraagJaNeeAnnuleren(
        QStringLiteral("Wijzigingen!"),
        QStringLiteral("U heeft gegevens gewijzigd die nog niet zijn opgeslagen!\r\n\r\n"
                       "Wilt U deze nog opslaan?"))) {
    case TAntwoord::Nee:
        return TBestandUitkomst::Gelukt;
    case TAntwoord::Annuleren:
        return TBestandUitkomst::Geannuleerd;
    case TAntwoord::Ja:
        break;
    }
    // A save dialog cancelled, No at the overwrite question or a failed save all keep the
    // changes: the caller stops rather than throw them away.
    return Opslaan();
}

bool ToernooiBestand::MagAfsluiten()
{
    return VraagOmTeBewaren() == TBestandUitkomst::Gelukt;
}

TBestandUitkomst ToernooiBestand::Opnieuw()
{
    if (const TBestandUitkomst bewaard = VraagOmTeBewaren(); bewaard != TBestandUitkomst::Gelukt)
        return bewaard;
    if (LeegAlles)
        LeegAlles();
    m_model.LeegPoulesEnTeams();
    m_model.ZetGewijzigd(false);
    m_model.ZetSchemaGebouwd(false);
    return TBestandUitkomst::Gelukt;
}
