#include "MovieClipMethods.h"

#include "Avm.h"
#include "ClipObject.h"
#include "MovieClip.h"
#include "MovieDefinition.h"

#include <cmath>
#include <limits>

namespace swf {

namespace {

using Args = std::vector<Value>;
using ClipMethod = std::function<Value(Avm&, MovieClip&, const Args&)>;

Value arg(const Args& args, size_t index)
{
    return index < args.size() ? args[index] : Value();
}

// Methods called on anything but a live clip do nothing and return undefined.
void clipMethod(Avm& avm, const char* name, ClipMethod body)
{
    avm.clipPrototype()->setHidden(QLatin1String(name), Value(avm.newFunction(
        [body = std::move(body)](Avm& a, const Value& self, const Args& args) {
            MovieClip* clip = self.object() ? self.object()->asClip() : nullptr;
            return clip ? body(a, *clip, args) : Value();
        })));
}

void gotoFrame(Avm& avm, MovieClip& clip, const Value& frame, bool play)
{
    if (frame.isString()) {
        if (const auto number = clip.frameNumber(frame.string()))
            clip.gotoFrame(*number, play);
        return;
    }
    // The frame number wraps to 32 bits and counts from 0 the way the Flash Player does it, so
    // 0 and negative numbers are ignored while -2^31 means "past the end".
    const double number = avm.toNumber(frame);
    const double wrapped = std::isfinite(number) ? std::fmod(std::trunc(number), 4294967296.0) : 0;
    const quint32 bits = static_cast<quint32>(static_cast<qint64>(wrapped));
    const qint32 index = static_cast<qint32>(bits - 1u);
    if (index >= 0)
        clip.gotoFrame(qint64(index) + 1, play);
}

int scriptDepth(const Value& depth, Avm& avm)
{
    const qint64 fileDepth = qint64(avm.toInt32(depth)) + MovieClip::kDepthOffset;
    return static_cast<int>(std::min<qint64>(fileDepth, std::numeric_limits<int>::max()));
}

// A new clip gets the properties of the optional initialisation object before its first frame
// runs its actions.
Value objectOf(MovieClip* clip, const Value& init = Value())
{
    if (!clip)
        return Value();
    if (Object* source = init.object()) {
        for (const QString& name : source->enumerableNames())
            clip->object()->setOwn(name, source->getOwn(name, true).value_or(Value()), true);
    }
    return Value(clip->object());
}

void installTimelineMethods(Avm& avm)
{
    clipMethod(avm, "play", [](Avm&, MovieClip& clip, const Args&) { clip.play(); return Value(); });
    clipMethod(avm, "stop", [](Avm&, MovieClip& clip, const Args&) { clip.stop(); return Value(); });
    clipMethod(avm, "nextFrame", [](Avm&, MovieClip& clip, const Args&) { clip.nextFrame(); return Value(); });
    clipMethod(avm, "prevFrame", [](Avm&, MovieClip& clip, const Args&) { clip.prevFrame(); return Value(); });
    clipMethod(avm, "gotoAndPlay", [](Avm& a, MovieClip& clip, const Args& args) {
        gotoFrame(a, clip, arg(args, 0), true);
        return Value();
    });
    clipMethod(avm, "gotoAndStop", [](Avm& a, MovieClip& clip, const Args& args) {
        gotoFrame(a, clip, arg(args, 0), false);
        return Value();
    });
}

void installDepthMethods(Avm& avm)
{
    clipMethod(avm, "getDepth", [](Avm&, MovieClip& clip, const Args&) {
        return Value(clip.depth() - MovieClip::kDepthOffset);
    });
    clipMethod(avm, "getInstanceAtDepth", [](Avm& a, MovieClip& clip, const Args& args) {
        return objectOf(clip.childAtDepth(scriptDepth(arg(args, 0), a)));
    });
    clipMethod(avm, "getNextHighestDepth", [](Avm&, MovieClip& clip, const Args&) {
        const int highest = clip.children().empty() ? -1 : clip.children().rbegin()->first - MovieClip::kDepthOffset;
        return Value(std::max(0, highest + 1));
    });
}

void installCreationMethods(Avm& avm)
{
    clipMethod(avm, "attachMovie", [](Avm& a, MovieClip& clip, const Args& args) {
        const auto id = a.movie().exported(a.toString(arg(args, 0)));
        if (!id)
            return Value();
        return objectOf(clip.attach(*id, a.toString(arg(args, 1)), scriptDepth(arg(args, 2), a)), arg(args, 3));
    });
    clipMethod(avm, "createEmptyMovieClip", [](Avm& a, MovieClip& clip, const Args& args) {
        return objectOf(clip.attach(0, a.toString(arg(args, 0)), scriptDepth(arg(args, 1), a)));
    });
    clipMethod(avm, "duplicateMovieClip", [](Avm& a, MovieClip& clip, const Args& args) {
        return objectOf(clip.duplicate(a.toString(arg(args, 0)), scriptDepth(arg(args, 1), a)), arg(args, 2));
    });
    clipMethod(avm, "removeMovieClip", [](Avm&, MovieClip& clip, const Args&) {
        if (clip.parent() && clip.depth() >= MovieClip::kDepthOffset)
            clip.parent()->removeChild(clip.depth());
        return Value();
    });
}

} // namespace

void installMovieClipMethods(Avm& avm)
{
    FunctionObject* constructor = avm.newFunction([](Avm&, const Value&, const Args&) { return Value(); });
    constructor->setHidden(QStringLiteral("prototype"), Value(avm.clipPrototype()));
    avm.clipPrototype()->setHidden(QStringLiteral("constructor"), Value(constructor));
    avm.global()->setHidden(QStringLiteral("MovieClip"), Value(constructor));
    installTimelineMethods(avm);
    installDepthMethods(avm);
    installCreationMethods(avm);
}

} // namespace swf
