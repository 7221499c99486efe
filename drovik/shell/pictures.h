#pragma once

#include <QPixmap>

// The small pictures of the main window, drawn rather than shipped as files.
namespace pictures {

QPixmap activity(bool online);   // Image13 (online) and Image14 (idle)
QPixmap lock();                  // Image12: the dial-up lock is on
QPixmap power_off();             // Image6: auto power-off runs
QPixmap product();               // the about page

} // namespace pictures
