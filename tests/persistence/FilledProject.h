#pragma once
// Whole projects built from the shipped templates as the new-project and add-module commands
// build them: every free slot filled with a module of the series, and every stored value moved
// away from its default. Header only, so the project file bench builds the same projects.

#include "CDataCenter.h"
#include "CTemplatePlacer.h"
#include "ConfigFiles.h"
#include "IniFile.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace FilledProject {

// The modules the add-module dialog offers a project of that model, and how many of each it may hold.
inline QStringList ModulesOfSeries(const QString& modelName)
{
    const QString series = modelName.section(QLatin1Char('-'), 0, 0).replace(QLatin1Char(' '), QLatin1Char('_'));
    const QString list = GetPrivateProfileString(QStringLiteral("New_Module"), series + QStringLiteral("_mode"),
                                                 QString(), GetDefaultSettingsPath());
    return list.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

inline int ModuleLimit(QString module)
{
    module.remove(QStringLiteral("-CT")).remove(QStringLiteral("-T"));
    return GetPrivateProfileInt(QStringLiteral("Slot_Limit"), module, 0, GetDefaultSettingsPath());
}

// Places a module into every free slot, going round the series' list from `cursor` on and
// skipping modules at their limit; the cursor moves on, so consecutive projects take other
// modules. False when a template could not be placed.
inline bool FillFreeSlots(CTemplatePlacer& placer, CDataCenter& model, const QString& modelName, int& cursor)
{
    const QStringList modules = ModulesOfSeries(modelName);
    QMap<QString, int> placed;
    for (int slot = 1; slot <= model.MaxSlotCount && !modules.isEmpty(); ++slot) {
        if (model.SlotHasModule(slot) || !model.GetSlotName(slot).isEmpty())
            continue;
        QString module;
        for (qsizetype tries = 0; tries < modules.size() && module.isEmpty(); ++tries) {
            const QString candidate = modules[cursor++ % modules.size()];
            const int limit = ModuleLimit(candidate);
            if (limit == 0 || placed.value(candidate) < limit)
                module = candidate;
        }
        if (module.isEmpty() || !placer.AddModuleFromTemplate(module, slot))
            return false;
        ++placed[module];
    }
    return true;
}

// The new-project choice of a model: the 4100 series with power modules and the slot count given.
inline NewProjectChoice ChoiceFor(const QString& modelName, int slotCount4100)
{
    NewProjectChoice choice;
    choice.ProjectName = QStringLiteral("Plant ") + modelName;
    choice.ModelName = modelName;
    choice.SlotCount = slotCount4100;
    if (modelName.startsWith(QStringLiteral("ulTEK 4100"))) {
        choice.PowerModule = QStringLiteral("ulTEK 4100-PK2-50W-T");
        choice.SecondPowerModule = QStringLiteral("ulTEK 4100-PK1-30W-T");
    }
    return choice;
}

// The new project of the model with every free slot filled. False when a template was missing.
inline bool BuildFilledProject(CDataCenter& model, const NewProjectChoice& choice, int& cursor,
                               ITemplatePlacerObserver* observer = nullptr)
{
    CTemplatePlacer placer(model, observer);
    return placer.BuildNewProject(choice) && FillFreeSlots(placer, model, choice.ModelName, cursor);
}

// The largest project there is: a 4100-series controller with twelve slots, all taken.
inline bool BuildLargestProject(CDataCenter& model)
{
    int cursor = 0;
    return BuildFilledProject(model, ChoiceFor(QStringLiteral("ulTEK 4100-CPU35-IEC-T"), 12), cursor);
}

} // namespace FilledProject
