#include "SimpleControlKeys.h"

#include "ActionBearing.h"
#include "AnchorKey.h"
#include "ControlGeometry.h"
#include "FontKey.h"
#include "NumberText.h"
#include "PathUtils.h"
#include "SkButton.h"
#include "SkCheckBox.h"
#include "SkComboBox.h"
#include "SkFlash.h"
#include "SkGif.h"
#include "SkLabel.h"
#include "SkListBox.h"
#include "SkMedia.h"
#include "SkPanel.h"
#include "SkRadioButton.h"
#include "SkSpeedButton.h"
#include "SkSpinEdit.h"
#include "SkStract.h"
#include "SkTrackBar.h"
#include "TextUtils.h"
#include "ThemeObject.h"
#include "ValueParsers.h"

#include <QMenu>
#include <QPushButton>
#include <functional>
#include <map>

// What one key of one type does.
struct SimpleControlKeys::Row {
    std::function<void(TSkStract&, QObject*, const QString&)> apply;
};

namespace {

using Row = SimpleControlKeys::Row;
using Table = std::map<QString, Row>;

template <typename Control>
Control* As(QObject* control)
{
    return qobject_cast<Control*>(control);
}

// A row for controls that are widgets (media players are not).
Row OnWidget(std::function<void(TSkStract&, QWidget*, const QString&)> apply)
{
    return {[apply](TSkStract& scene, QObject* object, const QString& value) {
        if (auto* control = qobject_cast<QWidget*>(object))
            apply(scene, control, value);
    }};
}

// Rows every table that has them shares.
Row AnchorRow()
{
    return OnWidget([](TSkStract&, QWidget* control, const QString& value) { ApplyAnchor(control, value); });
}

Row ActionRow()
{
    return {[](TSkStract&, QObject* control, const QString& value) {
        if (auto* bearing = dynamic_cast<ActionBearing*>(control))
            bearing->ActionText = value;
    }};
}

Row HintRow()
{
    return OnWidget([](TSkStract&, QWidget* control, const QString& value) { control->setToolTip(value); });
}

Row FontRow()
{
    return OnWidget([](TSkStract&, QWidget* control, const QString& value) { ApplyFontSpec(control, value); });
}

// A label that sizes itself to its caption.
const char* const kAutoSize = "autoSize";

void FitToCaption(QWidget* control)
{
    if (control->property(kAutoSize).toBool())
        ControlGeometry::Of(control)->SetBounds(QRect(control->pos(), control->sizeHint()));
}

Row CaptionRow()
{
    return OnWidget([](TSkStract&, QWidget* control, const QString& value) {
        if (auto* panel = As<TSkPanel>(control))
            panel->SetCaption(value);
        else
            control->setProperty("text", value);
        FitToCaption(control);
    });
}

// A key the type accepts that has no effect here: Qt's push buttons cannot wrap their caption.
Row IgnoredRow()
{
    return OnWidget([](TSkStract&, QWidget*, const QString&) {});
}

// 'object*file': item 1, when given, becomes the theme object.
Row SkinRow()
{
    return OnWidget([](TSkStract&, QWidget* control, const QString& value) {
        const QString object = PickItem(value, 1);
        if (!object.isEmpty())
            SetThemeObject(control, object);
    });
}

// As SkinRow, and item 2 is registered with the window's skin holder; the control takes its
// theme when this registered it first.
Row LinkingSkinRow()
{
    return OnWidget([](TSkStract& scene, QWidget* control, const QString& value) {
        SkinRow().apply(scene, control, value);
        const QString file = PickItem(value, 2);
        if (!scene.Skins().RegisterFile(file))
            return;
        if (const ThemeFile* link = scene.Skins().FindLink(file))
            control->setStyleSheet(link->StyleSheet());
    });
}

Row TextAlignRow()
{
    return OnWidget([](TSkStract&, QWidget* control, const QString& value) {
        const Qt::Alignment alignment = ParseAlignment(value);
        if (auto* label = As<QLabel>(control)) {
            label->setAlignment(alignment | Qt::AlignVCenter);
        } else {
            const char* css = alignment & Qt::AlignLeft ? "left" : alignment & Qt::AlignRight ? "right" : "center";
            control->setStyleSheet(control->styleSheet() + QStringLiteral("text-align: %1;").arg(css));
        }
    });
}

Row TransparentRow()
{
    return OnWidget([](TSkStract&, QWidget* control, const QString& value) {
        const bool transparent = ParseBool(value, true);
        if (auto* button = As<QPushButton>(control))
            button->setFlat(transparent);
        else if (auto* tool = As<QToolButton>(control))
            tool->setAutoRaise(transparent);
    });
}

Row ConstraintRow(int ControlGeometry::Constraints::*limit)
{
    return OnWidget([limit](TSkStract&, QWidget* control, const QString& value) {
        ControlGeometry* geometry = ControlGeometry::Of(control);
        ControlGeometry::Constraints constraints = geometry->GetConstraints();
        constraints.*limit = StrToInt(value);
        geometry->SetConstraints(constraints);
    });
}

Row CheckRow()
{
    return OnWidget([](TSkStract&, QWidget* control, const QString& value) {
        if (auto* button = As<QAbstractButton>(control))
            button->setChecked(ParseBool(value, false));
    });
}

Row LoadRow()
{
    return OnWidget([](TSkStract&, QWidget* control, const QString& value) {
        if (auto* list = As<TSkListBox>(control))
            list->LoadEntryFile(value);
        else if (auto* combo = As<TSkComboBox>(control))
            combo->LoadEntryFile(value);
    });
}

template <typename Control>
Row Typed(std::function<void(Control*, const QString&)> apply)
{
    return {[apply](TSkStract&, QObject* control, const QString& value) {
        if (auto* typed = As<Control>(control))
            apply(typed, value);
    }};
}

const std::map<QString, Table>& Tables()
{
    using C = ControlGeometry::Constraints;
    static const std::map<QString, Table> tables = {
        {"button",
         {{"text_align", TextAlignRow()}, {"transparent", TransparentRow()},
          {"word_wrap", IgnoredRow()},
          {"anchor", AnchorRow()}, {"action", ActionRow()}, {"caption", CaptionRow()}, {"hint", HintRow()},
          {"font", FontRow()}, {"skin", LinkingSkinRow()}}},
        {"sp_button",
         {{"transparent", TransparentRow()}, {"anchor", AnchorRow()}, {"action", ActionRow()}, {"caption", CaptionRow()},
          {"hint", HintRow()},
          {"group", Typed<TSkSpeedButton>([](TSkSpeedButton* b, const QString& v) { b->SetGroupIndex(StrToInt(v)); })},
          {"down", Typed<TSkSpeedButton>([](TSkSpeedButton* b, const QString& v) { b->SetDown(ParseBool(v, false)); })},
          {"font", FontRow()},
          {"menu", {[](TSkStract& scene, QObject* control, const QString& value) {
               // The arrow shows even when no menu of that name exists.
               if (auto* button = As<TSkSpeedButton>(control))
                   button->SetChevronMenu(qobject_cast<QMenu*>(scene.FindInFamily(value, Family::PopMenu)));
           }}},
          {"skin", SkinRow()}}},
        {"panel",
         {{"visible_ex", Typed<TSkPanel>([](TSkPanel* p, const QString& v) {
               if (ParseBool(v, true))
                   p->ToggleShown();
           })},
          {"anchor", AnchorRow()}, {"action", ActionRow()}, {"min_width", ConstraintRow(&C::minWidth)},
          {"max_width", ConstraintRow(&C::maxWidth)}, {"min_height", ConstraintRow(&C::minHeight)},
          {"caption", CaptionRow()}, {"skin", SkinRow()}}},
        {"parent_panel",
         {{"anchor", AnchorRow()}, {"min_width", ConstraintRow(&C::minWidth)},
          {"min_height", ConstraintRow(&C::minHeight)}}},
        {"split", {{"action", ActionRow()}, {"skin", SkinRow()}}},
        {"track_bar", {{"anchor", AnchorRow()}, {"action", ActionRow()}, {"hint", HintRow()}, {"skin", SkinRow()}}},
        {"label",
         {{"url", Typed<TSkLabel>([](TSkLabel* l, const QString& v) { l->SetLinkLook(ParseBool(v, false)); })},
          {"anchor", AnchorRow()}, {"action", ActionRow()}, {"caption", CaptionRow()}, {"hint", HintRow()},
          {"font", FontRow()}, {"text_align", TextAlignRow()},
          {"html_title", {[](TSkStract& scene, QObject*, const QString& value) {
               scene.FindInFamily(value, Family::Html);  // the HTML view links its title label itself
           }}},
          {"auto_size", Typed<TSkLabel>([](TSkLabel* l, const QString& v) {
               l->setProperty(kAutoSize, ParseBool(v, false));
               FitToCaption(l);
           })},
          {"skin", SkinRow()}}},
        {"list_box",
         {{"anchor", AnchorRow()}, {"action", ActionRow()}, {"load", LoadRow()},
          {"multiselect", Typed<TSkListBox>([](TSkListBox* l, const QString& v) {
               l->setSelectionMode(ParseBool(v, false) ? QAbstractItemView::MultiSelection
                                                       : QAbstractItemView::SingleSelection);
           })},
          {"skin", SkinRow()}}},
        {"edit_box", {{"anchor", AnchorRow()}, {"action", ActionRow()}, {"hint", HintRow()}}},
        {"check_box",
         {{"anchor", AnchorRow()}, {"action", ActionRow()}, {"hint", HintRow()}, {"caption", CaptionRow()},
          {"check", CheckRow()},
          {"enable_control", Typed<TSkCheckBox>([](TSkCheckBox* c, const QString& v) { c->SetEnableList(v); })}}},
        {"r_button",
         {{"anchor", AnchorRow()}, {"action", ActionRow()}, {"hint", HintRow()}, {"caption", CaptionRow()},
          {"check", CheckRow()}}},
        {"progress_bar", {{"anchor", AnchorRow()}, {"hint", HintRow()}}},
        {"spin_edit",
         {{"anchor", AnchorRow()}, {"hint", HintRow()},
          {"max", Typed<TSkSpinEdit>([](TSkSpinEdit* s, const QString& v) { s->SetMaxValue(StrToInt(v)); })},
          {"min", Typed<TSkSpinEdit>([](TSkSpinEdit* s, const QString& v) { s->SetMinValue(StrToInt(v)); })},
          {"max_len", Typed<TSkSpinEdit>([](TSkSpinEdit* s, const QString& v) { s->SetMaxLength(StrToInt(v)); })}}},
        {"combo_box",
         {{"anchor", AnchorRow()}, {"action", ActionRow()}, {"load", LoadRow()},
          {"read_only", Typed<TSkComboBox>([](TSkComboBox* c, const QString& v) { c->SetReadOnly(ParseBool(v, false)); })},
          {"skin", LinkingSkinRow()}}},
        {"scroll_box", {{"anchor", AnchorRow()}, {"skin", SkinRow()}}},
        {"pic", {{"anchor", AnchorRow()}, {"skin", SkinRow()}}},
        {"flash",
         {{"anchor", AnchorRow()},
          {"track_bar", {[](TSkStract& scene, QObject* control, const QString& value) {
               if (auto* flash = As<TSkFlash>(control))
                   flash->BindTrackBar(qobject_cast<TSkTrackBar*>(scene.FindInFamily(value, Family::TrackBar)));
           }}},
          {"load", Typed<TSkFlash>([](TSkFlash* f, const QString& v) {
               f->OpenMovie(ProgramPath(v));
               f->Play();
           })}}},
        {"gif", {{"anchor", AnchorRow()}, {"load", Typed<TSkGif>([](TSkGif* g, const QString& v) { g->LoadGif(v); })}}},
        {"media",
         {{"load", Typed<TSkMedia>([](TSkMedia* m, const QString& v) { m->LoadFile(ProgramFolder() + v); })},
          {"track_bar", {[](TSkStract& scene, QObject* control, const QString& value) {
               if (auto* media = As<TSkMedia>(control))
                   media->BindTrackBar(qobject_cast<TSkTrackBar*>(scene.FindInFamily(value, Family::TrackBar)));
           }}}}},
    };
    return tables;
}

}  // namespace

bool SimpleControlKeys::Has(const QString& type)
{
    return Tables().count(type) > 0;
}

void SimpleControlKeys::Apply(QObject* control, const QString& type, const QString& key, const QString& value)
{
    const auto table = Tables().find(type);
    if (table == Tables().end())
        return;
    const auto row = table->second.find(key);
    if (row != table->second.end())
        row->second.apply(scene_, control, value);
}
