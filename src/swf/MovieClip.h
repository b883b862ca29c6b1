#pragma once

#include "Geometry.h"
#include "PlaceObject.h"

#include <QString>
#include <map>
#include <QByteArray>
#include <memory>
#include <optional>
#include <vector>

namespace swf {

class Avm;
class ClipObject;
class Timeline;

// One entry of a display list: a sprite instance with a timeline of its own, or any other
// character (shape, text, button) with an empty one. Holds what a renderer needs (character,
// depth, matrix, colour transform, clip depth, visibility) and the timeline state.
class MovieClip {
public:
    // Depths in files start at 1; scripts see depth - kDepthOffset.
    static constexpr int kDepthOffset = 16384;

    MovieClip(Avm& avm, MovieClip* parent, int characterId, const Timeline* timeline);
    ~MovieClip();
    MovieClip(const MovieClip&) = delete;
    MovieClip& operator=(const MovieClip&) = delete;

    MovieClip* parent() const { return m_parent; }
    int depth() const { return m_depth; }
    int characterId() const { return m_characterId; }
    const QString& name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    bool isSprite() const { return m_timeline != nullptr; }
    ClipObject* object();
    QString dotPath() const;     // "_level0.a.b"
    QString slashPath() const;   // "/a/b"

    const Matrix& matrix() const { return m_matrix; }
    void setMatrix(const Matrix& matrix) { m_matrix = matrix; }
    const ColorTransform& colorTransform() const { return m_colorTransform; }
    void setColorTransform(const ColorTransform& cx) { m_colorTransform = cx; }
    bool visible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    int clipDepth() const { return m_clipDepth; }
    int ratio() const { return m_ratio; }

    const std::map<int, std::unique_ptr<MovieClip>>& children() const { return m_children; }
    MovieClip* childByName(const QString& name, bool caseSensitive) const;
    MovieClip* childAtDepth(int depth) const;

    int currentFrame() const { return m_currentFrame; }
    int totalFrames() const;
    bool isPlaying() const { return m_playing; }
    void play() { m_playing = true; }
    void stop() { m_playing = false; }
    // Frame 0 and below is ignored; frames past the loaded ones go to the last loaded one.
    void gotoFrame(qint64 frame, bool play);
    bool gotoLabel(const QString& label, bool play);
    void nextFrame();
    std::optional<int> frameNumber(const QString& numberOrLabel) const;
    std::vector<QByteArray> frameActions(int frame) const;
    void prevFrame();

    // One tick of this clip's own timeline (the runtime visits every clip, newest first).
    void advance();
    // Shows frame 1 of a clip that has just been placed.
    void enterFirstFrame();

    // Script-made instances.
    MovieClip* attach(int characterId, const QString& name, int depth);
    MovieClip* duplicate(const QString& name, int depth);
    void removeChild(int depth);

private:
    struct Placement {
        PlaceObject place;
        MovieClip* existing = nullptr;
        int frame = 0;   // frame that placed the character
    };

    void showFrame(int target);
    std::map<int, Placement> currentPlacements();
    void applyCommands(std::map<int, Placement>& placements, int frame);
    std::vector<std::pair<MovieClip*, int>> reconcile(std::map<int, Placement>& placements);
    MovieClip* create(const PlaceObject& place);
    void applyPlacement(const PlaceObject& place);
    void queueFrameActions(int frame);

    Avm& m_avm;
    quint64 m_serial;
    MovieClip* m_parent;
    int m_characterId;
    const Timeline* m_timeline;
    ClipObject* m_object = nullptr;
    QString m_name;
    int m_depth = 0;
    Matrix m_matrix;
    ColorTransform m_colorTransform;
    bool m_visible = true;
    int m_clipDepth = 0;
    int m_ratio = 0;
    std::vector<ClipAction> m_clipActions;
    bool m_fromTimeline = false;
    int m_placedOnFrame = 0;   // frame of the parent whose PlaceObject made this instance
    int m_currentFrame = 0;
    bool m_playing = true;
    std::map<int, std::unique_ptr<MovieClip>> m_children;
};

} // namespace swf
