#include "ActionRunner.h"

#include "ArrayObject.h"
#include "Avm.h"
#include "ByteReader.h"
#include "ClipObject.h"
#include "ClipProperties.h"
#include "FunctionObject.h"
#include "MovieClip.h"
#include "ScriptThrow.h"
#include "SwfError.h"
#include "SwfText.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace swf {

namespace {

bool isPath(const QString& name)
{
    return name.contains(QLatin1Char(':')) || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('.'));
}

MovieClip* clipOf(const Value& value)
{
    return value.object() ? value.object()->asClip() : nullptr;
}

bool sameText(const QString& a, const char* b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

} // namespace

ActionRunner::ActionRunner(Avm& avm, ExecContext& context, std::vector<Value>* sharedStack)
    : m_avm(avm), m_context(context), m_stack(sharedStack ? *sharedStack : m_ownStack)
{
}

Value ActionRunner::run(const QByteArray& code)
{
    m_code = code;
    m_onClip = &m_stack != &m_ownStack && m_context.originalTimeline && m_context.originalTimeline->asClip();
    execute(0, m_code.size());
    return m_returnValue;
}

// Runs actions while the program counter stays inside [start, end); returns where it left.
qsizetype ActionRunner::execute(qsizetype start, qsizetype end)
{
    if (++m_blockDepth > kMaxBlockDepth)
        throw SwfError(QStringLiteral("Damaged script: blocks nested more than %1 deep").arg(kMaxBlockDepth));
    qsizetype pc = start;
    while (!m_finished && pc >= start && pc < end) {
        m_avm.countInstruction();
        if (m_onClip && !m_context.originalTimeline->asClip())
            break;
        ByteReader head(m_code.constData() + pc, m_code.size() - pc);
        const int op = head.u8();
        if (op == 0) {
            m_finished = true;
            break;
        }
        const qsizetype length = op >= 0x80 ? head.u16() : 0;
        const qsizetype payloadStart = pc + head.position();
        head.skip(length);
        ByteReader payload(m_code.constData() + payloadStart, length);
        pc = step(op, payload, payloadStart + length);
        if (pc < 0 || pc > m_code.size())
            m_finished = true;
    }
    --m_blockDepth;
    return pc;
}

qsizetype ActionRunner::step(int op, ByteReader& payload, qsizetype next)
{
    if (op >= 0x80)
        return stepWithPayload(op, payload, next);
    if (stepStackAndValues(op) || stepArithmetic(op) || stepStrings(op) || stepObjects(op) || stepTimeline(op))
        return next;
    return next;   // unknown one-byte actions do nothing
}

bool ActionRunner::stepStackAndValues(int op)
{
    switch (op) {
    case 0x17: pop(); return true;                                            // Pop
    case 0x4C: { const Value v = pop(); push(v); push(v); return true; }      // PushDuplicate
    case 0x4D: { const Value a = pop(); const Value b = pop(); push(a); push(b); return true; }   // StackSwap
    case 0x1C: push(getVariable(popString())); return true;                 // GetVariable
    case 0x1D: { const Value v = pop(); setVariable(popString(), v); return true; }   // SetVariable
    case 0x3C: { const Value v = pop(); defineLocal(popString(), v); return true; }   // DefineLocal
    case 0x41: {                                                              // DefineLocal2
        const QString name = popString();
        Object* locals = m_context.activation ? m_context.activation : m_context.timeline;
        if (locals && !locals->getOwn(name, m_avm.caseSensitive()))
            defineLocal(name, Value());
        return true;
    }
    case 0x26: {                                                              // Trace
        const Value v = pop();
        m_avm.trace(v.isUndefined() ? QStringLiteral("undefined") : toString(v));
        return true;
    }
    case 0x3E: m_returnValue = pop(); m_finished = true; return true;        // Return
    case 0x2A: throw ScriptThrow(pop());                                      // Throw
    case 0x34: push(m_avm.elapsedMs()); return true;                        // GetTime
    case 0x30: {                                                              // RandomNumber
        const qint32 max = toInt32(pop());
        push(max > 0 ? QRandomGenerator::global()->bounded(max) : 0);
        return true;
    }
    case 0x44: push(m_avm.typeOf(pop())); return true;                      // TypeOf
    case 0x4A: push(toNumber(pop())); return true;                          // ToNumber
    case 0x4B: push(toString(pop())); return true;                          // ToString
    case 0x18: push(static_cast<double>(toInt32(pop()))); return true;      // ToInteger
    }
    return false;
}

