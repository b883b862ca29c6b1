#pragma once

#include <QString>
#include <optional>

// The families of scene objects: one per object type that creates a control.
enum class Family {
    Button,
    SpButton,
    Panel,
    ParentPanel,
    Html,
    Split,
    Label,
    TrackBar,
    Tree,
    TreeEx,
    Flash,
    Media,
    ListBox,
    ScrollBox,
    Image,
    PopMenu,
    Gif,
    EditBox,
    CheckBox,
    RButton,
    ProgressBar,
    ComboBox,
    ListImg,
    Pic,
    Grid,
    HtmlGrid,
    SpinEdit,
};

inline constexpr int kFamilyCount = int(Family::SpinEdit) + 1;

// The object type of a family as scene files write it ("sp_button"), and back.
QString FamilyTypeName(Family family);
std::optional<Family> FamilyOfType(const QString& lowerCaseType);
