#include "SkinForm.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <vector>

namespace {

using State = SkinForm::WindowState;

void Wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Sends a mouse event at a screen position, as the platform would while the target may move.
void SendMouseAt(QWidget* target, QEvent::Type type, QPoint global, Qt::MouseButtons buttons = Qt::LeftButton)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, target->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void SendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons = Qt::LeftButton)
{
    SendMouseAt(target, type, target->mapToGlobal(pos), buttons);
}

// Presses at `from` (in the target), moves the cursor by `delta` and releases.
void Drag(QWidget* target, QPoint from, QPoint delta)
{
    const QPoint start = target->mapToGlobal(from);
    SendMouseAt(target, QEvent::MouseButtonPress, start);
    SendMouseAt(target, QEvent::MouseMove, start + delta / 2);
    SendMouseAt(target, QEvent::MouseMove, start + delta);
    SendMouseAt(target, QEvent::MouseButtonRelease, start + delta, Qt::NoButton);
}

// Lets posted layout requests and the platform's answers (geometry, window state) arrive.
void Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

template <typename T = QWidget>
T* Part(const QWidget& window, const char* name)
{
    T* part = window.findChild<T*>(name);
    EXPECT_NE(part, nullptr) << name;
    return part;
}

// The caption buttons shown, as SkinForm::CaptionButton flags.
int ShownButtons(const QWidget& window)
{
    const std::pair<const char*, int> buttons[] = {
        {"captionHelpButton", SkinForm::Help},         {"captionMinimizeButton", SkinForm::Minimize},
        {"captionMaximizeButton", SkinForm::Maximize}, {"captionCloseButton", SkinForm::Close},
        {"captionIcon", SkinForm::SystemMenu},
    };
    int shown = 0;
    for (const auto& [name, flag] : buttons)
        shown |= Part(window, name)->isVisibleTo(&window) ? flag : 0;
    return shown;
}

QRect InWindow(const QWidget& window, const QWidget* part)
{
    return QRect(part->mapTo(&window, QPoint()), part->size());
}

// Opens the window menu by a right click on the caption and triggers the item with that text.
QStringList ChooseFromWindowMenu(QWidget& window, const QString& item)
{
    QStringList items;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            items << action->text();
            if (action->text() == item)
                action->trigger();
        }
        menu->close();
    });
    QWidget* caption = Part(window, "captionBar");
    QContextMenuEvent event(QContextMenuEvent::Mouse, {50, 10}, caption->mapToGlobal(QPoint(50, 10)));
    QApplication::sendEvent(caption, &event);
    return items;
}

class SkinFormTest : public ::testing::Test {
protected:
    SkinFormTest()
    {
        window.setGeometry(100, 100, 400, 300);
        window.setWindowTitle("Window");
    }

    void Show()
    {
        window.show();
        Settle();
    }

    QWidget window;
    SkinForm* skin = new SkinForm(&window);
};

TEST_F(SkinFormTest, GivesTheFramelessWindowACaptionAboveTheClientAreaInsideABorder)
{
    Show();
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    const QRect caption = InWindow(window, Part(window, "captionBar"));
    const QRect client = InWindow(window, skin->ClientArea());
    EXPECT_TRUE(Part(window, "captionBar")->isVisible());
    EXPECT_EQ(caption.bottom() + 1, client.top());
    EXPECT_GT(caption.top(), 0);
    EXPECT_GT(client.left(), 0);
    EXPECT_LT(client.right(), window.width() - 1);
    EXPECT_LT(client.bottom(), window.height() - 1);

    EXPECT_EQ(Part<QLabel>(window, "captionTitle")->text(), "Window");
    window.setWindowTitle(QString::fromUtf8("Самоучитель"));
    EXPECT_EQ(Part<QLabel>(window, "captionTitle")->text(), QString::fromUtf8("Самоучитель"));
}

