#include "core/bestand/BestandOpslag.h"
#include "core/bestand/ToernooiBestand.h"
#include "core/bestand/ToernooiSchrijver.h"
#include "core/document/ToernooiDocument.h"
#include "hulp/ScriptVraagsteller.h"
#include "hulp/ToernooiHulp.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ToernooiHulp;

namespace {

const QString Overschrijven = QStringLiteral("File bestaat al.\n\rOverschrijven (J/N)?");
const QString Wijzigingen = QStringLiteral(
    "U heeft gegevens gewijzigd die nog niet zijn opgeslagen!\r\n\r\nWilt U deze nog opslaan?");

// A save file that accepts the first Limiet bytes and then fails, as a full disk does.
class VolleSchijf : public QSaveFile
{
public:
    VolleSchijf(const QString& pad, qint64 limiet) : QSaveFile(pad), m_limiet(limiet) {}

protected:
    qint64 writeData(const char* data, qint64 len) override
    {
        if (m_geschreven + len > m_limiet) {
            setErrorString(qt_error_string(ENOSPC));
            return -1;
        }
        m_geschreven += len;
        return QSaveFile::writeData(data, len);
    }

private:
    qint64 m_limiet;
    qint64 m_geschreven = 0;
};

// A save file on a disk that is full: Qt buffers the bytes as usual, and the disk refuses
// them only when the buffer is flushed, as with a small file on a full disk.
class VolBijFlush : public QSaveFile
{
public:
    using QSaveFile::QSaveFile;

