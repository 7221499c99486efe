#pragma once

#include <QString>

// The product's name as the window caption, the application title, the tray hint and the about
// page show it.
inline QString product_caption()
{
    return QStringLiteral("Velmora XP");
}

// The monitor tick. 50 ms puts at least one tick into the first 100 ms of every wall-clock second
// (the balloons and the five-minute warning wait for that window) and every daily save into its
// second, while the idle program stays far below 0.5% of a core.
constexpr int kTickIntervalMs = 50;
