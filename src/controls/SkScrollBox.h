#pragma once

#include <QScrollArea>

// A scroll box of a scene. Controls placed in it go into ContentWidget(), which covers at least
// the visible area and grows to reach the right and bottom edges of every shown child that is
// not docked (docked children follow the content's size instead), so the scroll bars cover them.
class TSkScrollBox : public QScrollArea {
    Q_OBJECT
public:
    explicit TSkScrollBox(QWidget* parent = nullptr);

    QWidget* ContentWidget() const { return widget(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateRange();
};
