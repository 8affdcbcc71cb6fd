#pragma once
// Registry values kept in the program's own settings store (QSettings, organisation "Zerv",
// application "Pelandrix"). A registry sub-key is a settings group, its backslashes becoming '/'.
// The current user's root is the user scope of the store, the machine root its system scope.
// Names are compared as the store compares them: case-sensitively.

#include <QString>

enum class RegistryRoot { CurrentUser, LocalMachine };

// Sets valueName under an existing subKey (one that has values or sub-keys): like opening the key
// without creating it. False when the sub-key does not exist, the value name would name a sub-key
// (empty, or holding a slash), or the store cannot be written.
bool WriteRegistryString(RegistryRoot rootKey, const QString& subKey, const QString& valueName, const QString& value);
