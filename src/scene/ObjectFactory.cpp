#include "ObjectFactory.h"

#include "ComponentNames.h"
#include "PlaceholderControl.h"
#include "SkForm.h"
#include "SkStract.h"

#include <QMenu>

namespace {

bool IsContainer(Family family)
{
    return family == Family::Panel || family == Family::ParentPanel || family == Family::Flash
        || family == Family::ScrollBox;
}

// Menus and media players belong to the window; every other control to its parent.
bool IsOwnedByWindow(Family family)
{
    return family == Family::PopMenu || family == Family::Media;
}

QObject* NewControl(Family family, QWidget* parent, TSkForm* window)
{
    switch (family) {
    case Family::PopMenu:
        return new QMenu(window);
    case Family::Media:
        return new QObject(window);
    default:
        return new PlaceholderControl(FamilyTypeName(family), parent);
    }
}

}  // namespace

ObjectFactory::Created ObjectFactory::Create(Family family, QWidget* parent, const QString& name)
{
    TSkForm* window = scene_.Form();
    ComponentNames::Claim(IsOwnedByWindow(family) ? static_cast<QObject*>(window) : parent, name);
    QObject* object = NewControl(family, parent, window);
    object->setObjectName(name);
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && !IsOwnedByWindow(family))
        widget->show();
    return {object, IsContainer(family) ? widget : nullptr};
}
