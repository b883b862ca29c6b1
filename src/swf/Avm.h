#pragma once

#include "ExecContext.h"
#include "FunctionObject.h"
#include "Value.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace swf {

class ArrayObject;
class ClipObject;
class MovieClip;
class MovieDefinition;
class Object;

// The script runtime of one movie: the object heap, the prototypes and globals, value
// conversions, member access and calls, the queue of frame scripts, and the host's callbacks.
class Avm {
public:
    // Actions one script may run before it is stopped.
    static constexpr long kInstructionBudget = 5'000'000;
    static constexpr int kMaxCallDepth = 256;

    explicit Avm(std::shared_ptr<const MovieDefinition> movie);
    ~Avm();

    const MovieDefinition& movie() const { return *m_movie; }
    int version() const { return m_version; }
    bool caseSensitive() const { return m_version >= 7; }
    MovieClip& root() { return *m_root; }

    // Heap; objects live until the runtime ends.
    template <class T, class... Args> T* make(Args&&... args)
    {
        auto object = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = object.get();
        m_heap.push_back(std::move(object));
        return raw;
    }
    Object* newObject();
    ArrayObject* newArray(const std::vector<Value>& items = {});
    FunctionObject* newFunction(NativeFunction native);
    FunctionObject* newFunction(ScriptFunction script);
    ClipObject* makeClipObject(MovieClip* clip);
    Object* global() const { return m_global; }
    Object* objectPrototype() const { return m_objectPrototype; }
    Object* functionPrototype() const { return m_functionPrototype; }
    Object* arrayPrototype() const { return m_arrayPrototype; }
    Object* stringPrototype() const { return m_stringPrototype; }
    Object* clipPrototype() const { return m_clipPrototype; }
    QString nextInstanceName();

    // Conversions by the rules of the movie's version.
    double toNumber(const Value& value);
    QString toString(const Value& value);
    bool toBoolean(const Value& value);
    qint32 toInt32(const Value& value);   // wraps at 32 bits; NaN and infinities give 0
    Value toPrimitive(const Value& value);
    QString typeOf(const Value& value);
    double parseNumber(const QString& text) const;

    std::optional<Value> lookup(Object* object, const QString& name);
    Value getMember(const Value& target, const QString& name);
    void setMember(const Value& target, const QString& name, const Value& value);
    // Calls nest at most kMaxCallDepth deep, counting calls made by conversions too.
    Value call(const Value& function, const Value& self, const std::vector<Value>& args);
    Value construct(const Value& constructor, const std::vector<Value>& args);

    // Every live clip by creation serial; a tick advances them newest first.
    quint64 registerClip(MovieClip* clip);
    void unregisterClip(quint64 serial);
    void advanceClips();

    // Frame scripts.
    void queueActions(MovieClip* clip, const QByteArray& code);
    void runInitActions(int spriteId, const QByteArray& code);
    void runQueue();
    void runScript(Object* timeline, const QByteArray& code);
    void countInstruction();
    // The timeline of the innermost running script; version 5 functions run on their caller's.
    Object* runningTimeline() const { return m_runningTimeline; }
    void setRunningTimeline(Object* timeline) { m_runningTimeline = timeline; }

    // Host callbacks.
    std::function<void(const QString&)> onTrace;
    std::function<void(const QString&, const QString&)> onFsCommand;
    std::function<void(const QString&)> onError;
    void trace(const QString& line);
    void fsCommand(const QString& command, const QString& argument);
    void reportError(const QString& message);
    double elapsedMs() const { return static_cast<double>(m_clock.elapsed()); }

private:
    Value callScript(FunctionObject* function, const Value& self, const std::vector<Value>& args);
    void preloadRegisters(const ScriptFunction& script, ExecContext& context, const Value& self,
                          Object* arguments);

    struct QueuedScript {
        ClipObject* clip;
        QByteArray code;
    };

    std::shared_ptr<const MovieDefinition> m_movie;
    int m_version;
    std::vector<std::unique_ptr<Object>> m_heap;
    Object* m_objectPrototype = nullptr;
    Object* m_functionPrototype = nullptr;
    Object* m_arrayPrototype = nullptr;
    Object* m_stringPrototype = nullptr;
    Object* m_clipPrototype = nullptr;
    Object* m_global = nullptr;
    std::unique_ptr<MovieClip> m_root;
    std::map<quint64, MovieClip*> m_clips;
    quint64 m_nextSerial = 0;
    std::deque<QueuedScript> m_queue;
    std::vector<Value> m_stack;
    Object* m_runningTimeline = nullptr;
    QSet<const char*> m_initDone;
    long m_budget = kInstructionBudget;
    int m_instanceCounter = 0;
    int m_callDepth = 0;
    QElapsedTimer m_clock;
};

} // namespace swf
