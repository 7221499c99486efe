#pragma once

#include <QString>

namespace kolvane {

// The failure of the entry running now, for kolvane_last_error; cleared when an entry starts.
void set_last_error(const QString &text);
void clear_last_error();
const QByteArray &last_error_utf8();

} // namespace kolvane
