#include "ShortCut.h"

#include <QKeyEvent>
#include <array>
#include <utility>

namespace {

// Named keys of the shortcut syntax, with their virtual key codes and Qt keys.
struct NamedKey {
    const char* name;
    quint8 code;
    int qtKey;
};

constexpr std::array<NamedKey, 15> kNamedKeys = {{
    {"BkSp", 0x08, Qt::Key_Backspace}, {"Tab", 0x09, Qt::Key_Tab},     {"Esc", 0x1B, Qt::Key_Escape},
    {"Enter", 0x0D, Qt::Key_Return},   {"Space", 0x20, Qt::Key_Space}, {"PgUp", 0x21, Qt::Key_PageUp},
    {"PgDn", 0x22, Qt::Key_PageDown},  {"End", 0x23, Qt::Key_End},     {"Home", 0x24, Qt::Key_Home},
    {"Left", 0x25, Qt::Key_Left},      {"Up", 0x26, Qt::Key_Up},       {"Right", 0x27, Qt::Key_Right},
    {"Down", 0x28, Qt::Key_Down},      {"Ins", 0x2D, Qt::Key_Insert},  {"Del", 0x2E, Qt::Key_Delete},
}};

constexpr quint8 kF1 = 0x70;

// Strips one modifier prefix ("Shift+", "Ctrl+", "Alt+") from the front of the text.
bool TakeModifier(QString& text, quint16& modifiers)
{
    static const std::array<std::pair<QLatin1String, quint16>, 3> prefixes = {{
        {QLatin1String("Shift+"), ShortCut::kShift},
        {QLatin1String("Ctrl+"), ShortCut::kCtrl},
        {QLatin1String("Alt+"), ShortCut::kAlt},
    }};
    for (const auto& [prefix, flag] : prefixes) {
        if (text.startsWith(prefix, Qt::CaseInsensitive) && text.size() > prefix.size()) {
            modifiers |= flag;
            text.remove(0, prefix.size());
            return true;
        }
    }
    return false;
}

quint8 KeyCodeFromName(const QString& name)
{
    if (name.size() == 1) {
        const QChar c = name[0].toUpper();
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            return quint8(c.unicode());
        return 0;
    }
    for (const NamedKey& key : kNamedKeys) {
        if (name.compare(QLatin1String(key.name), Qt::CaseInsensitive) == 0)
            return key.code;
    }
    if (name.startsWith('F', Qt::CaseInsensitive)) {
        bool ok = false;
        const int number = name.mid(1).toInt(&ok);
        if (ok && number >= 1 && number <= 12 && name.mid(1) == QString::number(number))
            return quint8(kF1 + number - 1);
    }
    return 0;
}

quint8 KeyCodeFromQtKey(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return quint8(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return quint8(kF1 + key - Qt::Key_F1);
    if (key == Qt::Key_Enter)
        return 0x0D;
    for (const NamedKey& named : kNamedKeys) {
        if (named.qtKey == key)
            return named.code;
    }
    return 0;
}

}  // namespace

namespace ShortCut {

quint16 FromText(const QString& text)
{
    QString rest = text.trimmed();
    quint16 modifiers = 0;
    while (TakeModifier(rest, modifiers)) {
    }
    const quint8 code = KeyCodeFromName(rest);
    return code == 0 ? 0 : quint16(code | modifiers);
}

quint16 FromKeyEvent(const QKeyEvent& event)
{
    const quint8 code = KeyCodeFromQtKey(event.key());
    if (code == 0)
        return 0;
    quint16 value = code;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & Qt::ShiftModifier)
        value |= kShift;
    if (modifiers & Qt::ControlModifier)
        value |= kCtrl;
    if (modifiers & Qt::AltModifier)
        value |= kAlt;
    return value;
}

}  // namespace ShortCut
