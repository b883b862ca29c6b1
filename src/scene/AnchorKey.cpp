#include "AnchorKey.h"

#include "ControlGeometry.h"
#include "NumberText.h"
#include "SkPanel.h"

#include <QWidget>
#include <array>
#include <optional>

namespace {

using Anchor = ControlGeometry::Anchor;

// The four fields: the text before each of the first three spaces, then the text before the
// fourth space (or all that is left).
std::array<QString, 4> Fields(const QString& value)
{
    std::array<QString, 4> fields;
    QString rest = value;
    for (QString& field : fields) {
        const qsizetype space = rest.indexOf(u' ');
        field = space < 0 ? rest : rest.left(space);
        rest = space < 0 ? QString() : rest.mid(space + 1);
    }
    return fields;
}

std::optional<int> Edge(const QString& field)
{
    if (field == QLatin1String("*"))
        return std::nullopt;
    return StrToInt(field);
}

struct Span {
    int start;
    int end;
};

// One direction: the near and far edge distances, the parent's length and the control's own.
Span Place(std::optional<int> nearEdge, std::optional<int> farEdge, int parentLength, int start, int length)
{
    if (!nearEdge && !farEdge)
        return {start, start + length};
    const int from = nearEdge ? *nearEdge : parentLength - *farEdge - length;
    const int to = farEdge ? parentLength - *farEdge : *nearEdge + length;
    return {from, to};
}

}  // namespace

void ApplyAnchor(QWidget* control, const QString& value)
{
    const auto fields = Fields(value);
    const std::optional<int> left = Edge(fields[0]);
    const std::optional<int> top = Edge(fields[1]);
    const std::optional<int> right = Edge(fields[2]);
    const std::optional<int> bottom = Edge(fields[3]);
    const QWidget* parent = control->parentWidget();
    const QSize client = parent ? parent->contentsRect().size() : QSize();

    ControlGeometry* geometry = ControlGeometry::Of(control);
    ControlGeometry::Anchors anchors = geometry->GetAnchors();
    if (left)
        anchors |= Anchor::Left;
    if (right)
        anchors |= Anchor::Right;
    if (top)
        anchors |= Anchor::Top;
    if (bottom)
        anchors |= Anchor::Bottom;

    auto* panel = qobject_cast<TSkPanel*>(control);
    if (!left && !right && panel)
        panel->SetCenterH(true);
    if (!top && !bottom && panel)
        panel->SetCenterV(true);
    const Span x = Place(left, right, client.width(), control->x(), control->width());
    const Span y = Place(top, bottom, client.height(), control->y(), control->height());
    geometry->SetBounds(QRect(QPoint(x.start, y.start), QPoint(x.end - 1, y.end - 1)));
    geometry->SetAnchors(anchors);
}
