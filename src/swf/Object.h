#pragma once

#include "Value.h"

#include <QString>
#include <optional>
#include <vector>

namespace swf {

class FunctionObject;
class MovieClip;

// A script object: named properties in creation order and a prototype. Subclasses add arrays,
// functions and the objects that stand for movie clips.
class Object {
public:
    struct Property {
        QString name;
        Value value;
        bool hidden = false;   // left out of for..in
    };

    explicit Object(Object* prototype = nullptr) : m_prototype(prototype) {}
    virtual ~Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    Object* prototype() const { return m_prototype; }
    void setPrototype(Object* prototype) { m_prototype = prototype; }

    virtual std::optional<Value> getOwn(const QString& name, bool caseSensitive) const;
    virtual void setOwn(const QString& name, const Value& value, bool caseSensitive);
    virtual bool removeOwn(const QString& name, bool caseSensitive);
    void setHidden(const QString& name, const Value& value);
    std::vector<QString> enumerableNames() const;

    virtual FunctionObject* asFunction() { return nullptr; }
    virtual MovieClip* asClip() const { return nullptr; }
    virtual QString className() const { return QStringLiteral("Object"); }

protected:
    Property* find(const QString& name, bool caseSensitive);
    const Property* find(const QString& name, bool caseSensitive) const;

private:
    Object* m_prototype;
    std::vector<Property> m_properties;
};

} // namespace swf
