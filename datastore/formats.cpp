#include "formats.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace datastore {
namespace {

struct Token {
    char field; // 0 for a literal
    int count;
    QChar literal;
};

std::vector<Token> tokenize(const QString &pattern)
{
    std::vector<Token> tokens;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i);
        const char f = c.toLatin1();
        if (f == 'd' || f == 'M' || f == 'y' || f == 'H' || f == 'h' || f == 'm' || f == 's') {
            int n = 0;
            while (i < pattern.size() && pattern.at(i) == c) {
                ++n;
                ++i;
            }
            tokens.push_back({f == 'h' ? 'H' : f, n, {}});
        } else {
            tokens.push_back({0, 0, c});
            ++i;
        }
    }
    return tokens;
}

QString number(int value, int width)
{
    return QString::number(value).rightJustified(width, u'0');
}

QString render(const QString &pattern, const DecodedDateTime &v)
{
    QString out;
    for (const Token &t : tokenize(pattern)) {
        const int width = t.count >= 2 ? 2 : 1;
        switch (t.field) {
        case 'd': out += number(v.date.day, width); break;
        case 'M': out += number(v.date.month, width); break;
        case 'y': out += t.count <= 2 ? number(v.date.year % 100, 2) : number(v.date.year, 4); break;
        case 'H': out += number(v.time.hour, width); break;
        case 'm': out += number(v.time.minute, width); break;
        case 's': out += number(v.time.second, width); break;
        default: out += t.literal; break;
        }
    }
    return out;
}

struct Fields {
    int year = -1, month = -1, day = -1;
    int hour = 0, minute = 0, second = 0;
};

// Reads `text` from `pos` against `pattern`; on success `pos` is just past what was read.
bool scan(const QString &pattern, QStringView text, qsizetype &pos, Fields &f)
{
    for (const Token &t : tokenize(pattern)) {
        if (t.field == 0) {
            if (pos >= text.size() || text.at(pos) != t.literal)
                return false;
            ++pos;
            continue;
        }
        const int max_digits = t.field == 'y' && t.count > 2 ? 4 : 2;
        int value = 0;
        int digits = 0;
        while (digits < max_digits && pos < text.size() && text.at(pos) >= u'0' && text.at(pos) <= u'9') {
            value = value * 10 + (text.at(pos).unicode() - u'0');
            ++digits;
            ++pos;
        }
        if (digits == 0)
            return false;
        switch (t.field) {
        case 'd': f.day = value; break;
        case 'M': f.month = value; break;
        case 'y':
            // Two-digit years fall into 1950..2049.
            f.year = t.count <= 2 && digits <= 2 ? (value < 50 ? 2000 + value : 1900 + value) : value;
            break;
        case 'H': f.hour = value; break;
        case 'm': f.minute = value; break;
        case 's': f.second = value; break;
        }
    }
    return true;
}

std::optional<double> date_value(const Fields &f)
{
    if (!is_valid_date(f.year, f.month, f.day))
        return std::nullopt;
    return encode_date({f.year, f.month, f.day});
}

std::optional<double> time_value(const Fields &f)
{
    if (!is_valid_time(f.hour, f.minute, f.second, 0))
        return std::nullopt;
    return encode_time({f.hour, f.minute, f.second, 0});
}

bool at_end(QStringView text, qsizetype pos)
{
    return pos == text.size();
}

// The whole text, blanks around it aside, read against one pattern.
std::optional<double> scan_whole(const QString &pattern, QStringView text, std::optional<double> (*value)(const Fields &))
{
    text = text.trimmed();
    Fields f;
    qsizetype pos = 0;
    if (!scan(pattern, text, pos, f) || !at_end(text, pos))
        return std::nullopt;
    return value(f);
}

} // namespace

Formats::Formats(QString short_date, QString long_time, QChar decimal_separator)
    : short_date_(std::move(short_date)), long_time_(std::move(long_time)), decimal_separator_(decimal_separator)
{
}

const Formats &Formats::russian()
{
    static const Formats formats(QStringLiteral("dd.MM.yyyy"), QStringLiteral("H:mm:ss"), u',');
    return formats;
}

