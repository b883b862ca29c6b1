#include "AppError.h"
#include "CodePage.h"
#include "ControlGeometry.h"
#include "CursorTable.h"
#include "FontKey.h"
#include "ScopedScriptedUi.h"
#include "SkForm.h"
#include "SkStract.h"
#include "SkinForm.h"
#include "TempCourse.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using Kind = ScriptedUi::Kind;

class PropertySetterTest : public ::testing::Test {
protected:
    PropertySetterTest()
    {
        form.SetClientSize(QSize(300, 200));
    }

    // Loads a scene whose page is 300 x 200 pixels; `body` follows the form section.
    std::unique_ptr<TSkStract> Load(const char* body)
    {
        const QByteArray text = QByteArray("[main]\ntype=form\n") + body;
        course.writeFile("s.txt", CodePage::ToAnsi(QString::fromUtf8(text)));
        auto scene = std::make_unique<TSkStract>(&form, "s.txt");
        scene->LoadStruct();
        form.Pages()->resize(300, 200);
        scene->Page()->resize(300, 200);
        return scene;
    }

    QWidget* Control(const TSkStract& scene, const char* name) const
    {
        return qobject_cast<QWidget*>(scene.Registry().Find(name));
    }

    TempCourse course;
    ScopedScriptedUi ui;
    TSkForm form;
};

TEST_F(PropertySetterTest, AnchorPlacesAgainstTheParentAndFollowsItsSize)
{
    form.show();
    const auto scene = Load(R"(
[box]
type=panel
left=0
top=0
width=300
height=200
[right]
type=button
master=box
anchor=* 5 20 *
width=100
[all]
type=button
master=box
anchor=10 10 10 10
)");
    QWidget* right = Control(*scene, "right");
    EXPECT_EQ(right->geometry(), QRect(180, 5, 100, right->height())) << "'width' after 'anchor' still counts";
    QWidget* all = Control(*scene, "all");
    EXPECT_EQ(all->geometry(), QRect(10, 10, 280, 180));
    using Anchor = ControlGeometry::Anchor;
    EXPECT_EQ(ControlGeometry::Of(right)->GetAnchors(), ControlGeometry::Anchors(Anchor::Right | Anchor::Top));

    ControlGeometry::Of(Control(*scene, "box"))->SetBounds(QRect(0, 0, 400, 250));
    EXPECT_EQ(right->x(), 280);
    EXPECT_EQ(all->geometry(), QRect(10, 10, 380, 230));
}

TEST_F(PropertySetterTest, FreeAnchorsCentreAPanelButLeaveAButton)
{
    form.show();
    const auto scene = Load(R"(
[box]
type=panel
width=300
height=200
[middle]
type=panel
master=box
width=100
height=50
anchor=* * * *
[plain]
type=button
master=box
left=7
top=8
anchor=* * * *
)");
    EXPECT_EQ(Control(*scene, "middle")->geometry(), QRect(100, 75, 100, 50));
    EXPECT_EQ(Control(*scene, "plain")->pos(), QPoint(7, 8));
    using Anchor = ControlGeometry::Anchor;
    EXPECT_EQ(ControlGeometry::Of(Control(*scene, "plain"))->GetAnchors(),
              ControlGeometry::Anchors(Anchor::Left | Anchor::Top))
        << "the default anchors come back";
    ControlGeometry::Of(Control(*scene, "box"))->SetBounds(QRect(0, 0, 500, 300));
    EXPECT_EQ(Control(*scene, "middle")->geometry(), QRect(200, 125, 100, 50));
}

TEST_F(PropertySetterTest, ConversionErrorsStopTheObjectAndTheLoad)
{
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"[b]\ntype=button\nanchor=10 10\n", "'' is not a valid integer value"},
        {"[b]\ntype=button\nwidth=wide\n", "'wide' is not a valid integer value"},
        {"[b]\ntype=button\nfont=Arial*big\n", "'big' is not a valid integer value"},
    };
    for (const auto& [body, message] : cases) {
        TSkForm window;
        const QByteArray text = QByteArray("[main]\ntype=form\n") + body + "[after]\ntype=button\n";
        course.writeFile("s.txt", text);
        TSkStract scene(&window, "s.txt");
        try {
            scene.LoadStruct();
            ADD_FAILURE() << "no error for " << body;
        } catch (const AppError& error) {
            EXPECT_EQ(error.text(), message);
        }
        EXPECT_EQ(scene.Registry().Find("after"), nullptr) << "the load ends at the failing key";
    }
}

