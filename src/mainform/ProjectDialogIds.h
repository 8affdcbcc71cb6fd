#pragma once
// Language-pack ids of the project dialogs: new project, add module, change module, configuration
// message, preferences, confirmations and network interface.

#include "ConfirmDeleteIds.h" // the delete confirmation lives with the pages

// ---- dialog templates ----
inline constexpr unsigned kTemplateAddDevice = 138;
inline constexpr unsigned kTemplateNewProject = 206;
inline constexpr unsigned kTemplatePreference = 493;
inline constexpr unsigned kTemplateNetworkInterface = 510;
inline constexpr unsigned kTemplateConfirmImport = 682;
inline constexpr unsigned kTemplateNewProjectCPU = 733;
inline constexpr unsigned kTemplateConfigurationMessage = 807;
inline constexpr unsigned kTemplateChangeModule = 1522;

// ---- controls of the new-project dialog (206) ----
inline constexpr int kEditProjectName = 3169;
inline constexpr int kComboProductSeries = 1214;
inline constexpr int kComboProductModel = 3171;

// ---- controls of the new-project CPU dialog (733) ----
inline constexpr int kComboNewProjectSlotCount = 1217;
inline constexpr int kComboNewProjectCPU = 1216;
inline constexpr int kComboNewProjectPower = 1215;
inline constexpr int kComboNewProjectSecondPower = 2050;

// ---- controls of the add-module dialog (138) ----
inline constexpr int kComboAddModule = 2046;
inline constexpr int kComboAddSlot = 2048;

// ---- controls of the change-module dialog (1522) ----
inline constexpr int kComboChangeSlotCount = 3763;
inline constexpr int kComboChangeCPU = 3772;
inline constexpr int kComboChangePower = 3774;
inline constexpr int kComboChangeSecondPower = 3776;

// ---- controls of the configuration message dialog (807) ----
inline constexpr int kIconConfigurationWarning = 1132;
// The line controls, in line order.
inline constexpr int kConfigurationLineIds[] = {
    1220, 2097, 2099, 2101, 2105, 2111, 2230, 2270, 2369, 2524, 2553, 2611, 1299, 1301, 1303, 1305,
};

// ---- controls of the preferences dialog (493) ----
inline constexpr int kRadioDisplayTypeDefault = 3101; // display type 0
inline constexpr int kRadioDisplayTypeOther = 3272;   // display type 1
inline constexpr int kCheckResetConfirmDelete = 3274;
inline constexpr int kCheckResetShowSplash = 3503;

// ---- controls of the import confirmation (682) ----
inline constexpr int kIconConfirmImport = 1132;
inline constexpr int kButtonConfirmImportYes = 1114;
inline constexpr int kButtonConfirmImportNo = 1115;

// ---- controls of the network interface dialog (510) ----
inline constexpr int kComboNetworkInterface = 2698;

// ---- strings ----
inline constexpr unsigned kStringSlotLimitReached = 585; // module key, limit
inline constexpr unsigned kStringDefaultProjectName = 590;

// Every template and string above, for the language pack's check.
inline constexpr unsigned kProjectDialogTemplateIds[] = {
    kTemplateAddDevice,     kTemplateNewProject,           kTemplateConfirmDelete,
    kTemplatePreference,    kTemplateNetworkInterface,     kTemplateConfirmImport,
    kTemplateNewProjectCPU, kTemplateConfigurationMessage, kTemplateChangeModule,
};
inline constexpr unsigned kProjectDialogStringIds[] = {kStringSlotLimitReached, kStringDefaultProjectName};
