#pragma once

#include <QString>

namespace swf {

class Object;

// A script value: undefined, null, boolean, number, string or a reference to an object (objects
// live as long as the runtime that made them).
class Value {
public:
    enum class Type { Undefined, Null, Boolean, Number, String, Object };

    Value() = default;
    Value(bool value) : m_type(Type::Boolean), m_bool(value) {}
    Value(double value) : m_type(Type::Number), m_number(value) {}
    Value(int value) : Value(static_cast<double>(value)) {}
    Value(const QString& value) : m_type(Type::String), m_string(value) {}
    Value(const char* value) = delete;
    Value(Object* object);
    static Value null();

    Type type() const { return m_type; }
    bool isUndefined() const { return m_type == Type::Undefined; }
    bool isNull() const { return m_type == Type::Null; }
    bool isNullish() const { return m_type == Type::Undefined || m_type == Type::Null; }
    bool isNumber() const { return m_type == Type::Number; }
    bool isString() const { return m_type == Type::String; }
    bool isObject() const { return m_type == Type::Object; }

    bool boolean() const { return m_bool; }
    double number() const { return m_number; }
    const QString& string() const { return m_string; }
    Object* object() const { return m_type == Type::Object ? m_object : nullptr; }

private:
    Type m_type = Type::Undefined;
    bool m_bool = false;
    double m_number = 0;
    QString m_string;
    Object* m_object = nullptr;
};

} // namespace swf
