#include "ActionCatalogue.h"

#include "NumberText.h"
#include "PathUtils.h"
#include "ProgramExit.h"
#include "HelpViewer.h"
#include "SkButton.h"
#include "SkCommand.h"
#include "SkFlash.h"
#include "SkForm.h"
#include "SkMedia.h"
#include "SkPanel.h"
#include "SkSpeedButton.h"
#include "SkSplitter.h"
#include "SkStract.h"
#include "SkinForm.h"
#include "Ui.h"
#include "ValueParsers.h"
#include "frmFORM.h"

#include <QHash>
#include <QMenu>
#include <functional>
#include <memory>

namespace {

struct Call {
    TSkStract& scene;
    const RCommand& command;
    const QString& arg0;
    const QString& arg1;
    const RHelpAction& incoming;

    template <typename Control>
    Control* Find(Family family) const
    {
        return qobject_cast<Control*>(scene.FindInFamily(arg0, family));
    }
};

using Command = std::function<void(const Call&)>;

void ClickButton(const Call& call)
{
    if (auto* button = call.Find<TSkButton>(Family::Button))
        call.scene.ControlClick(button);
}

void ClickSpeedButton(const Call& call)
{
    if (auto* button = call.Find<TSkSpeedButton>(Family::SpButton))
        call.scene.ControlClick(button);
}

// Without a result code the program ends; with one the window closes and hands the code to
// whoever showed it modally.
void CloseForm(const Call& call)
{
    if (call.arg0.isEmpty()) {
        ProgramExit::Quit();
        return;
    }
    TSkForm* form = call.scene.Form();
    form->setProperty("modalResult", StrToInt(call.arg0));
    form->close();
}

void MinimizeForm(const Call& call)
{
    SkinForm* skin = call.scene.Form()->Skin();
    const bool minimized = skin->State() == SkinForm::WindowState::Minimized;
    skin->SetState(minimized ? SkinForm::WindowState::Normal : SkinForm::WindowState::Minimized);
}

void MaximizeForm(const Call& call)
{
    call.scene.Form()->Skin()->ToggleMaximized();
}

// A scene window of its own, shown modally; the command returns when it has closed.
void ShowForm(const Call& call)
{
    if (call.arg0.isEmpty())
        return;
    const std::unique_ptr<TfrmFORM> window = std::make_unique<TfrmFORM>(call.scene.Form());
    TSkStract scene(window.get(), call.arg0);  // taken down before its window
    scene.LoadStruct();
    scene.Activate();
    Ui::Instance().ExecModal(window.get());
}

// Opens the menu below the control that sent the command, else below the button that arg1
// names, else at the top-left corner of the screen.
void ShowMenu(const Call& call)
{
    auto* menu = call.Find<QMenu>(Family::PopMenu);
    if (!menu)
        return;
    QPoint corner(call.incoming.X, call.incoming.Y);
    int height = call.incoming.Height;
    if (height == 0 && corner.isNull() && !call.arg1.isEmpty()) {
        QWidget* anchor = qobject_cast<QWidget*>(call.scene.FindInFamily(call.arg1, Family::Button));
        if (!anchor)
            anchor = qobject_cast<QWidget*>(call.scene.FindInFamily(call.arg1, Family::SpButton));
        if (anchor) {
            corner = anchor->mapToGlobal(QPoint(0, 0));
            height = anchor->height();
        } else {
            Ui::Instance().Message(QString::fromUtf8("menu_show. Не найден контрол ") + call.arg1);
        }
    }
    menu->popup(corner + QPoint(0, height));
}

void Run(const Call& call)
{
    ShellOpen(ProgramPath(call.arg0), call.arg1, QStringLiteral("open"));
}

void SetVisible(const Call& call)
{
    if (auto* control = qobject_cast<QWidget*>(call.scene.GetControl(call.arg0)))
        control->setVisible(ParseBool(call.arg1, true));
}

void SetEnabled(const Call& call)
{
    if (auto* control = qobject_cast<QWidget*>(call.scene.GetControl(call.arg0)))
        control->setEnabled(ParseBool(call.arg1, true));
}

void ToggleSplitter(const Call& call)
{
    if (auto* splitter = call.Find<TSkSplitter>(Family::Split))
        splitter->ToggleShown();
}

void TogglePanel(const Call& call)
{
    if (auto* panel = call.Find<TSkPanel>(Family::Panel))
        panel->ToggleShown();
}

// The first press marks the button; the second releases it and clears the mark.
void SpeedButtonDown(const Call& call)
{
    auto* button = call.Find<TSkSpeedButton>(Family::SpButton);
    if (!button)
        return;
    if (!button->DownMark) {
        button->DownMark = true;
        return;
    }
    button->SetDown(false);
    button->DownMark = false;
}

// The media commands: each finds the media object and calls one operation of it.
Command OnMedia(std::function<void(TSkMedia&, const Call&)> operation)
{
    return [operation](const Call& call) {
        if (auto* media = call.Find<TSkMedia>(Family::Media))
            operation(*media, call);
    };
}

Command OnFlash(std::function<void(TSkFlash&, const Call&)> operation)
{
    return [operation](const Call& call) {
        if (auto* flash = call.Find<TSkFlash>(Family::Flash))
            operation(*flash, call);
    };
}

void SetHelpId(const Call& call)
{
    call.scene.HelpId = call.arg0;
}

void Help(const Call& call)
{
    ShowHelpTopic(ProgramPath(call.arg0), call.arg1.isEmpty() ? call.scene.HelpId : call.arg1);
}

void Test(const Call& call)
{
    Ui::Instance().Message(call.arg0 + u'*' + call.arg1);
}

const QHash<QString, Command>& Commands()
{
    static const QHash<QString, Command> commands = {
        {"click_but", ClickButton},
        {"click_spbut", ClickSpeedButton},
        {"form_close", CloseForm},
        {"form_mini", MinimizeForm},
        {"form_maxi", MaximizeForm},
        {"form_show", ShowForm},
        {"menu_show", ShowMenu},
        {"media_load", OnMedia([](TSkMedia& media, const Call& call) { media.LoadFile(call.arg1); })},
        {"media_pause", OnMedia([](TSkMedia& media, const Call&) { media.Pause(); })},
        {"media_stop", OnMedia([](TSkMedia& media, const Call&) { media.Stop(); })},
        {"media_play", OnMedia([](TSkMedia& media, const Call&) { media.Play(); })},
        {"flash_load", OnFlash([](TSkFlash& flash, const Call& call) {
             flash.OpenMovie(call.arg1);
             flash.Play();
         })},
        {"flash_play", OnFlash([](TSkFlash& flash, const Call&) { flash.Play(); })},
        {"flash_stop", OnFlash([](TSkFlash& flash, const Call&) { flash.Stop(); })},
        {"run", Run},
        {"visible", SetVisible},
        {"enabled", SetEnabled},
        {"split_show_or_hide", ToggleSplitter},
        {"panel_show_or_hide", TogglePanel},
        {"sbutton_down", SpeedButtonDown},
        {"help_id", SetHelpId},
        {"help", Help},
        {"test", Test},
        {"nil", [](const Call&) {}},
    };
    return commands;
}

}  // namespace

namespace ActionCatalogue {

Outcome Run(TSkStract& scene, const RCommand& command, const QString& arg0, const QString& arg1,
            const RHelpAction& incoming)
{
    const auto it = Commands().constFind(command.Name);
    if (it == Commands().constEnd())
        return Outcome::Unknown;
    (*it)(Call{scene, command, arg0, arg1, incoming});
    return Outcome::Done;
}

}  // namespace ActionCatalogue
