#include "core/bestand/ToernooiBestand.h"

#include "core/bestand/Bestandsfout.h"
#include "core/bestand/ToernooiLezer.h"
#include "core/bestand/ToernooiSchrijver.h"
#include "core/document/ToernooiDocument.h"
#include "core/model/ToernooiModel.h"
#include "core/programma/TVraagsteller.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <new>

const QString ToernooiBestand::Filter =
    QStringLiteral("Toernooi details (*.trn)|*.trn|Alles (*.*)|*.*|Text bestanden (*.txt)|*.txt|"
                   "Backup bestanden (*.bak)|*.bak");
const QString ToernooiBestand::StandaardExtensie = QStringLiteral("trn");

ToernooiBestand::ToernooiBestand(ToernooiDocument& document, TVraagsteller& vraagsteller)
    : m_document(document), m_model(document.Model()), m_vraagsteller(vraagsteller)
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
    // The open file is proposed, so that Enter saves where the tournament came from; only a
    // tournament without a file is named after itself.
    const QString voorstel = m_document.Pad().isEmpty()
                                 ? m_model.ToernooiNaam() + QStringLiteral(".trn")
                                 : QFileInfo(m_document.Pad()).fileName();
    const QString pad = m_vraagsteller.KiesOpTeSlaanBestand(voorstel, Filter, m_document.Map());
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

    // Saving over the backup file itself leaves nothing older to keep.
    QString backup;
    if (QFileInfo::exists(pad)) {
        backup = BestandOpslag::BackupNaam(pad);
        if (QDir::cleanPath(backup) == QDir::cleanPath(pad))
            backup.clear();
    }
    const QString fout = BestandOpslag::Bewaar(pad, bytes, backup, MaakBestand);
    if (!fout.isEmpty()) {
        Fout(QStringLiteral("Het bestand \"%1\" kon niet opgeslagen worden:\n%2\n\n"
                            "Het vorige bestand en de vorige backup zijn ongewijzigd gebleven.")
                 .arg(pad, fout));
        return TBestandUitkomst::Mislukt;
    }
    m_model.ZetGewijzigd(false);
    m_document.OnthoudPad(pad);
    return TBestandUitkomst::Gelukt;
}

TBestandUitkomst ToernooiBestand::Laden(const QString& startBestand)
{
    QString pad = startBestand;
    if (pad.isEmpty()) {
        pad = m_vraagsteller.KiesTeOpenenBestand(Filter, StandaardExtensie, m_document.Map());
        if (pad.isEmpty())
            return TBestandUitkomst::Geannuleerd;
    }

    if (const TBestandUitkomst bewaard = VraagOmTeBewaren(); bewaard != TBestandUitkomst::Gelukt)
        return bewaard;

    const QString onveranderd = QStringLiteral("\n\nHet huidige toernooi is ongewijzigd gebleven.");
    try {
        QByteArray bytes;
        const QString fout = BestandOpslag::LeesAlles(pad, bytes);
        if (!fout.isEmpty()) {
            Fout(QStringLiteral("Het bestand \"%1\" kon niet gelezen worden:\n%2").arg(pad, fout)
                 + onveranderd);
            return TBestandUitkomst::Mislukt;
        }
        if (!ToernooiLezer::LeesToernooiBytes(m_model, bytes)) {
            Fout(QStringLiteral("\"%1\" is geen toernooibestand.").arg(pad) + onveranderd);
            return TBestandUitkomst::Mislukt;
        }
    } catch (const std::bad_alloc&) {
        // No input may end the program; what was read so far may have been applied.
        Fout(QStringLiteral("Het bestand \"%1\" kon niet gelezen worden:\n%2")
                 .arg(pad, Bestandsfout::VanErrno(ENOMEM)));
        return TBestandUitkomst::Mislukt;
    }
    m_document.OnthoudPad(pad);
    return TBestandUitkomst::Gelukt;
}

TBestandUitkomst ToernooiBestand::LaadHersteld(const QByteArray& bytes, const QString& pad)
{
    try {
        if (!ToernooiLezer::LeesToernooiBytes(m_model, bytes)) {
            Fout(QStringLiteral("De herstelkopie bevat geen toernooi."));
            return TBestandUitkomst::Mislukt;
        }
    } catch (const std::bad_alloc&) {
        Fout(QStringLiteral("De herstelkopie kon niet gelezen worden:\n%1").arg(Bestandsfout::VanErrno(ENOMEM)));
        return TBestandUitkomst::Mislukt;
    }
    if (pad.isEmpty())
        m_document.VergeetPad();
    else
        m_document.OnthoudPad(pad);
    m_model.ZetGewijzigd(true);
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
    // The new tournament has no file; the dialogs still start in the last folder.
    m_document.VergeetPad();
    return TBestandUitkomst::Gelukt;
}