TEST_F(PropertySetterTest, CommonKeysTakeNamesAndWordsInAnyCase)
{
    const auto scene = Load(R"(
[a]
type=button
Visible=False
cursor=crHandPoint
[b]
type=button
visible=no
CURSOR=-21
[c]
type=button
cursor=CRHANDPOINT
enabled=0
)");
    EXPECT_TRUE(Control(*scene, "a")->isHidden());
    EXPECT_FALSE(Control(*scene, "b")->isHidden()) << "an unknown word keeps the default";
    for (const char* name : {"a", "b", "c"})
        EXPECT_EQ(Control(*scene, name)->cursor().shape(), Qt::PointingHandCursor) << name;
    EXPECT_FALSE(Control(*scene, "c")->isEnabled());
}

TEST_F(PropertySetterTest, WindowKeysActInFileOrder)
{
    const int minMax = SkinForm::Minimize | SkinForm::Maximize;
    Load("[x]\ntype=none\n");
    struct Case {
        const char* keys;
        int buttons;
        bool sizeable;
        bool escClose;
    };
    const std::vector<Case> cases = {
        {"dialog=1\nsize=1\n", SkinForm::Maximize, true, true},
        {"size=1\ndialog=1\n", 0, false, true},
        {"dialog=1\nesc_close=0\n", 0, false, false},
    };
    for (const Case& c : cases) {
        TSkForm window;
        course.writeFile("w.txt", QByteArray("[main]\ntype=form\n") + c.keys);
        TSkStract scene(&window, "w.txt");
        scene.LoadStruct();
        EXPECT_EQ(window.Skin()->Buttons() & minMax, c.buttons) << c.keys;
        EXPECT_EQ(window.Skin()->Sizeable(), c.sizeable) << c.keys;
        EXPECT_EQ(window.EscClose, c.escClose) << c.keys;
    }
}

TEST_F(PropertySetterTest, HideCaptionTreatsUnknownWordsAsTrue)
{
    for (const auto& [value, style] : std::vector<std::pair<const char*, SkinForm::BorderStyle>>{
             {"0", SkinForm::BorderStyle::Normal}, {"yes", SkinForm::BorderStyle::None}}) {
        TSkForm window;
        course.writeFile("w.txt", QByteArray("[main]\ntype=form\nhide_caption=") + value + "\n");
        TSkStract scene(&window, "w.txt");
        scene.LoadStruct();
        EXPECT_EQ(window.Skin()->Border(), style) << value;
    }
}

TEST(FontSpec, ChangesOnlyWhatItNames)
{
    struct Case {
        const char* text;
        const char* family;
        int points;
        QColor color;
        bool bold, italic, underline;
    };
    const std::vector<Case> cases = {
        {"Arial*10*#FF0000*bi", "Arial", 10, QColor(255, 0, 0), true, true, false},
        {"**#0000FF", "Base", 9, QColor(0, 0, 255), false, false, true},
        {"Tahoma", "Tahoma", 9, QColor(1, 2, 3), false, false, true},
        {"Tahoma*8*$000000*", "Tahoma", 8, QColor(0, 0, 0), false, false, true},
        {"*12**U", "Base", 12, QColor(1, 2, 3), false, false, true},
        {"*12**x", "Base", 12, QColor(1, 2, 3), false, false, false},
    };
    for (const Case& c : cases) {
        QFont font("Base", 9);
        font.setUnderline(true);
        QColor color(1, 2, 3);
        ParseFontSpec(font, color, c.text);
        EXPECT_EQ(font.family(), c.family) << c.text;
        EXPECT_EQ(font.pointSize(), c.points) << c.text;
        EXPECT_EQ(color, c.color) << c.text;
        EXPECT_EQ(font.bold(), c.bold) << c.text;
        EXPECT_EQ(font.italic(), c.italic) << c.text;
        EXPECT_EQ(font.underline(), c.underline) << c.text;
    }
}

}  // namespace
