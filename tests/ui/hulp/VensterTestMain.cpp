// Runs the window tests headless: the offscreen platform unless another is asked for.
#include "hulp/ModaalVenster.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Ends the modal answers of each test with the test, before its result is printed.
class ModaalEinde : public ::testing::EmptyTestEventListener
{
    void OnTestEnd(const ::testing::TestInfo&) override { ModaalVenster::RondAf(); }
};
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program keeps recovery copies in the user's data folder: a test gets a folder of its
    // own, empty at the start, and never touches the real one.
    QTemporaryDir gegevens;
    if (gegevens.isValid())
        qputenv("XDG_DATA_HOME", gegevens.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // Listeners hear the end of a test in reverse order: this one before the result printer.
    ::testing::UnitTest::GetInstance()->listeners().Append(new ModaalEinde);
    return RUN_ALL_TESTS();
}
