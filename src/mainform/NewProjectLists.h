#pragma once
// The option lists of DefaultSettings.ini [New_Project] that the new-project dialogs and the
// change-module dialog offer: product series, models, CPU modules, slot counts and power modules.

#include <QString>
#include <QStringList>
#include <QStringView>

inline constexpr const char* kNewProjectSection = "New_Project";

// The text of "no module" in the power module lists and in the dialogs' results.
inline constexpr QStringView kNoModule = u"N/A";

// The series texts that pick a model list; every other series offers the 4100 models.
inline constexpr QStringView kSeries2300 = u"ulTEK 2300";
inline constexpr QStringView kSeries4200 = u"ulTEK 4200";
// The two 4100 models that are completed by the CPU dialog, with their variants.
inline constexpr QStringView kModel4100C = u"ulTEK 4100 C/C++ Series";
inline constexpr QStringView kModel4100IEC = u"ulTEK 4100 IEC 61131-3 Series";
inline constexpr int kVariantC = 0;
inline constexpr int kVariantIEC = 1;

// The slot counts of the 4100 series; any count but 5 and 9 is taken as 12.
inline constexpr int kSlotCount5 = 5;
inline constexpr int kSlotCount9 = 9;
inline constexpr int kSlotCount12 = 12;

struct NewProjectLists {
    QStringList series;
    QStringList models2300;
    QStringList models4200;
    QStringList models4100;
    QStringList cpusC;
    QStringList cpusIEC;
    QStringList slotCounts;
    QStringList powers;
    QStringList secondPowersDefault; // shown before a slot count is applied
    QStringList secondPowers9[3];    // by wattage: 15 W, 30 W, 50 W
    QStringList secondPowers12[3];

    // The models of a series.
    const QStringList& ModelsOf(const QString& series) const;
    const QStringList& CPUsOf(int variant) const { return variant == kVariantIEC ? cpusIEC : cpusC; }
    // The second power modules for a slot count (9 or 12) and a power module; empty for any other
    // count or a power module of unknown wattage.
    QStringList SecondPowersFor(int slotCount, const QString& powerModule) const;
};

// A DefaultSettings.ini value split at "," without trimming: a missing or empty value gives one
// empty entry. Without DefaultSettings.ini the list is empty.
QStringList ReadDefaultSettingsList(const QString& section, const QString& key);

// Every [New_Project] list; all empty when DefaultSettings.ini does not exist.
NewProjectLists ReadNewProjectLists();

// The slot count an entry of the slot count list stands for: its leading number ("9-Slot" gives 9).
int SlotCountOfEntry(const QString& entry);

// A second power module entry is the module name, optionally followed by " (" and a comment;
// "N/A" stays as it is.
QString ModuleNameWithoutComment(const QString& entry);
