#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/linux/linux_tariff_library.h"
#include "support/qt_print.h"

using platform::LinuxTariffLibrary;

TEST(LinuxTariffLibrary, LoadsByFullPathAndPassesTheLibrarysErrorsOn)
{
    LinuxTariffLibrary library(QStringLiteral(VELMORA_BIN_DIR));
    ASSERT_TRUE(library.load()) << library.last_error().toStdString();
    std::uint8_t row = 3;
    EXPECT_EQ(library.money_on_time(12, 0, &row, 1, 2), 0.0f);
    EXPECT_EQ(row, 3);
    EXPECT_TRUE(library.last_error().contains(QStringLiteral("outside 1..9"))) << library.last_error().toStdString();
    library.unload();
    EXPECT_FALSE(library.loaded());
    EXPECT_EQ(library.money_on_time(1, 0, &row, 1, 2), 0.0f) << "never through a null entry";
    EXPECT_TRUE(library.last_error().contains(QStringLiteral("not loaded")));
}

TEST(LinuxTariffLibrary, AMissingLibraryOrEntryFailsTheLoad)
{
    QTemporaryDir empty;
    LinuxTariffLibrary none(empty.path());
    EXPECT_FALSE(none.load());
    EXPECT_TRUE(none.last_error().contains(QStringLiteral("Kolvane.so"))) << none.last_error().toStdString();

    // Another library under the name: it loads but has none of the entries.
    QTemporaryDir wrong;
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELMORA_BIN_DIR "/Report.so"), wrong.filePath(QStringLiteral("Kolvane.so"))));
    LinuxTariffLibrary impostor(wrong.path());
    EXPECT_FALSE(impostor.load());
    EXPECT_FALSE(impostor.loaded());
    EXPECT_TRUE(impostor.last_error().contains(QStringLiteral("missing"))) << impostor.last_error().toStdString();
}
