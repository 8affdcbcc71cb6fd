#pragma once
// Language-pack ids of the shell's windows: templates, controls, menus, commands and strings.

// Log pane.
inline constexpr unsigned kTemplateLogForm = 135;
inline constexpr int kListLog = 2739;
inline constexpr unsigned kMenuLogPopup = 204;
inline constexpr int kCommandClearLog = 40022;
inline constexpr int kCommandSaveLog = 40041;
inline constexpr unsigned kStringLogDateColumn = 212;
inline constexpr unsigned kStringLogTimeColumn = 213;
inline constexpr unsigned kStringLogMessageColumn = 214;
inline constexpr unsigned kStringProgramName = 650;      // also the log's proposed file name
inline constexpr unsigned kStringLogFileFilter = 660;
inline constexpr unsigned kStringLogSaveFailed = 9601;   // path

// Every id above that must exist in the language pack.
inline constexpr unsigned kMainFormTemplateIds[] = {kTemplateLogForm};
inline constexpr unsigned kMainFormMenuIds[] = {kMenuLogPopup};
inline constexpr unsigned kMainFormStringIds[] = {
    kStringLogDateColumn, kStringLogTimeColumn, kStringLogMessageColumn,
    kStringProgramName,   kStringLogFileFilter, kStringLogSaveFailed,
};
