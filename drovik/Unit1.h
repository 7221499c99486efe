#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include <QWidget>

#include "datastore/data_files.h"
#include "platform/services.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QRadioButton;
class QTimeEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTimer;
struct InterfaceSnapshot;

// The main window of Drovik. Its handlers are spread over the subsystem folders; each reads
// controls, calls the logic of its subsystem and writes controls.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    // `data_folder`: where the five data files are; empty for the current directory.
    explicit TForm1(platform::Services services, std::filesystem::path data_folder = {});
    ~TForm1() override;

    // Start-up and shutdown.
    void FormCreate();
    void FormShow();
    void FormDestroy();
    // With "start in tray" the window is not shown when the program starts.
    bool start_hidden() const { return start_hidden_; }

    // Ends the application's event loop, also from inside a modal box; FormDestroy follows.
    void end_program();
    bool ending() const { return ending_; }
    // A later start of the program asked this one to come forward.
    void come_forward();

    // The data files.
    void load_dat();
    bool Save_ini();
    bool save_call();
    bool save_prov();
    bool save_tarif();
    bool save_ethernet();
    // All five, in the exit order: before the library reads them, before a power-off, at exit.
    void write_all_records();

    // The tariff library, bound around each use. A failure is told once until the next session
    // begins (forget_told_tariff_failure), never on every tick.
    bool loaddll();
    void unloaddll();
    void tell_tariff_failure();
    void forget_told_tariff_failure() { tariff_failure_told_ = false; }

    // The provider panel and the monitor.
    void Change_prov(int p);
    void lstEntries1Click();
    void suiCheckBox3Click();
    void CheckBox1Click();
    void TabSheet1Show();
    void suiCheckBox11Click();
    void check_prov();
    void suiButton1Click();
    QString Name_prov();
    QString GetServerIP();
    void Inet_disconnect();

    // The phonebook and the tariff window.
    void suiButton11Click();
    void Button4Click();
    void fsBitBtn9Click();
    void suiButton22Click();
    void Button21Click();
    void suiCheckBox7Click();
    void suiCheckBox8Click();

    // The dial-up lock. The window is locked only from ticking the box until the password lifts
    // it; the stored flag alone, after a restart, locks nothing.
    void dialup123Click();
    void fsBitBtn15Click();
    void fsBitBtn16Click();
    bool window_locked() const { return window_locked_; }

    // The network cards: the monitor, saved readings, calibration and prices.
    void Timer3Timer();
    void RadioGroup11Click();
    void suiCheckBox6Click();
    void Record_Ethernet(int card, bool at_exit);
    void Card1Timer();
    void Card2Timer();
    void RadioButton3Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void ComboBox1Change();
    void DateTimeP1Change();
    void RadioButton6Click();
    void RadioButton4Click();
    void RadioButton5Click();
    void ComboBox2Change();
    void DateTimeP2Change();
    void TabSheet2Show();
    void Button3Click();
    void Button8Click();
    void suiButton2Click();
    void Edit1Change();
    void Edit2Change();
    void RB7Click();
    void RB8Click();

    // The monitor tick, and the arming of Timer1 for the next one.
    void Timer1Timer();
    void schedule_tick();

    // Buttons of the frame.
    void exitbutClick();

    // Tray and window behaviour.
    void N1Click();
    void N3Click();
    void suiButton12Click();
    void Hint1Click();
    void TrayIcon1BalloonHintClick();
    void hide_window();
    void show_window();

    // Program options.
    void suiCheckBox4Click();
    void suiCheckBox5Click();
    void suiCheckBox9Click();
    void suiCheckBox10Click();

    // System tools.
    void Reestr1Click();
    void suiCheckBox1Click();
    void suiCheckBox2Click();
    void suiButton10Click();
    void autopowerTimer();
    void fsBitBtn6Click();
    void N18Click();
    void fsBitBtn17Click();

    datastore::DataSet &data() { return *data_; }
    datastore::SettingsRecord &settings() { return data_->settings; }
    QString status_text(int panel) const;

    // Run-time state.
    bool online = false;
    std::uint8_t current_provider = 0;
    std::array<bool, 2> card_saved{};
    std::int32_t session_bytes_in = 0;
    std::int32_t session_bytes_out = 0;
    std::int32_t session_speed = 1000000;
    datastore::TDateTime session_start = 10.0;
    datastore::TDateTime session_now = 1.0;
    bool clock_hint_active = false;
    std::uint8_t current_row = 0;
    platform::ConnectionHandle conn_handle = 0;
    platform::ConnectionHandle link_handle = 0;
    QString mail_status;
    datastore::TDateTime session_duration = 0;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void build_frame();
    void build_about_page(QWidget *page);
    QWidget *build_right_column();
    void build_settings_page(QWidget *page);
    void build_tray_menu();
    void read_registry_switches();
    void new_machine_check(const QString &identity);
    void launch(platform::Program program, const QString &what);
    void save_before_power_off();
    void set_status_text(int panel, const QString &text);
    // Writes one record and tells the user of a failure, once per file and run.
    template <class Record> bool write_file(const Record &rec);
    void show_modem_watch_state();
    void restore_option_boxes();

    // Steps of the subsystems, called from the frame and the tick.
    void adapter_startup();
    void adapter_save_schedule();
    void save_exit_readings();
    void machine_setup();
    void copy_card_save_params();
    int count_connections();
    void session_start_steps();
    void WorkInet();
    void session_end_steps();
    // No session: the state the monitor starts from and returns to at each hang-up.
    void reset_session_state();
    void Workwithoutinet();
    void show_current_provider();
    void tell_dialog_failure();
    // What the dial-up layer has to say about the phonebook, once.
    void tell_phonebook_notice();
    QWidget *build_lock_group(QWidget *page);
    void set_window_locked(bool locked);
    void show_taskbar_entry();
    void build_modem_page(QWidget *page);
    void reset_session_labels();
    void show_balloon_forecast(const QString &title, bool error);
    float price_now(int p, std::uint8_t call, datastore::TDateTime end);
    // Mail-page steps the monitor runs.
    void mail_session_ended();
    void mailTimer();
    void enable_mail_timer(bool on);
    void calibrate_cards();
    void build_network_page(QWidget *page);
    InterfaceSnapshot take_snapshot();
    void show_net_watch_state();
    void show_card_caption(int index, const QString &caption);
    void save_every_hours(int n);
    void save_daily(int n);
    void save_at_exit(int n);
    void hours_changed(int n);
    void time_changed(int n);
    void clear_card(int n);
    void show_card_prices(int n);
    void price_changed(QLineEdit *box, bool in);

