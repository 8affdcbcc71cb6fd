#include "PropertyPageTable.h"

#include "CDeviceInfoDlg.h"
#include "CFunctionListDlg.h"
#include "CResourceInternalVariable.h"
#include "CResourceSystemVariable.h"
#include "CTagsDlg.h"
#include "CTagsMapDlg.h"

const std::array<PropertyPageKind, kPropertyPageCount> kPropertyPageTable = {{
    {1, "CDeviceInfoDlg", 200, 0, &MakePage<CDeviceInfoDlg>},
    {100, "CTagsDlg", 137, 0, &MakePage<CTagsDlg>},
    {102, "CTagsMapDlg", 175, 0, &MakePage<CTagsMapDlg>},
    {1000, "CSerialDlg", 164, 0},
    {1001, "CSettingLanDlg", 163, 0},
    {1013, "CResourceSystemVariable", 202, 1013, &MakePage<CResourceSystemVariable>},
    {1015, "CResourceSystemVariable", 202, 1015, &MakePage<CResourceSystemVariable>},
    {1500, "CResourceInternalVariable", 203, 0, &MakePage<CResourceInternalVariable>},
    {105, "CModbusMasterDlg", 145, 0},
    {99, "CFunctionListDlg", 663, 0, &MakePage<CFunctionListDlg>},
    {137, "CAlarmEmail", 177, 0},
    {138, "CAlarmSMS", 691, 0},
    {143, "CAlarmSNMPTrapDlg", 141, 0},
    {114, "CDataLoggingDlg", 209, 0},
    {136, "CHSDataLoggingDlg", 819, 0},
    {131, "CTAVOServerDlg", 159, 0},
    {132, "CTAVOTagSelectionDlg", 161, 0},
    {117, "CModbusSlaveDlg", 158, 0},
    {129, "CDNP3OneMasterDlg", 884, 0},
    {130, "CDNP3SelectTagDlg", 191, 0},
    {133, "CTimeSettingDlg", 201, 0},
    {140, "CToggleSWSettingDlg", 690, 0},
    {142, "CRotarySWSettingDlg", 1500, 0},
    {141, "CSystemLogOfflineSettingDlg", 154, 0},
    {128, "CSettingFTPHostDlg", 187, 0},
    {125, "CSettingSMTPServersDlg", 144, 0},
    {144, "CSettingSNMPHostDlg", 168, 0},
    {145, "CSNMPAgentTagSelect", 810, 0},
    {146, "CRESTfulSettingDlg", 881, 0},
    {201, "CDevCfgDI", 686, 0},
    {202, "CDevCfgDO", 684, 0},
    {210, "CDevCfgRelay", 684, 0},
    {203, "CDevCfgDIO", 685, 0},
    {204, "CDevCfgAI", 688, 0},
    {212, "CDevCfgHART", 1524, 0},
    {205, "CDevCfgAO", 687, 0},
    {206, "CDevCfgHAI", 683, 0},
    {207, "CDevSettingCellularDlg", 820, 0},
    {208, "CDevCfgTC", 822, 0},
    {1016, "CCanBusSettingDlg", 1501, 0},
    {1017, "CPortTrunkSettingDlg", 1503, 0},
    {1018, "CSwitchSettingDlg", 1523, 0},
    {209, "CDevCfgRTD", 718, 0},
    {211, "CDevCfgHVDI", 1502, 0},
}};
