#include "PropertyPageTable.h"

#include "CAlarmEmail.h"
#include "CAlarmSMS.h"
#include "CAlarmSNMPTrapDlg.h"
#include "CCanBusSettingDlg.h"
#include "CDNP3OneMasterDlg.h"
#include "CDNP3SelectTagDlg.h"
#include "CDataLoggingDlg.h"
#include "CDevCfgAI.h"
#include "CDevCfgAO.h"
#include "CDevCfgDI.h"
#include "CDevCfgDIO.h"
#include "CDevCfgDO.h"
#include "CDevCfgHAI.h"
#include "CDevCfgHART.h"
#include "CDevCfgHVDI.h"
#include "CDevCfgRTD.h"
#include "CDevCfgRelay.h"
#include "CDevCfgTC.h"
#include "CDevSettingCellularDlg.h"
#include "CDeviceInfoDlg.h"
#include "CFunctionListDlg.h"
#include "CHSDataLoggingDlg.h"
#include "CModbusMasterDlg.h"
#include "CModbusSlaveDlg.h"
#include "CPortTrunkSettingDlg.h"
#include "CRESTfulSettingDlg.h"
#include "CResourceInternalVariable.h"
#include "CResourceSystemVariable.h"
#include "CRotarySWSettingDlg.h"
#include "CSNMPAgentTagSelect.h"
#include "CSerialDlg.h"
#include "CSettingFTPHostDlg.h"
#include "CSettingLanDlg.h"
#include "CSettingSMTPServersDlg.h"
#include "CSettingSNMPHostDlg.h"
#include "CSwitchSettingDlg.h"
#include "CSystemLogOfflineSettingDlg.h"
#include "CTAVOServerDlg.h"
#include "CTAVOTagSelectionDlg.h"
#include "CTagsDlg.h"
#include "CTagsMapDlg.h"
#include "CTimeSettingDlg.h"
#include "CToggleSWSettingDlg.h"

const std::array<PropertyPageKind, kPropertyPageCount> kPropertyPageTable = {{
    {1, "CDeviceInfoDlg", 200, 0, &MakePage<CDeviceInfoDlg>},
    {100, "CTagsDlg", 137, 0, &MakePage<CTagsDlg>},
    {102, "CTagsMapDlg", 175, 0, &MakePage<CTagsMapDlg>},
    {1000, "CSerialDlg", 164, 0, &MakePage<CSerialDlg>},
    {1001, "CSettingLanDlg", 163, 0, &MakePage<CSettingLanDlg>},
    {1013, "CResourceSystemVariable", 202, 1013, &MakePage<CResourceSystemVariable>},
    {1015, "CResourceSystemVariable", 202, 1015, &MakePage<CResourceSystemVariable>},
    {1500, "CResourceInternalVariable", 203, 0, &MakePage<CResourceInternalVariable>},
    {105, "CModbusMasterDlg", 145, 0, &MakePage<CModbusMasterDlg>},
    {99, "CFunctionListDlg", 663, 0, &MakePage<CFunctionListDlg>},
    {137, "CAlarmEmail", 177, 0, &MakePage<CAlarmEmail>},
    {138, "CAlarmSMS", 691, 0, &MakePage<CAlarmSMS>},
    {143, "CAlarmSNMPTrapDlg", 141, 0, &MakePage<CAlarmSNMPTrapDlg>},
    {114, "CDataLoggingDlg", 209, 0, &MakePage<CDataLoggingDlg>},
    {136, "CHSDataLoggingDlg", 819, 0, &MakePage<CHSDataLoggingDlg>},
    {131, "CTAVOServerDlg", 159, 0, &MakePage<CTAVOServerDlg>},
    {132, "CTAVOTagSelectionDlg", 161, 0, &MakePage<CTAVOTagSelectionDlg>},
    {117, "CModbusSlaveDlg", 158, 0, &MakePage<CModbusSlaveDlg>},
    {129, "CDNP3OneMasterDlg", 884, 0, &MakePage<CDNP3OneMasterDlg>},
    {130, "CDNP3SelectTagDlg", 191, 0, &MakePage<CDNP3SelectTagDlg>},
    {133, "CTimeSettingDlg", 201, 0, &MakePage<CTimeSettingDlg>},
    {140, "CToggleSWSettingDlg", 690, 0, &MakePage<CToggleSWSettingDlg>},
    {142, "CRotarySWSettingDlg", 1500, 0, &MakePage<CRotarySWSettingDlg>},
    {141, "CSystemLogOfflineSettingDlg", 154, 0, &MakePage<CSystemLogOfflineSettingDlg>},
    {128, "CSettingFTPHostDlg", 187, 0, &MakePage<CSettingFTPHostDlg>},
    {125, "CSettingSMTPServersDlg", 144, 0, &MakePage<CSettingSMTPServersDlg>},
    {144, "CSettingSNMPHostDlg", 168, 0, &MakePage<CSettingSNMPHostDlg>},
    {145, "CSNMPAgentTagSelect", 810, 0, &MakePage<CSNMPAgentTagSelect>},
    {146, "CRESTfulSettingDlg", 881, 0, &MakePage<CRESTfulSettingDlg>},
    {201, "CDevCfgDI", 686, 0, &MakePage<CDevCfgDI>},
    {202, "CDevCfgDO", 684, 0, &MakePage<CDevCfgDO>},
    {210, "CDevCfgRelay", 684, 0, &MakePage<CDevCfgRelay>},
    {203, "CDevCfgDIO", 685, 0, &MakePage<CDevCfgDIO>},
    {204, "CDevCfgAI", 688, 0, &MakePage<CDevCfgAI>},
    {212, "CDevCfgHART", 1524, 0, &MakePage<CDevCfgHART>},
    {205, "CDevCfgAO", 687, 0, &MakePage<CDevCfgAO>},
    {206, "CDevCfgHAI", 683, 0, &MakePage<CDevCfgHAI>},
    {207, "CDevSettingCellularDlg", 820, 0, &MakePage<CDevSettingCellularDlg>},
    {208, "CDevCfgTC", 822, 0, &MakePage<CDevCfgTC>},
    {1016, "CCanBusSettingDlg", 1501, 0, &MakePage<CCanBusSettingDlg>},
    {1017, "CPortTrunkSettingDlg", 1503, 0, &MakePage<CPortTrunkSettingDlg>},
    {1018, "CSwitchSettingDlg", 1523, 0, &MakePage<CSwitchSettingDlg>},
    {209, "CDevCfgRTD", 718, 0, &MakePage<CDevCfgRTD>},
    {211, "CDevCfgHVDI", 1502, 0, &MakePage<CDevCfgHVDI>},
}};
