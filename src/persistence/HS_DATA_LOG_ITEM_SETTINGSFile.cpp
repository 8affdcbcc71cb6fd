// The high-speed data-logging profiles in the project file ("HighSpeed_Data_Logging"): each
// profile's settings, logged tags and FTP upload.
#include "HS_DATA_LOG_ITEM_SETTINGS.h"

#include "SelectedTagListFile.h"
#include "ServiceElementNames.h"
#include "ServiceFileValues.h"

using namespace ServiceFile;
namespace Names = ServiceXml::HsDataLog;
namespace DataLogNames = ServiceXml::DataLog;

void HS_DATA_LOG_ITEM_SETTINGS::Save(IXMLElement* element) const
{
    AddValue(element, ServiceXml::Name, Profile.ProfileName);
    AddValue(element, Names::Description, Profile.Description);
    AddResIdValue(element, ServiceXml::TriggerTag, Profile.TriggerTag);
    AddValue(element, Names::FilesOfLog, Profile.FilesOfLog);
    SaveSelectedTagList(SelectedTags, element->AddChild(DataLogNames::SelectedTag));

    IXMLElement* upload = element->AddChild(DataLogNames::FTPUpload);
    AddValue(upload, DataLogNames::FTPServer, Upload.FTPServer);
    AddValue(upload, ServiceXml::ErrorHandlingRetry, Upload.Tries);
    AddValue(upload, ServiceXml::ErrorHandlingDelay, Upload.Timeout);
    AddResIdValue(upload, DataLogNames::FTPUploadTriggerTag, Upload.UploadTriggerTag);
    AddResIdValue(upload, Names::FTPUploadStatusTag, Upload.UploadStatusTag);
}

void HS_DATA_LOG_ITEM_SETTINGS::Load(IXMLElement* element)
{
    Profile.ProfileName = TextValue(element, ServiceXml::Name);
    Profile.Description = TextValue(element, Names::Description);
    Profile.TriggerTag = ResIdValueUnlessNotApplicable(element, ServiceXml::TriggerTag);
    Profile.FilesOfLog = IntValueInTriple(element, Names::FilesOfLog, Profile.ProfileFilesOfLogValue);
    LoadSelectedTagList(SelectedTags, element);

    IXMLElement* upload = Child(element, DataLogNames::FTPUpload);
    Upload.FTPServer = TextValue(upload, DataLogNames::FTPServer);
    Upload.Tries = IntValueInTriple(upload, ServiceXml::ErrorHandlingRetry, Upload.UploadTryValue);
    Upload.Timeout = IntValueInTriple(upload, ServiceXml::ErrorHandlingDelay, Upload.UploadTimeoutValue);
    Upload.UploadTriggerTag = ResIdValueUnlessNotApplicable(upload, DataLogNames::FTPUploadTriggerTag);
    Upload.UploadStatusTag = ResIdValueUnlessNotApplicable(upload, Names::FTPUploadStatusTag);
}
