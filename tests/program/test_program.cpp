// The deliverables as built: the program starts over a data folder and ends cleanly on a stop
// signal with its files written; both libraries load by full path from the program's folder.
#include <csignal>
#include <filesystem>

#include <QProcess>
#include <QTemporaryDir>

#include <dlfcn.h>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {
const QString kBinDir = QStringLiteral(VELMORA_BIN_DIR);
}

TEST(Program, StartsOverAnEmptyDataFolderAndQuitsOnSigterm)
{
    QTemporaryDir data;
    QTemporaryDir runtime;
    QProcess program;
    program.setWorkingDirectory(data.path());
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    program.setProcessEnvironment(env);
    program.start(kBinDir + QStringLiteral("/drovik"), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    program.waitForFinished(1500); // let it reach its event loop
    ASSERT_EQ(program.state(), QProcess::Running) << program.readAllStandardError().toStdString();

    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    if (!program.waitForFinished(20000)) {
        program.kill();
        FAIL() << "the program did not end on SIGTERM";
    }
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();

    const fs::path folder = data.path().toStdString();
    EXPECT_EQ(fs::file_size(folder / "Провайдер инфо.dat"), 2532u);
    EXPECT_EQ(fs::file_size(folder / "Тариф.dat"), 2160u);
    EXPECT_EQ(fs::file_size(folder / "Настройки.ini"), 60u);
    EXPECT_EQ(fs::file_size(folder / "Соединения.dat"), 279000u);
    EXPECT_EQ(fs::file_size(folder / "Ethernet.dat"), 62560u);
}

TEST(Program, LibrariesLoadByFullPath)
{
    for (const char *name : {"Kolvane.so", "Report.so"}) {
        const std::string path = QString(kBinDir + QLatin1Char('/') + QLatin1String(name)).toStdString();
        void *handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << ::dlerror();
        ::dlclose(handle);
    }
}