bool ActionRunner::stepArithmetic(int op)
{
    if (op >= 0x0A && op <= 0x0F) {   // SWF 4 arithmetic and comparison on numbers
        const double b = popNumber();
        const double a = popNumber();
        switch (op) {
        case 0x0A: push(a + b); break;
        case 0x0B: push(a - b); break;
        case 0x0C: push(a * b); break;
        case 0x0D:
            if (b == 0 && m_avm.version() < 5)
                push(QStringLiteral("#ERROR#"));
            else
                push(a / b);
            break;
        case 0x0E: pushBool(a == b); break;
        case 0x0F: pushBool(a < b); break;
        }
        return true;
    }
    switch (op) {
    case 0x10: { const bool b = m_avm.toBoolean(pop()); pushBool(m_avm.toBoolean(pop()) && b); return true; }
    case 0x11: { const bool b = m_avm.toBoolean(pop()); pushBool(m_avm.toBoolean(pop()) || b); return true; }
    case 0x12: pushBool(!m_avm.toBoolean(pop())); return true;
    case 0x3F: { const double b = popNumber(); push(std::fmod(popNumber(), b)); return true; }
    case 0x47: { const Value b = pop(); push(add2(pop(), b)); return true; }
    case 0x48: { const Value b = pop(); push(less2(pop(), b)); return true; }
    case 0x67: { const Value b = pop(); push(less2(b, pop())); return true; }
    case 0x49: { const Value b = pop(); push(equals2(pop(), b)); return true; }
    case 0x66: { const Value b = pop(); push(strictEquals(pop(), b)); return true; }
    case 0x50: push(popNumber() + 1); return true;
    case 0x51: push(popNumber() - 1); return true;
    }
    if (op >= 0x60 && op <= 0x65) {   // bit operations on 32-bit integers
        const qint32 b = toInt32(pop());
        const qint32 a = toInt32(pop());
        switch (op) {
        case 0x60: push(static_cast<double>(a & b)); break;
        case 0x61: push(static_cast<double>(a | b)); break;
        case 0x62: push(static_cast<double>(a ^ b)); break;
        case 0x63: push(static_cast<double>(static_cast<qint32>(static_cast<quint32>(a) << (b & 31)))); break;
        case 0x64: push(static_cast<double>(a >> (b & 31))); break;
        case 0x65: push(static_cast<double>(static_cast<quint32>(a) >> (b & 31))); break;
        }
        return true;
    }
    return false;
}

bool ActionRunner::stepStrings(int op)
{
    switch (op) {
    case 0x13: { const QString b = popString(); pushBool(popString() == b); return true; }   // StringEquals
    case 0x29: { const QString b = popString(); pushBool(popString() < b); return true; }    // StringLess
    case 0x68: { const QString b = popString(); pushBool(popString() > b); return true; }    // StringGreater
    case 0x21: { const QString b = popString(); push(popString() + b); return true; }        // StringAdd
    case 0x14: case 0x31: push(static_cast<int>(popString().size())); return true;         // StringLength
    case 0x15: case 0x35: {                                                                   // StringExtract
        const qint64 count = toInt32(pop());
        const qint64 index = toInt32(pop());
        const QString text = popString();
        const qint64 from = std::min<qint64>(std::max<qint64>(index - 1, 0), text.size());
        push(count < 0 ? text.mid(from) : text.mid(from, count));
        return true;
    }
    case 0x32: case 0x36: {                                                                   // CharToAscii
        const QString text = popString();
        push(text.isEmpty() ? 0 : static_cast<int>(text.at(0).unicode()));
        return true;
    }
    case 0x33: case 0x37:                                                                     // AsciiToChar
        push(QString(QChar(static_cast<char16_t>(toInt32(pop()) & 0xffff))));
        return true;
    }
    return false;
}

