#include "Builtins.h"

#include "ArrayObject.h"
#include "Avm.h"
#include "ClipObject.h"
#include "MovieClipMethods.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace swf {

namespace {

using Args = std::vector<Value>;

Value arg(const Args& args, size_t index)
{
    return index < args.size() ? args[index] : Value();
}

void method(Object* owner, const char* name, Avm& avm, NativeFunction function)
{
    owner->setHidden(QLatin1String(name), Value(avm.newFunction(std::move(function))));
}

FunctionObject* defineClass(Avm& avm, const char* name, Object* prototype, NativeFunction constructor)
{
    FunctionObject* function = avm.newFunction(std::move(constructor));
    function->setHidden(QStringLiteral("prototype"), Value(prototype));
    prototype->setHidden(QStringLiteral("constructor"), Value(function));
    avm.global()->setHidden(QLatin1String(name), Value(function));
    return function;
}

ArrayObject* arrayOf(const Value& self)
{
    return self.object() ? dynamic_cast<ArrayObject*>(self.object()) : nullptr;
}

QString join(Avm& avm, ArrayObject* array, const QString& separator)
{
    QStringList parts;
    for (int i = 0; i < array->length(); ++i) {
        const Value item = array->at(i);
        parts << (item.isUndefined() ? QStringLiteral("undefined") : avm.toString(item));
    }
    return parts.join(separator);
}

void installObject(Avm& avm)
{
    Object* proto = avm.objectPrototype();
    defineClass(avm, "Object", proto, [](Avm& a, const Value&, const Args& args) {
        const Value value = arg(args, 0);
        return value.isObject() ? value : Value(a.newObject());
    });
    method(proto, "toString", avm, [](Avm&, const Value&, const Args&) { return Value(QStringLiteral("[object Object]")); });
    method(proto, "valueOf", avm, [](Avm&, const Value& self, const Args&) { return self; });
    method(proto, "hasOwnProperty", avm, [](Avm& a, const Value& self, const Args& args) {
        return Value(self.object() && self.object()->getOwn(a.toString(arg(args, 0)), a.caseSensitive()).has_value());
    });
    method(avm.functionPrototype(), "call", avm, [](Avm& a, const Value& self, const Args& args) {
        return a.call(self, arg(args, 0), Args(args.size() > 1 ? args.begin() + 1 : args.end(), args.end()));
    });
    method(avm.functionPrototype(), "apply", avm, [](Avm& a, const Value& self, const Args& args) {
        Args list;
        if (ArrayObject* array = arrayOf(arg(args, 1)))
            for (int i = 0; i < array->length(); ++i)
                list.push_back(array->at(i));
        return a.call(self, arg(args, 0), list);
    });
    defineClass(avm, "Function", avm.functionPrototype(), [](Avm&, const Value&, const Args&) { return Value(); });
    method(avm.global(), "ASSetPropFlags", avm, [](Avm&, const Value&, const Args&) { return Value(); });
}

void installArray(Avm& avm)
{
    Object* proto = avm.arrayPrototype();
    defineClass(avm, "Array", proto, [](Avm& a, const Value&, const Args& args) {
        ArrayObject* array = a.newArray();
        if (args.size() == 1 && args[0].isNumber())
            array->setOwn(QStringLiteral("length"), args[0], true);
        else
            for (const Value& item : args)
                array->push(item);
        return Value(array);
    });
    method(proto, "push", avm, [](Avm&, const Value& self, const Args& args) {
        ArrayObject* array = arrayOf(self);
        if (!array)
            return Value();
        for (const Value& item : args)
            array->push(item);
        return Value(array->length());
    });
    method(proto, "pop", avm, [](Avm&, const Value& self, const Args&) {
        ArrayObject* array = arrayOf(self);
        if (!array || array->length() == 0)
            return Value();
        const Value last = array->at(array->length() - 1);
        array->setOwn(QStringLiteral("length"), Value(array->length() - 1), true);
        return last;
    });
    method(proto, "join", avm, [](Avm& a, const Value& self, const Args& args) {
        ArrayObject* array = arrayOf(self);
        const QString separator = arg(args, 0).isUndefined() ? QStringLiteral(",") : a.toString(args[0]);
        return array ? Value(join(a, array, separator)) : Value();
    });
    method(proto, "toString", avm, [](Avm& a, const Value& self, const Args&) {
        ArrayObject* array = arrayOf(self);
        return array ? Value(join(a, array, QStringLiteral(","))) : Value();
    });
}

void installString(Avm& avm)
{
    Object* proto = avm.stringPrototype();
    defineClass(avm, "String", proto, [](Avm& a, const Value&, const Args& args) {
        return Value(args.empty() ? QString() : a.toString(args[0]));
    });
    method(proto, "toString", avm, [](Avm& a, const Value& self, const Args&) { return Value(a.toString(self)); });
    method(proto, "valueOf", avm, [](Avm& a, const Value& self, const Args&) { return Value(a.toString(self)); });
    method(proto, "charAt", avm, [](Avm& a, const Value& self, const Args& args) {
        return Value(a.toString(self).mid(std::max(0, a.toInt32(arg(args, 0))), 1));
    });
    method(proto, "charCodeAt", avm, [](Avm& a, const Value& self, const Args& args) {
        const QString text = a.toString(self);
        const double index = a.toNumber(arg(args, 0));
        if (!(index >= 0 && index < text.size()))
            return Value(std::nan(""));
        return Value(static_cast<int>(text.at(static_cast<qsizetype>(index)).unicode()));
    });
    method(proto, "indexOf", avm, [](Avm& a, const Value& self, const Args& args) {
        return Value(static_cast<int>(a.toString(self).indexOf(a.toString(arg(args, 0)))));
    });
    method(proto, "substr", avm, [](Avm& a, const Value& self, const Args& args) {
        const QString text = a.toString(self);
        qsizetype from = a.toInt32(arg(args, 0));
        if (from < 0)
            from = std::max<qsizetype>(0, text.size() + from);
        const qsizetype count = arg(args, 1).isUndefined() ? -1 : a.toInt32(args[1]);
        return Value(text.mid(from, count));
    });
    method(proto, "toUpperCase", avm, [](Avm& a, const Value& self, const Args&) { return Value(a.toString(self).toUpper()); });
    method(proto, "toLowerCase", avm, [](Avm& a, const Value& self, const Args&) { return Value(a.toString(self).toLower()); });
    defineClass(avm, "Number", avm.newObject(), [](Avm& a, const Value&, const Args& args) {
        return Value(args.empty() ? 0.0 : a.toNumber(args[0]));
    });
    defineClass(avm, "Boolean", avm.newObject(), [](Avm& a, const Value&, const Args& args) {
        return Value(a.toBoolean(arg(args, 0)));
    });
}

void installMath(Avm& avm)
{
    Object* math = avm.newObject();
    avm.global()->setHidden(QStringLiteral("Math"), Value(math));
    using Unary = double (*)(double);
    const std::pair<const char*, Unary> unary[] = {
        {"abs", std::fabs}, {"floor", std::floor}, {"ceil", std::ceil}, {"sqrt", std::sqrt},
        {"sin", std::sin}, {"cos", std::cos}, {"tan", std::tan}, {"atan", std::atan},
        {"exp", std::exp}, {"log", std::log}, {"round", [](double x) { return std::floor(x + 0.5); }}};
    for (const auto& [name, function] : unary) {
        method(math, name, avm, [function = function](Avm& a, const Value&, const Args& args) {
            return Value(function(a.toNumber(arg(args, 0))));
        });
    }
    using Binary = double (*)(double, double);
    const std::pair<const char*, Binary> binary[] = {
        {"min", [](double x, double y) { return std::isnan(x) || std::isnan(y) ? std::nan("") : std::min(x, y); }},
        {"max", [](double x, double y) { return std::isnan(x) || std::isnan(y) ? std::nan("") : std::max(x, y); }},
        {"pow", std::pow}, {"atan2", std::atan2}};
    for (const auto& [name, function] : binary) {
        method(math, name, avm, [function = function](Avm& a, const Value&, const Args& args) {
            return Value(function(a.toNumber(arg(args, 0)), a.toNumber(arg(args, 1))));
        });
    }
    method(math, "random", avm, [](Avm&, const Value&, const Args&) { return Value(QRandomGenerator::global()->generateDouble()); });
    math->setHidden(QStringLiteral("PI"), Value(std::numbers::pi));
    math->setHidden(QStringLiteral("E"), Value(std::numbers::e));
}

void installGlobals(Avm& avm)
{
    Object* global = avm.global();
    if (avm.version() >= 5) {   // version 4 movies read these names as plain, unset variables
        global->setHidden(QStringLiteral("NaN"), Value(std::nan("")));
        global->setHidden(QStringLiteral("Infinity"), Value(std::numeric_limits<double>::infinity()));
    }
    method(global, "isNaN", avm, [](Avm& a, const Value&, const Args& args) { return Value(std::isnan(a.toNumber(arg(args, 0)))); });
    method(global, "isFinite", avm, [](Avm& a, const Value&, const Args& args) { return Value(std::isfinite(a.toNumber(arg(args, 0)))); });
    method(global, "parseFloat", avm, [](Avm& a, const Value&, const Args& args) {
        static const QRegularExpression number(QStringLiteral("^\\s*[-+]?(\\d+\\.?\\d*([eE][-+]?\\d+)?|\\.\\d+([eE][-+]?\\d+)?)"));
        const auto match = number.match(a.toString(arg(args, 0)));
        return Value(match.hasMatch() ? match.captured(0).trimmed().toDouble() : std::nan(""));
    });
    method(global, "parseInt", avm, [](Avm& a, const Value&, const Args& args) {
        QString text = a.toString(arg(args, 0)).trimmed();
        int radix = arg(args, 1).isUndefined() ? 10 : a.toInt32(args[1]);
        const bool negative = text.startsWith(QLatin1Char('-'));
        if (negative || text.startsWith(QLatin1Char('+')))
            text = text.mid(1);
        if (arg(args, 1).isUndefined() && text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
            radix = 16;
            text = text.mid(2);
        }
        if (radix < 2 || radix > 36)
            return Value(std::nan(""));
        double result = 0;
        qsizetype used = 0;
        for (; used < text.size(); ++used) {
            const int digit = text.at(used).isDigit() ? text.at(used).digitValue()
                              : text.at(used).isLetter() ? text.at(used).toLower().unicode() - 'a' + 10 : 99;
            if (digit >= radix)
                break;
            result = result * radix + digit;
        }
        if (used == 0)
            return Value(std::nan(""));
        return Value(negative ? -result : result);
    });
}

} // namespace

void installBuiltins(Avm& avm)
{
    installObject(avm);
    installArray(avm);
    installString(avm);
    installMath(avm);
    installGlobals(avm);
    installMovieClipMethods(avm);
}

} // namespace swf
