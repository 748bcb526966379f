#include "calculator/engine/NumberText.h"

#include <charconv>
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

int DecimalPlaces(QStringView text)
{
    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        return 0;
    return static_cast<int>(text.size() - point - 1);
}

bool FormatResult(double value, QString& text)
{
    const double magnitude = fabs(value);
    const double integerPart = floor(magnitude);
    // Written so that NaN counts as an overflow too.
    if (!(integerPart < 1000000000000.0))
        return true;

    int integerDigits = 1;
    if (integerPart != 0.0)
        integerDigits = static_cast<int>(floor(log10(integerPart))) + 1;
    integerDigits = integerDigits < 1 ? 1 : (integerDigits > 12 ? 12 : integerDigits);

    // Fixed notation with 12 - c decimals, exactly as printf's "%c.(12-c)f"
    // rounds, but without consulting the C locale.
    char buffer[48];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, 12 - integerDigits);
    std::string_view digits(buffer, static_cast<std::size_t>(result.ptr - buffer));

    if (digits.find('.') != std::string_view::npos) {
        while (digits.back() == '0')
            digits.remove_suffix(1);
        if (digits.back() == '.')
            digits.remove_suffix(1);
    }
    if (digits.find("1000000000000") != std::string_view::npos)
        return true;

    text = QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
    return false;
}

}  // namespace abacor
