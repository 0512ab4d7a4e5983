// Replays the fuzz corpus and every input that ever made a fuzz target fail.

#include "ImportControle.h"
#include "LezerControle.h"
#include "SchemaControle.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// Runs the check of a target over every stored input of its seed and regression folders;
// returns how many there were.
int SpeelAf(std::initializer_list<const char*> mappen, QString (*controle)(QByteArrayView))
{
    int aantal = 0;
    for (const char* map : mappen) {
        const QDir dir(QStringLiteral(RONDOPLAN_FUZZ_MAP "/") + QString::fromUtf8(map));
        for (const QFileInfo& info : dir.entryInfoList(QDir::Files)) {
            QFile bestand(info.filePath());
            EXPECT_TRUE(bestand.open(QIODevice::ReadOnly)) << info.filePath().toStdString();
            EXPECT_EQ(controle(bestand.readAll()), QString()) << info.filePath().toStdString();
            ++aantal;
        }
    }
    return aantal;
}

} // namespace

TEST(FuzzRegressie, EveryStoredInputIsReadCalmlyAndSurvivesASave)
{
    EXPECT_GE(SpeelAf({"corpus", "regressies"}, LezerControle::Controleer), 7);
}

TEST(FuzzRegressie, EveryStoredTournamentBuildsViewsPrintsAndSavesSoundly)
{
    EXPECT_GE(SpeelAf({"schema-corpus", "schema-regressies"}, SchemaControle::Controleer), 12);
}

TEST(FuzzRegressie, EveryStoredTeamListImportsAndSurvivesASave)
{
    EXPECT_GE(SpeelAf({"import-corpus", "import-regressies"}, ImportControle::Controleer), 4);
}
