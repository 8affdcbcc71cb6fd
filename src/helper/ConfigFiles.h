#pragma once
// Where the program's INI files live, the settings triples of DefaultSettings.ini and the
// device history.

#include <QString>
#include <QStringList>

// The folder of the executable; tests point it at the build tree's runtime folder.
QString ProgramDirectory();
void SetProgramDirectory(const QString& folder);

// The common documents folder of the program (created when missing).
QString CommonDocumentsFolder();

QString GetDefaultSettingsPath(); // empty text when the file is missing
QString GetProfilePath();
QString GetDeviceHistoryPath();
