#pragma once

#include <QMouseEvent>  // for the handlers of SetOnMouseDown
#include <QStackedWidget>
#include <QString>
#include <functional>

// The page book of a window: a stack of named pages, one shown at a time. It starts with one
// page named "Default", which is current; a page added later becomes current. A page's name is
// its object name, so style sheets can select it as "#name".
class Notebook : public QStackedWidget {
    Q_OBJECT
public:
    explicit Notebook(QWidget* parent = nullptr);

    // Adds an empty page, makes it current and returns its index.
    int AddPage(const QString& name);

    int PageCount() const { return count(); }
    QWidget* Page(int index) const { return widget(index); }  // nothing when out of range
    QWidget* PageByName(const QString& name) const;          // case-insensitive; nothing when absent
    QString PageName(int index) const;                         // empty when out of range
    int CurrentIndex() const { return currentIndex(); }
    void SetCurrentIndex(int index) { setCurrentIndex(index); }

    // Called for a mouse press on the background of the current page (not on a control on it).
    void SetOnMouseDown(std::function<void(QMouseEvent*)> handler) { onMouseDown_ = std::move(handler); }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::function<void(QMouseEvent*)> onMouseDown_;
};
