#include "SkLabel.h"

#include "CursorTable.h"
#include "ValueParsers.h"

namespace {

constexpr TColor kWindowTextColor = static_cast<TColor>(0x80000008u);  // system colour 8

}  // namespace

TSkLabel::TSkLabel(QWidget* parent) : QLabel(parent)
{
}

void TSkLabel::SetLinkLook(bool on)
{
    QFont styled = font();
    styled.setBold(false);
    styled.setItalic(false);
    styled.setStrikeOut(false);
    styled.setUnderline(on);
    setFont(styled);

    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, on ? QColor(0, 0, 255) : ColorToQColor(kWindowTextColor));
    setPalette(colours);

    CursorTable::SetCursorNumber(this, on ? CursorTable::crHandPoint : CursorTable::crDefault);
}
