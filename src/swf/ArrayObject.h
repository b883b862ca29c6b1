#pragma once

#include "Object.h"

namespace swf {

// An array: indexed properties plus a "length" that follows the highest index and truncates
// when set.
class ArrayObject : public Object {
public:
    explicit ArrayObject(Object* prototype) : Object(prototype) {}

    int length() const { return m_length; }
    Value at(int index) const;
    void push(const Value& value);

    std::optional<Value> getOwn(const QString& name, bool caseSensitive) const override;
    void setOwn(const QString& name, const Value& value, bool caseSensitive) override;
    QString className() const override { return QStringLiteral("Array"); }

private:
    int m_length = 0;
};

} // namespace swf
