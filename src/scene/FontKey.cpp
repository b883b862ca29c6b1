#include "FontKey.h"

#include "NumberText.h"
#include "TextUtils.h"
#include "ValueParsers.h"

#include <QWidget>

void ParseFontSpec(QFont& font, QColor& color, const QString& value)
{
    QString rest = value;
    const QString name = SplitHead(rest, QStringLiteral("*"));
    const QString size = SplitHead(rest, QStringLiteral("*"));
    const QString colour = SplitHead(rest, QStringLiteral("*"));
    if (!name.isEmpty())
        font.setFamily(name);
    if (!size.isEmpty()) {
        // A negative size is a height in pixels, as the host library read it.
        const int points = StrToInt(size);
        if (points > 0)
            font.setPointSize(points);
        else if (points < 0)
            font.setPixelSize(-points);
    }
    if (!colour.isEmpty())
        color = ColorToQColor(ParseColor(colour));
    if (rest.isEmpty())
        return;
    const QString styles = rest.toLower();
    font.setItalic(styles.contains('i'));
    font.setBold(styles.contains('b'));
    font.setUnderline(styles.contains('u'));
    font.setStrikeOut(false);
}

void ApplyFontSpec(QWidget* control, const QString& value)
{
    QFont font = control->font();
    QColor color = control->palette().color(QPalette::WindowText);
    ParseFontSpec(font, color, value);
    control->setFont(font);
    QPalette palette = control->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, color);
    control->setPalette(palette);
}