    bool open(OpenMode modus) override
    {
        if (!QSaveFile::open(modus))
            return false;
        const int vol = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
        if (vol < 0 || ::dup2(vol, handle()) < 0)
            return false;
        ::close(vol);
        return true;
    }
};

QByteArray Inhoud(const QString& pad)
{
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ontbreekt>");
}

void Schrijf(const QString& pad, const QByteArray& bytes)
{
    QFile f(pad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class ToernooiBestandTest : public ::testing::Test
{
protected:
    ToernooiBestandTest() : bestand(document, vraag)
    {
        bestand.Klok = VasteKlok;
        bestand.Locale = VasteLocale();
        bestand.BewaarDetails = [this] { ++bewaarDetails; };
        VulVoorbeeld(model);
    }

    QString Pad(const char* naam) const { return map.filePath(QString::fromUtf8(naam)); }
    QByteArray Verwacht() const
    {
        return ToernooiSchrijver::ToernooiBytes(model, VasteKlok(), VasteLocale());
    }

    QTemporaryDir map;
    ToernooiModel model;
    ToernooiDocument document{model};
    ScriptVraagsteller vraag;
    ToernooiBestand bestand;
    int bewaarDetails = 0;
};

} // namespace

TEST_F(ToernooiBestandTest, SaveProposesTheNameAndWritesTheFile)
{
    vraag.Bestand(Pad("Zomer.trn"));
    EXPECT_EQ(bestand.Opslaan(), TBestandUitkomst::Gelukt);
    EXPECT_EQ(bewaarDetails, 1);
    ASSERT_EQ(vraag.Gevraagd.size(), 1);
    EXPECT_EQ(vraag.Gevraagd[0].Soort, T("Opslaan"));
    EXPECT_EQ(vraag.Gevraagd[0].Extra, T("Zomer.trn"));
    EXPECT_EQ(vraag.Gevraagd[0].Tekst,
              T("Toernooi details (*.trn)|*.trn|Alles (*.*)|*.*|Text bestanden "
                "(*.txt)|*.txt|Backup bestanden (*.bak)|*.bak"));
    EXPECT_EQ(Inhoud(Pad("Zomer.trn")), LeesTestBestand("Voorbeeld.trn"));
    EXPECT_FALSE(model.Gewijzigd());
    EXPECT_FALSE(QFile::exists(Pad("Zomer.bak")));
    EXPECT_TRUE(vraag.Fouten.isEmpty());
}

TEST_F(ToernooiBestandTest, CancelOrNoToOverwritingChangesNothing)
{
    vraag.Annuleer();
    EXPECT_EQ(bestand.Opslaan(), TBestandUitkomst::Geannuleerd);
    EXPECT_TRUE(model.Gewijzigd());

    Schrijf(Pad("Zomer.trn"), "oud");
    vraag.Bestand(Pad("Zomer.trn")).Nee();
    EXPECT_EQ(bestand.Opslaan(), TBestandUitkomst::Geannuleerd);
    EXPECT_EQ(vraag.Gevraagd.last().Titel, T("File bestaat"));
    EXPECT_EQ(vraag.Gevraagd.last().Tekst, Overschrijven);
    EXPECT_EQ(Inhoud(Pad("Zomer.trn")), QByteArray("oud"));
    EXPECT_FALSE(QFile::exists(Pad("Zomer.bak")));
    EXPECT_TRUE(model.Gewijzigd());
}

TEST_F(ToernooiBestandTest, OverwritingKeepsTheOldFileAsBackupReplacingAnOlderOne)
{
    Schrijf(Pad("Zomer.trn"), "vorige");
    Schrijf(Pad("Zomer.bak"), "heel oud");
    vraag.Bestand(Pad("Zomer.trn")).Ja();
    EXPECT_EQ(bestand.Opslaan(), TBestandUitkomst::Gelukt);
    EXPECT_EQ(Inhoud(Pad("Zomer.trn")), Verwacht());
    EXPECT_EQ(Inhoud(Pad("Zomer.bak")), QByteArray("vorige"));
    EXPECT_EQ(QDir(map.path()).entryList(QDir::Files).size(), 2); // no temporary files left
    EXPECT_TRUE(vraag.Fouten.isEmpty());

    // A name without extension gets ".bak" appended; a dot in a folder name is no extension.
    EXPECT_EQ(BestandOpslag::BackupNaam(T("/a.b/Zomer")), T("/a.b/Zomer.bak"));
    EXPECT_EQ(BestandOpslag::BackupNaam(T("/a/.trn")), T("/a/.bak"));
    EXPECT_EQ(BestandOpslag::BackupNaam(T("/a/x.y.txt")), T("/a/x.y.bak"));
}

TEST_F(ToernooiBestandTest, AFailedWriteLeavesTheOldFileAndGewijzigdSet)
{
    Schrijf(Pad("Zomer.trn"), "vorige");
    bestand.MaakBestand = [](const QString& pad) -> std::unique_ptr<QSaveFile> {
        if (pad.endsWith(QStringLiteral(".bak")))
            return std::make_unique<QSaveFile>(pad);
        return std::make_unique<VolleSchijf>(pad, 100);
    };
    vraag.Bestand(Pad("Zomer.trn")).Ja();
    EXPECT_EQ(bestand.Opslaan(), TBestandUitkomst::Mislukt);
    EXPECT_EQ(Inhoud(Pad("Zomer.trn")), QByteArray("vorige"));
    EXPECT_TRUE(model.Gewijzigd());
    ASSERT_EQ(vraag.Gevraagd.last().Soort, T("Melding"));
    EXPECT_EQ(vraag.Gevraagd.last().Titel, T("Fout"));
    EXPECT_TRUE(vraag.Gevraagd.last().Tekst.contains(Pad("Zomer.trn")));
    EXPECT_TRUE(vraag.Gevraagd.last().Tekst.contains(T("Schijf vol")));
    // The backup of the old file was complete, but replaces nothing while the file failed.
    EXPECT_EQ(QDir(map.path()).entryList(QDir::Files), QStringList{T("Zomer.trn")});
}

TEST_F(ToernooiBestandTest, AnErrorOnlyAtFlushFailsTheSaveAndKeepsBothFiles)
{
    // Either file failing: the main file, then the backup copy.
    for (const char* falend : {".trn", ".bak"}) {
        SCOPED_TRACE(falend);
        Schrijf(Pad("Zomer.trn"), "vorige");
        Schrijf(Pad("Zomer.bak"), "heel oud");
        bestand.MaakBestand = [falend](const QString& pad) -> std::unique_ptr<QSaveFile> {
            if (pad.endsWith(QString::fromUtf8(falend)))
                return std::make_unique<VolBijFlush>(pad);
            return std::make_unique<QSaveFile>(pad);
        };
        vraag.Bestand(Pad("Zomer.trn")).Ja();
        EXPECT_EQ(bestand.Opslaan(), TBestandUitkomst::Mislukt);
        EXPECT_EQ(Inhoud(Pad("Zomer.trn")), QByteArray("vorige"));
        EXPECT_EQ(Inhoud(Pad("Zomer.bak")), QByteArray("heel oud"));
        EXPECT_EQ(QDir(map.path()).entryList(QDir::Files).size(), 2);
        EXPECT_TRUE(model.Gewijzigd());
        EXPECT_EQ(vraag.Gevraagd.last().Titel, T("Fout"));
        EXPECT_TRUE(vraag.Gevraagd.last().Tekst.contains(T("Schijf vol")))
            << vraag.Gevraagd.last().Tekst.toStdString();
    }
}

// The real QSaveFile on a real full file system, as the window saves.
TEST_F(ToernooiBestandTest, SavingOntoAFullDiskKeepsTheFileAndItsBackup)
{
    const QByteArray schijf = map.filePath(T("schijf")).toLocal8Bit();
    ASSERT_EQ(::mkdir(schijf.constData(), 0700), 0);
    if (::mount("tmpfs", schijf.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "Geen tmpfs aan te koppelen (" << std::strerror(errno)
                     << "); de test van een volle schijf is overgeslagen.";
    const auto ontkoppel = qScopeGuard([&] { ::umount2(schijf.constData(), MNT_DETACH); });
    const QString pad = QString::fromLocal8Bit(schijf) + T("/Zomer.trn");
    const QByteArray vorige = LeesTestBestand("Voorbeeld.trn");
    Schrijf(pad, vorige);
    Schrijf(BestandOpslag::BackupNaam(pad), "heel oud");
    {
        QFile vul(QString::fromLocal8Bit(schijf) + T("/vul"));
        ASSERT_TRUE(vul.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray blok(1024, 'x');
        while (vul.write(blok) == blok.size()) {
        }
    }
    model.ZetToernooiNaam(T("Nieuw"));
    for (const QString& doel : {pad, QString::fromLocal8Bit(schijf) + T("/Ander.trn")}) {
        vraag.Gevraagd.clear();
        vraag.Bestand(doel).Ja();
        EXPECT_EQ(bestand.Opslaan(), TBestandUitkomst::Mislukt);
        EXPECT_EQ(Inhoud(pad), vorige);
        EXPECT_EQ(Inhoud(BestandOpslag::BackupNaam(pad)), QByteArray("heel oud"));
        EXPECT_FALSE(QFile::exists(QString::fromLocal8Bit(schijf) + T("/Ander.trn")));
        EXPECT_TRUE(model.Gewijzigd());
        EXPECT_TRUE(vraag.Gevraagd.last().Tekst.contains(T("Schijf vol")))
            << vraag.Gevraagd.last().Tekst.toStdString();
    }
}

TEST_F(ToernooiBestandTest, AFileThatCannotBeCreatedIsReported)
{
    vraag.Bestand(Pad("bestaat/niet/Zomer.trn"));
    EXPECT_EQ(bestand.Opslaan(), TBestandUitkomst::Mislukt);
    EXPECT_TRUE(model.Gewijzigd());
    EXPECT_EQ(vraag.Gevraagd.last().Titel, T("Fout"));
    EXPECT_TRUE(vraag.Gevraagd.last().Tekst.contains(Pad("bestaat/niet/Zomer.trn")));
}

TEST_F(ToernooiBestandTest, WhenTheBackupFailsNothingIsWritten)
{
    Schrijf(Pad("Zomer.trn"), "vorige");
    bestand.MaakBestand = [](const QString& pad) -> std::unique_ptr<QSaveFile> {
        return std::make_unique<VolleSchijf>(pad,
                                             pad.endsWith(QStringLiteral(".bak")) ? 0 : 1 << 20);
    };
    vraag.Bestand(Pad("Zomer.trn")).Ja();
    EXPECT_EQ(bestand.Opslaan(), TBestandUitkomst::Mislukt);
    EXPECT_EQ(Inhoud(Pad("Zomer.trn")), QByteArray("vorige"));
    EXPECT_FALSE(QFile::exists(Pad("Zomer.bak")));
    EXPECT_TRUE(vraag.Gevraagd.last().Tekst.contains(Pad("Zomer.bak")));
    EXPECT_TRUE(model.Gewijzigd());
}

TEST_F(ToernooiBestandTest, SavingOverTheBackupFileItself)
{
    Schrijf(Pad("Zomer.bak"), "oud");
    vraag.Bestand(Pad("Zomer.bak")).Ja();
    EXPECT_EQ(bestand.Opslaan(), TBestandUitkomst::Gelukt);
    EXPECT_EQ(Inhoud(Pad("Zomer.bak")), Verwacht());
}

TEST_F(ToernooiBestandTest, FileDialogsStartInTheFolderOfTheFileSavedOrLoadedLast)
{
    ASSERT_TRUE(QDir(map.path()).mkpath(T("a")) && QDir(map.path()).mkpath(T("b")));
    Schrijf(Pad("b/Ander.trn"), "ToernooiNaam=Ander\n");

    vraag.Bestand(Pad("a/Zomer.trn"));
    EXPECT_EQ(bestand.Opslaan(), TBestandUitkomst::Gelukt);
    // A cancelled dialog and a failed load leave the folder as it was.
    vraag.Annuleer().Bestand(Pad("b/ontbreekt.trn")).Bestand(Pad("b/Ander.trn"));
    EXPECT_EQ(bestand.Laden(), TBestandUitkomst::Geannuleerd);
    EXPECT_EQ(bestand.Laden(), TBestandUitkomst::Mislukt);
    EXPECT_EQ(bestand.Laden(), TBestandUitkomst::Gelukt);
    vraag.Annuleer();
    EXPECT_EQ(bestand.Opslaan(), TBestandUitkomst::Geannuleerd);

    QStringList mappen;
    for (const auto& v : vraag.Gevraagd)
        if (v.Soort != T("Melding"))
            mappen << v.Map;
    const QString a = QDir(Pad("a")).absolutePath();
    const QString b = QDir(Pad("b")).absolutePath();
    EXPECT_EQ(mappen, (QStringList{QString(), a, a, a, b}));
    // The proposed name is the file loaded last.
    EXPECT_EQ(vraag.Gevraagd.last().Extra, T("Ander.trn"));
    EXPECT_EQ(document.Map(), b);
    EXPECT_TRUE(vraag.Fouten.isEmpty());
}

TEST_F(ToernooiBestandTest, SaveProposesTheOpenFileAndOnlyANewTournamentItsName)
{
    ASSERT_TRUE(QDir(map.path()).mkpath(T("dag")));
    Schrijf(Pad("dag/wedstrijddag.trn"), "ToernooiNaam=Zomer\n");
    model.ZetGewijzigd(false);
    vraag.Bestand(Pad("dag/wedstrijddag.trn"));
    ASSERT_EQ(bestand.Laden(), TBestandUitkomst::Gelukt);
    vraag.Bestand(Pad("dag/wedstrijddag.trn")).Ja();
    EXPECT_EQ(bestand.Opslaan(), TBestandUitkomst::Gelukt);
    // A save under another name makes that the open file.
    vraag.Bestand(Pad("kopie.trn"));
    EXPECT_EQ(bestand.Opslaan(), TBestandUitkomst::Gelukt);
    vraag.Annuleer();
    EXPECT_EQ(bestand.Opslaan(), TBestandUitkomst::Geannuleerd);
    ASSERT_EQ(bestand.Opnieuw(), TBestandUitkomst::Gelukt);
    vraag.Annuleer();
    EXPECT_EQ(bestand.Opslaan(), TBestandUitkomst::Geannuleerd);

    QStringList voorstellen;
    for (const auto& v : vraag.Gevraagd)
        if (v.Soort == T("Opslaan"))
            voorstellen << v.Extra + u'@' + QDir(v.Map).dirName();
    EXPECT_EQ(voorstellen, (QStringList{T("wedstrijddag.trn@dag"), T("wedstrijddag.trn@dag"),
                                        T("kopie.trn@") + QDir(map.path()).dirName(),
                                        T("Zomer.trn@") + QDir(map.path()).dirName()}));
    EXPECT_TRUE(vraag.Fouten.isEmpty());
}

TEST_F(ToernooiBestandTest, LoadReplacesTheTournamentAndAsksNothingWhenUnchanged)
{
    Schrijf(Pad("Voorbeeld.trn"), LeesTestBestand("Voorbeeld.trn"));
    ToernooiModel ander;
    ToernooiDocument anderDocument{ander};
    ScriptVraagsteller andereVraag;
    ToernooiBestand andereBestand(anderDocument, andereVraag);
    Poule(ander, T("Weg"));
    ander.ZetGewijzigd(false);
    anderDocument.ZetNieuwSchema({});
    andereVraag.Bestand(Pad("Voorbeeld.trn"));
    EXPECT_EQ(andereBestand.Laden(), TBestandUitkomst::Gelukt);
    EXPECT_EQ(andereVraag.Soorten(), QStringList{T("Open")});
    EXPECT_EQ(andereVraag.Gevraagd[0].Extra, T("trn"));
    EXPECT_EQ(andereVraag.Gevraagd[0].Tekst, ToernooiBestand::Filter);
    EXPECT_EQ(ToernooiHulp::Inhoud(ander), ToernooiHulp::Inhoud(model));
    EXPECT_FALSE(ander.Gewijzigd());
    EXPECT_FALSE(anderDocument.SchemaGebouwd());
}

TEST_F(ToernooiBestandTest, LoadTakesTheStartFileWithoutDialog)
{
    Schrijf(Pad("Start.trn"), "ToernooiNaam=Start\n");
    model.ZetGewijzigd(false);
    EXPECT_EQ(bestand.Laden(Pad("Start.trn")), TBestandUitkomst::Gelukt);
    EXPECT_TRUE(vraag.Gevraagd.isEmpty());
    EXPECT_EQ(model.ToernooiNaam(), T("Start"));
}

TEST_F(ToernooiBestandTest, ALoadThatCannotReadLeavesTheTournamentUntouched)
{
    const QStringList voor = ToernooiHulp::Inhoud(model);
    for (const QString& pad : {Pad("ontbreekt.trn"), map.path(), T("/proc/self/mem")}) {
        vraag.Gevraagd.clear();
        model.ZetGewijzigd(false);
        document.ZetNieuwSchema({});
        vraag.Bestand(pad);
        EXPECT_EQ(bestand.Laden(), TBestandUitkomst::Mislukt) << pad.toStdString();
        EXPECT_EQ(ToernooiHulp::Inhoud(model), voor);
        EXPECT_EQ(model.TeamLijst().size(), 2u);
        EXPECT_TRUE(document.SchemaGebouwd());
        ASSERT_EQ(vraag.Soorten(), (QStringList{T("Open"), T("Melding")}));
        EXPECT_EQ(vraag.Gevraagd[1].Titel, T("Fout"));
        EXPECT_TRUE(vraag.Gevraagd[1].Tekst.contains(pad));
    }
    // A start file that cannot be read is reported once; the next load asks for a file.
    vraag.Gevraagd.clear();
    EXPECT_EQ(bestand.Laden(Pad("ontbreekt.trn")), TBestandUitkomst::Mislukt);
    EXPECT_EQ(vraag.Soorten(), QStringList{T("Melding")});
    EXPECT_EQ(bestand.Laden(), TBestandUitkomst::Geannuleerd);
    EXPECT_EQ(vraag.Soorten(), (QStringList{T("Melding"), T("Open")}));
}

TEST_F(ToernooiBestandTest, WhatIsNoTournamentFileIsRefusedInDutchAndChangesNothing)
{
    const QString fifo = Pad("pijp");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    QFile groot(Pad("groot.trn"));
    ASSERT_TRUE(groot.open(QIODevice::WriteOnly));
    ASSERT_TRUE(groot.resize(BestandOpslag::MaxLeesGrootte + 1)); // sparse: takes no room
    groot.close();
    Schrijf(Pad("foto.jpg"), QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\n\x80\x81", 16));
    Schrijf(Pad("leeg.trn"), "\r\n   \n");

    const QStringList voor = ToernooiHulp::Inhoud(model);
    const std::pair<QString, QString> gevallen[] = {
        {fifo, T("Geen gewoon bestand")},
        {T("/dev/zero"), T("Geen gewoon bestand")},
        {map.path(), T("Is een map")},
        {Pad("groot.trn"), T("groter dan 64 MB")},
        {Pad("ontbreekt.trn"), T("Bestand of map bestaat niet")},
        {Pad("foto.jpg"), T("\"") + Pad("foto.jpg") + T("\" is geen toernooibestand.")},
    };
    for (const auto& [pad, melding] : gevallen) {
        vraag.Gevraagd.clear();
        model.ZetGewijzigd(false);
        vraag.Bestand(pad);
        EXPECT_EQ(bestand.Laden(), TBestandUitkomst::Mislukt) << pad.toStdString();
        EXPECT_EQ(ToernooiHulp::Inhoud(model), voor);
        ASSERT_EQ(vraag.Soorten(), (QStringList{T("Open"), T("Melding")}));
        EXPECT_TRUE(vraag.Gevraagd[1].Tekst.contains(melding))
            << vraag.Gevraagd[1].Tekst.toStdString();
        EXPECT_TRUE(vraag.Gevraagd[1].Tekst.contains(T("ongewijzigd")));
    }

    // Empty lines alone are a file with nothing in it, as one with only comments.
    vraag.Bestand(Pad("leeg.trn"));
    EXPECT_EQ(bestand.Laden(), TBestandUitkomst::Gelukt);
    EXPECT_TRUE(model.PouleLijst().empty());
}

TEST_F(ToernooiBestandTest, AUtf16FileWithByteOrderMarkIsReadNormally)
{
    const QString tekst = QString::fromUtf8(LeesTestBestand("Voorbeeld.trn"));
    for (auto codering : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        QStringEncoder encoder(codering, QStringConverter::Flag::WriteBom);
        Schrijf(Pad("utf16.trn"), encoder(tekst));
        ToernooiModel ander;
        ToernooiDocument anderDocument{ander};
        ScriptVraagsteller andereVraag;
        ToernooiBestand andereBestand(anderDocument, andereVraag);
        andereVraag.Bestand(Pad("utf16.trn"));
        EXPECT_EQ(andereBestand.Laden(), TBestandUitkomst::Gelukt);
        EXPECT_EQ(ToernooiHulp::Inhoud(ander), ToernooiHulp::Inhoud(model));
    }
}

TEST_F(ToernooiBestandTest, TheGuardBeforeALoad)
{
    Schrijf(Pad("Ander.trn"), "ToernooiNaam=Ander\n");
    // No: the changes are discarded and the file is loaded.
    vraag.Bestand(Pad("Ander.trn")).Nee();
    EXPECT_EQ(bestand.Laden(), TBestandUitkomst::Gelukt);
    EXPECT_EQ(vraag.Soorten(), (QStringList{T("Open"), T("JaNeeAnnuleren")}));
    EXPECT_EQ(vraag.Gevraagd[1].Titel, T("Wijzigingen!"));
    EXPECT_EQ(vraag.Gevraagd[1].Tekst, Wijzigingen);
    EXPECT_EQ(model.ToernooiNaam(), T("Ander"));

    // Annuleren, Yes with the save dialog cancelled, and Yes with No at the overwrite
    // question: the load stops and the changes stay.
    Schrijf(Pad("Bezet.trn"), "bezet");
    const QList<std::function<void()>> afgebroken = {
        [&] { vraag.Bestand(Pad("Ander.trn")).Annuleren(); },
        [&] { vraag.Bestand(Pad("Ander.trn")).Ja().Annuleer(); },
        [&] { vraag.Bestand(Pad("Ander.trn")).Ja().Bestand(Pad("Bezet.trn")).Nee(); },
    };
    for (const auto& script : afgebroken) {
        model.ZetToernooiNaam(T("Gewijzigd"));
        document.ZetNieuwSchema({});
        script();
        EXPECT_EQ(bestand.Laden(), TBestandUitkomst::Geannuleerd);
        EXPECT_EQ(model.ToernooiNaam(), T("Gewijzigd"));
        EXPECT_TRUE(model.Gewijzigd());
        EXPECT_TRUE(document.SchemaGebouwd());
        EXPECT_TRUE(vraag.Antwoorden.isEmpty());
    }
    EXPECT_EQ(Inhoud(Pad("Bezet.trn")), QByteArray("bezet"));

    // Yes and a save that fails: the load ends before anything is discarded.
    model.ZetToernooiNaam(T("Gewijzigd"));
    vraag.Gevraagd.clear();
    vraag.Bestand(Pad("Ander.trn")).Ja().Bestand(Pad("geen/map/x.trn"));
    EXPECT_EQ(bestand.Laden(), TBestandUitkomst::Mislukt);
    EXPECT_EQ(vraag.Soorten(),
              (QStringList{T("Open"), T("JaNeeAnnuleren"), T("Opslaan"), T("Melding")}));
    EXPECT_EQ(model.ToernooiNaam(), T("Gewijzigd"));
    EXPECT_TRUE(model.Gewijzigd());

    // Yes and a save that works: saved first, then loaded.
    vraag.Gevraagd.clear();
    vraag.Bestand(Pad("Ander.trn")).Ja().Bestand(Pad("Bewaard.trn"));
    EXPECT_EQ(bestand.Laden(), TBestandUitkomst::Gelukt);
    EXPECT_TRUE(Inhoud(Pad("Bewaard.trn")).contains("ToernooiNaam=Gewijzigd\r\n"));
    EXPECT_EQ(model.ToernooiNaam(), T("Ander"));
    EXPECT_TRUE(vraag.Fouten.isEmpty());
}

TEST_F(ToernooiBestandTest, LeavingTheProgram)
{
    model.ZetGewijzigd(false);
    EXPECT_TRUE(bestand.MagAfsluiten());
    EXPECT_TRUE(vraag.Gevraagd.isEmpty());

    model.ZetGewijzigd(true);
    vraag.Nee();
    EXPECT_TRUE(bestand.MagAfsluiten());

    // Annuleren, and No at the overwrite question of an existing file, keep the program
    // open without saving.
    model.ZetGewijzigd(true);
    vraag.Annuleren();
    EXPECT_FALSE(bestand.MagAfsluiten());
    Schrijf(Pad("Zomer.trn"), "vorige");
    vraag.Ja().Bestand(Pad("Zomer.trn")).Nee();
    EXPECT_FALSE(bestand.MagAfsluiten());
    EXPECT_EQ(Inhoud(Pad("Zomer.trn")), QByteArray("vorige"));
    EXPECT_TRUE(model.Gewijzigd());

    // A save that fails keeps the program open so the organiser can save elsewhere.
    vraag.Gevraagd.clear();
    vraag.Ja().Bestand(Pad("geen/map/x.trn"));
    EXPECT_FALSE(bestand.MagAfsluiten());
    EXPECT_EQ(vraag.Soorten(), (QStringList{T("JaNeeAnnuleren"), T("Opslaan"), T("Melding")}));
    EXPECT_TRUE(model.Gewijzigd());
    vraag.Ja().Bestand(Pad("Elders.trn"));
    EXPECT_TRUE(bestand.MagAfsluiten());
    EXPECT_FALSE(model.Gewijzigd());
    EXPECT_TRUE(vraag.Fouten.isEmpty());
}

TEST_F(ToernooiBestandTest, OpnieuwAsksFirstAndKeepsTheSettings)
{
    int leegAlles = 0;
    bestand.LeegAlles = [&] {
        ++leegAlles;
        model.ZetGewijzigd(true);
    };
    document.ZetNieuwSchema({});
    // With unsaved changes, Annuleren or a cancelled save dialog stops "Opnieuw".
    model.ZetGewijzigd(true);
    vraag.Annuleren().Ja().Annuleer();
    EXPECT_EQ(bestand.Opnieuw(), TBestandUitkomst::Geannuleerd);
    EXPECT_EQ(bestand.Opnieuw(), TBestandUitkomst::Geannuleerd);
    EXPECT_EQ(leegAlles, 0);
    EXPECT_EQ(model.TeamLijst().size(), 2u);
    EXPECT_TRUE(model.Gewijzigd());

    vraag.Gevraagd.clear();
    vraag.Nee();
    EXPECT_EQ(bestand.Opnieuw(), TBestandUitkomst::Gelukt);
    EXPECT_EQ(vraag.Soorten(), QStringList{T("JaNeeAnnuleren")});
    EXPECT_EQ(vraag.Gevraagd[0].Tekst, Wijzigingen);
    EXPECT_EQ(leegAlles, 1);
    // Without changes it asks nothing.
    vraag.Gevraagd.clear();
    EXPECT_EQ(bestand.Opnieuw(), TBestandUitkomst::Gelukt);
    EXPECT_TRUE(vraag.Gevraagd.isEmpty());
    EXPECT_FALSE(model.Gewijzigd());
    EXPECT_FALSE(document.SchemaGebouwd());
    EXPECT_TRUE(model.PouleLijst().empty());
    EXPECT_TRUE(model.TeamLijst().empty());

    vraag.Bestand(Pad("Leeg.trn"));
    EXPECT_EQ(bestand.Opslaan(), TBestandUitkomst::Gelukt);
    QByteArray verwacht = LeesTestBestand("Voorbeeld.trn");
    verwacht.truncate(verwacht.indexOf("PouleNaam="));
    EXPECT_EQ(Inhoud(Pad("Leeg.trn")), verwacht);
}

TEST_F(ToernooiBestandTest, WhatTheReaderWouldRefuseIsNeverWritten)
{
    Schrijf(Pad("Zomer.trn"), "vorige");
    const QByteArray groot(qsizetype(BestandOpslag::MaxLeesGrootte) + 1, 'x');
    EXPECT_TRUE(BestandOpslag::Bewaar(Pad("Zomer.trn"), groot, Pad("Zomer.bak")).contains(T("64 MB")));
    EXPECT_EQ(Inhoud(Pad("Zomer.trn")), QByteArray("vorige"));
    EXPECT_FALSE(QFile::exists(Pad("Zomer.bak")));
}

TEST_F(ToernooiBestandTest, TheSameFileThroughLinksAndOtherNames)
{
    Schrijf(Pad("Zomer.trn"), "toernooi");
    Schrijf(Pad("Winter.trn"), "toernooi");
    ASSERT_TRUE(QFile::link(Pad("Zomer.trn"), Pad("snelkoppeling.trn")));
    ASSERT_EQ(::link(QFile::encodeName(Pad("Zomer.trn")).constData(),
                     QFile::encodeName(Pad("harde.trn")).constData()), 0);
    ASSERT_TRUE(QDir(map.path()).mkdir(T("sub")));
    ASSERT_TRUE(QFile::link(map.path(), Pad("sub/terug")));
    for (const char* zelfde : {"Zomer.trn", "snelkoppeling.trn", "harde.trn", "sub/../Zomer.trn",
                               "sub/terug/Zomer.trn"})
        EXPECT_TRUE(BestandOpslag::IsZelfdeBestand(Pad(zelfde), Pad("Zomer.trn"))) << zelfde;
    EXPECT_FALSE(BestandOpslag::IsZelfdeBestand(Pad("Winter.trn"), Pad("Zomer.trn")));
    // Files yet to be made are compared by name, through the links of their folder.
    EXPECT_TRUE(BestandOpslag::IsZelfdeBestand(Pad("sub/terug/nieuw.csv"), Pad("nieuw.csv")));
    EXPECT_FALSE(BestandOpslag::IsZelfdeBestand(Pad("nieuw.csv"), Pad("Zomer.trn")));
}
