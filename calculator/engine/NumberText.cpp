#include "calculator/engine/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <math.h>
#include <string_view>

namespace abacor {

std::u16string Widened(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

double TextToValue(std::u16string_view text)
{
    // Number texts are short; anything beyond the buffer cannot be part of
    // a 12-digit number anyway.
    char ascii[64];
    std::size_t length = 0;
    for (const char16_t ch : text) {
        if (length == sizeof ascii || ch > 0x7F)
            break;
        ascii[length++] = static_cast<char>(ch);
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

namespace {

// White space as a paste may hold it: ASCII, no-break, the thin and
// ideographic spaces.
bool IsSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r') || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

std::u16string_view Trimmed(std::u16string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// The length of a currency at the front (or the back) of a text: a sign
// ($ € £ ¥ ￥) or a three-letter code ("USD"); 0 for none.
std::size_t CurrencyAt(std::u16string_view text, bool front)
{
    static constexpr std::u16string_view kSigns = u"$€£¥￥";
    if (text.empty())
        return 0;
    if (kSigns.find(front ? text.front() : text.back()) != std::u16string_view::npos)
        return 1;
    if (text.size() < 4)
        return 0;
    const std::u16string_view code = front ? text.substr(0, 3) : text.substr(text.size() - 3);
    return std::all_of(code.begin(), code.end(), [](char16_t c) { return c >= u'A' && c <= u'Z'; }) ? 3 : 0;
}

// A mark between two values (a spreadsheet row's tab, a line or page
// break): a text holding one is several values.
bool SeparatesValues(char16_t c) { return (c >= u'\t' && c <= u'\r') || c == 0x85 || c == 0x2028 || c == 0x2029; }

void TrimSpaces(std::u16string& text)
{
    while (!text.empty() && text.front() == u' ')
        text.erase(0, 1);
    while (!text.empty() && text.back() == u' ')
        text.pop_back();
}

// The digits of body, its grouping marks gone and decimal (if any) as ".":
// none unless every group after a mark has exactly three digits, and the
// fraction has none.
std::optional<std::u16string> Ungrouped(std::u16string_view body, char16_t decimal)
{
    const std::size_t point = decimal != 0 ? body.find(decimal) : std::u16string_view::npos;
    const std::u16string_view integer = body.substr(0, point);
    std::u16string digits;
    std::size_t group = 0;
    bool grouped = false;
    for (const char16_t c : integer) {
        if (c >= u'0' && c <= u'9') {
            digits += c;
            ++group;
        } else if (std::u16string_view(u" '’,.").find(c) != std::u16string_view::npos && group > 0 &&
                   (!grouped || group == 3)) {
            grouped = true;
            group = 0;
        } else {
            return std::nullopt;
        }
    }
    if (grouped && group != 3)
        return std::nullopt;
    if (point == std::u16string_view::npos)
        return digits;
    digits += u'.';
    for (const char16_t c : body.substr(point + 1)) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        digits += c;
    }
    return digits;
}

}  // namespace

std::optional<std::u16string> PastedNumber(std::u16string_view text)
{
    // A whole clipboard of text is no number; nor is a pasted column or row.
    if (text.size() > kMaxPastedLength)
        return std::nullopt;
    text = Trimmed(text);
    if (std::any_of(text.begin(), text.end(), SeparatesValues))
        return std::nullopt;

    std::u16string plain;
    for (const char16_t c : text) {
        if (IsSpace(c))
            plain += u' ';  // grouping, thin spaces included
        else if (c >= u'０' && c <= u'９')
            plain += static_cast<char16_t>(u'0' + (c - u'０'));
        else if (c == u'．')
            plain += u'.';
        else if (c == u'，')
            plain += u',';
        else if (c == u'－' || c == u'−')
            plain += u'-';
        else if (c == u'＋')
            plain += u'+';
        else
            plain += c;
    }
    // An accounting negative: the amount in parentheses.
    bool negative = false;
    if (plain.size() >= 2 && plain.front() == u'(' && plain.back() == u')') {
        plain = plain.substr(1, plain.size() - 2);
        TrimSpaces(plain);
        negative = true;
    }
    // A sign and a currency in front, in either order; a currency, "円" or
    // "%" after.
    for (bool sign = false, currency = false;;) {
        if (!sign && !negative && (plain.starts_with(u'-') || plain.starts_with(u'+'))) {
            negative = plain.starts_with(u'-');
            plain.erase(0, 1);
            sign = true;
        } else if (const std::size_t length = CurrencyAt(plain, true); !currency && length > 0) {
            plain.erase(0, length);
            currency = true;
        } else {
            break;
        }
        TrimSpaces(plain);
    }
    if (plain.ends_with(u'円') || plain.ends_with(u'%'))
        plain.pop_back();
    else if (const std::size_t length = CurrencyAt(plain, false); length > 0)
        plain.erase(plain.size() - length);
    TrimSpaces(plain);

    // The decimal separator: of "." and ",", the later; a lone "," is one
    // unless exactly three digits follow it; "." that comes more than once
    // groups. Every other mark groups, three digits after each.
    const std::size_t lastPoint = plain.rfind(u'.');
    const std::size_t lastComma = plain.rfind(u',');
    char16_t decimal = u'.';
    if (lastComma != std::u16string::npos) {
        const bool commaIsDecimal =
            lastPoint != std::u16string::npos
                ? lastComma > lastPoint
                : std::count(plain.begin(), plain.end(), u',') == 1 && !(plain.size() - lastComma - 1 == 3);
        decimal = commaIsDecimal ? u',' : lastPoint != std::u16string::npos ? u'.' : 0;
    } else if (std::count(plain.begin(), plain.end(), u'.') > 1) {
        decimal = 0;
    }
    const std::optional<std::u16string> ungrouped = Ungrouped(plain, decimal);
    if (!ungrouped)
        return std::nullopt;
    const std::u16string_view number(*ungrouped);
    const auto digits = std::count_if(number.begin(), number.end(), [](char16_t c) { return c != u'.'; });
    if (digits == 0 || digits > kMaxDigits)
        return std::nullopt;
    // As typing shows it: no leading zeros, and "0." before a bare point.
    const std::size_t point = number.find(u'.');
    std::u16string_view integer = number.substr(0, point);
    while (integer.size() > 1 && integer.front() == u'0')
        integer.remove_prefix(1);
    std::u16string shown = integer.empty() ? std::u16string(u"0") : std::u16string(integer);
    if (point != std::u16string_view::npos)
        shown += number.substr(point);
    return negative ? u'-' + shown : shown;
}

int DecimalPlaces(std::u16string_view text)
{
    const std::size_t point = text.find(u'.');
    if (point == std::u16string_view::npos)
        return 0;
    return static_cast<int>(text.size() - point - 1);
}

namespace {
// 10^kMaxDigits: the smallest magnitude the display cannot show.
constexpr double kOverflow = 1e12;
}  // namespace

bool FormatResult(double value, std::u16string& text)
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

    text = Widened(digits);
    return false;
}

}  // namespace abacor
