#include "ArrayObject.h"

#include <cmath>

namespace swf {

Value ArrayObject::at(int index) const
{
    return getOwn(QString::number(index), true).value_or(Value());
}

void ArrayObject::push(const Value& value)
{
    setOwn(QString::number(m_length), value, true);
}

std::optional<Value> ArrayObject::getOwn(const QString& name, bool caseSensitive) const
{
    if (name == QLatin1String("length"))
        return Value(m_length);
    return Object::getOwn(name, caseSensitive);
}

void ArrayObject::setOwn(const QString& name, const Value& value, bool caseSensitive)
{
    if (name == QLatin1String("length")) {
        const int newLength = value.isNumber() && std::isfinite(value.number()) ? std::max(0, int(value.number())) : m_length;
        for (int i = newLength; i < m_length; ++i)
            removeOwn(QString::number(i), true);
        m_length = newLength;
        return;
    }
    Object::setOwn(name, value, caseSensitive);
    bool numeric = false;
    const int index = name.toInt(&numeric);
    if (numeric && index >= m_length)
        m_length = index + 1;
}

} // namespace swf
