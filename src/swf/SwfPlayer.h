#pragma once

#include "Geometry.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

namespace swf {

class Avm;
class MovieClip;
class MovieDefinition;

// What a host sees of the engine: load a movie, drive it tick by tick, control its main
// timeline, read and write its variables, and hear its trace lines and FSCommand calls.
// Frame numbers are 1-based, as in scripts.
class SwfPlayer {
public:
    SwfPlayer();
    ~SwfPlayer();

    // Throws SwfError when the bytes are not a readable movie; the previous movie stays loaded.
    void load(const QByteArray& bytes);
    bool isLoaded() const { return m_avm != nullptr; }

    int version() const;
    double frameRate() const;
    Rect stage() const;
    quint32 backgroundColor() const;
    int totalFrames() const;
    int currentFrame() const;
    bool isPlaying() const;

    void play();
    void stop();
    void gotoFrame(int frame);
    // Shows the first frame on the first call, then advances every playing timeline one frame.
    void tick();

    void setVariable(const QString& path, const QString& value);
    QString getVariable(const QString& path);

    // The display list, for a renderer; null before a movie is loaded.
    const MovieClip* root() const;

    void setTraceHandler(std::function<void(const QString&)> handler);
    void setFsCommandHandler(std::function<void(const QString&, const QString&)> handler);
    void setErrorHandler(std::function<void(const QString&)> handler);

private:
    QByteArray pushString(const QString& text) const;
    QString runSnippet(const QByteArray& code);
    void connectHandlers();

    std::shared_ptr<const MovieDefinition> m_movie;
    std::unique_ptr<Avm> m_avm;
    bool m_started = false;
    std::function<void(const QString&)> m_onTrace;
    std::function<void(const QString&, const QString&)> m_onFsCommand;
    std::function<void(const QString&)> m_onError;
};

} // namespace swf
