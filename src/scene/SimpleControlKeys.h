#pragma once

#include <QString>

class QObject;
class TSkStract;

// The keys of the simple control types, applied in the type pass of property assignment. Each
// type has a table of the keys it reads; keys not in its table do nothing.
class SimpleControlKeys {
public:
    explicit SimpleControlKeys(TSkStract& scene) : scene_(scene) {}

    // True when the type has a key table here.
    static bool Has(const QString& type);

    // Carries out the key of the type's table, if it has one. Conversion errors travel out.
    void Apply(QObject* control, const QString& type, const QString& key, const QString& value);

    struct Row;

private:
    TSkStract& scene_;
};
