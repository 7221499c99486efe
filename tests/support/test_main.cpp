// Shared main of every test binary: a headless QApplication before any test runs.
#include <cstdlib>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Test discovery runs the binary outside CTest's environment, so the defaults are set here.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime_dir(QDir::tempPath() + QStringLiteral("/velmora-test-runtime-XXXXXX"));
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime_dir.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_dir.path()));

    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
