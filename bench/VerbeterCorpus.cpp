// The improver on corpora of random tournaments that build (Release): per corpus how often
// the rounds reach the lower bound (builder, improver), and back-to-back matches of the
// builder, of the improver and the counting bound; longest waits; time.
#include "WillekeurigToernooi.h"

#include "core/kwaliteit/SchemaKwaliteit.h"
#include "core/schema/TSchemaBouwer.h"
#include "core/verbeteren/Regelcontrole.h"
#include "core/verbeteren/TSchemaVerbeteraar.h"

#include <chrono>
#include <cstdio>

int main()
{
    struct TCorpus
    {
        const char* Naam;
        TCorpusVorm Vorm;
        int Aantal;
    };
    const TCorpus corpora[] = {{"klein (1-3 poules van 2-5 teams, 1-3 velden)", {1, 3, 2, 5, 1, 3}, 200},
                               {"gemengd (1-7 poules van 2-8 teams, 1-4 velden)", {1, 7, 2, 8, 1, 4}, 150},
                               {"groot (8-16 poules van 4-10 teams, 4-12 velden)", {8, 16, 4, 10, 4, 12}, 25}};
    int zaad = 1000;
    for (const TCorpus& corpus : corpora) {
        TCorpusToeval toeval(std::uint64_t(zaad++));
        int gebouwd = 0, grensBouwer = 0, grensNa = 0, fouten = 0;
        long rondenVoor = 0, rondenNa = 0, bVoor = 0, bNa = 0, bGrens = 0, wVoor = 0, wNa = 0;
        double tijd = 0.0, langst = 0.0;
        for (int i = 0; i < corpus.Aantal; ++i) {
            ToernooiModel model;
            MaakCorpusToernooi(model, toeval, corpus.Vorm);
            TSchemaBoom boom;
            if (!TSchemaBouwer(model).BouwSchema(boom).Gelukt)
                continue;
            ++gebouwd;
            const auto begin = std::chrono::steady_clock::now();
            const TVerbeterUitkomst uitkomst = TSchemaVerbeteraar(model).Verbeter(boom, model.Uitslagen());
            const double duur = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
            tijd += duur;
            langst = std::max(langst, duur);
            const TSchemaKwaliteit kwaliteit = MeetKwaliteit(model, uitkomst.Schema);
            fouten += ControleerSchema(model, uitkomst.Schema, model.Uitslagen()).isEmpty() ? 0 : 1;
            grensBouwer += uitkomst.Voor.Ronden == kwaliteit.Ondergrens.Ronden ? 1 : 0;
            grensNa += uitkomst.Na.Ronden == kwaliteit.Ondergrens.Ronden ? 1 : 0;
            rondenVoor += uitkomst.Voor.Ronden;
            rondenNa += uitkomst.Na.Ronden;
            bVoor += uitkomst.Voor.AchterElkaar;
            bNa += uitkomst.Na.AchterElkaar;
            bGrens += kwaliteit.AchterElkaarOndergrens();
            wVoor += uitkomst.Voor.LangsteWacht;
            wNa += uitkomst.Na.LangsteWacht;
        }
        std::printf("%s: %d gebouwd\n"
                    "  ronden gelijk aan de ondergrens: bouwer %d, verbeterd %d; ronden samen %ld -> %ld\n"
                    "  na elkaar: bouwer %ld, verbeterd %ld, telgrens %ld\n"
                    "  langste wacht samen: %ld -> %ld; schema's met een gebroken regel: %d\n"
                    "  tijd %.2f s, langste %.3f s\n",
                    corpus.Naam, gebouwd, grensBouwer, grensNa, rondenVoor, rondenNa, bVoor, bNa, bGrens, wVoor,
                    wNa, fouten, tijd, langst);
    }
}
