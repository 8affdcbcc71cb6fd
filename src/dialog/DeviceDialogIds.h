#pragma once
// Ids of the device operations: menu commands, dialog templates, controls and language-pack strings.

// Menu commands a tool dialog is built for.
inline constexpr int kCmdSendConfiguration = 40013;
inline constexpr int kCmdDeviceInformation = 40014;
inline constexpr int kCmdTimeSync = 40015;
inline constexpr int kCmdRestart = 40016;
inline constexpr int kCmdReset = 40017;
inline constexpr int kCmdModuleFirmware = 40018;
inline constexpr int kCmdSendFileForProcessing = 40019;
inline constexpr int kCmdReadConfiguration = 40020;
inline constexpr int kCmdWarmReset = 40035;
inline constexpr int kCmdCalibration = 40038;
inline constexpr int kCmdChangePassword = 40055;
inline constexpr int kCmdIecReset = 40059;
inline constexpr int kCmdIecResources = 40060;
inline constexpr int kCmdLogSettings = 40063;
inline constexpr int kCmdDiagnosticConsole = 40064;
inline constexpr int kCmdFileTransmission = 40012;

// Dialog templates.
inline constexpr unsigned kTemplateTimeSync = 193;
inline constexpr unsigned kTemplateUpdate = 194;
inline constexpr unsigned kTemplateMessage = 195;
inline constexpr unsigned kTemplateFileTransmission = 197;
inline constexpr unsigned kTemplateProgress = 199;
inline constexpr unsigned kTemplateGetDeviceInfo = 183;
inline constexpr unsigned kTemplateFirmwareUpdate = 551;
inline constexpr unsigned kTemplateCalibration = 570;
inline constexpr unsigned kTemplateModifyPassword = 679;
inline constexpr unsigned kTemplateVerifyPassword = 680;

// Controls of the tool dialog.
inline constexpr int kComboDeviceAddress = 2608;
inline constexpr int kButtonSearchDevices = 2609;
inline constexpr int kButtonGetInformation = 2747;

// Progress window and notice panel.
inline constexpr int kProgressBar = 2994;
inline constexpr int kProgressStatusText = 2995;
inline constexpr int kProgressRetryMark = 3765;
inline constexpr int kNoticeText = 2979;

// Account edits (login box and password panel).
inline constexpr int kEditUserName = 1063;
inline constexpr int kEditPassword = 1082;
inline constexpr int kEditPasswordConfirmation = 1086;

// Panels listing the controller's modules.
inline constexpr int kListDeviceModules = 2748;
inline constexpr int kButtonSaveInfoFile = 2749;
inline constexpr int kComboLogChoice = 1046;
inline constexpr int kListFirmwareModules = 2769;
inline constexpr int kEditFilePath = 2853;
inline constexpr int kStaticPanelCaption = 2978;
inline constexpr int kButtonBrowseFile = 2977;

// Calibration panel.
inline constexpr int kStaticCalibrationNotice = 3364;
inline constexpr int kComboCalibrationModule = 3362;
inline constexpr int kComboCalibrationChannel = 3363;

// Time-sync page.
inline constexpr int kRadioUsePcTime = 2970;
inline constexpr int kRadioUseGivenTime = 2971;
inline constexpr int kDatePicker = 2972;
inline constexpr int kStaticDateLabel = 2973;
inline constexpr int kStaticTimeLabel = 2974;
inline constexpr int kTimePicker = 2975;

// File browser.
inline constexpr int kListLocalFiles = 2991;
inline constexpr int kListSecondFiles = 2992;
inline constexpr int kEditBrowsePath = 2854;
inline constexpr int kButtonFileConnect = 2982;

// Strings: the labels of reported library calls.
inline constexpr unsigned kStringLabelInit = 339;
inline constexpr unsigned kStringLabelConnect = 341;
inline constexpr unsigned kStringLabelDisconnect = 342;
inline constexpr unsigned kStringLabelTimeSync = 345;
inline constexpr unsigned kStringLabelDownload = 347;
inline constexpr unsigned kStringLabelTableAdd = 574;
inline constexpr unsigned kStringLabelTableDel = 662;
inline constexpr unsigned kStringLabelLoginLog = 714;
inline constexpr unsigned kStringLabelLoginBox = 715;

