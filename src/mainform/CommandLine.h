#pragma once
// The program's command line: a project path to open, or "-S in.pelx [out.pelx]" to open, save
// and end.

#include <QString>
#include <QStringList>

inline constexpr int kMaxCommandLineArguments = 5;
inline constexpr const char* kBatchSaveSwitch = "-S";

// The arguments after the program name: at most the first five, each without its double quotes.
QStringList ParseCommandLineArguments(const QStringList& arguments);
// The batch save switch, in either case. The argument itself is never changed.
bool IsBatchSaveSwitch(const QString& argument);
// True when the arguments ask for the batch save.
bool IsBatchSave(const QStringList& arguments);
// True for the arguments as the program got them (before Qt takes out the options it knows) when
// they ask for the batch save and no option follows the switch: a run that needs no widgets, with
// the same arguments whether a widget application looks at them or not.
bool IsPlainBatchSave(const QStringList& rawArguments);
