#pragma once

#include "Value.h"

#include <QString>
#include <vector>

namespace swf {

class FunctionObject;
class Object;

// What one piece of running bytecode sees: its timeline (the target of unqualified names and
// timeline actions, changed by SetTarget), "this", the scope chain, registers and constants.
struct ExecContext {
    Object* timeline = nullptr;
    Object* originalTimeline = nullptr;
    Value thisValue;
    std::vector<Object*> scope;         // innermost last
    Object* activation = nullptr;       // locals of a function call
    std::vector<Value> registers = std::vector<Value>(4);
    std::vector<QString> constants;
};

} // namespace swf