public:
    // Controls, each also named by its objectName.
    QTabWidget *PageControl1 = nullptr;
    QWidget *suiTabSheet1 = nullptr;
    QWidget *suiTabSheet2 = nullptr;
    QWidget *suiTabSheet5 = nullptr;
    QWidget *suiTabSheet6 = nullptr;
    QWidget *suiTabSheet3 = nullptr;
    QLabel *Label66 = nullptr;
    QLabel *Label67 = nullptr;
    QPushButton *suiButton7 = nullptr;
    QPushButton *suiButton8 = nullptr;
    QLabel *Image6 = nullptr;
    QLabel *Label46 = nullptr;
    QLabel *Image12 = nullptr;
    QCheckBox *dialup1 = nullptr;
    QPushButton *suiButton12 = nullptr;
    QLabel *Image13 = nullptr;
    QLabel *Image14 = nullptr;
    QPushButton *Button21 = nullptr;
    QPushButton *exitbut = nullptr;
    QStatusBar *StatusBar1 = nullptr;

    QListWidget *lstEntries = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label43 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label45 = nullptr;
    QLabel *Label62 = nullptr;
    QLabel *Image9 = nullptr;
    QCheckBox *suiCheckBox3 = nullptr;
    QPushButton *suiButton11 = nullptr;
    QPushButton *suiButton22 = nullptr;
    QPushButton *suiButton4 = nullptr;
    QPushButton *suiButton6 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QLabel *Label23 = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Label15 = nullptr;
    QLabel *Label17 = nullptr;
    QLabel *Label18 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QLabel *Image5 = nullptr;
    QLabel *Label58 = nullptr;
    QLabel *Label59 = nullptr;
    QPushButton *suiButton5 = nullptr;

    // The controls of card 1 and card 2, each widget under its own name.
    struct CardControls {
        QGroupBox *box = nullptr;
        QLabel *ip = nullptr;
        QLabel *in = nullptr;
        QLabel *out = nullptr;
        QLabel *speed = nullptr;
        QLabel *saved = nullptr;
        QLabel *off_picture = nullptr;
        QRadioButton *every = nullptr;
        QComboBox *hours = nullptr;
        QRadioButton *daily = nullptr;
        QTimeEdit *time = nullptr;
        QRadioButton *at_exit = nullptr;
        QPushButton *clear = nullptr;
        QTimer *timer = nullptr;
    };
    std::array<CardControls, 2> cards{};
    QGroupBox *PDJXPGroupBox4 = nullptr;
    QRadioButton *RB7 = nullptr;
    QRadioButton *RB8 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLabel *price_error = nullptr;
    QGroupBox *RadioGroup1 = nullptr;
    QButtonGroup *refresh_rates = nullptr;
    QPushButton *suiButton2 = nullptr;

    QGroupBox *program_options = nullptr;
    QCheckBox *suiCheckBox4 = nullptr;
    QCheckBox *suiCheckBox5 = nullptr;
    QCheckBox *suiCheckBox6 = nullptr;
    QCheckBox *suiCheckBox7 = nullptr;
    QCheckBox *suiCheckBox8 = nullptr;
    QCheckBox *suiCheckBox9 = nullptr;
    QCheckBox *suiCheckBox10 = nullptr;
    QCheckBox *suiCheckBox11 = nullptr;
    QCheckBox *Reestr1 = nullptr;
    QCheckBox *suiCheckBox1 = nullptr;
    QCheckBox *suiCheckBox2 = nullptr;
    QGroupBox *PDJXPRadioGroup1 = nullptr;
    QButtonGroup *power_delays = nullptr;
    QPushButton *suiButton10 = nullptr;
    QPushButton *suiButton1 = nullptr;
    QGroupBox *GroupBox9 = nullptr;
    QLineEdit *pass = nullptr;
    QPushButton *suiButton18 = nullptr;
    QLineEdit *fsEdit5 = nullptr;
    QPushButton *suiButton19 = nullptr;
    QLabel *Label63 = nullptr;

    QMenu *PopupMenu1 = nullptr;
    QMenu *Microsoft1 = nullptr;
    QAction *N1 = nullptr;
    QAction *N14 = nullptr;
    QAction *N18 = nullptr;
    QAction *N23 = nullptr;
    QAction *Hint1 = nullptr;
    QAction *N3 = nullptr;
    std::array<QLabel *, 3> status_panels{};

    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QTimer *Timer3 = nullptr;
    QTimer *Card1 = nullptr;
    QTimer *Card2 = nullptr;
    QTimer *autopower = nullptr;
    QTimer *mail = nullptr;

private:
    platform::Services svc_;
    std::filesystem::path data_folder_;
    std::unique_ptr<datastore::DataSet> data_;
    std::set<std::string> reported_files_;
    std::set<platform::Program> missing_programs_told_;
    bool power_refusal_told_ = false;
    bool tariff_failure_told_ = false;
    int tariff_holds_ = 0;
    bool window_locked_ = false;
    std::array<bool, 2> store_warning_told_{};
    Qt::WindowFlags unlocked_flags_;
    bool start_hidden_ = false;
    bool ending_ = false;
    bool in_tick_ = false;
};
