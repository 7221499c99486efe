#pragma once

#include <cstdint>
#include <optional>

#include <QString>
#include <QStringView>

#include "tdatetime.h"

namespace datastore {

// The date, time and number texts shown to the user and stored in the files. The program and
// both libraries use russian(), whatever the system locale, so that what one writes the others
// read back; tests build other conventions.
//
// Patterns: d dd (day), M MM (month), yy yyyy (year), H HH h hh (hour, 0..23), m mm (minute),
// s ss (second); any other character stands for itself.
class Formats {
public:
    Formats(QString short_date, QString long_time, QChar decimal_separator);

    // "dd.MM.yyyy", "H:mm:ss", decimal comma.
    static const Formats &russian();

    QString date_text(TDateTime value) const;
    // The time of day only: a duration of a day or more loses its whole days.
    QString time_text(TDateTime value) const;
    // Date and time joined by one space, the time shown also at midnight.
    QString date_time_text(TDateTime value) const;

    // The inverse of the texts above; surrounding blanks are ignored, anything else that does not
    // fit the pattern (or names no real date or time) gives nothing. A date-and-time text may
    // leave out the time.
    std::optional<TDateTime> parse_date(QStringView text) const;
    std::optional<TDateTime> parse_time(QStringView text) const;
    std::optional<TDateTime> parse_date_time(QStringView text) const;

    // General float text: up to 15 significant digits, the decimal separator, no exponent from
    // 0.00001 up to 15 integer digits ("1E20", "1,5E-7" beyond), so the single 0.1 reads
    // "0,100000001490116".
    QString float_text(double value) const;
    std::optional<double> parse_float(QStringView text) const;

    const QString &short_date() const { return short_date_; }
    const QString &long_time() const { return long_time_; }
    QChar decimal_separator() const { return decimal_separator_; }

private:
    QString short_date_;
    QString long_time_;
    QChar decimal_separator_;
};

// Fixed-point text with exactly `digits` decimals and a full stop, whatever the conventions;
// "0" for exactly 0. A value that rounds to zero carries no minus sign.
QString realtostr(std::uint8_t digits, double value);

} // namespace datastore
