#include "Notebook.h"

Notebook::Notebook(QWidget* parent)
    : QStackedWidget(parent)
{
    AddPage(QStringLiteral("Default"));
}

int Notebook::AddPage(const QString& name)
{
    auto* page = new QWidget(this);
    page->setObjectName(name);
    const int index = addWidget(page);
    setCurrentIndex(index);
    return index;
}

QWidget* Notebook::PageByName(const QString& name) const
{
    for (int i = 0; i < count(); ++i) {
        if (widget(i)->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return widget(i);
    }
    return nullptr;
}

QString Notebook::PageName(int index) const
{
    const QWidget* page = widget(index);
    return page ? page->objectName() : QString();
}

// Presses on a page's controls that the controls do not take reach us too; only a press whose
// deepest widget is the page itself is on its background.
void Notebook::mousePressEvent(QMouseEvent* event)
{
    if (onMouseDown_ && currentWidget() && childAt(event->position().toPoint()) == currentWidget()) {
        event->accept();
        onMouseDown_(event);
        return;
    }
    QStackedWidget::mousePressEvent(event);
}
