#pragma once

#include <QString>

class QObject;

// Object names become component names: a valid identifier, unique (without regard to case) among
// the components of one owner. Violations raise the host library's component errors.
namespace ComponentNames {

// Checks the name and records it for the owner; throws AppError (Component) on a violation.
void Claim(QObject* owner, const QString& name);

}  // namespace ComponentNames
