#include "PlaceObject.h"

#include "ByteReader.h"
#include "SwfError.h"
#include "SwfText.h"

namespace swf {

namespace {

constexpr int kPlaceObject = 4;
constexpr int kPlaceObject3 = 70;

// Filters are not drawn yet; their records are skipped by their sizes.
void skipFilters(ByteReader& in)
{
    const int count = in.u8();
    for (int i = 0; i < count; ++i) {
        const int type = in.u8();
        switch (type) {
        case 0: in.skip(23); break;                  // drop shadow
        case 1: in.skip(9); break;                   // blur
        case 2: in.skip(15); break;                  // glow
        case 3: in.skip(27); break;                  // bevel
        case 4:                                      // gradient glow
        case 7: in.skip(in.u8() * 5 + 19); break;    // gradient bevel
        case 5: {                                    // convolution
            const int cols = in.u8();
            const int rows = in.u8();
            in.skip(8 + 4 * cols * rows + 5);
            break;
        }
        case 6: in.skip(80); break;                  // colour matrix
        default:
            throw SwfError(QStringLiteral("Damaged SWF data: unknown filter type %1").arg(type));
        }
    }
}

std::vector<ClipAction> readClipActions(ByteReader& in, int version)
{
    const bool wide = version >= 6;
    auto flags = [&] { return wide ? in.u32() : static_cast<quint32>(in.u16()); };
    in.u16();
    flags();
    std::vector<ClipAction> actions;
    while (!in.atEnd()) {
        ClipAction action;
        action.events = flags();
        if (action.events == 0)
            break;
        qsizetype size = in.u32();
        if (action.events & EventKeyPress) {
            action.keyCode = in.u8();
            --size;
        }
        action.actions = in.bytes(size);
        actions.push_back(std::move(action));
    }
    return actions;
}

PlaceObject parseFirstVersion(ByteReader& in)
{
    PlaceObject place;
    place.characterId = in.u16();
    place.depth = in.u16();
    place.matrix = in.matrix();
    if (!in.atEnd())
        place.colorTransform = in.colorTransform(false);
    return place;
}

} // namespace

PlaceObject PlaceObject::parse(int tagCode, const QByteArray& body, int version)
{
    ByteReader in(body);
    if (tagCode == kPlaceObject)
        return parseFirstVersion(in);

    const quint8 flags = in.u8();
    const quint8 flags3 = tagCode == kPlaceObject3 ? in.u8() : 0;
    PlaceObject place;
    place.move = flags & 0x01;
    place.depth = in.u16();
    if ((flags3 & 0x08) || ((flags3 & 0x10) && (flags & 0x02)))
        in.cString();   // class name
    if (flags & 0x02)
        place.characterId = in.u16();
    if (flags & 0x04)
        place.matrix = in.matrix();
    if (flags & 0x08)
        place.colorTransform = in.colorTransform(true);
    if (flags & 0x10)
        place.ratio = in.u16();
    if (flags & 0x20)
        place.name = decodeText(in.cString(), version);
    if (flags & 0x40)
        place.clipDepth = in.u16();
    if (flags3 & 0x01)
        skipFilters(in);
    if (flags3 & 0x02)
        in.u8();   // blend mode
    if (flags3 & 0x04)
        in.u8();   // bitmap cache
    if (flags3 & 0x20) {
        place.visible = in.u8() != 0;
        in.skip(4);   // background colour
    }
    if (flags & 0x80)
        place.clipActions = readClipActions(in, version);
    return place;
}

} // namespace swf
