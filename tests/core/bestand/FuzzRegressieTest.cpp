// Replays the fuzz corpus and every input that ever made the fuzz target fail.

#include "ImportControle.h"
#include "LezerControle.h"
#include "SchemaControle.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(FuzzRegressie, EveryStoredInputIsReadCalmlyAndSurvivesASave)
{
    int aantal = 0;
    for (const char* map : {"corpus", "regressies"}) {
        const QDir dir(QStringLiteral(RONDOPLAN_FUZZ_MAP "/") + QString::fromUtf8(map));
        for (const QFileInfo& info : dir.entryInfoList(QDir::Files)) {
            QFile bestand(info.filePath());
            ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
            EXPECT_EQ(LezerControle::Controleer(bestand.readAll()), QString())
                << info.filePath().toStdString();
            ++aantal;
        }
    }
    EXPECT_GE(aantal, 7);
}

TEST(FuzzRegressie, EveryStoredTournamentBuildsViewsPrintsAndSavesSoundly)
{
    int aantal = 0;
    for (const char* map : {"schema-corpus", "schema-regressies"}) {
        const QDir dir(QStringLiteral(RONDOPLAN_FUZZ_MAP "/") + QString::fromUtf8(map));
        for (const QFileInfo& info : dir.entryInfoList(QDir::Files)) {
            QFile bestand(info.filePath());
            ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
            EXPECT_EQ(SchemaControle::Controleer(bestand.readAll()), QString())
                << info.filePath().toStdString();
            ++aantal;
        }
    }
    EXPECT_GE(aantal, 12);
}

TEST(FuzzRegressie, EveryStoredTeamListImportsAndSurvivesASave)
{
    int aantal = 0;
    for (const char* map : {"import-corpus", "import-regressies"}) {
        const QDir dir(QStringLiteral(RONDOPLAN_FUZZ_MAP "/") + QString::fromUtf8(map));
        for (const QFileInfo& info : dir.entryInfoList(QDir::Files)) {
            QFile bestand(info.filePath());
            ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
            EXPECT_EQ(ImportControle::Controleer(bestand.readAll()), QString())
                << info.filePath().toStdString();
            ++aantal;
        }
    }
    EXPECT_GE(aantal, 4);
}
