#pragma once

#include "Value.h"

namespace swf {

// A value thrown by a script's Throw action, on its way to the nearest Try block.
class ScriptThrow {
public:
    explicit ScriptThrow(Value value) : m_value(std::move(value)) {}
    const Value& value() const { return m_value; }

private:
    Value m_value;
};

} // namespace swf