bool ActionRunner::stepObjects(int op)
{
    switch (op) {
    case 0x4E: { const QString name = popString(); push(m_avm.getMember(pop(), name)); return true; }   // GetMember
    case 0x4F: {                                                                                          // SetMember
        const Value value = pop();
        const QString name = popString();
        m_avm.setMember(pop(), name, value);
        return true;
    }
    case 0x3A: {                                                                                          // Delete
        const QString name = popString();
        Object* object = pop().object();
        push(object && object->removeOwn(name, m_avm.caseSensitive()));
        return true;
    }
    case 0x3B: push(deleteVariable(popString())); return true;                                           // Delete2
    case 0x3D: callFunction(); return true;
    case 0x52: callMethod(); return true;
    case 0x40: newObject(); return true;
    case 0x53: newMethod(); return true;
    case 0x42: push(Value(m_avm.newArray(popArgs()))); return true;                                       // InitArray
    case 0x43: initObject(); return true;
    case 0x46: enumerate(getVariable(popString())); return true;                                         // Enumerate
    case 0x55: enumerate(pop()); return true;                                                             // Enumerate2
    case 0x54: { const Value c = pop(); push(instanceOf(pop(), c)); return true; }                         // InstanceOf
    case 0x2B: { const Value o = pop(); const Value c = pop(); push(instanceOf(o, c) ? o : Value::null()); return true; }
    case 0x2C: { pop(); const qint32 n = toInt32(pop()); for (qint32 i = 0; i < n && !m_stack.empty(); ++i) pop(); return true; }
    case 0x69: extends(); return true;
    case 0x45: {                                                                                          // TargetPath
        MovieClip* clip = targetOf(pop());
        push(clip ? Value(clip->dotPath()) : Value());
        return true;
    }
    }
    return false;
}

bool ActionRunner::stepTimeline(int op)
{
    MovieClip* clip = timelineClip();
    switch (op) {
    case 0x04: if (clip) clip->nextFrame(); return true;
    case 0x05: if (clip) clip->prevFrame(); return true;
    case 0x06: if (clip) clip->play(); return true;
    case 0x07: if (clip) clip->stop(); return true;
    case 0x08: case 0x09: case 0x28: return true;                 // quality, sounds, end drag
    case 0x20: setTarget(pop()); return true;                      // SetTarget2
    case 0x22: getProperty(); return true;
    case 0x23: setProperty(); return true;
    case 0x24: cloneSprite(); return true;
    case 0x25: {                                                   // RemoveSprite
        MovieClip* target = targetOf(pop());
        if (target && target->parent() && target->depth() >= MovieClip::kDepthOffset)
            target->parent()->removeChild(target->depth());
        return true;
    }
    case 0x27: {                                                   // StartDrag: no pointer here
        pop();
        pop();
        if (m_avm.toBoolean(pop()))
            for (int i = 0; i < 4; ++i) pop();
        return true;
    }
    }
    return false;
}

