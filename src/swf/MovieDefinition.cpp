#include "MovieDefinition.h"

#include "ByteReader.h"
#include "SwfError.h"
#include "SwfText.h"
#include "TagReader.h"

namespace swf {

namespace {

enum TagCode {
    kShowFrame = 1,
    kPlaceObject = 4,
    kRemoveObject = 5,
    kSetBackgroundColor = 9,
    kDoAction = 12,
    kPlaceObject2 = 26,
    kRemoveObject2 = 28,
    kDefineSprite = 39,
    kFrameLabel = 43,
    kExportAssets = 56,
    kDoInitAction = 59,
    kPlaceObject3 = 70,
};

// Tags whose body starts with the id of the character they define.
bool definesCharacter(int code)
{
    static const int codes[] = {2, 6, 7, 10, 11, 14, 20, 21, 22, 32, 33, 34, 35, 36, 37, 46, 48, 60, 62, 75, 83, 84, 90, 91};
    return std::find(std::begin(codes), std::end(codes), code) != std::end(codes);
}

// Sprites inside sprites are not allowed by the format; damaged files may still nest them.
constexpr int kMaxNesting = 8;

} // namespace

MovieDefinition::MovieDefinition(SwfFile file)
    : m_file(std::move(file))
{
}

std::shared_ptr<const MovieDefinition> MovieDefinition::fromBytes(const QByteArray& bytes)
{
    std::shared_ptr<MovieDefinition> movie(new MovieDefinition(SwfFile::fromBytes(bytes)));
    movie->m_root = movie->parseTimeline(movie->m_file.tags(), movie->m_file.frameCount(), 0);
    return movie;
}

const Character* MovieDefinition::character(int id) const
{
    auto it = m_characters.constFind(id);
    return it == m_characters.constEnd() ? nullptr : &it.value();
}

std::optional<int> MovieDefinition::exported(const QString& name) const
{
    auto it = m_exports.constFind(name.toLower());
    if (it == m_exports.constEnd())
        return std::nullopt;
    return it.value();
}

std::shared_ptr<Timeline> MovieDefinition::parseTimeline(const QByteArray& stream, int declaredFrames, int nesting)
{
    auto timeline = std::make_shared<Timeline>(declaredFrames);
    const int version = m_file.version();
    TagReader tags(stream);
    while (auto tag = tags.next()) {
        Frame& frame = timeline->building();
        switch (tag->code) {
        case kShowFrame:
            timeline->showFrame();
            break;
        case kPlaceObject:
        case kPlaceObject2:
        case kPlaceObject3:
            frame.commands.emplace_back(PlaceObject::parse(tag->code, tag->body, version));
            break;
        case kRemoveObject:
        case kRemoveObject2: {
            ByteReader in(tag->body);
            if (tag->code == kRemoveObject)
                in.u16();
            frame.commands.emplace_back(RemoveObject{in.u16()});
            break;
        }
        case kDoAction:
            frame.actions.push_back(tag->body);
            break;
        case kDoInitAction: {
            ByteReader in(tag->body);
            const int sprite = in.u16();
            frame.initActions.emplace_back(sprite, tag->body.mid(2));
            break;
        }
        case kFrameLabel: {
            ByteReader in(tag->body);
            timeline->addLabel(decodeText(in.cString(), version));
            break;
        }
        case kSetBackgroundColor: {
            ByteReader in(tag->body);
            const quint32 r = in.u8(), g = in.u8(), b = in.u8();
            m_background = (r << 16) | (g << 8) | b;
            break;
        }
        case kExportAssets:
            addExports(tag->body);
            break;
        default:
            addDefinition(*tag, nesting);
        }
    }
    timeline->finish();
    return timeline;
}

void MovieDefinition::addDefinition(const Tag& tag, int nesting)
{
    if (!definesCharacter(tag.code) && tag.code != kDefineSprite)
        return;
    ByteReader in(tag.body);
    const int id = in.u16();
    Character character{tag.code, tag.body, nullptr};
    if (tag.code == kDefineSprite) {
        if (nesting >= kMaxNesting)
            throw SwfError(QStringLiteral("Damaged SWF data: sprites nested too deeply"));
        const int frames = in.u16();
        character.timeline = parseTimeline(tag.body.mid(4), frames, nesting + 1);
    }
    m_characters.insert(id, std::move(character));
}

void MovieDefinition::addExports(const QByteArray& body)
{
    ByteReader in(body);
    const int count = in.u16();
    for (int i = 0; i < count; ++i) {
        const int id = in.u16();
        m_exports.insert(decodeText(in.cString(), m_file.version()).toLower(), id);
    }
}

} // namespace swf
