#include "Object.h"

namespace swf {

Object::Property* Object::find(const QString& name, bool caseSensitive)
{
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (Property& property : m_properties) {
        if (property.name.compare(name, cs) == 0)
            return &property;
    }
    return nullptr;
}

const Object::Property* Object::find(const QString& name, bool caseSensitive) const
{
    return const_cast<Object*>(this)->find(name, caseSensitive);
}

std::optional<Value> Object::getOwn(const QString& name, bool caseSensitive) const
{
    if (const Property* property = find(name, caseSensitive))
        return property->value;
    return std::nullopt;
}

void Object::setOwn(const QString& name, const Value& value, bool caseSensitive)
{
    if (Property* property = find(name, caseSensitive))
        property->value = value;
    else
        m_properties.push_back({name, value, false});
}

bool Object::removeOwn(const QString& name, bool caseSensitive)
{
    Property* property = find(name, caseSensitive);
    if (!property)
        return false;
    m_properties.erase(m_properties.begin() + (property - m_properties.data()));
    return true;
}

void Object::setHidden(const QString& name, const Value& value)
{
    setOwn(name, value, true);
    find(name, true)->hidden = true;
}

// for..in visits the newest properties first.
std::vector<QString> Object::enumerableNames() const
{
    std::vector<QString> names;
    for (auto it = m_properties.rbegin(); it != m_properties.rend(); ++it) {
        if (!it->hidden)
            names.push_back(it->name);
    }
    return names;
}

} // namespace swf
