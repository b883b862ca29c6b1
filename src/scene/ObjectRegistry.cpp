#include "ObjectRegistry.h"

ObjectRegistry::~ObjectRegistry()
{
    DestroyAll();
}

void ObjectRegistry::Add(QObject* object, Family family)
{
    families_[size_t(family)].append(object);
    objects_.append(object);
}

QObject* ObjectRegistry::Find(const QString& name) const
{
    return FindIn(objects_, name);
}

QObject* ObjectRegistry::FindInFamily(const QString& name, Family family) const
{
    return FindIn(families_[size_t(family)], name);
}

QList<QObject*> ObjectRegistry::Objects() const
{
    return Live(objects_);
}

QList<QObject*> ObjectRegistry::Members(Family family) const
{
    return Live(families_[size_t(family)]);
}

void ObjectRegistry::DestroyAll()
{
    for (const QPointer<QObject>& object : std::exchange(objects_, {}))
        delete object.data();  // null when its container took it down already
    for (List& family : families_)
        family.clear();
}

QObject* ObjectRegistry::FindIn(const List& list, const QString& name)
{
    for (const QPointer<QObject>& object : list) {
        if (object && object->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return object;
    }
    return nullptr;
}

QList<QObject*> ObjectRegistry::Live(const List& list)
{
    QList<QObject*> live;
    for (const QPointer<QObject>& object : list) {
        if (object)
            live.append(object);
    }
    return live;
}
