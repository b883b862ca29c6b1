#pragma once

#include "Family.h"
#include "HelpAction.h"
#include "HintHook.h"
#include "IniFile.h"
#include "ObjectRegistry.h"
#include "SkSkin.h"

#include <QImage>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <utility>

class QWidget;
class TSkComboBox;
class TSkForm;
class TSkSpeedButton;

// The scene interpreter: builds one scene of a window from its struct file, keeps every object it
// created, routes the window's events to the scene while it is the active one, and takes the
// scene down again when destroyed.
class TSkStract {
public:
    TSkStract(TSkForm* form, const QString& structName);
    ~TSkStract();
    TSkStract(const TSkStract&) = delete;
    TSkStract& operator=(const TSkStract&) = delete;

    // Reads the struct file and builds the scene. Errors of resource loading, number conversion
    // and component names travel out as AppError.
    void LoadStruct();
    void Activate();

    void ReportError(const QString& message) const;

    // Lookups by object name, without regard to case; the first created wins. A miss is reported.
    QObject* GetControl(const QString& name) const;
    QObject* FindInFamily(const QString& name, Family family) const;

    // The first combo box whose action template starts with `name` (before its first "*"), and
    // the first speed button whose action does so and, when `rest` is given, continues with
    // exactly `rest`; both without regard to case and without reporting a miss.
    TSkComboBox* FindComboByAction(const QString& name) const;
    TSkSpeedButton* FindSpeedButtonByAction(const QString& name, const QString& rest) const;

    void DispatchAction(const RHelpAction& action);
    // A click on a control (or a change of its value) sends the control's action.
    void ControlClick(QObject* sender);
    // Enter in an edit box sends its action text; the key goes on to the box as usual.
    void ControlKeyDown(QObject* sender, int key);
    void RunActionString(const QString& action);

    void ShowSplash(const QString& name);
    void CloseSplash();

    // A list-box item too wide for its box gets its full text as a hint over its row.
    std::optional<HintHook::Hint> HandleShowHint(const HintHook::Request& request) const;
    void HandleWindowSize(int width, int height);
    void HandleSkinResize();
    void HandleMaximize();
    void SwapMaxButtons(bool maximized);

    TSkForm* Form() const { return form_; }
    const IniFile& Ini() const { return ini_; }
    const ObjectRegistry& Registry() const { return registry_; }
    const QString& TempFile() const { return tempFile_; }
    TSkSkin& Skins() { return skins_; }
    int PageIndex() const { return pageIndex_; }
    QWidget* Page() const;

    // Objects the control pass could not place: their master is missing, not a container, or a
    // second form object. Kept for the course checker and --dump.
    const QStringList& LeftOver() const { return leftOver_; }

    std::function<void(const RHelpAction&)> OnUnknownAction;
    bool ShowErrors = true;
    bool SavePos = false;
    QString HelpId;
    QString SkinName;
    QString RegKey;
    QStringList Favorites;

private:
    struct Entry {
        QString name;
        QString master;
    };

    void FormPass(QList<Entry>& entries);
    void AttachPage();
    void MenuPass(QList<Entry>& entries);
    void ControlPass(QList<Entry>& entries);
    void CreateChildren(QList<Entry>& entries, QWidget* container, const QString& name);
    QWidget* CreateObject(QWidget* parent, const QString& name, const QString& type);
    void RegisterHotKeys(const QString& name);
    void InstallHooks();
    QString TypeOf(const QString& section) const;

    // Wraps a member call for the window's and the application's hooks: once this interpreter is
    // destroyed, a hook still pointing at it does nothing.
    template <typename... Args>
    std::function<void(Args...)> Bound(void (TSkStract::*method)(Args...));

    std::shared_ptr<TSkStract*> self_;
    TSkForm* form_;
    IniFile ini_;
    ObjectRegistry registry_;
    QString tempFile_;
    QString formName_;
    int pageIndex_ = 0;
    QStringList leftOver_;
    TSkSkin skins_;
    std::unique_ptr<QWidget> splash_;
};

template <typename... Args>
std::function<void(Args...)> TSkStract::Bound(void (TSkStract::*method)(Args...))
{
    return [weak = std::weak_ptr<TSkStract*>(self_), method](Args... args) {
        if (auto alive = weak.lock())
            ((*alive)->*method)(std::forward<Args>(args)...);
    };
}
