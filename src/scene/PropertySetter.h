#pragma once

#include <QString>
#include <QStringList>

class QObject;
class QWidget;
class TSkForm;
class TSkStract;

// Turns the keys of one section of the struct file into the state of its object: first the keys
// every control understands (from the last key to the first), then the keys of the object's type
// in file order.
class PropertySetter {
public:
    explicit PropertySetter(TSkStract& scene) : scene_(scene) {}

    // Conversion errors travel out at the key that fails; the remaining keys are not applied.
    void SetProperty(QObject* control, const QString& name, const QString& type);

private:
    void ApplyCommonKeys(QWidget* control, const QString& name, const QStringList& keys);
    void ApplyFormKey(TSkForm* form, const QString& key, const QString& value);
    void ApplyFormSkin(TSkForm* form, const QString& value);
    bool HasKeyTable(const QString& type) const;

    TSkStract& scene_;
};
