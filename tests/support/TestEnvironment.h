#pragma once
// Points the program's folders at the build tree and the user's folders at a private temporary
// folder, and loads the language pack, before any test runs.

#include <QString>

namespace TestEnvironment {

// Call before the QCoreApplication exists: sets HOME and XDG_* to a fresh temporary folder.
void PrepareUserFolders();
// Call once the application exists: program folder = build tree's runtime folder, language pack loaded.
void PrepareProgram();
// The temporary folder standing in for the user's home.
QString HomeFolder();

} // namespace TestEnvironment
