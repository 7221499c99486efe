#pragma once

#include <QString>

// The product's name as the window caption, the application title, the tray hint and the about
// page show it.
inline QString product_caption()
{
    return QStringLiteral("Velmora XP");
}

// The monitor tick runs once a second, just after the wall clock's second begins: the balloons
// and the five-minute warning wait for the first 100 ms of a second, the daily card save and the
// status bar clock for the second itself, and the mail check for each whole second of a session.
// Faster ticks would see nothing new and keep an idle program awake.
constexpr int kTickOffsetMs = 20;
