#include "DeviceInfoFetch.h"

#include "DeviceDialogIds.h"
#include "DeviceResultTexts.h"
#include "ILogLineSink.h"
#include "LanguagePack.h"
#include "PrivateTempFolder.h"

#include <QFile>

void DeviceTransferProgress(TransferStatus* status, int length)
{
    TransferStatusCallback(reinterpret_cast<quint8*>(status), length);
}

DeviceInfoFetchResult FetchDeviceInfoFile(int handle, ILogLineSink* log)
{
    DeviceInfoFetchResult fetch;
    fetch.path = PrivateTempFile(QString::fromLatin1(kDeviceInfoFileName));
    if (fetch.path.isEmpty()) {
        fetch.result = VORNA_RESULT_LOCAL_FILE;
    } else {
        QFile::remove(fetch.path);
        fetch.result = VORNA_DownloadFile_Ex(handle, QFile::encodeName(fetch.path).constData(), "",
                                             kDeviceInfoFileType, DeviceTransferProgress);
    }
    GetReturnCodeText(fetch.text, fetch.result, LoadLangString(kStringLabelDownload));
    if (log)
        log->AddLogLine(fetch.text);
    return fetch;
}