QString Formats::date_text(TDateTime value) const
{
    return render(short_date_, decode(value));
}

QString Formats::time_text(TDateTime value) const
{
    return render(long_time_, decode(value));
}

QString Formats::date_time_text(TDateTime value) const
{
    const DecodedDateTime v = decode(value);
    return render(short_date_, v) + u' ' + render(long_time_, v);
}

std::optional<TDateTime> Formats::parse_date(QStringView text) const
{
    return scan_whole(short_date_, text, date_value);
}

std::optional<TDateTime> Formats::parse_time(QStringView text) const
{
    return scan_whole(long_time_, text, time_value);
}

std::optional<TDateTime> Formats::parse_date_time(QStringView text) const
{
    text = text.trimmed();
    Fields f;
    qsizetype pos = 0;
    if (!scan(short_date_, text, pos, f))
        return std::nullopt;
    const auto date = date_value(f);
    if (!date)
        return std::nullopt;
    if (at_end(text, pos))
        return date;
    if (!text.at(pos).isSpace())
        return std::nullopt;
    while (pos < text.size() && text.at(pos).isSpace())
        ++pos;
    if (!scan(long_time_, text, pos, f) || !at_end(text, pos))
        return std::nullopt;
    const auto time = time_value(f);
    if (!time)
        return std::nullopt;
    return *date < 0 ? *date - *time : *date + *time;
}

QString Formats::float_text(double value) const
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");

    // 15 significant digits, then the shortest of fixed and scientific notation.
    // to_chars, unlike printf, ignores the C locale that QApplication sets from the environment.
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t e = sci.find('e');
    std::string digits;
    digits.push_back(sci[0]);
    digits.append(sci.substr(2, e - 2));
    int exponent = 0;
    const char *exp_begin = sci.data() + e + 1 + (sci[e + 1] == '+' ? 1 : 0);
    std::from_chars(exp_begin, sci.data() + sci.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    QString out;
    if (value < 0)
        out += u'-';
    const auto n = static_cast<int>(digits.size());
    if (exponent >= 15 || std::fabs(value) < 0.00001) {
        out += QLatin1Char(digits[0]);
        if (n > 1)
            out += decimal_separator_ + QString::fromLatin1(digits.data() + 1, n - 1);
        out += u'E' + QString::number(exponent);
    } else if (exponent >= 0) {
        const int int_digits = exponent + 1;
        out += QString::fromLatin1(digits.data(), std::min(n, int_digits));
        if (n < int_digits)
            out += QString(int_digits - n, u'0');
        else if (n > int_digits)
            out += decimal_separator_ + QString::fromLatin1(digits.data() + int_digits, n - int_digits);
    } else {
        out += u'0' + decimal_separator_ + QString(-exponent - 1, u'0') + QString::fromLatin1(digits.data(), n);
    }
    return out;
}

std::optional<double> Formats::parse_float(QStringView text) const
{
    text = text.trimmed();
    std::string ascii;
    qsizetype i = 0;
    auto take_digits = [&] {
        const qsizetype start = i;
        while (i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9')
            ascii.push_back(static_cast<char>(text.at(i++).unicode()));
        return i - start;
    };
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        if (text.at(i) == u'-')
            ascii.push_back('-');
        ++i;
    }
    qsizetype mantissa = take_digits();
    if (i < text.size() && text.at(i) == decimal_separator_) {
        ascii.push_back('.');
        ++i;
        mantissa += take_digits();
    }
    if (mantissa == 0)
        return std::nullopt;
    if (i < text.size() && (text.at(i) == u'e' || text.at(i) == u'E')) {
        ascii.push_back('e');
        ++i;
        if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+'))
            ascii.push_back(static_cast<char>(text.at(i++).unicode()));
        if (take_digits() == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec != std::errc() || end != ascii.data() + ascii.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString realtostr(std::uint8_t digits, double value)
{
    if (value == 0)
        return QStringLiteral("0");
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    // Room for the largest double (309 integer digits) with 255 decimals.
    char buf[600];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, int(digits));
    std::string text(buf, res.ptr);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return QString::fromLatin1(text);
}

} // namespace datastore
