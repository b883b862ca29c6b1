#include "SkCommand.h"

#include "TextUtils.h"

TSkCommand::TSkCommand(const QString& text)
{
    QString remainder = text;
    while (!remainder.isEmpty()) {
        QString command = SplitHead(remainder, QStringLiteral("//"));
        const QString name = SplitHead(command, QStringLiteral("*"));
        if (name.isEmpty())
            continue;
        commands_.push_back({name.toLower(), command, command.split(u'*', Qt::SkipEmptyParts), remainder});
    }
}

QString TSkCommand::CommandText(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    const RCommand& command = commands_[size_t(index)];
    QString text = command.Name;
    for (const QString& argument : command.Args)
        text += u'*' + argument;
    return text;
}
