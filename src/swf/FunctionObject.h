#pragma once

#include "Object.h"

#include <QByteArray>
#include <functional>
#include <vector>

namespace swf {

class Avm;

using NativeFunction = std::function<Value(Avm&, const Value& self, const std::vector<Value>& args)>;

// A function defined by bytecode (DefineFunction or DefineFunction2), with what it captured.
struct ScriptFunction {
    QString name;
    std::vector<std::pair<int, QString>> params;   // register (0 = none) and name
    QByteArray code;
    int registerCount = 0;
    quint16 flags = 0;
    bool isFunction2 = false;
    std::vector<Object*> scope;      // scope chain at definition, outermost first
    Object* timeline = nullptr;      // clip the function was defined on
    std::vector<QString> constants;  // constant pool at definition
};

// A callable object: either a native function of the engine or a script function.
class FunctionObject : public Object {
public:
    FunctionObject(Object* prototype, NativeFunction native);
    FunctionObject(Object* prototype, ScriptFunction script);

    const NativeFunction* native() const { return m_native ? &m_native : nullptr; }
    const ScriptFunction* script() const { return m_native ? nullptr : &m_script; }
    FunctionObject* asFunction() override { return this; }
    QString className() const override { return QStringLiteral("Function"); }

private:
    NativeFunction m_native;
    ScriptFunction m_script;
};

} // namespace swf
