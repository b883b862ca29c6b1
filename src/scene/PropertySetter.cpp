#include "PropertySetter.h"

#include "ControlGeometry.h"
#include "AppError.h"
#include "CursorTable.h"
#include "DragHook.h"
#include "FontKey.h"
#include "Family.h"
#include "NumberText.h"
#include "PathUtils.h"
#include "SkForm.h"
#include "SkStract.h"
#include "SimpleControlKeys.h"
#include "SkinForm.h"
#include "TextUtils.h"
#include "Ui.h"
#include "ValueParsers.h"

#include <QApplication>
#include <QIcon>
#include <QToolTip>
#include <array>
#include <utility>

namespace {

// Cursor names of the host library and their numbers.
constexpr std::array<std::pair<const char*, int>, 22> kCursorNames = {{
    {"crDefault", 0},     {"crArrow", -2},      {"crCross", -3},     {"crIBeam", -4},      {"crSizeNESW", -6},
    {"crSizeNS", -7},     {"crSizeNWSE", -8},   {"crSizeWE", -9},    {"crUpArrow", -10},   {"crHourGlass", -11},
    {"crDrag", -12},      {"crNoDrop", -13},    {"crHSplit", -14},   {"crVSplit", -15},    {"crMultiDrag", -16},
    {"crSQLWait", -17},   {"crNo", -18},        {"crAppStart", -19}, {"crHelp", -20},      {"crHandPoint", -21},
    {"crSizeAll", -22},   {"crSize", -22},
}};

int CursorNumber(const QString& text)
{
    for (const auto& [name, number] : kCursorNames) {
        if (text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return number;
    }
    return StrToInt(text);
}

// Controls that drag the window by their background while the window moves by its body.
QIcon LoadIcon(const QString& name)
{
    const QImage picture(FileSystemPath(ProgramPath(name)));
    if (picture.isNull())
        throw AppError(AppError::Kind::DamagedData, QStringLiteral("Icon image is not valid"));
    return QIcon(QPixmap::fromImage(picture));
}

bool IsDraggedByItsBody(const QString& type)
{
    static const QStringList types = {"panel", "parent_panel", "label", "gif", "pic"};
    return types.contains(type);
}

void SetHintColors(const QString& key, const QString& value)
{
    QPalette palette = QToolTip::palette();
    palette.setColor(key == QLatin1String("hint_color") ? QPalette::ToolTipBase : QPalette::ToolTipText,
                     ColorToQColor(ParseColor(value)));
    QToolTip::setPalette(palette);
}

}  // namespace

void PropertySetter::SetProperty(QObject* control, const QString& name, const QString& type)
{
    const QString lowerType = type.toLower();
    const QStringList keys = scene_.Ini().KeyNames(name);
    if (keys.isEmpty())
        return;
    auto* widget = qobject_cast<QWidget*>(control);
    ControlGeometry* geometry = widget ? ControlGeometry::Of(widget) : nullptr;
    const ControlGeometry::Anchors remembered = geometry ? geometry->GetAnchors() : ControlGeometry::Anchors();
    if (widget)
        ApplyCommonKeys(widget, name, keys);
    if (widget && scene_.Form()->Moving && IsDraggedByItsBody(lowerType))
        DragHook::Bind(widget, scene_.Form());
    if (!HasKeyTable(lowerType)) {
        Ui::Instance().Message(QString::fromUtf8("SetProperty. Объект ") + name + QString::fromUtf8(" имеет неизвестный тип ")
                               + lowerType);
    } else if (auto* form = qobject_cast<TSkForm*>(control); form && lowerType == QLatin1String("form")) {
        for (const QString& key : keys)
            ApplyFormKey(form, key.toLower(), scene_.Ini().ReadString(name, key));
    } else {
        SimpleControlKeys controlKeys(scene_);
        for (const QString& key : keys)
            controlKeys.Apply(widget, lowerType, key.toLower(), scene_.Ini().ReadString(name, key));
    }
    if (geometry && remembered && !geometry->GetAnchors())
        geometry->SetAnchors(remembered);
}

void PropertySetter::ApplyCommonKeys(QWidget* control, const QString& name, const QStringList& keys)
{
    ControlGeometry* geometry = ControlGeometry::Of(control);
    geometry->SetAnchors({});
    for (auto it = keys.crbegin(); it != keys.crend(); ++it) {
        const QString key = it->toLower();
        const QString value = scene_.Ini().ReadString(name, *it);
        if (key == QLatin1String("top"))
            geometry->SetTop(StrToInt(value));
        else if (key == QLatin1String("left"))
            geometry->SetLeft(StrToInt(value));
        else if (key == QLatin1String("width"))
            geometry->SetWidth(StrToInt(value));
        else if (key == QLatin1String("height"))
            geometry->SetHeight(StrToInt(value));
        else if (key == QLatin1String("enabled"))
            control->setEnabled(ParseBool(value, true));
        else if (key == QLatin1String("cursor"))
            control->setCursor(CursorTable::Cursor(CursorNumber(value)));
        else if (key == QLatin1String("visible"))
            control->setVisible(ParseBool(value, true));
        else if (key == QLatin1String("align"))
            geometry->SetAlign(ParseAlign(value));
    }
}

void PropertySetter::ApplyFormSkin(TSkForm* form, const QString& value)
{
    const QString file = PickItem(value, 1);
    if (scene_.Skins().RegisterFile(ProgramPath(file))) {
        if (const ThemeFile* link = scene_.Skins().FindLink(file))
            form->Skin()->SetThemeLink(link->StyleSheet());
    }
    const QString themeObject = PickItem(value, 2);
    if (!themeObject.isEmpty())
        form->Skin()->SetThemeObject(themeObject);
}

bool PropertySetter::HasKeyTable(const QString& type) const
{
    return type == QLatin1String("form") || FamilyOfType(type).has_value();
}

void PropertySetter::ApplyFormKey(TSkForm* form, const QString& key, const QString& value)
{
    SkinForm* skin = form->Skin();
    if (key == QLatin1String("caption")) {
        form->setWindowTitle(value);
    } else if (key == QLatin1String("title")) {
        QGuiApplication::setApplicationDisplayName(value);
    } else if (key == QLatin1String("but_help")) {
        form->SetHelpButton(true);
        form->HelpAction = value;
    } else if (key == QLatin1String("save_pos")) {
        scene_.SavePos = ParseBool(value, false);
    } else if (key == QLatin1String("min_width")) {
        skin->SetMinimumSize(StrToInt(value), form->minimumHeight());
    } else if (key == QLatin1String("min_height")) {
        skin->SetMinimumSize(form->minimumWidth(), StrToInt(value));
    } else if (key == QLatin1String("dialog")) {
        form->SetDialog(ParseBool(value, false));
    } else if (key == QLatin1String("splash")) {
        scene_.ShowSplash(value);
    } else if (key == QLatin1String("top")) {
        form->move(form->x(), StrToInt(value));
    } else if (key == QLatin1String("left")) {
        form->move(StrToInt(value), form->y());
    } else if (key == QLatin1String("action")) {
        form->StartAction = value;
    } else if (key == QLatin1String("reg_dat")) {
        scene_.RegKey = value;
    } else if (key == QLatin1String("width")) {
        form->resize(StrToInt(value), form->height());
    } else if (key == QLatin1String("height")) {
        form->resize(form->width(), StrToInt(value));
    } else if (key == QLatin1String("visible")) {
        form->setVisible(ParseBool(value, true));
    } else if (key == QLatin1String("size")) {
        form->SetSizeable(ParseBool(value, true));
    } else if (key == QLatin1String("moving")) {
        form->Moving = ParseBool(value, false);
    } else if (key == QLatin1String("esc_close")) {
        form->EscClose = ParseBool(value, false);
    } else if (key == QLatin1String("hint_color") || key == QLatin1String("hint_font_color")) {
        SetHintColors(key, value);
    } else if (key == QLatin1String("help_id")) {
        scene_.HelpId = value;
    } else if (key == QLatin1String("effect")) {
        form->SetEffect(value);
    } else if (key == QLatin1String("but_max")) {
        form->MaxButtons += PickItem(value, 1) + ';';
        form->NormalButtons += PickItem(value, 2) + ';';
    } else if (key == QLatin1String("hide_caption")) {
        if (ParseBool(value, true))
            skin->SetBorderStyle(SkinForm::BorderStyle::None);
    } else if (key == QLatin1String("skin")) {
        ApplyFormSkin(form, value);
    } else if (key == QLatin1String("message_font")) {
        ParseFontSpec(form->MessageFont, form->MessageFontColor, value);
    } else if (key == QLatin1String("ico")) {
        QApplication::setWindowIcon(LoadIcon(value));
    }
}
