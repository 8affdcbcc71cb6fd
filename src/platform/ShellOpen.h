#pragma once
// Opening a link, a document or a program with its parameters, as the desktop does. Tests
// replace the opener to see what would be opened.

#include <QString>

#include <functional>

// Opens target: a URL ("mailto:", "https:") or a file with the desktop's handler; an executable
// file with parameters is started with them (split like a command line). False on failure.
bool ShellOpen(const QString& target, const QString& parameters = QString());

using ShellOpener = std::function<bool(const QString& target, const QString& parameters)>;
// Installs another opener (an empty one restores the desktop's) and returns the previous one.
ShellOpener SetShellOpener(ShellOpener opener);