qsizetype ActionRunner::stepWithPayload(int op, ByteReader& payload, qsizetype next)
{
    MovieClip* clip = timelineClip();
    const int version = m_avm.version();
    switch (op) {
    case 0x81: {                                                                                         // GotoFrame
        const int frame = payload.u16() + 1;
        if (clip && frame <= clip->totalFrames())   // unlike the method, the action ignores frames past the end
            clip->gotoFrame(frame, false);
        break;
    }
    case 0x83: {                                                                                         // GetURL
        const QString url = decodeText(payload.cString(), version);
        getUrl(url, decodeText(payload.cString(), version));
        break;
    }
    case 0x87: {                                                                                         // StoreRegister
        const size_t reg = payload.u8();
        const Value top = m_stack.empty() ? Value() : m_stack.back();
        if (reg < m_context.registers.size())
            m_context.registers[reg] = top;
        break;
    }
    case 0x88: {                                                                                         // ConstantPool
        const int count = payload.u16();
        m_context.constants.clear();
        for (int i = 0; i < count; ++i)
            m_context.constants.push_back(decodeText(payload.cString(), version));
        break;
    }
    case 0x8A: {                                                                                         // WaitForFrame
        const int frame = payload.u16();
        return waitForFrame(frame, payload.u8(), next);
    }
    case 0x8D: {                                                                                         // WaitForFrame2
        const qint32 frame = static_cast<qint32>(static_cast<quint32>(toInt32(pop())) - 1u);
        return waitForFrame(frame, payload.u8(), next);
    }
    case 0x8B: setTarget(Value(decodeText(payload.cString(), version))); break;                         // SetTarget
    case 0x8C: if (clip) clip->gotoLabel(decodeText(payload.cString(), version), false); break;         // GoToLabel
    case 0x8E: return defineFunction(payload, next, true);
    case 0x9B: return defineFunction(payload, next, false);
    case 0x8F: return runTry(payload, next);
    case 0x94: { const int size = payload.u16(); return runWith(next, size); }
    case 0x96: pushValues(payload); break;
    case 0x99: return next + payload.s16();                                                               // Jump
    case 0x9D: { const int offset = payload.s16(); return m_avm.toBoolean(pop()) ? next + offset : next; }   // If
    case 0x9A: {                                                                                         // GetURL2
        payload.u8();
        const QString target = popString();
        getUrl(popString(), target);
        break;
    }
    case 0x9E: callFrame(pop()); break;                                                                  // Call
    case 0x9F: {                                                                                         // GotoFrame2
        const int flags = payload.u8();
        const int bias = (flags & 0x02) ? payload.u16() : 0;
        gotoFrameExpression(pop(), flags & 0x01, bias);
        break;
    }
    }
    return next;
}

// The whole file is loaded at once, so every frame index a timeline can have counts as loaded
// (up to the format's 16000); later ones skip the next skipCount actions.
qsizetype ActionRunner::waitForFrame(qint32 frameIndex, int skipCount, qsizetype next)
{
    constexpr qint32 kLastFrameIndex = 16000;
    if (frameIndex <= kLastFrameIndex)
        return next;
    for (int i = 0; i < skipCount && next < m_code.size(); ++i) {
        ByteReader head(m_code.constData() + next, m_code.size() - next);
        const int op = head.u8();
        if (op >= 0x80)
            head.skip(head.u16());
        next += head.position();
    }
    return next;
}

Value ActionRunner::pop()
{
    if (m_stack.empty())
        return Value();
    Value value = std::move(m_stack.back());
    m_stack.pop_back();
    return value;
}

void ActionRunner::pushBool(bool value)
{
    if (m_avm.version() < 5)
        push(value ? 1 : 0);
    else
        push(value);
}

// Count, then the values; the first value popped is the first argument.
std::vector<Value> ActionRunner::popArgs()
{
    const double count = popNumber();
    std::vector<Value> args;
    const qsizetype n = std::isfinite(count) ? std::clamp<qsizetype>(static_cast<qsizetype>(count), 0, static_cast<qsizetype>(m_stack.size())) : 0;
    for (qsizetype i = 0; i < n; ++i)
        args.push_back(pop());
    return args;
}

double ActionRunner::popNumber()
{
    return toNumber(pop());
}

QString ActionRunner::popString()
{
    return toString(pop());
}

double ActionRunner::toNumber(const Value& value)
{
    return m_avm.toNumber(value);
}

QString ActionRunner::toString(const Value& value)
{
    return m_avm.toString(value);
}

qint32 ActionRunner::toInt32(const Value& value)
{
    return m_avm.toInt32(value);
}

void ActionRunner::pushValues(ByteReader& payload)
{
    const int version = m_avm.version();
    while (!payload.atEnd()) {
        const int type = payload.u8();
        switch (type) {
        case 0: push(decodeText(payload.cString(), version)); break;
        case 1: push(static_cast<double>(payload.f32())); break;
        case 2: push(Value::null()); break;
        case 3: push(Value()); break;
        case 4: {
            const size_t reg = payload.u8();
            push(reg < m_context.registers.size() ? m_context.registers[reg] : Value());
            break;
        }
        case 5: push(payload.u8() != 0); break;
        case 6: push(payload.f64Swapped()); break;
        case 7: push(static_cast<double>(payload.s32())); break;
        case 8:
        case 9: {
            const size_t index = type == 8 ? payload.u8() : payload.u16();
            push(index < m_context.constants.size() ? Value(m_context.constants[index]) : Value());
            break;
        }
        default:
            throw SwfError(QStringLiteral("Damaged script: unknown push type %1").arg(type));
        }
    }
}

