#pragma once

#include "Geometry.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace swf {

// Event bits of clip actions, as stored in the file (low byte first).
enum ClipEvent : quint32 {
    EventLoad = 1u << 0,
    EventEnterFrame = 1u << 1,
    EventUnload = 1u << 2,
    EventData = 1u << 8,
    EventInitialize = 1u << 9,
    EventKeyPress = 1u << 17,
    EventConstruct = 1u << 18,
};

struct ClipAction {
    quint32 events = 0;
    int keyCode = 0;
    QByteArray actions;
};

// One PlaceObject, PlaceObject2 or PlaceObject3 record; absent fields keep the previous values
// when the record moves an existing object.
struct PlaceObject {
    int depth = 0;
    bool move = false;
    std::optional<int> characterId;
    std::optional<Matrix> matrix;
    std::optional<ColorTransform> colorTransform;
    std::optional<int> ratio;
    std::optional<QString> name;
    std::optional<int> clipDepth;
    std::optional<bool> visible;
    std::vector<ClipAction> clipActions;

    static PlaceObject parse(int tagCode, const QByteArray& body, int version);
};

} // namespace swf
