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

// A DefaultSettings.ini value of three comma-separated integers: default, minimum, maximum.
struct SettingTriple {
    int defaultValue = 0;
    int minimum = 0;
    int maximum = 0;
    friend bool operator==(const SettingTriple&, const SettingTriple&) = default;
};

// Exactly three pieces give the file's triple; anything else gives the built-in triple whole.
SettingTriple ParseSettingTriple(const QString& text, const SettingTriple& builtIn);
// Reads [section] key of DefaultSettings.ini as a triple.
SettingTriple ReadSettingTriple(const QString& section, const QString& key, const SettingTriple& builtIn);

// Writes [DeviceHistory] of DevieHistory.ini: Count, Default (the selected index, -1 for none),
// then Device_0.. in list order. Keys of a longer earlier history stay; readers go by Count.
// False when any key could not be written.
bool SaveDeviceHistory(const QStringList& entries, int selectedIndex);
