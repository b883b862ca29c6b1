#include "Value.h"

namespace swf {

Value::Value(Object* object)
    : m_type(object ? Type::Object : Type::Null), m_object(object)
{
}

Value Value::null()
{
    Value value;
    value.m_type = Type::Null;
    return value;
}

} // namespace swf
