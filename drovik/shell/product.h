#pragma once

#include <QString>

// The product's name as the window caption, the application title, the tray hint and the about
// page show it.
inline QString product_caption()
{
    return QStringLiteral("Velmora XP");
}

