#pragma once

#include "SwfFile.h"
#include "Timeline.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>

namespace swf {

// A character of the dictionary: its defining tag (kept for the renderer) and, for sprites, the
// sprite's own timeline.
struct Character {
    int tagCode = 0;
    QByteArray body;
    std::shared_ptr<const Timeline> timeline;
};

// The parsed movie: header, dictionary of characters, exported names and the main timeline.
class MovieDefinition {
public:
    static std::shared_ptr<const MovieDefinition> fromBytes(const QByteArray& bytes);

    int version() const { return m_file.version(); }
    Rect stage() const { return m_file.stage(); }
    double frameRate() const { return m_file.frameRate(); }
    quint32 backgroundColor() const { return m_background; }
    const Timeline& root() const { return *m_root; }
    const Character* character(int id) const;
    std::optional<int> exported(const QString& name) const;

private:
    explicit MovieDefinition(SwfFile file);
    std::shared_ptr<Timeline> parseTimeline(const QByteArray& stream, int declaredFrames, int nesting);
    void addDefinition(const struct Tag& tag, int nesting);
    void addExports(const QByteArray& body);

    SwfFile m_file;
    quint32 m_background = 0xffffff;
    std::shared_ptr<Timeline> m_root;
    QHash<int, Character> m_characters;
    QHash<QString, int> m_exports;   // lower-cased name
};

} // namespace swf
