#pragma once

#include "HelpAction.h"
#include "Notebook.h"
#include "SkHotKey.h"
#include "ValueParsers.h"

#include <QFont>
#include <QPointer>
#include <QWidget>
#include <functional>

class QMenu;
class SkinForm;

// Base of every window a scene can fill: our skinned frame, the page book the scenes live on,
// the hot-key table, key handling (hot keys, Esc, restart), dragging by the background, and the
// fields through which scene interpreters and form keys configure the window.
class TSkForm : public QWidget {
    Q_OBJECT
public:
    explicit TSkForm(QWidget* owner = nullptr);
    ~TSkForm() override;

    void SetSizeable(bool sizeable);
    void SetDialog(bool dialog);
    void SetHelpButton(bool shown);
    void SetEffect(const QString& effect);
    const QString& Effect() const { return effect_; }

    // Adds "shortcut*action" for the current page of the page book, or for every page.
    void AddHotKey(const QString& text);
    const TSkHotKey& HotKeys() const { return hotKeys_; }

    // Handles a key press before the focused control sees it: hot keys, Esc, Ctrl+Alt+Q.
    void HandleKeyDown(const QKeyEvent& event);
    virtual void DragMouseDown(Qt::MouseButton button);

    // Resizes the window so that its client area (below our caption bar) gets this size.
    void SetClientSize(QSize size);

    SkinForm* Skin() const { return skin_; }
    QWidget* ClientArea() const;
    QMenu* SystemMenu() const { return systemMenu_; }

    // Gives the page book's pages the size the window's layouts give them now, also while the
    // window is hidden (Qt lays hidden windows out only when they are shown), so that scenes
    // place and anchor their controls against the real page size while they load.
    void LayOutPages();

    // The page book; absent until the first scene is loaded.
    Notebook* Pages() const { return pages_; }
    Notebook* CreatePages();

    bool EscClose = false;
    bool Moving = false;
    QString StructName;
    QString StartAction;
    bool HelpButton = false;
    bool Dialog = false;
    bool Resizable = true;
    std::function<void(const RHelpAction&)> OnAction;
    std::function<void(int width, int height)> OnSizeChanged;
    QFont MessageFont;
    QColor MessageFontColor;
    QString MaxButtons;
    QString NormalButtons;
    TColor PageColor = 0;
    QString HelpAction;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void RunAction(const QString& action, QPoint position);
    void HandleHelpButton(QPoint globalCursor);

    QString effect_;
    TSkHotKey hotKeys_;
    SkinForm* skin_;
    QMenu* systemMenu_;
    QPointer<Notebook> pages_;
};
