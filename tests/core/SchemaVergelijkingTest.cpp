#include "LetterlijkeBouwer.h"
#include "SchemaTestHulp.h"
#include "WillekeurigToernooi.h"

using namespace SchemaTestHulp;

TEST(SchemaVergelijking, BuilderEqualsTheLiteralRulesOnRandomTournaments)
{
    std::mt19937 toeval(20261208);
    int gebouwd = 0;
    for (int geval = 0; geval < 300; ++geval) {
        ToernooiModel model;
        MaakWillekeurig(model, toeval);
        TSchemaBoom letterlijk;
        const bool letterlijkGelukt = BouwLetterlijk(model, letterlijk);
        TSchemaBoom snel;
        const TBouwUitkomst uitkomst = TSchemaBouwer(model).BouwSchema(snel);
        ASSERT_EQ(uitkomst.Gelukt, letterlijkGelukt) << "geval " << geval;
        if (!uitkomst.Gelukt)
            continue;
        ++gebouwd;
        ASSERT_EQ(snel.AlsTekst(), letterlijk.AlsTekst()) << "geval " << geval;
        ASSERT_EQ(snel, letterlijk) << "geval " << geval;
    }
    EXPECT_GT(gebouwd, 250);
}
