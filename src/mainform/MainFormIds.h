#pragma once
// Language-pack ids of the shell's windows: templates, controls, menus, commands, images and strings.

// ---- dialog templates ----
inline constexpr unsigned kTemplateAbout = 129;
inline constexpr unsigned kTemplateDeviceForm = 133;
inline constexpr unsigned kTemplatePropertyForm = 134;
inline constexpr unsigned kTemplateLogForm = 135;
inline constexpr unsigned kTemplateLaunch = 552; // the launch window without its pictures

// ---- menus, toolbar, program icon ----
inline constexpr unsigned kMenuMainFrame = 128;
inline constexpr unsigned kMenuLogPopup = 204;
inline constexpr unsigned kToolbarMainFrame = 128;
inline constexpr unsigned kIconMainFrame = 128;

// ---- controls ----
inline constexpr int kTreeDevices = 2017;
inline constexpr int kListLog = 2739;
inline constexpr int kStaticAboutVersion = 2989;
inline constexpr int kLinkAboutSupport = 3418;
inline constexpr int kButtonLaunchNew = 3356;
inline constexpr int kButtonLaunchOpen = 3357;
inline constexpr int kButtonLaunchHelp = 3358;
inline constexpr int kButtonLaunchClose = 3359;
inline constexpr int kButtonLaunchSplashToggle = 3574;

// ---- images of the launch window ----
inline constexpr unsigned kImageLaunchNew = 554;
inline constexpr unsigned kImageLaunchOpen = 555;
inline constexpr unsigned kImageLaunchHelp = 556;
inline constexpr unsigned kImageLaunchBackground = 562;
inline constexpr unsigned kImageLaunchClose = 563;
inline constexpr unsigned kImageSplashToggleOff = 694;
inline constexpr unsigned kImageSplashToggleOn = 695;
inline constexpr unsigned kImageSplashLabel = 711;

// ---- commands of the main frame (menu 128, toolbar 128) ----
inline constexpr int kCommandOpenProject = 40011;
inline constexpr int kCommandSaveProject = 40010;
inline constexpr int kCommandFileTransmission = 40012;
inline constexpr int kCommandSendConfiguration = 40013;
inline constexpr int kCommandDeviceInformation = 40014;
inline constexpr int kCommandSyncTime = 40015;
inline constexpr int kCommandRestart = 40016;
inline constexpr int kCommandReset = 40017;
inline constexpr int kCommandUpdateModuleFirmware = 40018;
inline constexpr int kCommandUpdateFirmwareFromFile = 40019;
inline constexpr int kCommandUpdateFirmware = 40020;
inline constexpr int kCommandExportISaGRAF = 40021;
inline constexpr int kCommandNewProject = 40024;
inline constexpr int kCommandAddModule = 40025;
inline constexpr int kCommandPreferences = 40031;
inline constexpr int kCommandNetworkInterface = 40033;
inline constexpr int kCommandWarmReset = 40035;
inline constexpr int kCommandNewProjectFromLaunch = 40037;
inline constexpr int kCommandCalibrate = 40038;
inline constexpr int kCommandSaveProjectAs = 40040;
inline constexpr int kCommandRemoveModule = 40042;
inline constexpr int kCommandExportTagDefines = 40046;
inline constexpr int kCommandChangePassword = 40055;
inline constexpr int kCommandResetIECResources = 40059;
inline constexpr int kCommandIECResourceState = 40060;
inline constexpr int kCommandDeviceLogs = 40063;
inline constexpr int kCommandDiagnosticConsole = 40064;
inline constexpr int kCommandChangeModule = 40066;
inline constexpr int kCommandAppExit = 57665;
// Commands of the application object.
inline constexpr int kCommandHelp = 40039;
inline constexpr int kCommandISaGRAFHelp = 40058;
inline constexpr int kCommandAbout = 57664;
// Commands of the log pane's popup (menu 204).
inline constexpr int kCommandClearLog = 40022;
inline constexpr int kCommandSaveLog = 40041;

// The device operations: each opens the device tool dialog for one operation.
inline constexpr int kDeviceOperationCommands[] = {
    kCommandSendConfiguration,
    kCommandDeviceInformation,
    kCommandSyncTime,
    kCommandRestart,
    kCommandReset,
    kCommandUpdateModuleFirmware,
    kCommandUpdateFirmwareFromFile,
    kCommandUpdateFirmware,
    kCommandWarmReset,
    kCommandCalibrate,
    kCommandChangePassword,
    kCommandResetIECResources,
    kCommandIECResourceState,
    kCommandDeviceLogs,
    kCommandDiagnosticConsole,
};

// ---- strings ----
inline constexpr unsigned kStringLogDateColumn = 212;
inline constexpr unsigned kStringLogTimeColumn = 213;
inline constexpr unsigned kStringLogMessageColumn = 214;
inline constexpr unsigned kStringProgramName = 650; // also the log's proposed file name
inline constexpr unsigned kStringLogFileFilter = 660;
inline constexpr unsigned kStringSplashToggle = 673;
inline constexpr unsigned kStringLogSaveFailed = 9601; // path

// Every id above that must exist in the language pack.
inline constexpr unsigned kMainFormTemplateIds[] = {
    kTemplateAbout, kTemplateDeviceForm, kTemplatePropertyForm, kTemplateLogForm, kTemplateLaunch,
};
inline constexpr unsigned kMainFormMenuIds[] = {kMenuMainFrame, kMenuLogPopup};
inline constexpr unsigned kMainFormImageIds[] = {
    kImageLaunchNew,   kImageLaunchOpen,      kImageLaunchHelp,     kImageLaunchBackground,
    kImageLaunchClose, kImageSplashToggleOff, kImageSplashToggleOn, kImageSplashLabel,
};
inline constexpr unsigned kMainFormStringIds[] = {
    kStringLogDateColumn, kStringLogTimeColumn, kStringLogMessageColumn, kStringProgramName,
    kStringLogFileFilter, kStringSplashToggle,  kStringLogSaveFailed,
};
