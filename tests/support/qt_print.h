#pragma once

#include <ostream>

#include <QString>

// Lets GoogleTest print QString values in failure messages.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}
