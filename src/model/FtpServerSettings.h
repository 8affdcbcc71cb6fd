#pragma once
// The controller's FTP server switch and its accounts.

#include "ServiceItemReference.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

struct FtpAccountRecord {
    QString FirstText; // kept with the account; not shown in the list
    QString UserName;
    QString Password;                    // in clear; scrambled only in the project file
    QVector<ServiceItemReference> Users; // the service items that use this account

    friend bool operator==(const FtpAccountRecord&, const FtpAccountRecord&) = default;
};

struct FtpServerSettings {
    qint32 Enable = 0;
    QVector<FtpAccountRecord> Accounts;

    void Reset();
};
