#include "ValueParsers.h"

#include "NumberText.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>
#include <utility>

namespace {

// Strips blanks and control characters from both ends.
QString TrimControls(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] <= u' ')
        ++first;
    while (last > first && text[last - 1] <= u' ')
        --last;
    return text.mid(first, last - first);
}

// "#RRGGBB" written as the "$BBGGRR" the colour value uses; bare text gets the "$" too.
QString ColorValueText(const QString& text)
{
    if (text.startsWith(u'#')) {
        const QString web = text.mid(1);
        if (web.size() < 6)
            return u'$' + web;
        return u'$' + web.mid(4, 2) + web.mid(2, 2) + web.left(2);
    }
    return text.startsWith(u'$') ? text : u'$' + text;
}

struct SystemColor {
    QRgb classic;  // the colour of the classic Windows scheme
    QPalette::ColorGroup group;
    QPalette::ColorRole role;  // NoRole: the palette has nothing like it
};

// Indexed by the Windows system colour number (scroll bar, desktop, active caption, ...).
constexpr std::array<SystemColor, 31> kSystemColors{{
    {qRgb(212, 208, 200), QPalette::Active, QPalette::Button},           // scroll bar
    {qRgb(58, 110, 165), QPalette::Active, QPalette::NoRole},            // desktop
    {qRgb(10, 36, 106), QPalette::Active, QPalette::Highlight},          // active caption
    {qRgb(128, 128, 128), QPalette::Inactive, QPalette::Highlight},      // inactive caption
    {qRgb(212, 208, 200), QPalette::Active, QPalette::Window},           // menu
    {qRgb(255, 255, 255), QPalette::Active, QPalette::Base},             // window
    {qRgb(0, 0, 0), QPalette::Active, QPalette::Shadow},                 // window frame
    {qRgb(0, 0, 0), QPalette::Active, QPalette::WindowText},             // menu text
    {qRgb(0, 0, 0), QPalette::Active, QPalette::Text},                   // window text
    {qRgb(255, 255, 255), QPalette::Active, QPalette::HighlightedText},  // caption text
    {qRgb(212, 208, 200), QPalette::Active, QPalette::Window},           // active border
    {qRgb(212, 208, 200), QPalette::Inactive, QPalette::Window},         // inactive border
    {qRgb(128, 128, 128), QPalette::Active, QPalette::Dark},             // application workspace
    {qRgb(10, 36, 106), QPalette::Active, QPalette::Highlight},          // highlight
    {qRgb(255, 255, 255), QPalette::Active, QPalette::HighlightedText},  // highlight text
    {qRgb(212, 208, 200), QPalette::Active, QPalette::Button},           // button face
    {qRgb(128, 128, 128), QPalette::Active, QPalette::Dark},             // button shadow
    {qRgb(128, 128, 128), QPalette::Disabled, QPalette::Text},           // grey text
    {qRgb(0, 0, 0), QPalette::Active, QPalette::ButtonText},             // button text
    {qRgb(212, 208, 200), QPalette::Inactive, QPalette::HighlightedText},  // inactive caption text
    {qRgb(255, 255, 255), QPalette::Active, QPalette::Light},            // button highlight
    {qRgb(64, 64, 64), QPalette::Active, QPalette::Shadow},              // 3D dark shadow
    {qRgb(212, 208, 200), QPalette::Active, QPalette::Midlight},         // 3D light
    {qRgb(0, 0, 0), QPalette::Active, QPalette::ToolTipText},            // info text
    {qRgb(255, 255, 225), QPalette::Active, QPalette::ToolTipBase},      // info background
    {qRgb(181, 181, 181), QPalette::Active, QPalette::NoRole},           // (unused)
    {qRgb(0, 0, 128), QPalette::Active, QPalette::Link},                 // hot-tracked item
    {qRgb(166, 202, 240), QPalette::Active, QPalette::NoRole},           // active caption gradient
    {qRgb(192, 192, 192), QPalette::Active, QPalette::NoRole},           // inactive caption gradient
    {qRgb(10, 36, 106), QPalette::Active, QPalette::Highlight},          // menu highlight
    {qRgb(212, 208, 200), QPalette::Active, QPalette::Window},           // menu bar
}};

QColor SystemColorValue(int index)
{
    if (index >= int(kSystemColors.size()))
        return QColor(Qt::black);  // Windows answers unknown indexes with black too
    const SystemColor& entry = kSystemColors[index];
    const bool hasPalette = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (hasPalette && entry.role != QPalette::NoRole)
        return QGuiApplication::palette().color(entry.group, entry.role);
    return QColor(entry.classic);
}

template <typename Value, std::size_t N>
Value LookUp(const QString& text, const std::array<std::pair<const char16_t*, Value>, N>& names,
             Value fallback)
{
    const QString lower = text.toLower();
    for (const auto& [name, value] : names)
        if (lower == QStringView(name))
            return value;
    return fallback;
}

}  // namespace

bool ParseBool(const QString& text, bool fallback)
{
    const QString value = TrimControls(text).toLower();
    if (value == u"true" || value == u"1")
        return true;
    if (value == u"false" || value == u"0")
        return false;
    return fallback;
}

TColor ParseColor(const QString& text)
{
    return StrToInt(ColorValueText(text));
}

QColor ColorToQColor(TColor color)
{
    if (color == clNone || color == clDefault)
        return QColor();
    if (color < 0)
        return SystemColorValue(color & 0xFF);
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

Qt::Alignment ParseAlignment(const QString& text)
{
    static constexpr std::array<std::pair<const char16_t*, Qt::AlignmentFlag>, 2> kNames{{
        {u"left", Qt::AlignLeft}, {u"right", Qt::AlignRight}}};
    return LookUp(text, kNames, Qt::AlignHCenter);
}

Align ParseAlign(const QString& text)
{
    static constexpr std::array<std::pair<const char16_t*, Align>, 7> kNames{{
        {u"none", Align::None}, {u"top", Align::Top}, {u"bottom", Align::Bottom},
        {u"left", Align::Left}, {u"right", Align::Right}, {u"client", Align::Client},
        {u"custom", Align::Custom}}};
    return LookUp(text, kNames, Align::None);
}
