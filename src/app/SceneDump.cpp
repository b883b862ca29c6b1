#include "SceneDump.h"

#include "ObjectRegistry.h"
#include "SkFlash.h"
#include "SkStract.h"

#include <QMenu>
#include <QWidget>

namespace {

QString TypeOf(const ObjectRegistry& registry, QObject* object)
{
    for (int f = 0; f < kFamilyCount; ++f) {
        if (registry.Members(Family(f)).contains(object))
            return FamilyTypeName(Family(f));
    }
    return QStringLiteral("?");
}

QString ParentName(const TSkStract& scene, const QWidget* widget)
{
    QObject* parent = widget ? widget->parentWidget() : nullptr;
    return parent && parent != scene.Page() && scene.Registry().Objects().contains(parent) ? parent->objectName()
                                                                                           : QStringLiteral("-");
}

QString TextOf(QObject* object)
{
    if (auto* menu = qobject_cast<QMenu*>(object))
        return menu->title();
    for (const char* property : {"text", "caption", "title"}) {
        const QVariant value = object->property(property);
        if (value.isValid())
            return value.toString().replace('\n', ' ').replace('\t', ' ');
    }
    return {};
}

// A movie adds its name and frame to its line, then a line per variable the host set.
QString FlashFields(QObject* object)
{
    auto* flash = qobject_cast<TSkFlash*>(object);
    return flash ? QStringLiteral("\t%1\t%2").arg(flash->MovieName()).arg(flash->CurrentFrame()) : QString();
}

QString FlashVariables(QObject* object)
{
    QString lines;
    if (auto* flash = qobject_cast<TSkFlash*>(object)) {
        for (const auto& [name, value] : flash->VariablesSet())
            lines += QStringLiteral("var %1 %2\n").arg(name, value);
    }
    return lines;
}

QString ObjectLine(const TSkStract& scene, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    const QRect bounds = widget ? widget->geometry() : QRect();
    return QStringList{object->objectName(),
                       TypeOf(scene.Registry(), object),
                       QString::fromLatin1(object->metaObject()->className()),
                       ParentName(scene, widget),
                       QString::number(scene.PageIndex()),
                       QStringLiteral("%1,%2,%3,%4").arg(bounds.x()).arg(bounds.y()).arg(bounds.width()).arg(bounds.height()),
                       widget && !widget->isHidden() ? QStringLiteral("1") : QStringLiteral("0"),
                       !widget || widget->isEnabled() ? QStringLiteral("1") : QStringLiteral("0"),
                       TextOf(object)}
               .join('\t')
        + FlashFields(object);
}

}  // namespace

QString SceneDump(const TSkStract& scene)
{
    QString dump;
    for (QObject* object : scene.Registry().Objects())
        dump += ObjectLine(scene, object) + '\n' + FlashVariables(object);
    for (const QString& name : scene.LeftOver())
        dump += QStringLiteral("leftover ") + name + '\n';
    return dump;
}
