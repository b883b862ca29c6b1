#include "ShowEffects.h"

#include <QHash>
#include <QLabel>
#include <QPropertyAnimation>
#include <QWidget>

namespace {

// How far a sliding window travels, as a part of its own size.
constexpr double kSlideDistance = 0.25;
// The size a zooming window starts from, as a part of its own size.
constexpr double kZoomStart = 0.2;

// The direction each slide moves the window in.
const QHash<QString, QPoint>& SlideDirections()
{
    static const QHash<QString, QPoint> directions = {
        {QStringLiteral("slide_down"), {0, 1}},
        {QStringLiteral("slide_up"), {0, -1}},
        {QStringLiteral("slide_left"), {-1, 0}},
        {QStringLiteral("slide_right"), {1, 0}},
    };
    return directions;
}

QPropertyAnimation* Animate(QObject& target, const char* property, const QVariant& from,
                            const QVariant& to, int milliseconds)
{
    auto* animation = new QPropertyAnimation(&target, property, &target);
    animation->setDuration(milliseconds);
    animation->setStartValue(from);
    animation->setEndValue(to);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
    return animation;
}

void Fade(QWidget& window, int milliseconds)
{
    window.setWindowOpacity(0.0);
    Animate(window, "windowOpacity", 0.0, 1.0, milliseconds);
}

void Slide(QWidget& window, int milliseconds, QPoint direction)
{
    const QPoint offset(qRound(direction.x() * window.width() * kSlideDistance),
                        qRound(direction.y() * window.height() * kSlideDistance));
    Fade(window, milliseconds);
    Animate(window, "pos", window.pos() - offset, window.pos(), milliseconds);
}

// The window stays transparent while a borderless picture of it grows into its place.
void Zoom(QWidget& window, int milliseconds)
{
    auto* picture = new QLabel(&window, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    picture->setAttribute(Qt::WA_ShowWithoutActivating);
    picture->setScaledContents(true);
    picture->setPixmap(window.grab());
    const QRect target = window.geometry();
    QRect start(QPoint(), target.size() * kZoomStart);
    start.moveCenter(target.center());
    picture->setGeometry(start);
    window.setWindowOpacity(0.0);
    picture->show();
    QPropertyAnimation* animation = Animate(*picture, "geometry", start, target, milliseconds);
    QObject::connect(animation, &QAbstractAnimation::finished, &window, [&window, picture] {
        window.setWindowOpacity(1.0);
        picture->deleteLater();
    });
}

bool IsKnown(const QString& key)
{
    return key == u"fade" || key == u"zoom" || SlideDirections().contains(key);
}

}  // namespace

bool PlayShowEffect(QWidget& window, const QString& name, int milliseconds)
{
    const QString key = name.toLower();
    if (!IsKnown(key))
        return false;
    // A maximized window stays where it is: it only fades in.
    if (key == u"fade" || window.isMaximized() || window.isFullScreen())
        Fade(window, milliseconds);
    else if (key == u"zoom")
        Zoom(window, milliseconds);
    else
        Slide(window, milliseconds, SlideDirections().value(key));
    return true;
}
