// The deliverables as built: the program over a data folder of its own, ended by signals, and a
// second start; both libraries load by full path from the program's folder.
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <dlfcn.h>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const QString kBinDir = QStringLiteral(VELMORA_BIN_DIR);

// One program with its own data and runtime folders, so parallel tests never meet.
// The machine it sees is a made-up one: without a sysroot, one with nothing to dial with.
class Program {
public:
    // `prepare` fills the data folder before the program starts.
    explicit Program(const QString &runtime_dir, const QString &sysroot = {},
                     const std::function<void(const QString &)> &prepare = {})
    {
        if (prepare)
            prepare(data.path());
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_dir);
        env.insert(QStringLiteral("VELMORA_SYSROOT"), sysroot.isEmpty() ? empty_root.path() : sysroot);
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(data.path());
        process.start(kBinDir + QStringLiteral("/drovik"), {});
    }
    ~Program()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    void signal(int sig) { ::kill(static_cast<pid_t>(process.processId()), sig); }
    bool ended_cleanly()
    {
        if (!process.waitForFinished(20000))
            return false;
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }
    fs::path folder() const { return data.path().toStdString(); }

    QTemporaryDir data;
    QTemporaryDir empty_root;
    QProcess process;
};

// The program is ready once it listens for later starts.
bool wait_until_listening(const QTemporaryDir &runtime)
{
    return QTest::qWaitFor([&] { return QFile::exists(runtime.filePath(QStringLiteral("velmora-xp.socket"))); },
                           15000);
}

// A made-up machine that can dial: one serial port with a UART.
void add_serial_modem(const QTemporaryDir &root)
{
    const fs::path tty = fs::path(root.path().toStdString()) / "sys/class/tty/ttyS0";
    fs::create_directories(tty);
    std::ofstream(tty / "type") << "4\n";
}

void expect_all_files_written(const fs::path &folder)
{
    EXPECT_EQ(fs::file_size(folder / "Провайдер инфо.dat"), 2532u);
    EXPECT_EQ(fs::file_size(folder / "Тариф.dat"), 2160u);
    EXPECT_EQ(fs::file_size(folder / "Настройки.ini"), 60u);
    EXPECT_EQ(fs::file_size(folder / "Соединения.dat"), 279000u);
    EXPECT_EQ(fs::file_size(folder / "Ethernet.dat"), 62560u);
}

} // namespace

class StopSignal : public ::testing::TestWithParam<int> {};

TEST_P(StopSignal, EndsTheProgramWithEveryFileWritten)
{
    QTemporaryDir runtime;
    Program program(runtime.path());
    ASSERT_TRUE(wait_until_listening(runtime)) << program.process.readAllStandardError().toStdString();
    program.signal(GetParam());
    ASSERT_TRUE(program.ended_cleanly()) << program.process.readAllStandardError().toStdString();
    expect_all_files_written(program.folder());
}

INSTANTIATE_TEST_SUITE_P(Signals, StopSignal, ::testing::Values(SIGTERM, SIGINT, SIGHUP));

TEST(Program, ASecondStartLeavesTheFirstRunningAndEndsAtOnce)
{
    QTemporaryDir runtime;
    Program first(runtime.path());
    ASSERT_TRUE(wait_until_listening(runtime));

    Program second(runtime.path());
    ASSERT_TRUE(second.ended_cleanly()) << second.process.readAllStandardError().toStdString();
    EXPECT_FALSE(fs::exists(second.folder() / "Настройки.ini")) << "the second start must not run the window";
    EXPECT_EQ(first.process.state(), QProcess::Running);

    first.signal(SIGTERM);
    EXPECT_TRUE(first.ended_cleanly());
}

TEST(Program, AStopSignalWhileTheFirstRunQuestionIsOpenStillWritesEveryFile)
{
    // A machine with a serial modem, so the first start asks whether to calibrate.
    QTemporaryDir root;
    add_serial_modem(root);

    QTemporaryDir runtime;
    Program program(runtime.path(), root.path());
    ASSERT_TRUE(wait_until_listening(runtime));
    // The question holds the start-up: no window, no data written yet.
    ASSERT_FALSE(program.process.waitForFinished(1500));
    program.signal(SIGTERM);
    ASSERT_TRUE(program.ended_cleanly()) << program.process.readAllStandardError().toStdString();
    expect_all_files_written(program.folder());

    // No answer was taken: the mail settings were reset before the question, the identity is
    // not stored, so the next start asks again.
    std::ifstream settings(program.folder() / "Настройки.ini", std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(settings), {}};
    EXPECT_EQ(bytes.substr(23, 4), std::string("\x03" "110"));
    std::ifstream providers(program.folder() / "Провайдер инфо.dat", std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(providers), {});
    EXPECT_EQ(bytes[9 + 102], '\0') << "machine_id stays empty";
}

TEST(Program, ASeededFolderIsTakenForThisMachine)
{
    QTemporaryDir root;
    add_serial_modem(root);

    QTemporaryDir runtime;
    Program program(runtime.path(), root.path(), [&](const QString &folder) {
        QProcess seed;
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VELMORA_SYSROOT"), root.path());
        seed.setProcessEnvironment(env);
        seed.start(kBinDir + QStringLiteral("/seed-data"), {folder, QStringLiteral("Домашний")});
        ASSERT_TRUE(seed.waitForFinished(10000));
        ASSERT_EQ(seed.exitCode(), 0) << seed.readAllStandardError().toStdString();
        // A mail server that the first-run reset would clear.
        std::fstream providers(folder.toStdString() + "/Провайдер инфо.dat",
                               std::ios::in | std::ios::out | std::ios::binary);
        providers.seekp(9 + 2 * 255 + 102);
        providers.write("\x04mail", 5);
    });
    ASSERT_TRUE(wait_until_listening(runtime));
    QTest::qWait(1000);
    program.signal(SIGTERM);
    ASSERT_TRUE(program.ended_cleanly());
    std::ifstream in(program.folder() / "Провайдер инфо.dat", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(bytes.substr(9 + 2 * 255 + 102, 5), std::string("\x04mail")) << "no first-run reset";
    EXPECT_EQ(bytes.substr(9, 9), std::string("\x08\xC4\xEE\xEC\xE0\xF8\xED\xE8\xE9")) << "slot 1 is the entry";
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