Value ActionRunner::getSpecial(const QString& name, bool& found)
{
    found = true;
    if (sameText(name, "this"))
        return m_context.thisValue;
    if (sameText(name, "_global") && m_avm.version() >= 6)
        return Value(m_avm.global());
    if (sameText(name, "_root") || sameText(name, "_level0"))
        return Value(m_avm.root().object());
    found = false;
    return Value();
}

Value ActionRunner::getVariable(const QString& name)
{
    if (isPath(name)) {
        const qsizetype separator = memberSeparator(name);
        if (separator < 0)
            return Value();   // a path without a variable part names no variable
        const Value owner = separator == 0 ? Value(m_context.timeline) : resolvePath(name.left(separator));
        return owner.isObject() ? m_avm.getMember(owner, name.mid(separator + 1)) : Value();
    }
    bool special = false;
    const Value value = getSpecial(name, special);
    if (special)
        return value;
    for (auto it = m_context.scope.rbegin(); it != m_context.scope.rend(); ++it) {
        if (auto found = m_avm.lookup(*it, name))
            return *found;
    }
    if (m_context.timeline) {
        if (auto found = m_avm.lookup(m_context.timeline, name))
            return *found;
    }
    return m_avm.lookup(m_avm.global(), name).value_or(Value());
}

void ActionRunner::setVariable(const QString& name, const Value& value)
{
    if (isPath(name)) {
        qsizetype separator = memberSeparator(name);
        if (separator < 0)
            separator = name.lastIndexOf(QLatin1Char('/'));
        const Value owner = separator == 0 ? Value(m_context.timeline) : resolvePath(name.left(separator));
        if (owner.isObject())
            m_avm.setMember(owner, name.mid(separator + 1), value);
        return;
    }
    for (auto it = m_context.scope.rbegin(); it != m_context.scope.rend(); ++it) {
        if ((*it)->getOwn(name, m_avm.caseSensitive())) {
            (*it)->setOwn(name, value, m_avm.caseSensitive());
            return;
        }
    }
    if (m_context.timeline)
        m_context.timeline->setOwn(name, value, m_avm.caseSensitive());
}

// The separator before the member name of a path: the last ':' or '.' that is not part of
// "..", when it comes after the last '/'; -1 when the whole path names a target.
qsizetype ActionRunner::memberSeparator(const QString& path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        const QChar c = path.at(i);
        if (c == QLatin1Char('/'))
            return -1;
        const bool dot = c == QLatin1Char('.') && (i == 0 || path.at(i - 1) != QLatin1Char('.'))
                         && (i + 1 == path.size() || path.at(i + 1) != QLatin1Char('.'));
        if (c == QLatin1Char(':') || dot)
            return i;
    }
    return -1;
}

// Walks a target path: "/a/b", "a.b", "a:b", "../a", "_root.a", "_level0/a". A path with a slash
// separates its segments by '/' and ':' only. Segments name child clips first, then members; the
// first segment of a relative path may also be any variable.
Value ActionRunner::resolvePath(const QString& path)
{
    const bool absolute = path.startsWith(QLatin1Char('/'));
    Value current = absolute ? Value(m_avm.root().object()) : Value(m_context.timeline);
    bool first = !absolute;
    QString rest = absolute ? path.mid(1) : path;
    static const QRegularExpression slashSeparators(QStringLiteral("[/:]"));
    static const QRegularExpression dotSeparators(QStringLiteral("[.:]"));
    const bool slashes = path.contains(QLatin1Char('/'));
    rest.replace(QLatin1String(".."), QString(QChar(1)));   // keep ".." whole while splitting
    for (QString part : rest.split(slashes ? slashSeparators : dotSeparators, Qt::SkipEmptyParts)) {
        part.replace(QChar(1), QLatin1String(".."));
        current = pathStep(current, part, first);
        first = false;
        if (!current.isObject())
            return Value();
    }
    return current;
}

