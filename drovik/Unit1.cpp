#include "drovik/Unit1.h"

#include <QApplication>
#include <QLabel>
#include <QShowEvent>

TForm1::TForm1(platform::Services services, std::filesystem::path data_folder)
    : svc_(services), data_folder_(std::move(data_folder)), data_(datastore::make_data_set())
{
    build_frame();
    build_settings_page(suiTabSheet6);
    build_modem_page(suiTabSheet1);
    build_network_page(suiTabSheet2);
    build_tray_menu();
    svc_.single_instance.on_activation_request([this] { come_forward(); });
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Window managers forget a window's states when it is unmapped (hidden to the tray).
    if (window_locked_)
        show_taskbar_entry();
    if (!event->spontaneous())
        FormShow();
}

void TForm1::end_program()
{
    // A session manager or a stop signal would not wait for an answer.
    svc_.dialogs.stop_asking();
    ending_ = true;
    // Ends nested loops too, so an open message box returns without an answer.
    QCoreApplication::exit(0);
}

void TForm1::exitbutClick()
{
    end_program();
}

void TForm1::come_forward()
{
    // As "Главное окно" does, but only ever taking the tray icon away.
    if (svc_.tray.visible())
        N3Click();
    else
        show_window();
}

QString TForm1::status_text(int panel) const
{
    return status_panels.at(static_cast<std::size_t>(panel))->text();
}

void TForm1::set_status_text(int panel, const QString &text)
{
    status_panels.at(static_cast<std::size_t>(panel))->setText(text);
}
