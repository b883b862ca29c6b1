#include "FunctionObject.h"

namespace swf {

FunctionObject::FunctionObject(Object* prototype, NativeFunction native)
    : Object(prototype), m_native(std::move(native))
{
}

FunctionObject::FunctionObject(Object* prototype, ScriptFunction script)
    : Object(prototype), m_script(std::move(script))
{
}

} // namespace swf