Value ActionRunner::pathStep(const Value& current, const QString& part, bool first)
{
    MovieClip* clip = current.object() ? current.object()->asClip() : nullptr;
    if (part == QLatin1String("..") || sameText(part, "_parent"))
        return clip && clip->parent() ? Value(clip->parent()->object()) : Value();
    if (sameText(part, "_root") || sameText(part, "_level0"))
        return Value(m_avm.root().object());
    if (part.startsWith(QLatin1String("_level"), Qt::CaseInsensitive))
        return Value();
    if (sameText(part, "this"))
        return first ? m_context.thisValue : current;
    if (first && sameText(part, "_global"))
        return Value(m_avm.global());
    if (clip) {
        if (MovieClip* child = clip->childByName(part, m_avm.caseSensitive()))
            return Value(child->object());
    }
    return first ? getVariable(part) : m_avm.getMember(current, part);
}

void ActionRunner::defineLocal(const QString& name, const Value& value)
{
    Object* locals = m_context.activation ? m_context.activation : m_context.timeline;
    if (locals)
        locals->setOwn(name, value, m_avm.caseSensitive());
}

bool ActionRunner::deleteVariable(const QString& name)
{
    for (auto it = m_context.scope.rbegin(); it != m_context.scope.rend(); ++it) {
        if ((*it)->removeOwn(name, m_avm.caseSensitive()))
            return true;
    }
    return m_context.timeline && m_context.timeline->removeOwn(name, m_avm.caseSensitive());
}

MovieClip* ActionRunner::timelineClip() const
{
    return m_context.timeline ? m_context.timeline->asClip() : nullptr;
}

MovieClip* ActionRunner::targetOf(const Value& target)
{
    if (Object* object = target.object())
        return object->asClip();
    const QString path = toString(target);
    if (path.isEmpty())
        return timelineClip();
    return clipOf(resolvePath(path));
}

void ActionRunner::setTarget(const Value& target)
{
    if (target.isString() && target.string().isEmpty()) {
        m_context.timeline = m_context.originalTimeline;
        return;
    }
    m_context.timeline = m_context.originalTimeline;   // target paths start from the script's own clip
    MovieClip* clip = target.object() ? target.object()->asClip() : clipOf(resolvePath(toString(target)));
    if (clip)
        m_context.timeline = clip->object();
    else
        m_context.timeline = nullptr;   // actions on a missing target do nothing
}

qsizetype ActionRunner::defineFunction(ByteReader& payload, qsizetype next, bool version2)
{
    const int version = m_avm.version();
    ScriptFunction script;
    script.isFunction2 = version2;
    script.name = decodeText(payload.cString(), version);
    const int paramCount = payload.u16();
    if (version2) {
        script.registerCount = payload.u8();
        script.flags = payload.u16();
    }
    for (int i = 0; i < paramCount; ++i) {
        const int reg = version2 ? payload.u8() : 0;
        script.params.emplace_back(reg, decodeText(payload.cString(), version));
    }
    const qsizetype size = payload.u16();
    if (size > m_code.size() - next)
        throw SwfError(QStringLiteral("Damaged script: function body passes the end of the code"));
    script.code = m_code.mid(next, size);
    script.scope = m_context.scope;
    script.timeline = m_context.timeline;
    script.constants = m_context.constants;
    const QString name = script.name;
    FunctionObject* function = m_avm.newFunction(std::move(script));
    if (name.isEmpty())
        push(Value(function));
    else
        defineLocal(name, Value(function));
    return next + size;
}

qsizetype ActionRunner::runWith(qsizetype next, qsizetype size)
{
    Object* object = pop().object();
    const qsizetype end = std::min(next + size, m_code.size());
    if (!object)
        return end;
    m_context.scope.push_back(object);
    const qsizetype after = execute(next, end);
    m_context.scope.pop_back();
    return after;
}

