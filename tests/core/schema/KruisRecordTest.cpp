#include "core/schema/TWedstrijdGenerator.h"
#include "hulp/WillekeurigToernooi.h"

#include <optional>

using namespace SchemaTestHulp;

namespace {

// The oracle: a cross match text read back into its parts, the way the match day read the
// sides before the records carried them. Sides: "Nummer k <poule>", "Winnaar Kr. L1L2k",
// "Verliezer Kr. L1L2k"; a poule name may hold " x ", so the first split at which both sides
// read counts.
struct TGelezenKant
{
    TKruisKant::TSoort Soort = TKruisKant::TSoort::Nummer;
    int Nummer = 0;
    QString Poule; // Nummer
    QString Kruis; // Winnaar, Verliezer: "Kr. L1L2k"
};

std::optional<TGelezenKant> LeesKant(QStringView tekst, const QString& poule1,
                                     const QString& poule2)
{
    TGelezenKant kant;
    if (tekst.startsWith(u"Nummer ")) {
        const QStringView rest = tekst.sliced(7);
        const qsizetype spatie = rest.indexOf(u' ');
        bool getal = false;
        kant.Nummer = spatie < 0 ? 0 : rest.first(spatie).toInt(&getal);
        kant.Poule = spatie < 0 ? QString() : rest.sliced(spatie + 1).toString();
        if (!getal || kant.Nummer < 1 || (kant.Poule != poule1 && kant.Poule != poule2))
            return std::nullopt;
        return kant;
    }
    for (const auto soort : {TKruisKant::TSoort::Winnaar, TKruisKant::TSoort::Verliezer}) {
        const QString woord = soort == TKruisKant::TSoort::Winnaar ? T("Winnaar Kr. ")
                                                                     : T("Verliezer Kr. ");
        if (tekst.startsWith(woord)) {
            kant.Soort = soort;
            kant.Kruis = tekst.sliced(woord.size() - 4).toString();
            return kant;
        }
    }
    return std::nullopt;
}

struct TGelezenKruis
{
    QString Voorvoegsel;
    int Plaats = 0; // d - 1 of "(d-1)e&de:"
    TGelezenKant Kant1;
    TGelezenKant Kant2;
};

std::optional<TGelezenKruis> LeesKruis(const QString& tekst, const QString& poule1,
                                       const QString& poule2)
{
    const qsizetype dubbelepunt = tekst.indexOf(u':');
    if (dubbelepunt < 0)
        return std::nullopt;
    TGelezenKruis kruis;
    kruis.Voorvoegsel = tekst.first(dubbelepunt + 1);
    if (!kruis.Voorvoegsel.startsWith(T("Kr. ")))
        kruis.Plaats = kruis.Voorvoegsel.first(kruis.Voorvoegsel.indexOf(u'e')).toInt();
    const QStringView rest = QStringView(tekst).sliced(dubbelepunt + 1);
    for (qsizetype x = rest.indexOf(u" x "); x >= 0; x = rest.indexOf(u" x ", x + 1)) {
        const auto kant1 = LeesKant(rest.first(x), poule1, poule2);
        const auto kant2 = LeesKant(rest.sliced(x + 3), poule1, poule2);
        if (kant1 && kant2) {
            kruis.Kant1 = *kant1;
            kruis.Kant2 = *kant2;
            return kruis;
        }
    }
    return std::nullopt;
}

} // namespace

// For random tournaments, with poule names that hold " x ", ":", digits and the words of the
// texts, every cross match's record says what its text says: its kind, the place it decides
// and each side's place and poule, or the crossing match it is the winner or loser of.
TEST(KruisRecord, SidesOfTheRecordsAreThoseOfTheirTexts)
{
    const char* const namen[] = {"A", "Poule 1 x 2", "Nummer 3", "x", "a:b", "B x", "7", "Kr. AB1"};
    std::mt19937 toeval(20260314);
    int kruisen = 0;
    for (int geval = 0; geval < 150; ++geval) {
        ToernooiModel model;
        MaakWillekeurig(model, toeval);
        const auto& poules = model.PouleLijst();
        for (const auto& poule : poules)
            poule->Details->PouleNaam = T(namen[toeval() % std::size(namen)]);
        TSchemaBoom boom;
        if (!TSchemaBouwer(model).BouwSchema(boom).Gelukt)
            continue;
        boom.VoorElkeWedstrijd([&](std::size_t, std::size_t, const TWedstrijdDetails& record,
                                   const QString& tekst, int) {
            if (record.Team1)
                return;
            ++kruisen;
            ASSERT_TRUE(record.Kruis) << qPrintable(tekst);
            const TKruisWedstrijd& kruis = *record.Kruis;
            ASSERT_EQ(kruis.Tekst(), tekst);
            const int p = model.PouleIndex(record.Poule1);
            const int q = model.PouleIndex(record.Poule1->KruisPoule);
            const auto gelezen = LeesKruis(tekst, poules[std::size_t(p)]->Details->PouleNaam,
                                           poules[std::size_t(q)]->Details->PouleNaam);
            ASSERT_TRUE(gelezen) << qPrintable(tekst);
            const QString letters = T("Kr. ") + TWedstrijdGenerator::PouleLetter(std::min(p, q) + 1)
                                    + TWedstrijdGenerator::PouleLetter(std::max(p, q) + 1);
            EXPECT_EQ(kruis.Voorvoegsel, gelezen->Voorvoegsel);
            EXPECT_EQ(kruis.Voorvoegsel,
                      kruis.Kruis > 0 ? letters + QString::number(kruis.Kruis) + u':'
                                      : gelezen->Voorvoegsel);
            EXPECT_EQ(kruis.Kruis > 0, kruis.Plaats == 0);
            EXPECT_EQ(kruis.Plaats, gelezen->Plaats);
            const std::pair<const TKruisKant*, const TGelezenKant*> kanten[] = {
                {&kruis.Kant1, &gelezen->Kant1}, {&kruis.Kant2, &gelezen->Kant2}};
            for (const auto& [kant, oud] : kanten) {
                EXPECT_EQ(kant->Soort, oud->Soort) << qPrintable(tekst);
                if (kant->Soort == TKruisKant::TSoort::Nummer) {
                    ASSERT_TRUE(kant->Poule == poules[std::size_t(p)]->Details.get()
                                || kant->Poule == poules[std::size_t(q)]->Details.get());
                    EXPECT_EQ(kant->Poule->PouleNaam, oud->Poule);
                    EXPECT_EQ(kant->Nummer, oud->Nummer);
                } else {
                    EXPECT_EQ(letters + QString::number(kant->Nummer), oud->Kruis);
                }
            }
        });
    }
    EXPECT_GT(kruisen, 300);
}
