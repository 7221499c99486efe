#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace datastore {

// The data files hold single-byte Windows-1251 text; widgets hold Unicode.
QString from_cp1251(std::string_view bytes);

// A character that Windows-1251 cannot hold becomes "?" (one per character, also outside the BMP).
std::string to_cp1251(const QString &text);

} // namespace datastore
