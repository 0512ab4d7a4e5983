// A result entered in the program survives a killed process: the program is ended by SIGKILL
// after the recovery copy was written, and the next start brings the result back.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Lees(const QString& pad)
{
    QFile bestand(pad);
    return bestand.open(QIODevice::ReadOnly) ? bestand.readAll() : QByteArray();
}

// Reads the process's output until a line starts with the prefix; the rest of that line.
std::optional<QString> WachtOpRegel(QProcess& proces, const QByteArray& begin, int milliseconden)
{
    QElapsedTimer klok;
    klok.start();
    while (klok.elapsed() < milliseconden) {
        while (proces.canReadLine()) {
            const QByteArray regel = proces.readLine().trimmed();
            if (regel.startsWith(begin))
                return QString::fromUtf8(regel.mid(begin.size())).trimmed();
        }
        if (proces.state() == QProcess::NotRunning)
            return std::nullopt;
        proces.waitForReadyRead(1000);
    }
    return std::nullopt;
}

} // namespace

TEST(HerstelNaKill, AResultEnteredBeforeSigkillComesBackMarkedChanged)
{
    QTemporaryDir thuis;
    ASSERT_TRUE(thuis.isValid());
    const QString toernooi = thuis.filePath(QStringLiteral("wedstrijddag.trn"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(RONDOPLAN_WEDSTRIJDDAG), toernooi));
    const QByteArray origineel = Lees(toernooi);

    // Nothing of the user's own folders is touched.
    QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
    omgeving.insert(QStringLiteral("HOME"), thuis.path());
    omgeving.insert(QStringLiteral("XDG_DATA_HOME"), thuis.filePath(QStringLiteral("gegevens")));
    omgeving.insert(QStringLiteral("XDG_CONFIG_HOME"), thuis.filePath(QStringLiteral("instellingen")));
    omgeving.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString map = thuis.filePath(QStringLiteral("gegevens/Rondoplan"));

    QProcess invoer;
    invoer.setProcessEnvironment(omgeving);
    invoer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    invoer.start(QStringLiteral(RONDOPLAN_HERSTEL_DRIVER), {QStringLiteral("invoer"), toernooi});
    ASSERT_TRUE(invoer.waitForStarted(30000));
    const std::optional<QString> rij = WachtOpRegel(invoer, "RIJ ", 120000);
    ASSERT_TRUE(rij.has_value()) << "the driver entered no result";
    const std::optional<QString> geschreven = WachtOpRegel(invoer, "GESCHREVEN ", 60000);
    ASSERT_TRUE(geschreven.has_value()) << "the recovery copy was not written";
    invoer.kill(); // SIGKILL: no clean exit, nothing removed
    ASSERT_TRUE(invoer.waitForFinished(30000));
    EXPECT_EQ(invoer.exitStatus(), QProcess::CrashExit);
    EXPECT_TRUE(QFile::exists(*geschreven));
    EXPECT_EQ(QFileInfo(*geschreven).absolutePath(), QDir(map).absolutePath());
    // The tournament file itself was never written.
    EXPECT_EQ(Lees(toernooi), origineel);

    QProcess herstel;
    herstel.setProcessEnvironment(omgeving);
    herstel.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    herstel.start(QStringLiteral(RONDOPLAN_HERSTEL_DRIVER), {QStringLiteral("herstel"), toernooi, *rij});
    ASSERT_TRUE(herstel.waitForStarted(30000));
    if (!herstel.waitForFinished(180000))
        herstel.kill();
    const QByteArray uitvoer = herstel.readAllStandardOutput();
    EXPECT_EQ(herstel.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(herstel.exitCode(), 0) << uitvoer.constData();
    EXPECT_TRUE(uitvoer.contains("HERSTELD")) << uitvoer.constData();
    // The second run ended without saving: a clean exit leaves no copy, and nothing was
    // deleted that was not recovered.
    EXPECT_TRUE(QDir(map).entryList(QDir::Files).isEmpty()) << QDir(map).entryList(QDir::Files).join(u' ').toStdString();
    EXPECT_EQ(Lees(toernooi), origineel);
}
