#pragma once

#include "Object.h"

namespace swf {

class Avm;

// The script face of a movie clip: its timeline variables, its display properties (_x,
// _currentframe, …) and its named children. Outlives the clip; once the clip is removed the
// object keeps its variables but no longer reaches a clip.
class ClipObject : public Object {
public:
    ClipObject(Avm& avm, Object* prototype, MovieClip* clip);

    MovieClip* asClip() const override { return m_clip; }
    void detach() { m_clip = nullptr; }

    std::optional<Value> getOwn(const QString& name, bool caseSensitive) const override;
    void setOwn(const QString& name, const Value& value, bool caseSensitive) override;
    QString className() const override { return QStringLiteral("MovieClip"); }

private:
    Avm& m_avm;
    MovieClip* m_clip;
};

} // namespace swf
