#include "Avm.h"

#include "ActionRunner.h"
#include "ArrayObject.h"
#include "Builtins.h"
#include "ClipObject.h"
#include "MovieClip.h"
#include "MovieDefinition.h"
#include "NumberFormat.h"
#include "ScriptThrow.h"
#include "SwfError.h"

#include <QRegularExpression>
#include <cmath>

namespace swf {

namespace {

enum PreloadFlag : quint16 {
    PreloadThis = 0x01,
    PreloadArguments = 0x04,
    PreloadSuper = 0x10,
    PreloadRoot = 0x40,
    PreloadParent = 0x80,
    PreloadGlobal = 0x100,
    SuppressThis = 0x02,
    SuppressArguments = 0x08,
};

} // namespace

Avm::Avm(std::shared_ptr<const MovieDefinition> movie)
    : m_movie(std::move(movie)), m_version(m_movie->version())
{
    m_clock.start();
    m_objectPrototype = make<Object>(nullptr);
    m_functionPrototype = make<Object>(m_objectPrototype);
    m_arrayPrototype = make<Object>(m_objectPrototype);
    m_stringPrototype = make<Object>(m_objectPrototype);
    m_clipPrototype = make<Object>(m_objectPrototype);
    m_global = make<Object>(m_objectPrototype);
    installBuiltins(*this);
    m_root = std::make_unique<MovieClip>(*this, nullptr, 0, &m_movie->root());
}

Avm::~Avm()
{
    m_root.reset();
}

Object* Avm::newObject()
{
    return make<Object>(m_objectPrototype);
}

ArrayObject* Avm::newArray(const std::vector<Value>& items)
{
    auto* array = make<ArrayObject>(m_arrayPrototype);
    for (const Value& item : items)
        array->push(item);
    return array;
}

FunctionObject* Avm::newFunction(NativeFunction native)
{
    return make<FunctionObject>(m_functionPrototype, std::move(native));
}

FunctionObject* Avm::newFunction(ScriptFunction script)
{
    auto* function = make<FunctionObject>(m_functionPrototype, std::move(script));
    Object* prototype = newObject();
    prototype->setHidden(QStringLiteral("constructor"), Value(function));
    function->setHidden(QStringLiteral("prototype"), Value(prototype));
    return function;
}

ClipObject* Avm::makeClipObject(MovieClip* clip)
{
    return make<ClipObject>(*this, m_clipPrototype, clip);
}

QString Avm::nextInstanceName()
{
    return QStringLiteral("instance%1").arg(++m_instanceCounter);
}

// Version 4 reads the longest leading decimal number (0 when there is none); later versions
// need the whole text to be a number, hexadecimal with "0x" included.
double Avm::parseNumber(const QString& text) const
{
    const QString trimmed = text.trimmed();
    if (m_version < 5) {
        static const QRegularExpression prefix(QStringLiteral("^[-+]?(\\d+\\.?\\d*([eE][-+]?\\d+)?|\\.\\d+([eE][-+]?\\d+)?)"));
        const auto match = prefix.match(trimmed);
        return match.hasMatch() ? match.captured(0).toDouble() : 0;
    }
    if (trimmed.isEmpty())
        return std::nan("");
    bool ok = false;
    double number = 0;
    if (trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        number = static_cast<double>(trimmed.mid(2).toLongLong(&ok, 16));
    else
        number = trimmed.toDouble(&ok);
    if (!ok || trimmed.contains(QLatin1String("inf"), Qt::CaseInsensitive)
        || trimmed.contains(QLatin1String("nan"), Qt::CaseInsensitive))
        return std::nan("");
    return number;
}

double Avm::toNumber(const Value& value)
{
    switch (value.type()) {
    case Value::Type::Undefined:
    case Value::Type::Null:
        return m_version >= 7 ? std::nan("") : 0;
    case Value::Type::Boolean:
        return value.boolean() ? 1 : 0;
    case Value::Type::Number:
        return value.number();
    case Value::Type::String:
        return parseNumber(value.string());
    case Value::Type::Object: {
        const Value primitive = toPrimitive(value);
        return primitive.isObject() ? std::nan("") : toNumber(primitive);
    }
    }
    return 0;
}

QString Avm::toString(const Value& value)
{
    switch (value.type()) {
    case Value::Type::Undefined:
        return m_version >= 7 ? QStringLiteral("undefined") : QString();
    case Value::Type::Null:
        return QStringLiteral("null");
    case Value::Type::Boolean:
        if (m_version < 5)
            return value.boolean() ? QStringLiteral("1") : QStringLiteral("0");
        return value.boolean() ? QStringLiteral("true") : QStringLiteral("false");
    case Value::Type::Number:
        return formatNumber(value.number());
    case Value::Type::String:
        return value.string();
    case Value::Type::Object:
        break;
    }
    Object* object = value.object();
    if (MovieClip* clip = object->asClip())
        return clip->dotPath();
    const Value method = getMember(value, QStringLiteral("toString"));
    if (method.object() && method.object()->asFunction()) {
        const Value result = call(method, value, {});
        if (!result.isObject())
            return toString(result);
    }
    return object->asFunction() ? QStringLiteral("[type Function]") : QStringLiteral("[type Object]");
}

qint32 Avm::toInt32(const Value& value)
{
    const double n = toNumber(value);
    if (!std::isfinite(n))
        return 0;
    return static_cast<qint32>(static_cast<quint32>(static_cast<qint64>(std::fmod(std::trunc(n), 4294967296.0))));
}

bool Avm::toBoolean(const Value& value)
{
    switch (value.type()) {
    case Value::Type::Undefined:
    case Value::Type::Null:
        return false;
    case Value::Type::Boolean:
        return value.boolean();
    case Value::Type::Number:
        return !std::isnan(value.number()) && value.number() != 0;
    case Value::Type::String:
        if (m_version >= 7)
            return !value.string().isEmpty();
        return toBoolean(Value(parseNumber(value.string())));
    case Value::Type::Object:
        return true;
    }
    return false;
}

Value Avm::toPrimitive(const Value& value)
{
    Object* object = value.object();
    if (!object || object->asClip())
        return value;
    const Value method = getMember(value, QStringLiteral("valueOf"));
    if (method.object() && method.object()->asFunction()) {
        const Value result = call(method, value, {});
        if (!result.isObject())
            return result;
    }
    return Value(toString(value));
}

QString Avm::typeOf(const Value& value)
{
    switch (value.type()) {
    case Value::Type::Undefined: return QStringLiteral("undefined");
    case Value::Type::Null: return QStringLiteral("null");
    case Value::Type::Boolean: return QStringLiteral("boolean");
    case Value::Type::Number: return QStringLiteral("number");
    case Value::Type::String: return QStringLiteral("string");
    case Value::Type::Object: break;
    }
    if (value.object()->asClip())
        return QStringLiteral("movieclip");
    return value.object()->asFunction() ? QStringLiteral("function") : QStringLiteral("object");
}

std::optional<Value> Avm::lookup(Object* object, const QString& name)
{
    // Prototype chains made by scripts may loop; the walk is bounded.
    for (int hops = 0; object && hops < 256; ++hops, object = object->prototype()) {
        if (auto value = object->getOwn(name, caseSensitive()))
            return value;
    }
    return std::nullopt;
}

Value Avm::getMember(const Value& target, const QString& name)
{
    Object* object = target.object();
    if (!object) {
        if (target.isString() && name == QLatin1String("length"))
            return Value(static_cast<int>(target.string().size()));
        if (target.isString())
            object = m_stringPrototype;
        else if (target.isNumber() || target.type() == Value::Type::Boolean)
            object = m_objectPrototype;
        else
            return Value();
    }
    if (name == QLatin1String("__proto__"))
        return Value(object->prototype());
    return lookup(object, name).value_or(Value());
}

void Avm::setMember(const Value& target, const QString& name, const Value& value)
{
    Object* object = target.object();
    if (!object)
        return;
    if (name == QLatin1String("__proto__"))
        object->setPrototype(value.object());
    else
        object->setOwn(name, value, caseSensitive());
}

Value Avm::call(const Value& function, const Value& self, const std::vector<Value>& args)
{
    FunctionObject* callee = function.object() ? function.object()->asFunction() : nullptr;
    if (!callee)
        return Value();
    if (m_callDepth >= kMaxCallDepth)
        throw SwfError(QStringLiteral("Script stopped: more than %1 nested function calls").arg(kMaxCallDepth));
    struct DepthGuard {
        int& depth;
        explicit DepthGuard(int& d) : depth(d) { ++depth; }
        ~DepthGuard() { --depth; }
    } guard(m_callDepth);
    if (const NativeFunction* native = callee->native())
        return (*native)(*this, self, args);
    return callScript(callee, self, args);
}

Value Avm::construct(const Value& constructor, const std::vector<Value>& args)
{
    Object* instance = newObject();
    if (constructor.object())
        instance->setPrototype(getMember(constructor, QStringLiteral("prototype")).object());
    const Value result = call(constructor, Value(instance), args);
    return result.isObject() ? result : Value(instance);
}

Value Avm::callScript(FunctionObject* function, const Value& self, const std::vector<Value>& args)
{
    const ScriptFunction& script = *function->script();
    ExecContext context;
    context.timeline = script.timeline;
    if (m_version < 6)   // no closures: the function runs on the clip it is called on, else the caller's
        context.timeline = self.object() && self.object()->asClip() ? self.object() : m_runningTimeline;
    if (!context.timeline)
        context.timeline = script.timeline;
    context.originalTimeline = context.timeline;
    context.thisValue = self;
    context.constants = script.constants;
    if (m_version >= 6)
        context.scope = script.scope;
    context.activation = make<Object>(nullptr);
    context.scope.push_back(context.activation);
    context.registers.assign(script.isFunction2 ? std::max(script.registerCount, 1) : 4, Value());

    ArrayObject* arguments = newArray(args);
    arguments->setHidden(QStringLiteral("callee"), Value(function));
    preloadRegisters(script, context, self, arguments);
    for (size_t i = 0; i < script.params.size(); ++i) {
        const Value arg = i < args.size() ? args[i] : Value();
        const auto& [reg, name] = script.params[i];
        if (reg > 0 && reg < static_cast<int>(context.registers.size()))
            context.registers[reg] = arg;
        else
            context.activation->setOwn(name, arg, caseSensitive());
    }
    ActionRunner runner(*this, context);
    return runner.run(script.code);
}

void Avm::preloadRegisters(const ScriptFunction& script, ExecContext& context, const Value& self, Object* arguments)
{
    const quint16 flags = script.isFunction2 ? script.flags : 0;
    if (!(flags & SuppressArguments))
        context.activation->setOwn(QStringLiteral("arguments"), Value(arguments), true);
    if (!(flags & SuppressThis))
        context.activation->setHidden(QStringLiteral("this"), self);
    if (!script.isFunction2)
        return;
    size_t next = 1;
    auto preload = [&](quint16 flag, const Value& value) {
        if ((flags & flag) && next < context.registers.size())
            context.registers[next++] = value;
    };
    MovieClip* clip = script.timeline ? script.timeline->asClip() : nullptr;
    preload(PreloadThis, self);
    preload(PreloadArguments, Value(arguments));
    preload(PreloadSuper, self.object() ? Value(self.object()->prototype()) : Value());
    preload(PreloadRoot, Value(m_root->object()));
    preload(PreloadParent, clip && clip->parent() ? Value(clip->parent()->object()) : Value());
    preload(PreloadGlobal, Value(m_global));
}

quint64 Avm::registerClip(MovieClip* clip)
{
    m_clips.emplace(++m_nextSerial, clip);
    return m_nextSerial;
}

void Avm::unregisterClip(quint64 serial)
{
    m_clips.erase(serial);
}

// Clips made during this pass have shown their first frame already and wait for the next tick.
void Avm::advanceClips()
{
    std::vector<quint64> serials;
    for (const auto& entry : m_clips)
        serials.push_back(entry.first);
    for (auto it = serials.rbegin(); it != serials.rend(); ++it) {
        auto clip = m_clips.find(*it);
        if (clip != m_clips.end())
            clip->second->advance();
    }
}

void Avm::queueActions(MovieClip* clip, const QByteArray& code)
{
    m_queue.push_back({clip->object(), code});
}

void Avm::runInitActions(int spriteId, const QByteArray& code)
{
    Q_UNUSED(spriteId);
    if (m_initDone.contains(code.constData()))
        return;
    m_initDone.insert(code.constData());
    m_queue.push_back({m_root->object(), code});
}

void Avm::runQueue()
{
    while (!m_queue.empty()) {
        QueuedScript next = std::move(m_queue.front());
        m_queue.pop_front();
        if (next.clip->asClip())
            runScript(next.clip, next.code);
    }
}

void Avm::runScript(Object* timeline, const QByteArray& code)
{
    ExecContext context;
    context.timeline = timeline;
    context.originalTimeline = timeline;
    context.thisValue = Value(timeline);
    m_budget = kInstructionBudget;
    try {
        ActionRunner runner(*this, context, &m_stack);
        runner.run(code);
    } catch (const SwfError& error) {
        reportError(error.text());
    } catch (const ScriptThrow&) {
        // An exception no Try block caught ends the script quietly, as in the Flash Player.
    }
}

void Avm::countInstruction()
{
    if (--m_budget < 0)
        throw SwfError(QStringLiteral("A script in this movie ran too long (more than %1 actions) and was stopped")
                           .arg(kInstructionBudget));
}

void Avm::trace(const QString& line)
{
    if (onTrace)
        onTrace(line);
}

void Avm::fsCommand(const QString& command, const QString& argument)
{
    if (onFsCommand)
        onFsCommand(command, argument);
}

void Avm::reportError(const QString& message)
{
    if (onError)
        onError(message);
}

} // namespace swf
