#include "SwfPlayer.h"

#include "ActionRunner.h"
#include "Avm.h"
#include "ClipObject.h"
#include "MovieClip.h"
#include "MovieDefinition.h"
#include "SwfError.h"

namespace swf {

namespace {

enum Action : char {
    kGetVariable = 0x1C,
    kSetVariable = 0x1D,
    kReturn = 0x3E,
    kPush = char(0x96),
};

} // namespace

SwfPlayer::SwfPlayer() = default;
SwfPlayer::~SwfPlayer() = default;

void SwfPlayer::load(const QByteArray& bytes)
{
    auto movie = MovieDefinition::fromBytes(bytes);
    m_avm.reset();
    m_movie = std::move(movie);
    m_avm = std::make_unique<Avm>(m_movie);
    m_started = false;
    connectHandlers();
}

int SwfPlayer::version() const { return m_movie ? m_movie->version() : 0; }
double SwfPlayer::frameRate() const { return m_movie ? m_movie->frameRate() : 0; }
Rect SwfPlayer::stage() const { return m_movie ? m_movie->stage() : Rect{}; }
quint32 SwfPlayer::backgroundColor() const { return m_movie ? m_movie->backgroundColor() : 0xffffff; }
int SwfPlayer::totalFrames() const { return m_avm ? m_avm->root().totalFrames() : 0; }
int SwfPlayer::currentFrame() const { return m_avm ? std::max(1, m_avm->root().currentFrame()) : 0; }
bool SwfPlayer::isPlaying() const { return m_avm && m_avm->root().isPlaying(); }
const MovieClip* SwfPlayer::root() const { return m_avm ? &m_avm->root() : nullptr; }

void SwfPlayer::play()
{
    if (m_avm)
        m_avm->root().play();
}

void SwfPlayer::stop()
{
    if (m_avm)
        m_avm->root().stop();
}

void SwfPlayer::gotoFrame(int frame)
{
    if (!m_avm)
        return;
    m_started = true;
    m_avm->root().gotoFrame(frame, false);
    m_avm->runQueue();
}

void SwfPlayer::tick()
{
    if (!m_avm)
        return;
    if (m_started) {
        m_avm->advanceClips();
    } else {
        m_started = true;
        m_avm->root().enterFirstFrame();
    }
    m_avm->runQueue();
}

// Host access to variables runs a tiny script on the main timeline, so that paths resolve
// exactly as they do in the movie's own scripts.
QByteArray SwfPlayer::pushString(const QString& text) const
{
    QByteArray data(1, '\0');
    data += version() >= 6 ? text.toUtf8() : text.toLatin1();
    data += '\0';
    QByteArray action(1, kPush);
    action += char(data.size() & 0xff);
    action += char((data.size() >> 8) & 0xff);
    return action + data;
}

void SwfPlayer::setVariable(const QString& path, const QString& value)
{
    runSnippet(pushString(path) + pushString(value) + QByteArray(1, kSetVariable));
}

QString SwfPlayer::getVariable(const QString& path)
{
    return runSnippet(pushString(path) + QByteArray(1, kGetVariable) + QByteArray(1, kReturn));
}

QString SwfPlayer::runSnippet(const QByteArray& code)
{
    if (!m_avm)
        return QString();
    ExecContext context;
    context.timeline = m_avm->root().object();
    context.originalTimeline = context.timeline;
    context.thisValue = Value(context.timeline);
    const Value result = ActionRunner(*m_avm, context).run(code);
    return result.isUndefined() ? QString() : m_avm->toString(result);
}

void SwfPlayer::setTraceHandler(std::function<void(const QString&)> handler)
{
    m_onTrace = std::move(handler);
    connectHandlers();
}

void SwfPlayer::setFsCommandHandler(std::function<void(const QString&, const QString&)> handler)
{
    m_onFsCommand = std::move(handler);
    connectHandlers();
}

void SwfPlayer::setErrorHandler(std::function<void(const QString&)> handler)
{
    m_onError = std::move(handler);
    connectHandlers();
}

void SwfPlayer::connectHandlers()
{
    if (!m_avm)
        return;
    m_avm->onTrace = m_onTrace;
    m_avm->onFsCommand = m_onFsCommand;
    m_avm->onError = m_onError;
}

} // namespace swf
