#pragma once
// What the project commands and the batch save share about project files.

#include <QString>

// Something other than a plain file (or a link to one) stands at the path.
bool IsSpecialFile(const QString& path);
// The name a project takes from its file: the file name without its extension.
QString ProjectNameOf(const QString& path);
// Writes the path as the latest project into that Profile.ini; a failure is traced.
void RememberLatestProject(const QString& profilePath, const QString& path);
