#include "core/bestand/ToernooiBestand.h"
#include "core/bestand/ToernooiLezer.h"
#include "core/bestand/ToernooiSchrijver.h"
#include "core/document/ToernooiDocument.h"
#include "core/herstel/HerstelAanbod.h"
#include "core/herstel/HerstelBestand.h"
#include "core/herstel/HerstelKopie.h"
#include "hulp/ScriptVraagsteller.h"
#include "hulp/ToernooiHulp.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using namespace ToernooiHulp;

namespace {

// Runs the event loop until the condition holds or the time is up; never for ever.
bool WachtTot(const std::function<bool()>& klaar, int milliseconden = 5000)
{
    QElapsedTimer klok;
    klok.start();
    while (!klaar()) {
        if (klok.elapsed() > milliseconden)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

QByteArray LeesBytes(const QString& pad)
{
    QFile bestand(pad);
    return bestand.open(QIODevice::ReadOnly) ? bestand.readAll() : QByteArray();
}

void Schrijf(const QString& pad, const QByteArray& bytes, const QDateTime& moment)
{
    QFile bestand(pad);
    ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
    bestand.write(bytes);
    bestand.close();
    ASSERT_TRUE(bestand.open(QIODevice::ReadWrite));
    ASSERT_TRUE(bestand.setFileTime(moment, QFileDevice::FileModificationTime));
}

QStringList Bestanden(const QString& map)
{
    return QDir(map).entryList(QDir::Files, QDir::Name);
}

struct HerstelTest : ::testing::Test
{
    HerstelTest()
    {
        VulVoorbeeld(model);
        model.ZetGewijzigd(false);
        bestand.Klok = VasteKlok;
        bestand.Locale = VasteLocale();
    }
    QString Map() const { return gegevens.filePath(QStringLiteral("gegevens")); }
    QString Pad(const char* naam) const { return werk.filePath(QString::fromUtf8(naam)); }
    std::unique_ptr<HerstelKopie> Kopie(int wachttijd = 50)
    {
        auto kopie = std::make_unique<HerstelKopie>(model, Map(), [this] { return document.Pad(); });
        kopie->Klok = VasteKlok;
        kopie->Locale = VasteLocale();
        kopie->ZetWachttijd(wachttijd);
        return kopie;
    }

    QTemporaryDir gegevens;
    QTemporaryDir werk;
    ToernooiModel model;
    ToernooiDocument document{model};
    ScriptVraagsteller vraag;
    ToernooiBestand bestand{document, vraag};
};

} // namespace

TEST(HerstelBestand, TheFileNamesItsTournamentAndHoldsExactlyTheSavedBytes)
{
    ToernooiModel model;
    VulRijkToernooi(model);
    const QByteArray opgeslagen = ToernooiSchrijver::ToernooiBytes(model, VasteKlok(), VasteLocale());
    QTemporaryDir map;
    QStringList namen;
    for (const QString& pad : {QString(), T("/tmp/Zomer.trn"), T("/tmp/Zomer 2.trn"),
                               T("/tmp/€ Łódź/100% #1\r\n.trn"), T("relatief.trn")}) {
        SCOPED_TRACE(pad.toStdString());
        const QString naam = HerstelBestand::Naam(pad);
        EXPECT_TRUE(HerstelBestand::IsHerstelNaam(naam));
        namen << naam;
        const QString herstel = map.filePath(naam);
        ASSERT_TRUE(BestandOpslag::Bewaar(herstel, HerstelBestand::Inhoud(pad, opgeslagen)).isEmpty());
        HerstelBestand::TGelezen gelezen;
        ASSERT_TRUE(HerstelBestand::Lees(herstel, gelezen).isEmpty());
        EXPECT_EQ(gelezen.ToernooiPad, pad.isEmpty() ? QString() : QFileInfo(pad).absoluteFilePath());
        EXPECT_EQ(gelezen.ToernooiBytes, opgeslagen);
        // The plain reader skips the comment line: a copy kept aside opens as the tournament.
        ToernooiModel terug;
        ASSERT_TRUE(ToernooiLezer::LeesToernooiBytes(terug, LeesBytes(herstel)));
        EXPECT_EQ(Inhoud(terug), Inhoud(model));
    }
    namen.removeDuplicates();
    EXPECT_EQ(namen.size(), 5);
    EXPECT_EQ(HerstelBestand::Naam(T("/tmp/a/../Zomer.trn")), HerstelBestand::Naam(T("/tmp/Zomer.trn")));
    for (const char* ander : {"herstel-0123.trn", "Zomer hersteld 2026-12-09 14.03.trn",
                              "herstel-0123456789abcdef.trn.bak", "herstel-0123456789ABCDEF.trn"})
        EXPECT_FALSE(HerstelBestand::IsHerstelNaam(T(ander))) << ander;

    HerstelBestand::TGelezen gelezen;
    const QString vreemd = map.filePath(T("vreemd.trn"));
    ASSERT_TRUE(BestandOpslag::Bewaar(vreemd, opgeslagen).isEmpty());
    EXPECT_FALSE(HerstelBestand::Lees(vreemd, gelezen).isEmpty());
    EXPECT_FALSE(HerstelBestand::Lees(map.filePath(T("bestaat-niet.trn")), gelezen).isEmpty());
}

TEST_F(HerstelTest, AChangeIsWrittenShortlyAfterAndAStreamOfChangesDoesNotPostponeIt)
{
    auto kopie = Kopie(200);
    QList<qint64> momenten;
    QElapsedTimer klok;
    QObject::connect(kopie.get(), &HerstelKopie::geschreven, [&] { momenten << klok.elapsed(); });

    // Nothing is written without unsaved changes.
    EXPECT_TRUE(kopie->SchrijfNu());
    EXPECT_FALSE(QFile::exists(kopie->Pad()));

    klok.start();
    model.ZetToernooiNaam(T("Winter"));
    EXPECT_TRUE(kopie->Gepland());
    EXPECT_FALSE(QFile::exists(kopie->Pad()));
    // A change every 20 ms for a second: the timer is not moved on by them.
    int teller = 0;
    while (klok.elapsed() < 1000) {
        model.ZetPauze(1 + teller++ % 50);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    ASSERT_TRUE(WachtTot([&] { return !kopie->Gepland(); }));
    ASSERT_GE(momenten.size(), 3);
    // Not at once; a coarse timer may fire up to 5 % early.
    EXPECT_GE(momenten.first(), 180);
    EXPECT_LT(momenten.first(), 600);
    for (qsizetype i = 1; i < momenten.size(); ++i)
        EXPECT_LT(momenten[i] - momenten[i - 1], 600);

    // The last copy holds the tournament as it is now, exactly as a save would write it.
    HerstelBestand::TGelezen gelezen;
    ASSERT_TRUE(HerstelBestand::Lees(kopie->Pad(), gelezen).isEmpty());
    EXPECT_EQ(gelezen.ToernooiBytes, ToernooiSchrijver::ToernooiBytes(model, VasteKlok(), VasteLocale()));
    EXPECT_TRUE(gelezen.ToernooiPad.isEmpty());
    // Only the copy and its lock are in the folder: no temporary file was left behind.
    const QString naam = QFileInfo(kopie->Pad()).fileName();
    EXPECT_EQ(Bestanden(Map()), (QStringList{naam, naam + T(".lock")}));
}

TEST_F(HerstelTest, ACopyInUseByARunningProgramIsNotOffered)
{
    auto kopie = Kopie();
    model.ZetToernooiNaam(T("Winter"));
    ASSERT_TRUE(kopie->SchrijfNu());
    // This process holds the lock, as another running instance of the program would.
    bool geladen = false;
    EXPECT_FALSE(HerstelAanbod::BiedAan(Map(), vraag, [&](const QByteArray&, const QString&) {
        return geladen = true;
    }));
    EXPECT_FALSE(geladen);
    EXPECT_TRUE(vraag.Gevraagd.isEmpty());
    EXPECT_TRUE(QFile::exists(kopie->Pad()));
    kopie->Stop();
    EXPECT_TRUE(Bestanden(Map()).isEmpty());
}

TEST_F(HerstelTest, SaveLoadOpnieuwAndACleanExitRemoveTheCopy)
{
    auto kopie = Kopie();
    const QString zomer = Pad("Zomer.trn");

    model.ZetToernooiNaam(T("Winter"));
    ASSERT_TRUE(WachtTot([&] { return QFile::exists(kopie->Pad()); }));
    const QString naamloos = kopie->Pad();
    // Saving: the copy of the tournament without a file goes, none is made for the new file.
    vraag.Bestand(zomer);
    ASSERT_EQ(bestand.Opslaan(), TBestandUitkomst::Gelukt);
    EXPECT_FALSE(QFile::exists(naamloos));
    EXPECT_FALSE(kopie->Gepland());
    EXPECT_EQ(kopie->Pad(), QDir(Map()).filePath(HerstelBestand::Naam(zomer)));

    // Now the copy belongs to the saved file, and names it.
    model.ZetPauze(9);
    ASSERT_TRUE(WachtTot([&] { return QFile::exists(kopie->Pad()); }));
    HerstelBestand::TGelezen gelezen;
    ASSERT_TRUE(HerstelBestand::Lees(kopie->Pad(), gelezen).isEmpty());
    EXPECT_EQ(gelezen.ToernooiPad, QFileInfo(zomer).absoluteFilePath());

    // A load that completed (unsaved changes answered Nee).
    vraag.Nee();
    ASSERT_EQ(bestand.Laden(zomer), TBestandUitkomst::Gelukt);
    EXPECT_TRUE(Bestanden(Map()).isEmpty());

    // "Opnieuw", after a change written at once.
    model.ZetPauze(8);
    ASSERT_TRUE(kopie->SchrijfNu());
    ASSERT_TRUE(QFile::exists(kopie->Pad()));
    vraag.Nee();
    ASSERT_EQ(bestand.Opnieuw(), TBestandUitkomst::Gelukt);
    EXPECT_TRUE(Bestanden(Map()).isEmpty());

    // A clean exit with the changes not saved: gone, and nothing is written after it.
    model.ZetToernooiNaam(T("Herfst"));
    ASSERT_TRUE(kopie->SchrijfNu());
    ASSERT_FALSE(Bestanden(Map()).isEmpty());
    kopie->Stop();
    EXPECT_TRUE(Bestanden(Map()).isEmpty());
    model.ZetPauze(7);
    EXPECT_FALSE(kopie->Gepland());
    EXPECT_TRUE(kopie->SchrijfNu());
    EXPECT_TRUE(Bestanden(Map()).isEmpty());
}

TEST_F(HerstelTest, AFailedWriteIsReportedOnceAndKeepsThePreviousCopy)
{
    auto kopie = Kopie();
    QStringList meldingen;
    kopie->MeldFout = [&](const QString& tekst) { meldingen << tekst; };
    model.ZetToernooiNaam(T("Winter"));
    ASSERT_TRUE(kopie->SchrijfNu());
    const QByteArray vorige = LeesBytes(kopie->Pad());

    kopie->MaakBestand = [](const QString& pad) {
        auto bestand = std::make_unique<QSaveFile>(pad + T("/kan-niet"));
        return bestand;
    };
    model.ZetToernooiNaam(T("Herfst"));
    EXPECT_FALSE(kopie->SchrijfNu());
    EXPECT_FALSE(kopie->SchrijfNu());
    EXPECT_EQ(meldingen.size(), 1);
    EXPECT_TRUE(meldingen.value(0).contains(kopie->Pad()));
    EXPECT_FALSE(kopie->LaatsteFout().isEmpty());
    EXPECT_EQ(LeesBytes(kopie->Pad()), vorige);
}

TEST_F(HerstelTest, AtStartCopiesAreOfferedNewestFirstAndNeeKeepsADatedCopy)
{
    ASSERT_TRUE(QDir().mkpath(Map()));
    const QDateTime nu = QDateTime::currentDateTime();
    const QByteArray opgeslagen = ToernooiSchrijver::ToernooiBytes(model, VasteKlok(), VasteLocale());
    const QString zomer = Pad("Zomer.trn"), herfst = Pad("Herfst.trn"), weg = Pad("Weg.trn");
    Schrijf(zomer, opgeslagen, nu.addSecs(-3600));
    Schrijf(herfst, opgeslagen, nu.addSecs(-60));
    auto kopie = [&](const QString& toernooi, const QByteArray& bytes, int secondenGeleden) {
        const QString pad = QDir(Map()).filePath(HerstelBestand::Naam(toernooi));
        Schrijf(pad, HerstelBestand::Inhoud(toernooi, bytes), nu.addSecs(-secondenGeleden));
        return pad;
    };
    kopie(zomer, opgeslagen, 600);   // newer than its file: offered second
    kopie(QString(), opgeslagen, 300); // no file: offered first
    kopie(herfst, opgeslagen, 3000); // its file was saved later: set aside without a question
    kopie(weg, opgeslagen, 900);     // its file is gone: offered third
    const QString kapot = QDir(Map()).filePath(T("herstel-00000000000000ff.trn"));
    Schrijf(kapot, "geen herstelkopie", nu.addSecs(-100));
    const QString vreemd = QDir(Map()).filePath(T("Lente hersteld 2020-01-01 10.00.trn"));
    Schrijf(vreemd, HerstelBestand::Inhoud(zomer, opgeslagen), nu.addSecs(-10));
    const qsizetype aantal = Bestanden(Map()).size();

    QList<QString> geladen;
    vraag.Nee().Ja();
    EXPECT_TRUE(HerstelAanbod::BiedAan(Map(), vraag, [&](const QByteArray& bytes, const QString& pad) {
        EXPECT_EQ(bytes, opgeslagen);
        geladen << pad;
        return true;
    }));
    EXPECT_TRUE(vraag.Fouten.isEmpty()) << vraag.Fouten.join(u'\n').toStdString();
    EXPECT_EQ(geladen, QList<QString>{QFileInfo(zomer).absoluteFilePath()});

    const QList<ScriptVraagsteller::Vraag> berichten = vraag.Berichten();
    ASSERT_EQ(berichten.size(), 4);
    // The unreadable copy is reported as it comes (newest first), and kept aside.
    EXPECT_EQ(berichten[0].Soort, T("Melding"));
    EXPECT_TRUE(berichten[0].Tekst.contains(T("kon niet gelezen worden")));
    EXPECT_EQ(berichten[1].Titel, T("Herstellen?"));
    EXPECT_TRUE(berichten[1].Tekst.contains(T("\"Zomer\", dat nog geen bestand had")));
    const QString naamloos = T("Zomer hersteld ") + nu.addSecs(-300).toString(T("yyyy-MM-dd HH.mm"));
    EXPECT_TRUE(berichten[1].Tekst.contains(naamloos)) << berichten[1].Tekst.toStdString();
    EXPECT_EQ(berichten[2].Titel, T("Herstellen?"));
    EXPECT_TRUE(berichten[2].Tekst.contains(QDir::toNativeSeparators(QFileInfo(zomer).absoluteFilePath())));
    EXPECT_TRUE(berichten[2].Tekst.contains(nu.addSecs(-600).toString(T("HH:mm"))));
    // After Ja the remaining copy is not offered but kept aside, and named.
    EXPECT_EQ(berichten[3].Soort, T("Melding"));
    EXPECT_TRUE(berichten[3].Tekst.contains(T("Weg hersteld")));

    // The copy loaded stays in place; not one file is gone, only renamed.
    const QStringList over = Bestanden(Map());
    EXPECT_EQ(over.size(), aantal);
    EXPECT_TRUE(over.contains(HerstelBestand::Naam(zomer)));
    EXPECT_TRUE(over.contains(naamloos + T(".trn")));
    EXPECT_TRUE(over.contains(QFileInfo(vreemd).fileName()));
    for (const QString& naam : over)
        EXPECT_TRUE(naam == HerstelBestand::Naam(zomer) || naam.contains(T(" hersteld "))) << naam.toStdString();
    EXPECT_EQ(HerstelAanbod::Zoek(Map()).size(), 1u);
}

TEST_F(HerstelTest, NeeTwiceInOneMinuteKeepsBothCopiesAndAFailedLoadKeepsOneAside)
{
    ASSERT_TRUE(QDir().mkpath(Map()));
    const QDateTime moment = QDateTime::currentDateTime().addSecs(-30);
    const QByteArray opgeslagen = ToernooiSchrijver::ToernooiBytes(model, VasteKlok(), VasteLocale());
    const QString zomer = Pad("Zomer.trn");
    for (int keer = 0; keer < 3; ++keer) {
        Schrijf(QDir(Map()).filePath(HerstelBestand::Naam(zomer)), HerstelBestand::Inhoud(zomer, opgeslagen), moment);
        vraag.Antwoorden.append(keer == 2);
        EXPECT_FALSE(HerstelAanbod::BiedAan(Map(), vraag, [](const QByteArray&, const QString&) { return false; }));
    }
    const QString stam = T("Zomer hersteld ") + moment.toString(T("yyyy-MM-dd HH.mm"));
    EXPECT_EQ(Bestanden(Map()), (QStringList{stam + T(" (2).trn"), stam + T(" (3).trn"), stam + T(".trn")}));
    EXPECT_TRUE(vraag.Fouten.isEmpty());
}

TEST_F(HerstelTest, ARecoveredTournamentIsUnsavedChangesOfItsOriginalFile)
{
    ToernooiModel rijk;
    VulRijkToernooi(rijk);
    const QByteArray bytes = ToernooiSchrijver::ToernooiBytes(rijk, VasteKlok(), VasteLocale());
    ToernooiModel ander;
    ToernooiDocument anderDocument{ander};
    ScriptVraagsteller vragen;
    ToernooiBestand herstel(anderDocument, vragen);
    const QString zomer = Pad("Zomer.trn");
    ASSERT_EQ(herstel.LaadHersteld(bytes, zomer), TBestandUitkomst::Gelukt);
    EXPECT_EQ(Inhoud(ander), Inhoud(rijk));
    EXPECT_TRUE(ander.Gewijzigd());
    EXPECT_EQ(anderDocument.Pad(), QFileInfo(zomer).absoluteFilePath());
    vragen.Annuleer();
    EXPECT_EQ(herstel.Opslaan(), TBestandUitkomst::Geannuleerd);
    EXPECT_EQ(vragen.Gevraagd.last().Extra, T("Zomer.trn"));

    EXPECT_EQ(herstel.LaadHersteld("\x89PNG\r\n", QString()), TBestandUitkomst::Mislukt);
    EXPECT_EQ(Inhoud(ander), Inhoud(rijk));
    EXPECT_EQ(vragen.Berichten().last().Titel, T("Fout"));
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
