#include "DefaultSettingsFolder.h"

#include "DATA_LOG_SETTINGS.h"
#include "HS_DATA_LOG_ITEM_SETTINGS.h"

namespace {

constexpr char kDataLogSection[] = "[DataLog]\n"
                                   "ProfileLogIntervalValue=60,5,86400\n"
                                   "FreeStorageForLog=200,1,500\n"
                                   "SeperatedIntervalValue=30,5,86400\n"
                                   "RecordsPerFile=1000,100,65000\n"
                                   "UploadTryValue=4,0,100\n"
                                   "UploadTimeoutValue=20,1,3600\n"
                                   "PortValue=2121,1,65535\n"
                                   "ProfileFilesOfLogValue=50,1,500\n";

class DataLogSettingsTest : public DefaultSettingsFolder {};

// The presets of the parts (interval 5, one retry after ten seconds, port 21) give way to the file.
TEST_F(DataLogSettingsTest, NewProfileCarriesTheFilesDefaults)
{
    UseDefaultSettings(kDataLogSection);
    const DATA_LOG_ITEM_SETTINGS item;
    EXPECT_EQ(item.Profile.LogInterval, 60);
    EXPECT_EQ(item.Profile.FreeStorageForLogging, 200);
    EXPECT_EQ(item.Profile.FileSplitInterval, 30);
    EXPECT_EQ(item.Profile.RecordsPerFile, 1000);
    EXPECT_EQ(item.Profile.FileSplitEnable, 0);
    EXPECT_EQ(item.Profile.RecordsEnable, 0);
    EXPECT_EQ(item.Upload.ErrorHandlingRetry, 4);
    EXPECT_EQ(item.Upload.ErrorHandlingDelay, 20);
    EXPECT_EQ(item.Upload.Port, 2121);
    EXPECT_EQ(item.Upload.Mode, 0);
    EXPECT_EQ(item.Index, 0);
}

TEST_F(DataLogSettingsTest, ItemResetEmptiesTextsAndTagListsAndRestoresTheDefaults)
{
    UseDefaultSettings(kDataLogSection);
    DATA_LOG_ITEM_SETTINGS item;
    item.Profile.Name = "Hourly";
    item.Profile.StartStopTag = "0.1.Start";
    item.Profile.LogCondition = 3;
    item.Profile.LogInterval = 1;
    item.Profile.FileSplitEnable = 1;
    item.Upload.FTPServer = "127.0.0.1";
    item.Upload.Username = "log";
    item.Upload.Password = item.Upload.PasswordConfirm = "secret";
    item.Upload.Port = 1;
    item.Upload.Mode = 1;
    item.SelectedTags.append(SelectedTag{"Temperature", "1.2.3"});
    item.LogTagDefinitions.append(TagDefinition{});
    item.UploadTagDefinitions.append(TagDefinition{});
    item.Index = 5;
    item.Reset();

    EXPECT_TRUE(item.Profile.Name.isEmpty());
    EXPECT_TRUE(item.Profile.StartStopTag.isEmpty());
    EXPECT_EQ(item.Profile.LogCondition, 0);
    EXPECT_EQ(item.Profile.LogInterval, 60);
    EXPECT_EQ(item.Profile.FileSplitEnable, 0);
    EXPECT_TRUE(item.Upload.FTPServer.isEmpty());
    EXPECT_TRUE(item.Upload.Username.isEmpty());
    EXPECT_TRUE(item.Upload.Password.isEmpty());
    EXPECT_TRUE(item.Upload.PasswordConfirm.isEmpty());
    EXPECT_EQ(item.Upload.Port, 2121);
    EXPECT_EQ(item.Upload.Mode, 0);
    EXPECT_TRUE(item.SelectedTags.isEmpty());
    EXPECT_TRUE(item.LogTagDefinitions.isEmpty());
    EXPECT_TRUE(item.UploadTagDefinitions.isEmpty());
    EXPECT_EQ(item.Index, 0);
}

TEST_F(DataLogSettingsTest, ItemCopiesCarryEveryListAndTriple)
{
    UseDefaultSettings(kDataLogSection);
    DATA_LOG_ITEM_SETTINGS item;
    item.Profile.Name = "Hourly";
    item.Upload.PasswordConfirm = "secret";
    item.SelectedTags.append(SelectedTag{"Temperature", "1.2.3"});
    item.LogTagDefinitions.append(TagDefinition{});
    item.UploadTagDefinitions.append(TagDefinition{});

    UseNoDefaultSettings();
    DATA_LOG_ITEM_SETTINGS copy;
    copy = item;
    SettingTriple interval;
    SettingTriple port;
    EXPECT_EQ(copy.Profile.Name, "Hourly");
    EXPECT_EQ(copy.Upload.PasswordConfirm, "secret");
    EXPECT_EQ(copy.SelectedTags, item.SelectedTags);
    EXPECT_EQ(copy.LogTagDefinitions.size(), 1);
    EXPECT_EQ(copy.UploadTagDefinitions.size(), 1);
    EXPECT_EQ(copy.Profile.GetDataLogProfileDefault("ProfileLogIntervalValue", interval), 1);
    EXPECT_EQ(interval, (SettingTriple{60, 5, 86400}));
    EXPECT_EQ(copy.Upload.GetDataLogUploadDefault("PortValue", port), 1);
    EXPECT_EQ(port, (SettingTriple{2121, 1, 65535}));
}

TEST_F(DataLogSettingsTest, ServiceResetSetsItsFlagAndEmptiesTheProfiles)
{
    DATA_LOG_SETTINGS service;
    EXPECT_EQ(service.ServiceFlag, 1);
    service.ServiceFlag = 0;
    service.Profiles.append(DATA_LOG_ITEM_SETTINGS{});
    service.Reset();
    EXPECT_EQ(service.ServiceFlag, 1);
    EXPECT_TRUE(service.Profiles.isEmpty());
    EXPECT_EQ(service.AutoResource, CAutoResource::GetInstance());
}

TEST_F(DataLogSettingsTest, HighSpeedProfileTakesItsOwnKeysOfTheSection)
{
    UseDefaultSettings(kDataLogSection);
    const HS_DATA_LOG_ITEM_SETTINGS item;
    EXPECT_EQ(item.Profile.FilesOfLog, 50);
    EXPECT_EQ(item.Upload.Tries, 4);
    EXPECT_EQ(item.Upload.Timeout, 20);
    EXPECT_TRUE(item.Profile.ProfileName.isEmpty());
    EXPECT_TRUE(item.Upload.FTPServer.isEmpty());
}

} // namespace
