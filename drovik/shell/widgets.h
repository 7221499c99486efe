#pragma once

#include <QLatin1String>
#include <QObject>

// Gives a control the name the handlers and tests find it by.
template <class W>
W *named(W *object, const char *name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}
