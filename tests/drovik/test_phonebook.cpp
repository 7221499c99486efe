// The provider calibration, the phonebook buttons, the tariff window and the two watching options
// on the real window.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "monitor_fixture.h"

using namespace datastore;
using platform::Answer;

TEST_F(FormTest, CalibrationGivesTheListedEntriesTheirSlots)
{
    fakes.dialup.entries = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    TForm1 &f = start();
    f.FormShow();
    provider_texts(f.data().providers, 7).name.assign(QStringLiteral("old"));
    f.settings().close_to_tray = 1;
    fakes.dialogs.answers = {Answer::Yes};
    f.suiButton1->click();

    ASSERT_EQ(fakes.dialogs.messages.size(), 2u);
    EXPECT_EQ(fakes.dialogs.messages[0].text, QStringLiteral("Осторожно! Все настройки провайдеров будут сбиты! Продолжить?"));
    EXPECT_EQ(fakes.dialogs.messages[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(fakes.dialogs.messages[1].text,
              QStringLiteral("Калибровка закончена. Настройте параметры для каждого провайдера"));
    EXPECT_EQ(f.settings().provider_count, 3);
    EXPECT_EQ(provider_texts(f.data().providers, 3).name.text(), QStringLiteral("C"));
    EXPECT_TRUE(provider_texts(f.data().providers, 7).name.empty());

    SettingsRecord written{};
    load_record(written, folder());
    EXPECT_EQ(written.provider_count, 3);
    EXPECT_EQ(written.close_to_tray, 1);
    ProviderRecord providers{};
    load_record(providers, folder());
    EXPECT_TRUE(provider_texts(providers, 1).name.empty()) << "the provider file waits for its next save";
}

TEST_F(FormTest, DecliningTheCalibrationStillWritesTheSettings)
{
    fakes.dialup.entries = {QStringLiteral("A")};
    TForm1 &f = start();
    f.FormShow();
    f.settings().close_to_tray = 1;
    provider_texts(f.data().providers, 4).name.assign(QStringLiteral("kept"));
    fakes.dialogs.answers = {Answer::No};
    f.suiButton1Click();

    EXPECT_EQ(fakes.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.settings().provider_count, 0);
    EXPECT_EQ(provider_texts(f.data().providers, 4).name.text(), QStringLiteral("kept"));
    SettingsRecord written{};
    load_record(written, folder());
    EXPECT_EQ(written.close_to_tray, 1);
}

struct RenameCase {
    const char *what;
    std::optional<QString> typed;
    std::optional<QString> platform_refuses;
    const char *stored_after; // name of slot 2 afterwards
    bool renamed;
    const char *message; // start of the message shown, or nullptr for none
};

class Rename : public Monitor, public ::testing::WithParamInterface<RenameCase> {};

TEST_P(Rename, OnlyAnAcceptedNameChangesTheSlot)
{
    const RenameCase &c = GetParam();
    form->current_provider = 2;
    form->FormShow();
    fakes.dialogs.messages.clear();
    if (c.platform_refuses)
        fakes.dialup.rename_error = c.platform_refuses;
    fakes.dialogs.inputs = {c.typed};
    form->suiButton11->click();

    ASSERT_EQ(fakes.dialogs.input_boxes.size(), 1u);
    EXPECT_EQ(fakes.dialogs.input_boxes[0],
              (std::array<QString, 3>{QStringLiteral("Переименование Работа в:"), QStringLiteral("New Connection Name"),
                                      QString()}));
    EXPECT_EQ(provider_texts(form->data().providers, 2).name.text(), QString::fromUtf8(c.stored_after));
    EXPECT_EQ(fakes.dialup.renames.size(), c.renamed ? 1u : 0u);
    if (c.renamed) {
        EXPECT_EQ(fakes.dialup.renames[0], std::make_pair(QStringLiteral("Работа"), *c.typed));
        EXPECT_EQ(form->lstEntries->item(1)->text(), *c.typed) << "the list is read again";
    }
    if (c.message == nullptr) {
        EXPECT_TRUE(fakes.dialogs.messages.empty());
    } else {
        ASSERT_EQ(fakes.dialogs.messages.size(), 1u);
        EXPECT_TRUE(fakes.dialogs.messages[0].text.startsWith(QString::fromUtf8(c.message)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Phonebook, Rename,
    ::testing::Values(
        RenameCase{"accepted", QStringLiteral("Офис"), std::nullopt, "Офис", true, nullptr},
        RenameCase{"cancelled", std::nullopt, std::nullopt, "Работа", false, nullptr},
        RenameCase{"refused by the name check", QStringLiteral("a/b"), std::nullopt, "Работа", false, nullptr},
        RenameCase{"another entry's name", QStringLiteral("Дом"), std::nullopt, "Работа", false, nullptr},
        RenameCase{"too long for a slot", QString(51, u'x'), std::nullopt, "Работа", false, "Имя подключения"},
        RenameCase{"outside Windows-1251", QStringLiteral("Wi‑Fi ☎"), std::nullopt, "Работа", false,
                   "Имя подключения"},
        RenameCase{"refused by the system", QStringLiteral("Офис"), QStringLiteral("Permission denied"), "Работа",
                   false, "Не удалось переименовать подключение: Permission denied"}),
    [](const auto &info) {
        std::string name = info.param.what;
        std::replace_if(name.begin(), name.end(), [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
        return name;
    });

TEST_F(Monitor, EditAndCreateOpenThePlatformsDialogsOrSayTheyCannot)
{
    form->FormShow();
    form->lstEntries->setCurrentRow(-1);
    form->suiButton4->click();
    EXPECT_EQ(fakes.dialup.edited, std::vector<QString>{QStringLiteral("Дом")}) << "the first entry when none is chosen";
    form->lstEntries->setCurrentRow(1);
    form->suiButton4->click();
    form->suiButton6->click();
    EXPECT_EQ(fakes.dialup.edited.back(), QStringLiteral("Работа"));
    EXPECT_EQ(fakes.dialup.created, 1);
    EXPECT_TRUE(fakes.dialogs.messages.empty());

    fakes.dialup.dialogs_work = false;
    fakes.dialup.phonebook_notice = QStringLiteral("install pppconfig");
    form->suiButton4->click();
    form->suiButton6->click();
    ASSERT_EQ(fakes.dialogs.messages.size(), 3u);
    EXPECT_EQ(fakes.dialogs.messages[0].text, QStringLiteral("Ошибка вызова функции!"));
    EXPECT_EQ(fakes.dialogs.messages[1].text, QStringLiteral("install pppconfig"));
    EXPECT_EQ(fakes.dialogs.messages[2].text, QStringLiteral("Ошибка вызова функции!"));
}

TEST_F(Monitor, TheTariffWindowSeesEveryUnsavedChangeAndItsEditsAreReadBack)
{
    form->current_provider = 2;
    form->settings().close_to_tray = 1;             // unsaved settings
    set_reading_count(form->data().adapters, 1, 3); // unsaved card readings
    std::vector<std::string> order;
    fakes.tariff_library.during_call = [&] {
        order.push_back("window");
        const auto d = on_disk();
        EXPECT_EQ(d->settings.close_to_tray, 1);
        EXPECT_EQ(reading_count(d->adapters, 1), 3);
        // What the tariff window saves.
        provider_numbers(d->providers, 2).balance = 55;
        EXPECT_FALSE(save_record(d->providers, folder()).has_value());
    };
    form->suiButton22->click();

    EXPECT_EQ(fakes.tariff_library.tarif_forms, std::vector<std::uint8_t>{2});
    EXPECT_EQ(order.size(), 1u);
    EXPECT_FALSE(fakes.tariff_library.loaded());
    EXPECT_EQ(provider_numbers(form->data().providers, 2).balance, 55.0f);
    EXPECT_TRUE(text("Label8").startsWith(QStringLiteral("55.000 "))) << "the panel shows what was read back";
}

TEST_F(Monitor, ASessionEndingWhileTheTariffWindowIsOpenLeavesTheLibraryLoaded)
{
    connect_line();
    tick();
    ASSERT_TRUE(form->online);
    fakes.tariff_library.during_call = [&] {
        fakes.dialup.connections.clear();
        minutes(1);
        tick();
        EXPECT_FALSE(form->online);
        EXPECT_TRUE(fakes.tariff_library.loaded()) << "its window is still open";
    };
    form->suiButton22Click();
    EXPECT_FALSE(fakes.tariff_library.loaded());
}

TEST_F(Monitor, ARebuildOfTheSlotsDuringASessionKeepsItsPricing)
{
    connect_line();
    tick();
    fakes.dialup.entries.push_back(QStringLiteral("Третий"));
    form->check_prov();
    ASSERT_EQ(fakes.tariff_library.name_lists.size(), 1u);
    EXPECT_TRUE(fakes.tariff_library.loaded()) << "the session still holds the library";
    minutes(30);
    tick();
    EXPECT_EQ(text("Label18"), QStringLiteral("Текущий тариф - 30.000"));
}

TEST_F(Monitor, WatchingOptionsAndHangUp)
{
    form->suiCheckBox7->click();
    EXPECT_EQ(form->settings().modem_watch_off, 1);
    EXPECT_EQ(form->status_text(1), QStringLiteral("Слежение за модемом отключено"));
    EXPECT_FALSE(form->Image5->isHidden());
    form->suiCheckBox7->click();
    EXPECT_EQ(form->settings().modem_watch_off, 0);
    EXPECT_EQ(form->status_text(1), QStringLiteral("Слежение за модемом включено"));
    EXPECT_TRUE(form->Image5->isHidden());

    ASSERT_TRUE(form->Timer2->isActive());
    form->suiCheckBox8->click();
    EXPECT_EQ(form->settings().provider_watch_off, 1);
    EXPECT_FALSE(form->Timer2->isActive());
    form->suiCheckBox8->click();
    EXPECT_TRUE(form->Timer2->isActive());

    connect_line();
    tick();
    form->Button21->click();
    EXPECT_EQ(fakes.dialup.hang_ups, std::vector<platform::ConnectionHandle>{kHandle});
}
