#include "CommandLine.h"

#include <algorithm>

QStringList ParseCommandLineArguments(const QStringList& arguments)
{
    QStringList kept;
    for (const QString& argument : arguments.mid(0, kMaxCommandLineArguments)) {
        QString bare = argument;
        bare.remove(u'"');
        kept.append(bare);
    }
    return kept;
}

bool IsBatchSaveSwitch(const QString& argument)
{
    return argument.compare(QLatin1String(kBatchSaveSwitch), Qt::CaseInsensitive) == 0;
}

bool IsBatchSave(const QStringList& arguments)
{
    return !arguments.isEmpty() && IsBatchSaveSwitch(arguments.first());
}

bool IsPlainBatchSave(const QStringList& rawArguments)
{
    return IsBatchSave(ParseCommandLineArguments(rawArguments)) &&
           std::none_of(rawArguments.begin() + 1, rawArguments.end(),
                        [](const QString& argument) { return argument.startsWith(u'-'); });
}
