#include "core/herstel/HerstelKopie.h"

#include "core/bestand/Bestandsfout.h"
#include "core/bestand/ToernooiSchrijver.h"
#include "core/herstel/HerstelBestand.h"
#include "core/model/ToernooiModel.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

#include <cerrno>
#include <new>

HerstelKopie::HerstelKopie(ToernooiModel& model, const QString& map,
                           std::function<QString()> toernooiPad, QObject* parent)
    : QObject(parent), m_model(model), m_map(map), m_toernooiPad(std::move(toernooiPad))
{
    m_wachten.setSingleShot(true);
    m_wachten.setInterval(StandaardWachttijd);
    connect(&m_wachten, &QTimer::timeout, this, [this] { (void)SchrijfNu(); });
    connect(&m_model, &ToernooiModel::veranderd, this, &HerstelKopie::Plan);
    connect(&m_model, &ToernooiModel::gewijzigdVeranderd, this, [this](bool gewijzigd) {
        if (gewijzigd)
            Plan();
        else
            Verwijder();
    });
    // Changes made before the copy was set up (a tournament recovered at start) count too.
    Plan();
}

HerstelKopie::~HerstelKopie() = default;

void HerstelKopie::ZetWachttijd(int milliseconden)
{
    m_wachten.setInterval(milliseconden);
}

QString HerstelKopie::Pad() const
{
    return QDir(m_map).filePath(HerstelBestand::Naam(m_toernooiPad()));
}

void HerstelKopie::Plan()
{
    // Not restarted while it runs: a stream of edits is still written every Wachttijd.
    if (!m_gestopt && m_model.Gewijzigd() && !m_wachten.isActive())
        m_wachten.start();
}

bool HerstelKopie::SchrijfNu()
{
    m_wachten.stop();
    if (m_gestopt || !m_model.Gewijzigd())
        return true;
    const QString toernooiPad = m_toernooiPad();
    const QString pad = Pad();
    QString fout;
    try {
        if (!QDir().mkpath(m_map)) {
            fout = QStringLiteral("De map \"%1\" kon niet gemaakt worden.").arg(m_map);
        } else {
            if (pad != m_geschreven || !m_slot) {
                // Taken before the first write; a second instance editing the same file keeps
                // its own lock, and the copy is written all the same.
                m_slot = std::make_unique<QLockFile>(HerstelBestand::SlotNaam(pad));
                m_slot->setStaleLockTime(0);
                (void)m_slot->tryLock(0);
            }
            const QByteArray bytes = HerstelBestand::Inhoud(
                toernooiPad, ToernooiSchrijver::ToernooiBytes(m_model, Klok(), Locale));
            fout = BestandOpslag::Bewaar(pad, bytes, {}, MaakBestand);
        }
    } catch (const std::bad_alloc&) {
        fout = Bestandsfout::VanErrno(ENOMEM);
    }
    m_fout = fout;
    if (!fout.isEmpty()) {
        if (!m_gemeld && MeldFout) {
            m_gemeld = true;
            MeldFout(QStringLiteral("De herstelkopie \"%1\" kon niet geschreven worden:\n%2\n\n"
                                    "Sla het toernooi geregeld op.")
                         .arg(pad, fout));
        }
        return false;
    }
    // The file the tournament belonged to changed since the last copy: the old copy is stale.
    if (!m_geschreven.isEmpty() && m_geschreven != pad)
        QFile::remove(m_geschreven);
    m_geschreven = pad;
    emit geschreven(pad);
    return true;
}

void HerstelKopie::Verwijder()
{
    m_wachten.stop();
    if (!m_geschreven.isEmpty())
        QFile::remove(m_geschreven);
    m_geschreven.clear();
    // The copy of the current file may come from an earlier run, recovered at start.
    QFile::remove(Pad());
    m_slot.reset();
}

void HerstelKopie::Stop()
{
    Verwijder();
    m_gestopt = true;
}
