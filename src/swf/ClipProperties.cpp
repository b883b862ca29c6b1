#include "ClipProperties.h"

#include "Avm.h"
#include "MovieClip.h"

#include <array>
#include <cmath>
#include <numbers>

namespace swf {

namespace {

const std::array<const char*, 22> kNames = {
    "_x", "_y", "_xscale", "_yscale", "_currentframe", "_totalframes", "_alpha", "_visible",
    "_width", "_height", "_rotation", "_target", "_framesloaded", "_name", "_droptarget", "_url",
    "_highquality", "_focusrect", "_soundbuftime", "_quality", "_xmouse", "_ymouse"};

enum Index { X, Y, XScale, YScale, CurrentFrame, TotalFrames, Alpha, Visible, Width, Height,
             Rotation, Target, FramesLoaded, Name, DropTarget, Url, HighQuality, FocusRect,
             SoundBufTime, Quality, XMouse, YMouse };

double scaleX(const Matrix& m) { return std::hypot(m.a, m.b) * 100; }
double scaleY(const Matrix& m) { return std::hypot(m.c, m.d) * 100; }
double rotation(const Matrix& m) { return std::atan2(m.b, m.a) * 180 / std::numbers::pi; }

// Rebuilds the linear part from scale and rotation, as the Flash Player keeps them apart.
void setLinear(Matrix& m, double xs, double ys, double degrees)
{
    const double r = degrees * std::numbers::pi / 180;
    m.a = xs / 100 * std::cos(r);
    m.b = xs / 100 * std::sin(r);
    m.c = -ys / 100 * std::sin(r);
    m.d = ys / 100 * std::cos(r);
}

double roundTwips(double pixels) { return std::round(pixels * 20); }

} // namespace

std::optional<int> clipPropertyIndex(const QString& name)
{
    for (size_t i = 0; i < kNames.size(); ++i) {
        if (name.compare(QLatin1String(kNames[i]), Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

Value getClipProperty(const MovieClip& clip, int index)
{
    const Matrix& m = clip.matrix();
    switch (index) {
    case X: return m.tx / 20;
    case Y: return m.ty / 20;
    case XScale: return scaleX(m);
    case YScale: return scaleY(m);
    case CurrentFrame: return std::max(1, clip.currentFrame());
    case TotalFrames: return clip.totalFrames();
    case Alpha: return clip.colorTransform().aMul * 100;
    case Visible: return clip.visible();
    case Width: case Height: return 0;
    case Rotation: return rotation(m);
    case Target: return clip.slashPath();
    case FramesLoaded: return clip.totalFrames();
    case Name: return clip.name();
    case DropTarget: return QString();
    case Url: return QStringLiteral("file:///movie.swf");
    case HighQuality: return 1;
    case FocusRect: return true;
    case SoundBufTime: return 5;
    case Quality: return QStringLiteral("HIGH");
    case XMouse: case YMouse: return 0;
    }
    return Value();
}

void setClipProperty(MovieClip& clip, int index, const Value& value, Avm& avm)
{
    Matrix m = clip.matrix();
    const double number = avm.toNumber(value);
    if (index != Name && index != Visible && !std::isfinite(number))
        return;
    switch (index) {
    case X: m.tx = roundTwips(number); break;
    case Y: m.ty = roundTwips(number); break;
    case XScale: setLinear(m, number, scaleY(m), rotation(m)); break;
    case YScale: setLinear(m, scaleX(m), number, rotation(m)); break;
    case Rotation: setLinear(m, scaleX(m), scaleY(m), std::fmod(number, 360)); break;
    case Alpha: {
        ColorTransform cx = clip.colorTransform();
        cx.aMul = number / 100;
        clip.setColorTransform(cx);
        return;
    }
    case Visible: clip.setVisible(avm.toBoolean(value)); return;
    case Name: clip.setName(avm.toString(value)); return;
    default: return;   // read-only or not kept
    }
    clip.setMatrix(m);
}

} // namespace swf