TEST(SkinFormButtonsTest, CaptionButtonsAndDoubleClickFollowButtonsAndSizeable)
{
    using S = SkinForm;
    const int standard = S::Minimize | S::Maximize | S::Close | S::SystemMenu;
    struct Case {
        const char* name;
        std::function<void(SkinForm&)> setup;
        int shown;
        bool doubleClickMaximizes;
    };
    const Case cases[] = {
        {"at the start", [](S&) {}, standard, true},
        {"help added", [](S& s) { s.AddButtons(S::Help); }, S::Help | standard, true},
        {"fixed size keeps its buttons", [](S& s) { s.SetSizeable(false); }, standard, false},
        {"dialog",
         [](S& s) {
             s.SetSizeable(false);
             s.RemoveButtons(S::Maximize | S::Minimize);
         },
         S::Close | S::SystemMenu, false},
        {"dialog made sizeable again",
         [](S& s) {
             s.SetSizeable(false);
             s.RemoveButtons(S::Maximize | S::Minimize);
             s.SetSizeable(true);
             s.AddButtons(S::Maximize);
         },
         S::Maximize | S::Close | S::SystemMenu, true},
        {"close only", [](S& s) { s.SetButtons(S::Close); }, S::Close, true},
    };
    for (const Case& c : cases) {
        QWidget window;
        SkinForm& skin = *new SkinForm(&window);
        c.setup(skin);
        EXPECT_EQ(skin.Buttons(), c.shown) << c.name;
        EXPECT_EQ(ShownButtons(window), c.shown) << c.name;

        window.show();
        SendMouse(Part(window, "captionTitle"), QEvent::MouseButtonDblClick, {5, 5});
        EXPECT_EQ(skin.State() == State::Maximized, c.doubleClickMaximizes) << c.name;
    }
}

TEST_F(SkinFormTest, MaximizeHandlerRunsBeforeEveryChangeBetweenMaximizedAndNormal)
{
    Show();
    std::vector<State> seen;
    skin->SetOnMaximize([&] { seen.push_back(skin->State()); });
    auto* maximize = Part<QToolButton>(window, "captionMaximizeButton");

    maximize->click();
    EXPECT_EQ(skin->State(), State::Maximized);
    SendMouse(Part(window, "captionTitle"), QEvent::MouseButtonDblClick, {5, 5});
    EXPECT_EQ(skin->State(), State::Normal);
    skin->SetState(State::Maximized);
    skin->SetState(State::RolledUp);
    EXPECT_EQ(skin->State(), State::RolledUp);
    maximize->click();  // unrolls, then maximizes
    EXPECT_EQ(skin->State(), State::Maximized);
    skin->SetState(State::Maximized);  // no change
    skin->SetState(State::Minimized);
    EXPECT_EQ(skin->State(), State::Minimized);

    const std::vector<State> expected = {State::Normal, State::Maximized, State::Normal, State::Maximized, State::Normal};
    EXPECT_EQ(seen, expected);
}

TEST_F(SkinFormTest, MaximizedWindowFillsTheScreenWithoutBorderAndComesBack)
{
    Show();
    skin->SetState(State::Maximized);
    Settle();
    EXPECT_EQ(window.geometry(), window.screen()->availableGeometry());
    EXPECT_EQ(InWindow(window, Part(window, "captionBar")).topLeft(), QPoint(0, 0));
    EXPECT_TRUE(Part<QToolButton>(window, "captionMaximizeButton")->property("windowMaximized").toBool());

    skin->SetState(State::Normal);
    Settle();
    EXPECT_EQ(window.geometry(), QRect(100, 100, 400, 300));
    EXPECT_EQ(InWindow(window, Part(window, "captionBar")).topLeft(), QPoint(4, 4));
    EXPECT_FALSE(Part<QToolButton>(window, "captionMaximizeButton")->property("windowMaximized").toBool());
}

TEST_F(SkinFormTest, RolledUpWindowShowsOnlyItsCaption)
{
    skin->SetMinimumSize(0, 200);
    Show();
    skin->SetState(State::RolledUp);
    EXPECT_EQ(skin->State(), State::RolledUp);
    EXPECT_FALSE(skin->ClientArea()->isVisible());
    const QRect caption = InWindow(window, Part(window, "captionBar"));
    EXPECT_EQ(window.height(), caption.bottom() + 1 + caption.top()) << "caption and border alone";
    EXPECT_EQ(window.width(), 400);

    skin->SetState(State::Normal);
    EXPECT_EQ(skin->State(), State::Normal);
    EXPECT_TRUE(skin->ClientArea()->isVisible());
    EXPECT_EQ(window.size(), QSize(400, 300));
    EXPECT_EQ(window.minimumHeight(), 200);
}

TEST_F(SkinFormTest, WindowMenuRollsUpAndOffersTheSystemMenuItems)
{
    QMenu systemMenu;
    systemMenu.addAction(QString::fromUtf8("О программе"));
    skin->SetSystemMenu(&systemMenu);
    skin->RemoveButtons(SkinForm::Minimize);
    Show();

    const QStringList items = ChooseFromWindowMenu(window, QString::fromUtf8("Свернуть в заголовок"));
    EXPECT_EQ(skin->State(), State::RolledUp);
    const QStringList expected = {QString::fromUtf8("Восстановить"), QString::fromUtf8("Развернуть"),
                                  QString::fromUtf8("Свернуть в заголовок"), QString(),
                                  QString::fromUtf8("Закрыть"), QString(), QString::fromUtf8("О программе")};
    EXPECT_EQ(items, expected);

    ChooseFromWindowMenu(window, QString::fromUtf8("Восстановить"));
    EXPECT_EQ(skin->State(), State::Normal);
    EXPECT_EQ(window.height(), 300);
}