// Strings: messages and captions.
inline constexpr unsigned kStringSearchDone = 530;
inline constexpr unsigned kStringBadDeviceAddress = 531;
inline constexpr unsigned kStringPasswordsDiffer = 635;
inline constexpr unsigned kStringPasswordPattern = 707;
inline constexpr unsigned kStringModuleColumn = 357;
inline constexpr unsigned kStringInfoSaved = 354;
inline constexpr unsigned kStringInfoNotSaved = 355;
inline constexpr unsigned kStringCalibrationNotice = 569;
inline constexpr unsigned kStringCaptionModuleFirmware = 231;
inline constexpr unsigned kStringCaptionFileProcessing = 232;
inline constexpr unsigned kStringBrowseModuleFirmware = 233;
inline constexpr unsigned kStringBrowseFileProcessing = 234;
inline constexpr unsigned kStringBrowseConfiguration = 222;
inline constexpr unsigned kStringFileNameColumn = 239;
inline constexpr unsigned kStringFileSizeColumn = 240;
inline constexpr unsigned kStringIecColumn = 771;
inline constexpr unsigned kStringLogNameColumn = 778;
inline constexpr unsigned kStringLogStateColumn = 779;
inline constexpr unsigned kStringTooManyLogsEnabled = 795;
inline constexpr unsigned kStringNoIecResource = 845;

// The device tool dialog.
inline constexpr unsigned kTemplateToolBase = 173;
inline constexpr int kGroupPageArea = 2086;
inline constexpr int kButtonReadSettings = 2087;

// Strings of the tool dialog: titles and button texts.
inline constexpr unsigned kStringTitleReset = 225;
inline constexpr unsigned kStringTitleRestart = 226;
inline constexpr unsigned kStringTitleTimeSync = 227;
inline constexpr unsigned kStringTitleModuleFirmware = 228;
inline constexpr unsigned kStringTitleProcessFile = 229;
inline constexpr unsigned kStringTitleDeviceInformation = 230;
inline constexpr unsigned kStringTitleSendConfiguration = 235;
inline constexpr unsigned kStringTitleReadConfiguration = 237;
inline constexpr unsigned kStringTitleWarmReset = 567;
inline constexpr unsigned kStringTitleCalibration = 572;
inline constexpr unsigned kStringTitleChangePassword = 717;
inline constexpr unsigned kStringTitleIecReset = 766;
inline constexpr unsigned kStringTitleIecResources = 771;
inline constexpr unsigned kStringTitleLogSettings = 781;
inline constexpr unsigned kStringTitleConsole = 793;
inline constexpr unsigned kStringOkGet = 356;
inline constexpr unsigned kStringOkCalibrate = 571;
inline constexpr unsigned kStringOkSend = 780;
inline constexpr unsigned kStringSendQuestion = 236;

// Strings of the tool dialog: captions of reported calls.
inline constexpr unsigned kStringLabelRestart = 343;
inline constexpr unsigned kStringLabelReset = 344;
inline constexpr unsigned kStringLabelStatus = 346;
inline constexpr unsigned kStringLabelUpload = 348;
inline constexpr unsigned kStringLabelWorker = 410;
inline constexpr unsigned kStringLabelWarmReset = 568;
inline constexpr unsigned kStringLabelCalibration = 576;
inline constexpr unsigned kStringLabelUpgradeModel = 588;
inline constexpr unsigned kStringLabelSetPassword = 713;
inline constexpr unsigned kStringLabelIecReset = 770;
inline constexpr unsigned kStringLabelIecInfo = 772;
inline constexpr unsigned kStringLabelLogGet = 782;
inline constexpr unsigned kStringLabelLogSet = 783;

// Strings of the tool dialog: questions and messages.
inline constexpr unsigned kStringNoFileChosen = 550;
inline constexpr unsigned kStringNoCalibrationChoice = 577;
inline constexpr unsigned kStringNoModuleChosen = 589;
inline constexpr unsigned kStringResetQuestion = 759;
inline constexpr unsigned kStringIecResetQuestion = 769;
inline constexpr unsigned kStringIecListsDiffer = 844;
