#pragma once

#include <QPoint>
#include <QWidget>
#include <optional>

class QLabel;
class QToolButton;

// The caption of a skinned window: the window's icon and title (it follows both) and the help,
// minimize, maximize/restore and close buttons. It reports what the user asks for and leaves the
// decision to the window's skin hook; only dragging it to move the window is its own.
//
// Default look: the palette's highlight colour with the highlighted-text colour, title in DejaVu
// Sans. Object names for style sheets: "captionBar", "captionIcon", "captionTitle",
// "captionHelpButton", "captionMinimizeButton", "captionMaximizeButton", "captionCloseButton";
// the maximize button has the property "windowMaximized" (true while it offers to restore).
class CaptionBar : public QWidget {
    Q_OBJECT
public:
    CaptionBar(QWidget* window, QWidget* parent);

    // Shows exactly the buttons whose SkinForm::CaptionButton flags are set (SystemMenu: the icon).
    void SetButtons(int buttons);
    // While maximized the maximize button offers to restore, and the bar does not move the window.
    void SetMaximized(bool maximized);

signals:
    void HelpClicked();
    void MinimizeClicked();
    void MaximizeClicked();
    void CloseClicked();
    void DoubleClicked();
    void MenuRequested(QPoint globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void UseHighlightColours();
    QToolButton* AddButton(const char* objectName, const QString& glyph, const QString& toolTip);
    void ShowWindowIcon();
    void StartMove(QPoint cursor);

    QWidget* window_;
    QToolButton* icon_;
    QLabel* title_;
    QToolButton* help_;
    QToolButton* minimize_;
    QToolButton* maximize_;
    QToolButton* close_;
    bool maximized_ = false;
    std::optional<QPoint> pressPos_;    // where a press that may become a drag began (global)
    std::optional<QPoint> moveOffset_;  // while we move the window ourselves: cursor - window pos
};