qsizetype ActionRunner::runTry(ByteReader& payload, qsizetype next)
{
    const int flags = payload.u8();
    const qsizetype trySize = payload.u16();
    const qsizetype catchSize = payload.u16();
    const qsizetype finallySize = payload.u16();
    const bool inRegister = flags & 0x04;
    const int catchRegister = inRegister ? payload.u8() : 0;
    const QString catchName = inRegister ? QString() : decodeText(payload.cString(), m_avm.version());
    const qsizetype catchStart = next + trySize;
    const qsizetype finallyStart = catchStart + catchSize;
    const qsizetype end = std::min(finallyStart + finallySize, m_code.size());

    qsizetype after = end;
    std::optional<ScriptThrow> pending;
    const int blockDepth = m_blockDepth;
    try {
        after = execute(next, catchStart);
    } catch (const ScriptThrow& thrown) {
        m_blockDepth = blockDepth;
        if (flags & 0x01) {
            if (inRegister && catchRegister < static_cast<int>(m_context.registers.size()))
                m_context.registers[catchRegister] = thrown.value();
            else if (!inRegister)
                setVariable(catchName, thrown.value());
            after = execute(catchStart, finallyStart);
        } else {
            pending = thrown;
        }
    }
    if (flags & 0x02) {
        const bool finished = m_finished;
        m_finished = false;
        execute(finallyStart, end);
        m_finished = m_finished || finished;
    }
    if (pending)
        throw *pending;
    return (after >= next && after <= end) ? end : after;
}

void ActionRunner::gotoFrameExpression(const Value& frame, bool play, int bias)
{
    MovieClip* clip = timelineClip();
    if (frame.isNumber() || frame.type() == Value::Type::Boolean) {
        if (clip)
            clip->gotoFrame(qint64(toInt32(frame)) + bias, play);
        return;
    }
    const QString text = toString(frame);
    const qsizetype colon = std::max(text.lastIndexOf(QLatin1Char(':')), text.lastIndexOf(QLatin1Char('.')));
    if (colon >= 0) {
        clip = clipOf(resolvePath(text.left(colon)));
    }
    if (!clip)
        return;
    const QString label = colon >= 0 ? text.mid(colon + 1) : text;
    bool numeric = false;
    const int number = label.toInt(&numeric);
    if (numeric)
        clip->gotoFrame(number + bias, play);
    else if (!clip->gotoLabel(label, play) && !play)
        clip->stop();
}

void ActionRunner::getUrl(const QString& url, const QString& target)
{
    static const QString prefix = QStringLiteral("FSCommand:");
    if (url.startsWith(prefix, Qt::CaseInsensitive))
        m_avm.fsCommand(url.mid(prefix.size()), target);
}

// Runs the actions of another frame now, on the clip that owns that frame.
void ActionRunner::callFrame(const Value& frame)
{
    MovieClip* clip = timelineClip();
    QString text = toString(frame);
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0) {
        clip = clipOf(resolvePath(text.left(colon)));
        text = text.mid(colon + 1);
    }
    const std::optional<int> number = clip ? clip->frameNumber(text) : std::nullopt;
    if (!number)
        return;
    for (const QByteArray& code : clip->frameActions(*number)) {
        ExecContext context;
        context.timeline = clip->object();
        context.originalTimeline = context.timeline;
        context.thisValue = Value(context.timeline);
        ActionRunner(m_avm, context).run(code);
    }
}

void ActionRunner::enumerate(const Value& value)
{
    push(Value());
    Object* object = value.object();
    for (int hops = 0; object && hops < 256; ++hops, object = object->prototype()) {
        for (const QString& name : object->enumerableNames())
            push(name);
    }
}

void ActionRunner::callFunction()
{
    const QString name = popString();
    const std::vector<Value> args = popArgs();
    const Value function = getVariable(name);
    m_avm.setRunningTimeline(m_context.timeline);
    push(m_avm.call(function, m_context.timeline ? Value(m_context.timeline) : Value(), args));
}

void ActionRunner::callMethod()
{
    const Value nameValue = pop();
    const Value target = pop();
    const std::vector<Value> args = popArgs();
    const QString name = nameValue.isUndefined() ? QString() : toString(nameValue);
    m_avm.setRunningTimeline(m_context.timeline);
    if (name.isEmpty()) {
        push(m_avm.call(target, Value(), args));
        return;
    }
    push(m_avm.call(m_avm.getMember(target, name), target, args));
}

void ActionRunner::newObject()
{
    const QString name = popString();
    const std::vector<Value> args = popArgs();
    push(m_avm.construct(getVariable(name), args));
}