TEST_F(SkinFormTest, BorderStyleNoneLeavesOnlyTheClientArea)
{
    Show();
    skin->SetBorderStyle(SkinForm::BorderStyle::None);
    Settle();
    EXPECT_FALSE(Part(window, "captionBar")->isVisible());
    EXPECT_EQ(InWindow(window, skin->ClientArea()), window.rect());
    skin->SetState(State::RolledUp);
    EXPECT_EQ(skin->State(), State::Normal) << "nothing to roll up to";

    skin->SetBorderStyle(SkinForm::BorderStyle::Normal);
    Settle();
    EXPECT_TRUE(Part(window, "captionBar")->isVisible());
    EXPECT_GT(InWindow(window, skin->ClientArea()).top(), 0);
}

TEST_F(SkinFormTest, MinimumSizeLimitsTheWindowAndZeroLeavesItToTheContent)
{
    Show();
    skin->SetMinimumSize(500, 350);
    EXPECT_EQ(window.minimumSize(), QSize(500, 350));
    window.resize(100, 100);
    EXPECT_EQ(window.size(), QSize(500, 350));

    skin->SetMinimumSize(0, 250);
    Settle();
    window.resize(100, 100);
    EXPECT_LT(window.width(), 500);
    EXPECT_GE(window.width(), Part(window, "captionBar")->minimumSizeHint().width());
    EXPECT_EQ(window.height(), 250);

    skin->SetMinimumSize(0, 0);
    Settle();
    window.resize(100, 100);
    EXPECT_EQ(window.height(), 100);
}

TEST_F(SkinFormTest, PaintingResumesWhenEverySuspensionIsResumed)
{
    skin->SuspendPainting();
    skin->SuspendPainting();
    EXPECT_FALSE(window.updatesEnabled());
    skin->ResumePainting();
    EXPECT_FALSE(window.updatesEnabled());
    skin->ResumePainting();
    EXPECT_TRUE(window.updatesEnabled());
    skin->ResumePainting();  // one too many does not count ahead
    skin->SuspendPainting();
    EXPECT_FALSE(window.updatesEnabled());
}

TEST_F(SkinFormTest, HandlersSeeTheNewSizeAndTheHelpClick)
{
    Show();
    std::vector<QSize> sizes;
    std::vector<QPoint> helps;
    skin->SetOnResize([&] { sizes.push_back(window.size()); });
    skin->SetOnHelp([&](QPoint cursor) { helps.push_back(cursor); });
    skin->AddButtons(SkinForm::Help);

    window.resize(450, 320);
    Part<QToolButton>(window, "captionHelpButton")->click();

    EXPECT_EQ(sizes, std::vector<QSize>{QSize(450, 320)});
    EXPECT_EQ(helps, std::vector<QPoint>{QCursor::pos()});
}

TEST_F(SkinFormTest, DraggingTheCaptionMovesTheWindowUnlessMaximized)
{
    Show();
    Drag(Part(window, "captionTitle"), {10, 10}, {30, 20});
    EXPECT_EQ(window.pos(), QPoint(130, 120));

    skin->SetState(State::Maximized);
    const QPoint maximized = window.pos();
    Drag(Part(window, "captionTitle"), {10, 10}, {30, 20});
    EXPECT_EQ(window.pos(), maximized);
}

TEST_F(SkinFormTest, BorderResizesASizeableNormalWindow)
{
    struct Case {
        const char* name;
        bool sizeable;
        State state;
        QPoint at;  // in the window
        QPoint delta;
        Qt::CursorShape cursor;
        QRect geometry;
    };
    const Case cases[] = {
        {"right side", true, State::Normal, {398, 150}, {40, 40}, Qt::SizeHorCursor, {100, 100, 440, 300}},
        {"left side", true, State::Normal, {1, 150}, {-40, 40}, Qt::SizeHorCursor, {60, 100, 440, 300}},
        {"bottom right corner", true, State::Normal, {398, 298}, {40, 30}, Qt::SizeFDiagCursor, {100, 100, 440, 330}},
        {"top end of the right side", true, State::Normal, {398, 5}, {-50, 20}, Qt::SizeBDiagCursor, {100, 120, 350, 280}},
        {"top side, held at the minimum", true, State::Normal, {200, 1}, {0, 290}, Qt::SizeVerCursor, {100, 150, 400, 250}},
        {"fixed size", false, State::Normal, {398, 150}, {40, 40}, Qt::ArrowCursor, {100, 100, 400, 300}},
        {"rolled up", true, State::RolledUp, {398, 10}, {40, 40}, Qt::ArrowCursor, {}},
    };
    for (const Case& c : cases) {
        QWidget window;
        window.setGeometry(100, 100, 400, 300);
        SkinForm& skin = *new SkinForm(&window);
        skin.SetMinimumSize(0, 250);
        skin.SetSizeable(c.sizeable);
        window.show();
        skin.SetState(c.state);
        const QRect before = window.geometry();
        QWidget* frame = Part(window, "skinFrame");

        SendMouse(frame, QEvent::MouseMove, c.at, Qt::NoButton);
        EXPECT_EQ(frame->cursor().shape(), c.cursor) << c.name;
        Drag(frame, c.at, c.delta);
        EXPECT_EQ(window.geometry(), c.geometry.isNull() ? before : c.geometry) << c.name;
    }
}

