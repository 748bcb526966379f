#include "calculator/engine/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <math.h>
#include <string_view>

namespace abacor {

double TextToValue(QStringView text)
{
    // Number texts are short; anything beyond the buffer cannot be part of
    // a 12-digit number anyway.
    char ascii[64];
    qsizetype length = 0;
    for (const QChar ch : text) {
        if (length == qsizetype(sizeof ascii) || ch.unicode() > 0x7F)
            break;
        ascii[length++] = static_cast<char>(ch.unicode());
    }
    // Within 64 characters a fixed-notation number can neither overflow nor
    // underflow a double, so a failure means no number at all.
    double value = 0.0;
    const auto result = std::from_chars(ascii, ascii + length, value, std::chars_format::fixed);
    if (result.ec != std::errc{})
        return 0.0;
    return value;
}

namespace {
// Rounds the fixed-notation number in [begin, end) to at most places
// decimals, halves away from zero, in place; returns its new end. A carry
// out of the first digit shifts the text right by one character, so the
// buffer must have room for it.
char* RoundHalfAway(char* begin, char* end, int places)
{
    char* const point = std::find(begin, end, '.');
    if (end - point <= places + 1)
        return end;
    char* const cut = places == 0 ? point : point + 1 + places;
    if (point[1 + places] < '5')
        return cut;
    std::ptrdiff_t i = cut - begin - 1;
    for (; i >= 0 && begin[i] != '-'; --i) {
        if (begin[i] == '.')
            continue;
        if (begin[i] != '9') {
            ++begin[i];
            return cut;
        }
        begin[i] = '0';
    }
    // Every digit was 9: the number gains a leading 1.
    char* const first = begin + i + 1;
    std::memmove(first + 1, first, static_cast<std::size_t>(cut - first));
    *first = '1';
    return cut + 1;
}
}  // namespace

std::optional<QString> PastedNumber(QStringView text)
{
    // A whole clipboard of text is no number; nor is a pasted column.
    if (text.size() > kMaxPastedLength)
        return std::nullopt;
    text = text.trimmed();
    if (text.contains(u'\n') || text.contains(u'\r'))
        return std::nullopt;

    QString plain;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (ch.isSpace())
            continue;  // grouping, thin spaces included
        if (c >= u'０' && c <= u'９')
            plain += QChar(u'0' + (c - u'０'));
        else if (c == u'．')
            plain += u'.';
        else if (c == u'，')
            plain += u',';
        else if (c == u'－' || c == u'−')
            plain += u'-';
        else if (c == u'＋')
            plain += u'+';
        else
            plain += ch;
    }
    // A sign and a yen mark in front, in either order; "円" after.
    bool negative = false;
    for (bool sign = false, yen = false;;) {
        if (!sign && (plain.startsWith(u'-') || plain.startsWith(u'+'))) {
            negative = plain.startsWith(u'-');
            plain.remove(0, 1);
            sign = true;
        } else if (!yen && (plain.startsWith(u'¥') || plain.startsWith(u'￥'))) {
            plain.remove(0, 1);
            yen = true;
        } else {
            break;
        }
    }
    if (plain.endsWith(u'円'))
        plain.chop(1);

    // The decimal separator: of "." and ",", the later; a lone "," is one
    // unless exactly three digits follow it. The other is grouping.
    const qsizetype lastPoint = plain.lastIndexOf(u'.');
    const qsizetype lastComma = plain.lastIndexOf(u',');
    if (lastComma >= 0) {
        const bool commaIsDecimal =
            lastPoint >= 0 ? lastComma > lastPoint : plain.count(u',') == 1 && !(plain.size() - lastComma - 1 == 3);
        if (commaIsDecimal) {
            plain.remove(u'.');
            plain.replace(u',', u'.');
        } else {
            plain.remove(u',');
        }
    }
    const QStringView number(plain);
    int digits = 0, points = 0;
    for (const QChar ch : number) {
        if (ch == u'.')
            ++points;
        else if (ch >= u'0' && ch <= u'9')
            ++digits;
        else
            return std::nullopt;
    }
    if (digits == 0 || digits > kMaxDigits || points > 1)
        return std::nullopt;
    // As typing shows it: no leading zeros, and "0." before a bare point.
    const qsizetype point = number.indexOf(u'.');
    QString integer = number.left(point < 0 ? number.size() : point).toString();
    while (integer.size() > 1 && integer.startsWith(u'0'))
        integer.remove(0, 1);
    if (integer.isEmpty())
        integer = QStringLiteral("0");
    const QString shown = integer + (point < 0 ? QString() : number.mid(point).toString());
    return negative ? u'-' + shown : shown;
}

int DecimalPlaces(QStringView text)
{
    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        return 0;
    return static_cast<int>(text.size() - point - 1);
}

namespace {
// 10^kMaxDigits: the smallest magnitude the display cannot show.
constexpr double kOverflow = 1e12;
}  // namespace

bool FormatResult(double value, QString& text)
{
    const double magnitude = fabs(value);
    const double integerPart = floor(magnitude);
    // Written so that NaN counts as an overflow too.
    if (!(integerPart < kOverflow))
        return true;

    int integerDigits = 1;
    if (integerPart != 0.0)
        integerDigits = static_cast<int>(floor(log10(integerPart))) + 1;
    integerDigits = integerDigits < 1 ? 1 : (integerDigits > kMaxDigits ? kMaxDigits : integerDigits);

    // The shortest decimal form, rounded half away from zero at 12 - c
    // decimals: the digits a person reads, not the binary value's.
    char buffer[400];  // the longest fixed form below 10^12 is a subnormal's
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    char* end = RoundHalfAway(buffer, result.ptr, kMaxDigits - integerDigits);
    std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));

    if (digits.find('.') != std::string_view::npos) {
        while (digits.back() == '0')
            digits.remove_suffix(1);
        if (digits.back() == '.')
            digits.remove_suffix(1);
    }
    // A carry to a 13th integer digit.
    if (digits.find("1000000000000") != std::string_view::npos)
        return true;

    text = QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
    return false;
}

}  // namespace abacor