void ActionRunner::newMethod()
{
    const Value nameValue = pop();
    const Value target = pop();
    const std::vector<Value> args = popArgs();
    const QString name = nameValue.isUndefined() ? QString() : toString(nameValue);
    const Value constructor = name.isEmpty() ? target : m_avm.getMember(target, name);
    push(m_avm.construct(constructor, args));
}

void ActionRunner::initObject()
{
    const double count = popNumber();
    Object* object = m_avm.newObject();
    for (int i = 0; std::isfinite(count) && i < count && !m_stack.empty(); ++i) {
        const Value value = pop();
        object->setOwn(popString(), value, m_avm.caseSensitive());
    }
    push(Value(object));
}

void ActionRunner::extends()
{
    const Value superclass = pop();
    const Value subclass = pop();
    if (!subclass.object() || !superclass.object())
        return;
    Object* prototype = m_avm.newObject();
    prototype->setPrototype(m_avm.getMember(superclass, QStringLiteral("prototype")).object());
    prototype->setHidden(QStringLiteral("__constructor__"), superclass);
    subclass.object()->setHidden(QStringLiteral("prototype"), Value(prototype));
}

bool ActionRunner::instanceOf(const Value& value, const Value& constructor)
{
    Object* prototype = m_avm.getMember(constructor, QStringLiteral("prototype")).object();
    Object* object = value.object();
    for (int hops = 0; object && prototype && hops < 256; ++hops) {
        object = object->prototype();
        if (object == prototype)
            return true;
    }
    return false;
}

void ActionRunner::cloneSprite()
{
    const qint64 depth = qint64(toInt32(pop())) + MovieClip::kDepthOffset;
    const QString name = popString();
    MovieClip* source = targetOf(pop());
    if (source && depth <= std::numeric_limits<int>::max())
        source->duplicate(name, static_cast<int>(depth));
}

void ActionRunner::getProperty()
{
    const qint32 index = toInt32(pop());
    MovieClip* clip = targetOf(pop());
    push(clip ? getClipProperty(*clip, index) : Value());
}

void ActionRunner::setProperty()
{
    const Value value = pop();
    const qint32 index = toInt32(pop());
    MovieClip* clip = targetOf(pop());
    if (clip)
        setClipProperty(*clip, index, value, m_avm);
}

Value ActionRunner::add2(const Value& a, const Value& b)
{
    const Value pa = m_avm.toPrimitive(a);
    const Value pb = m_avm.toPrimitive(b);
    if (pa.isString() || pb.isString())
        return Value(toString(pa) + toString(pb));
    return Value(toNumber(pa) + toNumber(pb));
}

Value ActionRunner::less2(const Value& a, const Value& b)
{
    const Value pa = m_avm.toPrimitive(a);
    const Value pb = m_avm.toPrimitive(b);
    if (pa.isString() && pb.isString())
        return Value(pa.string() < pb.string());
    const double na = toNumber(pa);
    const double nb = toNumber(pb);
    if (std::isnan(na) || std::isnan(nb))
        return Value();
    return Value(na < nb);
}

Value ActionRunner::equals2(const Value& a, const Value& b)
{
    using T = Value::Type;
    if (a.type() == b.type())
        return Value(strictEquals(a, b));
    if (a.isNullish() && b.isNullish())
        return Value(true);
    if (a.isNullish() || b.isNullish())
        return Value(false);
    if (a.isObject() != b.isObject()) {
        const Value pa = m_avm.toPrimitive(a);
        const Value pb = m_avm.toPrimitive(b);
        if (pa.isObject() || pb.isObject())
            return Value(false);   // a clip has no primitive value
        return equals2(pa, pb);
    }
    if (a.type() == T::Boolean || a.type() == T::String || b.type() == T::Boolean || b.type() == T::String)
        return Value(toNumber(a) == toNumber(b));
    return Value(false);
}

bool ActionRunner::strictEquals(const Value& a, const Value& b) const
{
    if (a.type() != b.type())
        return false;
    switch (a.type()) {
    case Value::Type::Undefined:
    case Value::Type::Null: return true;
    case Value::Type::Boolean: return a.boolean() == b.boolean();
    case Value::Type::Number: return a.number() == b.number();
    case Value::Type::String: return a.string() == b.string();
    case Value::Type::Object: return a.object() == b.object();
    }
    return false;
}

} // namespace swf
