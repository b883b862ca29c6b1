#include "NumberText.h"

#include "AppError.h"

#include <cstdint>
#include <limits>
#include <optional>

namespace {

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// The magnitude of a run of digits in the given base, or nothing when the run is empty, holds
// a character that is not a digit, or does not fit 32 bits.
std::optional<std::uint32_t> ParseDigits(QStringView digits, int base)
{
    if (digits.isEmpty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const QChar c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        value = value * base + digit;
        if (value > std::numeric_limits<std::uint32_t>::max())
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::optional<int> ParseInteger(QStringView text)
{
    while (text.startsWith(u' '))
        text = text.mid(1);
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        text = text.mid(1);

    const bool dollar = text.startsWith(u'$');
    const bool hex = dollar || text.startsWith(u"0x", Qt::CaseInsensitive);
    const std::optional<std::uint32_t> magnitude =
        ParseDigits(text.mid(dollar ? 1 : hex ? 2 : 0), hex ? 16 : 10);
    if (!magnitude)
        return std::nullopt;

    const std::int64_t limit = std::int64_t(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
    if (!hex && *magnitude > limit)
        return std::nullopt;
    // Hexadecimal digits are a bit pattern: they wrap into the sign bit.
    const std::uint32_t bits = negative ? 0u - *magnitude : *magnitude;
    return static_cast<int>(bits);
}

}  // namespace

int StrToInt(const QString& text)
{
    const std::optional<int> value = ParseInteger(text);
    if (!value)
        throw AppError(AppError::Kind::Conversion,
                       QStringLiteral("'%1' is not a valid integer value").arg(text));
    return *value;
}
