#include "ClipObject.h"

#include "Avm.h"
#include "ClipProperties.h"
#include "MovieClip.h"

namespace swf {

ClipObject::ClipObject(Avm& avm, Object* prototype, MovieClip* clip)
    : Object(prototype), m_avm(avm), m_clip(clip)
{
}

std::optional<Value> ClipObject::getOwn(const QString& name, bool caseSensitive) const
{
    if (!m_clip)
        return Object::getOwn(name, caseSensitive);
    if (name.startsWith(QLatin1Char('_'))) {
        if (auto index = clipPropertyIndex(name))
            return getClipProperty(*m_clip, *index);
        if (name.compare(QLatin1String("_parent"), Qt::CaseInsensitive) == 0)
            return m_clip->parent() ? Value(m_clip->parent()->object()) : Value();
        if (name.compare(QLatin1String("_root"), Qt::CaseInsensitive) == 0)
            return Value(m_avm.root().object());
    }
    if (auto own = Object::getOwn(name, caseSensitive))
        return own;
    if (MovieClip* child = m_clip->childByName(name, caseSensitive))
        return Value(child->object());
    return std::nullopt;
}

void ClipObject::setOwn(const QString& name, const Value& value, bool caseSensitive)
{
    if (m_clip && name.startsWith(QLatin1Char('_'))) {
        if (auto index = clipPropertyIndex(name)) {
            setClipProperty(*m_clip, *index, value, m_avm);
            return;
        }
    }
    Object::setOwn(name, value, caseSensitive);
}

} // namespace swf
