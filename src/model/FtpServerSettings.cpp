#include "FtpServerSettings.h"

void FtpServerSettings::Reset()
{
    Enable = 0;
    Accounts.clear();
}
