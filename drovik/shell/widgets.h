#pragma once

#include <QLatin1String>
#include <QFont>
#include <QObject>
#include <QWidget>

// Gives a control the name the handlers and tests find it by.
template <class W>
W *named(W *object, const char *name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}

// A page that carries many groups in the window's fixed size uses a smaller type.
inline void use_small_type(QWidget *page)
{
    QFont small = page->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    page->setFont(small);
}
