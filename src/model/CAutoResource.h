#pragma once
// The single table of each service's automatic trigger and status tags. Records that create such
// tags hold the one instance. The names and resource ids come from DefaultSettings.ini, read on
// first use and again after ReleaseInstance.

#include "TagDefinition.h"

#include <QString>
#include <QVector>

#include <array>

class CAutoResource {
public:
    // One automatic tag kind of a service item, in the order BuildServiceTags appends them.
    enum class Kind {
        MailTrigger,
        MailStatus,
        SmsTrigger,
        SmsStatus,
        SnmpTrapTrigger,
        SnmpTrapStatus,
        SnmpAgent,
        TavoTrigger,
        TavoStatus,
        ModbusStatus,
        ModbusError,
        LogStartStop,
        LogTrigger,
        LogStatus,
        FtpTrigger,
        FtpStatus,
    };
    static constexpr int kKindCount = static_cast<int>(Kind::FtpStatus) + 1;

    static CAutoResource* GetInstance();
    // Forgets the texts: the next GetInstance reads DefaultSettings.ini again. The object itself
    // stays, since every service record keeps its address.
    static void ReleaseInstance();

    // Appends the automatic tags of item `itemIndex` of the service (105, 114, 116, 124, 127,
    // 137, 138, 143; any other id appends nothing). The alias flag matters for 124 only: without
    // it the FTP trigger gets no alias. Always 1.
    int BuildServiceTags(int serviceId, int itemIndex, QVector<TagDefinition>& definitions, int aliasFlag) const;

    // "%s_%d" of the kind's name and the item index, and "0.%d.%s" of the index and its resource id.
    QString TagName(Kind kind, int itemIndex) const;
    QString TagAddress(Kind kind, int itemIndex) const;

    CAutoResource(const CAutoResource&) = delete;
    CAutoResource& operator=(const CAutoResource&) = delete;

private:
    struct Texts {
        QString ResourceId;
        QString Name;
    };

    CAutoResource() = default;
    void LoadIfNeeded();
    TagDefinition Definition(Kind kind, int itemIndex, bool withAlias) const;

    std::array<Texts, kKindCount> texts_;
    bool loaded_ = false;
};
