#include "ComponentNames.h"

#include "AppError.h"

#include <QObject>
#include <QRegularExpression>
#include <QStringList>
#include <QVariant>

namespace {

const char* const kNamesProperty = "_sceneComponentNames";

bool IsValidIdentifier(const QString& name)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return identifier.match(name).hasMatch();
}

}  // namespace

namespace ComponentNames {

void Claim(QObject* owner, const QString& name)
{
    if (!IsValidIdentifier(name))
        throw AppError(AppError::Kind::Component, QStringLiteral("''%1'' is not a valid component name").arg(name));
    QStringList names = owner->property(kNamesProperty).toStringList();
    if (names.contains(name, Qt::CaseInsensitive))
        throw AppError(AppError::Kind::Component, QStringLiteral("A component named %1 already exists").arg(name));
    names.append(name);
    owner->setProperty(kNamesProperty, names);
}

}  // namespace ComponentNames