TEST_F(SkinFormTest, ResizeCursorGoesWhenTheCursorEntersTheContent)
{
    Show();
    QWidget* frame = Part(window, "skinFrame");
    SendMouse(frame, QEvent::MouseMove, {1, 150}, Qt::NoButton);
    ASSERT_EQ(frame->cursor().shape(), Qt::SizeHorCursor);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(skin->ClientArea(), &enter);
    EXPECT_FALSE(frame->testAttribute(Qt::WA_SetCursor));
}

TEST_F(SkinFormTest, StayOnTopKeepsTheWindowShownAndFramelessWithoutReplayingTheEffect)
{
    Show();
    skin->SetAnimation(true, 100, "fade");
    skin->SetStayOnTop(true);
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window.isVisible());
    skin->SetStayOnTop(false);
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(SkinFormTest, UnknownEffectShowsTheWindowAtOnce)
{
    skin->SetAnimation(true, 300, "curtain");
    Show();
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
    EXPECT_EQ(window.pos(), QPoint(100, 100));
    EXPECT_TRUE(window.findChildren<QAbstractAnimation*>().isEmpty());
}

TEST(SkinFormEffectTest, KnownEffectsAnimateTheShowAndEndInPlace)
{
    for (const char* effect : {"fade", "SLIDE_DOWN", "slide_left", "zoom"}) {
        QWidget window;
        window.setGeometry(100, 100, 400, 300);
        SkinForm& skin = *new SkinForm(&window);
        skin.SetAnimation(true, 100, effect);
        window.show();
        EXPECT_LT(window.windowOpacity(), 1.0) << effect;
        EXPECT_FALSE(window.findChildren<QAbstractAnimation*>().isEmpty()) << effect;

        Wait(250);
        EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0) << effect;
        EXPECT_EQ(window.pos(), QPoint(100, 100)) << effect;
        EXPECT_TRUE(window.findChildren<QAbstractAnimation*>().isEmpty()) << effect;
    }
}

TEST_F(SkinFormTest, AnimationSetWhileShowingPlaysThatShow)
{
    struct ShowHook : QObject {
        SkinForm* skin;
        explicit ShowHook(SkinForm* s) : skin(s) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Show)
                skin->SetAnimation(true, 100, "fade");
            return false;
        }
    } hook(skin);
    window.installEventFilter(&hook);  // runs after the skin's own filter, like a show handler
    Show();
    EXPECT_LT(window.windowOpacity(), 1.0);
}

TEST_F(SkinFormTest, ThemeStyleSheetReachesCaptionAndThemedWidgets)
{
    auto* themed = new QWidget(skin->ClientArea());
    themed->setProperty("themeObject", "default");
    themed->setGeometry(10, 10, 50, 50);
    Show();
    const auto colourAt = [&](const QWidget* part) {
        return window.grab().toImage().pixelColor(part->mapTo(&window, part->rect().center()));
    };
    const QColor highlight = window.palette().color(QPalette::Highlight);
    EXPECT_EQ(colourAt(Part(window, "captionBar")), highlight) << "default look";

    skin->SetThemeLink(R"(#captionBar { background-color: rgb(0, 128, 0); }
                          QWidget[themeObject="default"] { background-color: rgb(200, 0, 0); }
                          QWidget[themeObject="main"] { background-color: rgb(0, 0, 200); })");
    EXPECT_EQ(colourAt(Part(window, "captionBar")), QColor(0, 128, 0));
    EXPECT_EQ(colourAt(themed), QColor(200, 0, 0));
    EXPECT_NE(colourAt(skin->ClientArea()), QColor(0, 0, 200));

    skin->SetThemeObject("main");
    EXPECT_EQ(window.property("themeObject").toString(), "main");
    EXPECT_EQ(colourAt(skin->ClientArea()), QColor(0, 0, 200)) << "the window's own background";
    EXPECT_EQ(colourAt(themed), QColor(200, 0, 0));
}

}  // namespace
