// Runs the window tests headless: the offscreen platform unless another is asked for.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
    return RUN_ALL_TESTS();
}
