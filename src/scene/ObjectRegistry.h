#pragma once

#include "Family.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <array>

// What a scene created: every object in creation order (owned: DestroyAll frees them), and one
// list per family (not owning). An object destroyed otherwise drops out of every list.
class ObjectRegistry {
public:
    ObjectRegistry() = default;
    ObjectRegistry(const ObjectRegistry&) = delete;
    ObjectRegistry& operator=(const ObjectRegistry&) = delete;
    ~ObjectRegistry();

    // Adds to the family list first, then to the list of all objects.
    void Add(QObject* object, Family family);

    // The first object whose name equals `name` without regard to case, or nullptr.
    QObject* Find(const QString& name) const;
    QObject* FindInFamily(const QString& name, Family family) const;

    QList<QObject*> Objects() const;
    QList<QObject*> Members(Family family) const;

    // Destroys every object, in creation order (a container takes its children with it).
    void DestroyAll();

private:
    using List = QList<QPointer<QObject>>;
    static QObject* FindIn(const List& list, const QString& name);
    static QList<QObject*> Live(const List& list);

    List objects_;
    std::array<List, kFamilyCount> families_;
};
