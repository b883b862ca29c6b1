#include "NumberFormat.h"

#include <cmath>
#include <cstdio>

namespace swf {

QString formatNumber(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    if (value == 0)
        return QStringLiteral("0");
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.14e", value);   // d.dddddddddddddde±X
    QString text = QString::fromLatin1(digits);
    const qsizetype ePos = text.indexOf(QLatin1Char('e'));
    const int exponent = text.mid(ePos + 1).toInt();
    const bool negative = text.startsWith(QLatin1Char('-'));
    QString mantissa = text.left(ePos).remove(QLatin1Char('-')).remove(QLatin1Char('.'));
    while (mantissa.size() > 1 && mantissa.endsWith(QLatin1Char('0')))
        mantissa.chop(1);

    QString out;
    if (exponent >= 15 || exponent < -5) {
        out = mantissa.left(1);
        if (mantissa.size() > 1)
            out += QLatin1Char('.') + mantissa.mid(1);
        out += QLatin1Char('e') + QLatin1String(exponent > 0 ? "+" : "-") + QString::number(std::abs(exponent));
    } else if (exponent < 0) {
        out = QStringLiteral("0.") + QString(-exponent - 1, QLatin1Char('0')) + mantissa;
    } else if (mantissa.size() <= exponent + 1) {
        out = mantissa + QString(exponent + 1 - mantissa.size(), QLatin1Char('0'));
    } else {
        out = mantissa.left(exponent + 1) + QLatin1Char('.') + mantissa.mid(exponent + 1);
    }
    return negative ? QLatin1Char('-') + out : out;
}

} // namespace swf
