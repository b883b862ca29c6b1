#pragma once

#include "ExecContext.h"
#include "Value.h"

#include <QByteArray>
#include <vector>

namespace swf {

class Avm;
class ByteReader;
class MovieClip;
class Object;

// Runs one block of bytecode (a frame script, an event handler or a function body) on a stack of
// its own. Unknown actions are skipped by their length; reads past the code end the block.
class ActionRunner {
public:
    // Scripts of frames and events share the runtime's stack; function bodies get their own.
    ActionRunner(Avm& avm, ExecContext& context, std::vector<Value>* sharedStack = nullptr);

    Value run(const QByteArray& code);

private:
    qsizetype execute(qsizetype start, qsizetype end);
    qsizetype step(int op, ByteReader& payload, qsizetype next);
    bool stepStackAndValues(int op);
    bool stepArithmetic(int op);
    bool stepStrings(int op);
    bool stepObjects(int op);
    bool stepTimeline(int op);
    qsizetype stepWithPayload(int op, ByteReader& payload, qsizetype next);
    qsizetype waitForFrame(qint32 frameIndex, int skipCount, qsizetype next);

    // Stack.
    Value pop();
    void push(const Value& value) { m_stack.push_back(value); }
    void pushBool(bool value);
    std::vector<Value> popArgs();
    double popNumber();
    QString popString();

    // Variables and targets.
    Value getVariable(const QString& name);
    void setVariable(const QString& name, const Value& value);
    Value getSpecial(const QString& name, bool& found);
    static qsizetype memberSeparator(const QString& path);
    Value resolvePath(const QString& path);
    Value pathStep(const Value& current, const QString& part, bool first);
    void defineLocal(const QString& name, const Value& value);
    bool deleteVariable(const QString& name);
    MovieClip* timelineClip() const;
    MovieClip* targetOf(const Value& target);
    void setTarget(const Value& target);

    // Actions with more than a line of logic.
    void pushValues(ByteReader& payload);
    qsizetype defineFunction(ByteReader& payload, qsizetype next, bool version2);
    qsizetype runWith(qsizetype next, qsizetype size);
    qsizetype runTry(ByteReader& payload, qsizetype next);
    void gotoFrameExpression(const Value& frame, bool play, int bias);
    void getUrl(const QString& url, const QString& target);
    void callFrame(const Value& frame);
    void enumerate(const Value& value);
    void callFunction();
    void callMethod();
    void newObject();
    void newMethod();
    void initObject();
    void extends();
    bool instanceOf(const Value& value, const Value& constructor);
    void cloneSprite();
    void getProperty();
    void setProperty();
    Value equals2(const Value& a, const Value& b);
    Value less2(const Value& a, const Value& b);
    Value add2(const Value& a, const Value& b);
    bool strictEquals(const Value& a, const Value& b) const;
    qint32 toInt32(const Value& value);
    double toNumber(const Value& value);
    QString toString(const Value& value);

    Avm& m_avm;
    ExecContext& m_context;
    QByteArray m_code;
    std::vector<Value> m_ownStack;
    std::vector<Value>& m_stack;
    bool m_onClip = false;   // a frame script ends when its clip is removed
    static constexpr int kMaxBlockDepth = 64;   // With and Try blocks inside each other
    int m_blockDepth = 0;
    bool m_finished = false;
    Value m_returnValue;
};

} // namespace swf
