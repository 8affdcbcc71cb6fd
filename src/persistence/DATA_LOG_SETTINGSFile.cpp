// The data-logging profiles in the project file ("Data_Logging"): each profile's logging
// settings, selected tags and FTP upload.
#include "DATA_LOG_SETTINGS.h"

#include "Scramble.h"
#include "SelectedTagListFile.h"
#include "ServiceElementNames.h"
#include "ServiceFileValues.h"
#include "ServiceTagEngine.h"
#include "TextConversion.h"
#include "TypeIds.h"

using namespace ServiceFile;
namespace Names = ServiceXml::DataLog;

namespace {

constexpr int kAliasFlag = 1;

void SaveSplit(IXMLElement* parent, const QString& name, qint32 enabled, qint32 value)
{
    IXMLElement* element = parent->AddChild(name);
    element->SetAttribute(ServiceXml::Enable, IntToWString(enabled));
    element->SetAttribute(ServiceXml::Result, IntToWString(value));
}

qint32 LoadSplitEnable(IXMLElement* parent, const QString& name)
{
    return AttributeInt(Child(parent, name), ServiceXml::Enable);
}

} // namespace

void DATA_LOG_PROFILE_SETTINGS::Save(IXMLElement* element) const
{
    AddValue(element, ServiceXml::Name, Name);
    AddResIdValue(element, Names::StartStopTag, StartStopTag);

    IXMLElement* condition = element->AddChild(Names::LogCondition);
    AddValue(condition, ServiceXml::Enable, LogCondition);
    AddValue(condition, ServiceXml::Interval, LogInterval);
    AddValue(condition, Names::OnChange, Names::OnChangeValue);
    AddResIdValue(condition, Names::LogTriggerTag, LogTriggerTag);
    AddResIdValue(condition, Names::LogStatusTag, LogStatusTag);

    IXMLElement* settings = element->AddChild(Names::LogSettings);
    AddValue(settings, Names::FreeStorageForLogging, FreeStorageForLogging);
    IXMLElement* split = settings->AddChild(Names::FileSplit);
    SaveSplit(split, ServiceXml::Interval, FileSplitEnable, FileSplitInterval);
    SaveSplit(split, Names::Records, RecordsEnable, RecordsPerFile);
}

void DATA_LOG_PROFILE_SETTINGS::Load(IXMLElement* element)
{
    Name = TextValue(element, ServiceXml::Name, ElementName(element));
    StartStopTag = ResIdValueUnlessNotApplicable(element, Names::StartStopTag);

    IXMLElement* condition = Child(element, Names::LogCondition);
    LogCondition = IntValue(condition, ServiceXml::Enable, 0);
    LogInterval = IntValueInTriple(condition, ServiceXml::Interval, ProfileLogIntervalValue);
    LogTriggerTag = ResIdValueUnlessNotApplicable(condition, Names::LogTriggerTag);
    LogStatusTag = ResIdValueUnlessNotApplicable(condition, Names::LogStatusTag);

    IXMLElement* settings = Child(element, Names::LogSettings);
    FreeStorageForLogging = IntValueInTriple(settings, Names::FreeStorageForLogging, FreeStorageForLogValue);
    IXMLElement* split = Child(settings, Names::FileSplit);
    FileSplitEnable = LoadSplitEnable(split, ServiceXml::Interval);
    FileSplitInterval = IntValueInTriple(split, ServiceXml::Interval, SeperatedIntervalValue);
    RecordsEnable = LoadSplitEnable(split, Names::Records);
    RecordsPerFile = IntValueInTriple(split, Names::Records, RecordsPerFileValue);
}

void DATA_LOG_UPLOAD_SETTINGS::Save(IXMLElement* element) const
{
    AddValue(element, ServiceXml::ErrorHandlingRetry, ErrorHandlingRetry);
    AddValue(element, ServiceXml::ErrorHandlingDelay, ErrorHandlingDelay);
    AddValue(element, Names::FTPServer, FTPServer);
    AddValue(element, ServiceXml::Port, Port);
    AddValue(element, ServiceXml::Username, Username);
    AddValue(element, ServiceXml::Password, ScrambleToHex(Password));
    AddValue(element, Names::Mode, Mode);
    AddResIdValue(element, Names::FTPUploadTriggerTag, FTPUploadTriggerTag);
    AddResIdValue(element, Names::FTPUploadRemainStorageTag, FTPUploadRemainStorageTag);
}

void DATA_LOG_UPLOAD_SETTINGS::Load(IXMLElement* element)
{
    IXMLElement* upload = Child(element, Names::FTPUpload);
    if (!upload)
        return;
    ErrorHandlingRetry = IntValueInTriple(upload, ServiceXml::ErrorHandlingRetry, UploadTryValue);
    ErrorHandlingDelay = IntValueInTriple(upload, ServiceXml::ErrorHandlingDelay, UploadTimeoutValue);
    Port = IntValueInTriple(upload, ServiceXml::Port, PortValue);
    FTPServer = TextValue(upload, Names::FTPServer);
    Username = TextValue(upload, ServiceXml::Username);
    Password = UnscrambleFromHex(TextValue(upload, ServiceXml::Password));
    PasswordConfirm = Password;
    Mode = IntValue(upload, Names::Mode, Mode);
    FTPUploadTriggerTag = ResIdValue(upload, Names::FTPUploadTriggerTag);
    FTPUploadRemainStorageTag = ResIdValue(upload, Names::FTPUploadRemainStorageTag);
}

void DATA_LOG_ITEM_SETTINGS::Save(IXMLElement* element) const
{
    Profile.Save(element);
    SaveSelectedTagList(SelectedTags, element->AddChild(Names::SelectedTag));
    Upload.Save(element->AddChild(Names::FTPUpload));
    AddValue(element, ServiceXml::Index, Index);
}

void DATA_LOG_ITEM_SETTINGS::Load(IXMLElement* element)
{
    Profile.Load(element);
    LoadSelectedTagList(SelectedTags, element);
    Upload.Load(element);
    Index = IntValue(element, ServiceXml::Index, 0);
}

void DATA_LOG_SETTINGS::Save(IXMLElement* element) const
{
    AddValue(element, ServiceXml::Quantity, static_cast<qint32>(Profiles.size()));
    for (qsizetype i = 0; i < Profiles.size(); ++i)
        Profiles[i].Save(element->AddChild(ItemName(ServiceXml::SetPrefix, i)));
}

void DATA_LOG_SETTINGS::Load(IXMLElement* element)
{
    if (!element)
        return;
    // One working profile, reset before each read so nothing carries over.
    DATA_LOG_ITEM_SETTINGS profile;
    ForEachFrom(element, ItemName(ServiceXml::SetPrefix, 0), [this, &profile](IXMLElement* item) {
        profile.Reset();
        profile.Load(item);
        BuildServiceTags(ServiceId::DataLogging, profile.Index, profile.LogTagDefinitions, kAliasFlag);
        const int uploadAlias = profile.Upload.FTPUploadTriggerTag.isEmpty() ? 0 : 1;
        BuildServiceTags(ServiceId::DataLoggingUpload, profile.Index, profile.UploadTagDefinitions, uploadAlias);
        Profiles.append(profile);
    });
}
