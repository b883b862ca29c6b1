#include "MovieClip.h"

#include "Avm.h"
#include "ClipObject.h"
#include "MovieDefinition.h"
#include "Timeline.h"

#include <algorithm>

namespace swf {

MovieClip::MovieClip(Avm& avm, MovieClip* parent, int characterId, const Timeline* timeline)
    : m_avm(avm), m_serial(avm.registerClip(this)), m_parent(parent), m_characterId(characterId), m_timeline(timeline)
{
}

MovieClip::~MovieClip()
{
    m_children.clear();
    if (m_object)
        m_object->detach();
    m_avm.unregisterClip(m_serial);
}

ClipObject* MovieClip::object()
{
    if (!m_object)
        m_object = m_avm.makeClipObject(this);
    return m_object;
}

QString MovieClip::dotPath() const
{
    return m_parent ? m_parent->dotPath() + QLatin1Char('.') + m_name : QStringLiteral("_level0");
}

QString MovieClip::slashPath() const
{
    if (!m_parent)
        return QStringLiteral("/");
    const QString parentPath = m_parent->slashPath();
    return (parentPath == QLatin1String("/") ? QString() : parentPath) + QLatin1Char('/') + m_name;
}

MovieClip* MovieClip::childByName(const QString& name, bool caseSensitive) const
{
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (const auto& [depth, child] : m_children) {
        if (child->m_name.compare(name, cs) == 0)
            return child.get();
    }
    return nullptr;
}

MovieClip* MovieClip::childAtDepth(int depth) const
{
    auto it = m_children.find(depth);
    return it == m_children.end() ? nullptr : it->second.get();
}

int MovieClip::totalFrames() const
{
    return m_timeline ? m_timeline->frameCount() : 1;
}

void MovieClip::gotoFrame(qint64 frame, bool play)
{
    m_playing = play;
    if (frame < 1 || !m_timeline)
        return;
    const int target = static_cast<int>(std::min<qint64>(frame, m_timeline->loadedFrames()));
    if (target != m_currentFrame)
        showFrame(target);
}

bool MovieClip::gotoLabel(const QString& label, bool play)
{
    const auto frame = m_timeline ? m_timeline->frameOfLabel(label) : std::nullopt;
    if (!frame)
        return false;
    gotoFrame(*frame, play);
    return true;
}

void MovieClip::nextFrame()
{
    gotoFrame(std::min(m_currentFrame + 1, totalFrames()), false);
}

std::optional<int> MovieClip::frameNumber(const QString& numberOrLabel) const
{
    bool numeric = false;
    const int number = numberOrLabel.toInt(&numeric);
    if (numeric)
        return number >= 1 && number <= (m_timeline ? m_timeline->loadedFrames() : 1) ? std::optional<int>(number) : std::nullopt;
    return m_timeline ? m_timeline->frameOfLabel(numberOrLabel) : std::nullopt;
}

std::vector<QByteArray> MovieClip::frameActions(int frame) const
{
    return m_timeline ? m_timeline->frame(frame).actions : std::vector<QByteArray>{};
}

void MovieClip::prevFrame()
{
    gotoFrame(std::max(m_currentFrame - 1, 1), false);
}

void MovieClip::advance()
{
    if (m_playing && m_timeline && totalFrames() > 1)
        showFrame(m_currentFrame >= totalFrames() ? 1 : m_currentFrame + 1);
}

void MovieClip::enterFirstFrame()
{
    for (const ClipAction& action : m_clipActions) {
        if (action.events & EventInitialize)
            m_avm.queueActions(this, action.actions);
    }
    if (m_timeline)
        showFrame(1);
    for (const ClipAction& action : m_clipActions) {
        if (action.events & EventLoad)
            m_avm.queueActions(this, action.actions);
    }
}

// Going forward applies the frames in between to the present display list; going backward
// rebuilds it from frame 1, keeping instances made by the same PlaceObject as before.
// Clips placed by frames passed over show their first frame before this frame's actions run;
// clips placed by this frame show theirs after.
void MovieClip::showFrame(int target)
{
    const bool rewinding = target <= m_currentFrame;
    std::map<int, Placement> placements = rewinding ? std::map<int, Placement>{} : currentPlacements();
    for (int frame = rewinding ? 1 : m_currentFrame + 1; frame <= target; ++frame)
        applyCommands(placements, frame);
    if (rewinding) {
        for (auto& [depth, placement] : placements) {
            MovieClip* present = childAtDepth(depth);
            if (present && present->m_fromTimeline && placement.place.characterId == present->m_characterId
                && present->m_placedOnFrame == placement.frame)
                placement.existing = present;
        }
    }
    const auto fresh = reconcile(placements);
    m_currentFrame = target;
    for (const auto& [clip, frame] : fresh) {
        if (frame < target)
            clip->enterFirstFrame();
    }
    queueFrameActions(target);
    for (const auto& [clip, frame] : fresh) {
        if (frame == target)
            clip->enterFirstFrame();
    }
}

std::map<int, MovieClip::Placement> MovieClip::currentPlacements()
{
    std::map<int, Placement> placements;
    for (const auto& [depth, child] : m_children) {
        if (!child->m_fromTimeline)
            continue;
        Placement placement;
        placement.place.depth = depth;
        placement.place.characterId = child->m_characterId;
        placement.existing = child.get();
        placements.emplace(depth, std::move(placement));
    }
    return placements;
}

void MovieClip::applyCommands(std::map<int, Placement>& placements, int frame)
{
    for (const DisplayCommand& command : m_timeline->frame(frame).commands) {
        if (const auto* remove = std::get_if<RemoveObject>(&command)) {
            placements.erase(remove->depth);
            continue;
        }
        const PlaceObject& place = std::get<PlaceObject>(command);
        auto it = placements.find(place.depth);
        if (it == placements.end()) {
            if (!place.move && place.characterId)
                placements.emplace(place.depth, Placement{place, nullptr, frame});
            continue;
        }
        if (!place.move) {
            m_avm.trace(QStringLiteral("Warning: Failed to place object at depth %1.").arg(place.depth));
            continue;   // the depth is taken: a plain place is ignored
        }
        PlaceObject& target = it->second.place;
        if (place.characterId && place.characterId != target.characterId) {
            it->second.existing = nullptr;   // a move with a new character replaces the instance
            it->second.frame = frame;
        }
        if (place.characterId) target.characterId = place.characterId;
        if (place.matrix) target.matrix = place.matrix;
        if (place.colorTransform) target.colorTransform = place.colorTransform;
        if (place.ratio) target.ratio = place.ratio;
        if (place.name) target.name = place.name;
        if (place.clipDepth) target.clipDepth = place.clipDepth;
        if (place.visible) target.visible = place.visible;
    }
}

std::vector<std::pair<MovieClip*, int>> MovieClip::reconcile(std::map<int, Placement>& placements)
{
    for (auto it = m_children.begin(); it != m_children.end();) {
        auto placement = placements.find(it->first);
        const bool kept = placement != placements.end() && placement->second.existing == it->second.get();
        if (it->second->m_fromTimeline && !kept)
            it = m_children.erase(it);
        else
            ++it;
    }
    std::vector<std::pair<MovieClip*, int>> fresh;
    for (auto& [depth, placement] : placements) {
        if (placement.existing) {
            placement.existing->applyPlacement(placement.place);
        } else if (!childAtDepth(depth)) {
            if (MovieClip* clip = create(placement.place)) {
                clip->m_placedOnFrame = placement.frame;
                fresh.emplace_back(clip, placement.frame);
            }
        }
    }
    return fresh;
}

MovieClip* MovieClip::create(const PlaceObject& place)
{
    const int id = place.characterId.value_or(0);
    const Character* character = m_avm.movie().character(id);
    if (!character)
        return nullptr;
    auto clip = std::make_unique<MovieClip>(m_avm, this, id, character->timeline.get());
    clip->m_depth = place.depth;
    clip->m_fromTimeline = true;
    if (!place.name)
        clip->m_name = m_avm.nextInstanceName();
    clip->m_clipActions = place.clipActions;
    clip->applyPlacement(place);
    MovieClip* raw = clip.get();
    m_children[place.depth] = std::move(clip);
    return raw;
}

void MovieClip::applyPlacement(const PlaceObject& place)
{
    if (place.matrix) m_matrix = *place.matrix;
    if (place.colorTransform) m_colorTransform = *place.colorTransform;
    if (place.ratio) m_ratio = *place.ratio;
    if (place.name) m_name = *place.name;
    if (place.clipDepth) m_clipDepth = *place.clipDepth;
    if (place.visible) m_visible = *place.visible;
}

void MovieClip::queueFrameActions(int frame)
{
    const Frame& content = m_timeline->frame(frame);
    for (const auto& [sprite, code] : content.initActions)
        m_avm.runInitActions(sprite, code);
    for (const QByteArray& code : content.actions)
        m_avm.queueActions(this, code);
}

// Character 0 makes an empty clip.
MovieClip* MovieClip::attach(int characterId, const QString& name, int depth)
{
    const Character* character = characterId ? m_avm.movie().character(characterId) : nullptr;
    if (characterId && !character)
        return nullptr;
    auto clip = std::make_unique<MovieClip>(m_avm, this, characterId, character ? character->timeline.get() : nullptr);
    clip->m_depth = depth;
    clip->m_name = name;
    MovieClip* raw = clip.get();
    m_children[depth] = std::move(clip);
    raw->enterFirstFrame();
    return raw;
}

MovieClip* MovieClip::duplicate(const QString& name, int depth)
{
    if (!m_parent)
        return nullptr;
    MovieClip* parent = m_parent;
    const Matrix matrix = m_matrix;
    const ColorTransform cx = m_colorTransform;
    const std::vector<ClipAction> actions = m_clipActions;
    const bool visible = m_visible;
    const int characterId = m_characterId;
    const auto* character = m_avm.movie().character(characterId);
    auto clip = std::make_unique<MovieClip>(m_avm, parent, characterId, character ? character->timeline.get() : nullptr);
    clip->m_depth = depth;
    clip->m_name = name;
    clip->m_matrix = matrix;
    clip->m_colorTransform = cx;
    clip->m_visible = visible;
    clip->m_clipActions = actions;
    MovieClip* raw = clip.get();
    parent->m_children[depth] = std::move(clip);   // may destroy this clip when depths match
    raw->enterFirstFrame();
    return raw;
}

void MovieClip::removeChild(int depth)
{
    m_children.erase(depth);
}

} // namespace swf
