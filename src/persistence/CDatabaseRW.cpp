#include "CDatabaseRW.h"

#include "CDataCenter.h"
#include "TraceLog.h"
#include "TypeIds.h"

#include <QStringList>

#include <algorithm>
#include <array>

// One I/O device of the workbench: it takes the tags of one data-type code.
struct WorkbenchIoDevice {
    int code;
    const char* prefix; // IEC address prefix; the wiring is the prefix and the tag's position
    int refDevice;
    int stringSize;
    int refDirection;
    int refAttribute;
    int crcInitValueDim;
    int crcInitValueType;
};

struct CDatabaseRW::Session {
    QString path;
    DatabasePtr database;
    IDatabaseCommand* command = nullptr;
};

namespace {

// Marks the two Boolean devices, whose symbols carry no initial-value columns.
constexpr int kBooleanInitValueDim = 65535;

constexpr std::array<WorkbenchIoDevice, DataTypeCode::Last> kIoDevices = {{
    {1, "%IX0.", 752, 0, 1, 1, kBooleanInitValueDim, 65535},
    {2, "%IB1.", 743, 0, 1, 1, 1, 1509240584},
    {3, "%IR2.", 755, 0, 1, 1, 1, 204566476},
    {4, "%ID3.", 753, 0, 1, 1, 1, 502389506},
    {5, "%IW4.", 758, 0, 1, 1, 1, 164937643},
    {6, "%IS5.", 745, 80, 1, 1, 1, 483920500},
    {7, "%IB6.", 744, 0, 1, 1, 1, 562919248},
    {8, "%ID7.", 756, 0, 1, 1, 1, 1703510874},
    {9, "%IW8.", 751, 0, 1, 1, 1, 1911875339},
    {10, "%QX9.", 760, 0, 2, 3, kBooleanInitValueDim, 65535},
    {11, "%QB10.", 750, 0, 2, 3, 1, 1509240584},
    {12, "%QR11.", 749, 0, 2, 3, 1, 204566476},
    {13, "%QD12.", 759, 0, 2, 3, 1, 502389506},
    {14, "%QW13.", 748, 0, 2, 3, 1, 164937643},
    {15, "%QS14.", 746, 80, 2, 3, 1, 483920500},
    {16, "%QB15.", 757, 0, 2, 3, 1, 562919248},
    {17, "%QD16.", 747, 0, 2, 3, 1, 1703510874},
    {18, "%QW17.", 754, 0, 2, 3, 1, 1911875339},
}};

// Values every exported symbol and parameter shares.
constexpr qint64 kRefVarInstance = 1;
constexpr qint64 kRefResourcePOU = 1;
constexpr qint64 kGain = 1;
constexpr qint64 kOemParameterFormat = 7;
constexpr qint64 kOemParameterAccess = 2;
constexpr const char* kParameterPrefix = "ZERV";

// The removal of an earlier export. In LIKE, '_' matches any one character, so the prefixes'
// underscores are escaped: a parameter named "result" or "ZERVICE" is not ours.
constexpr const char* kResetDevicesSql =
    "UPDATE [I/O device] SET NbMinChannel=0, NbMaxChannel=0 WHERE RefDevice IN(%1);";
struct DeleteStep {
    const char* sql;
    const char* failureText;
};
constexpr DeleteStep kDeleteSteps[] = {
    {"DELETE FROM [I/O Symbols] WHERE ComplexWiring IS NOT NULL;", "Apply DELETE [I/O Symbols] fail"},
    {"DELETE FROM [Symbols] WHERE Wiring IS NOT NULL;", "Apply DELETE [Symbols] fail"},
    {"DELETE FROM [OEM Parameter] WHERE Name LIKE 'ZERV\\_%' ESCAPE '\\';", "Apply DELETE [OEM Parameters] fail"},
    {"DELETE FROM [OEM Parameter] WHERE Name LIKE 'res\\_%' ESCAPE '\\';", "Apply DELETE [OEM Parameters] fail"},
    {"DELETE FROM [Instance of Oem Parameters];", "Apply DELETE [Instance of Oem Parameters] fail"},
    {"UPDATE [Instance of device] SET NbOfChannels=0;", "Apply UPDATE [Instance of device] fail"},
};
constexpr const char* kResetDevicesFailure = "UPDATE [I/O device] fail";

constexpr const char* kSetDeviceChannelsSql =
    "UPDATE [I/O device] SET NbMinChannel=?, NbMaxChannel=? WHERE RefDevice=?;";
constexpr const char* kSetInstanceChannelsSql = "UPDATE [Instance of device] SET NbOfChannels=? WHERE RefDevice=?;";
constexpr const char* kInsertBooleanSymbolSql =
    "INSERT INTO [Symbols] ([Name], [RefVarInstance], [RefResourcePOU], [Wiring], [RefDefType], [StringSize], "
    "[RefAttribute], [RefDirection], [Order], [SingleTextLine]) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?);";
constexpr const char* kInsertSymbolSql =
    "INSERT INTO [Symbols] ([Name], [RefVarInstance], [RefResourcePOU], [CRCInitValueDim], [CRCInitValueType], "
    "[Wiring], [RefDefType], [StringSize], [RefAttribute], [RefDirection], [Order], [SingleTextLine]) "
    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);";
constexpr const char* kInsertIoSymbolSql =
    "INSERT INTO [I/O Symbols] ([RefSymbols], [RefInstance], [RefDevice], [Gainaf], [Gainbf], [PhysicalOrder], "
    "[ComplexWiring], [Order]) VALUES (?, ?, ?, ?, ?, ?, ?, ?);";
constexpr const char* kInsertOemParameterSql =
    "INSERT INTO [OEM Parameter] ([Name], [RefDevice], [RefFormat], [Default], [RefAccess], [Number], "
    "[SingleTextLine]) VALUES (?, ?, ?, ?, ?, ?, ?);";
constexpr const char* kInsertParameterInstanceSql =
    "INSERT INTO [Instance of Oem Parameters] ([RefInstance], [RefOemParameter], [Value]) VALUES (?, ?, ?);";

constexpr const char* kSymbolsTable = "Symbols";
constexpr const char* kSymbolKeyColumn = "RefSymbols";
constexpr const char* kWiringColumn = "Wiring";
constexpr const char* kParameterTable = "[OEM Parameter]";
constexpr const char* kParameterKeyColumn = "RefOemParameter";
constexpr const char* kParameterNameColumn = "Name";

QString text(const char* latin1)
{
    return QString::fromLatin1(latin1);
}

QString resetDevicesSql()
{
    std::array<int, kIoDevices.size()> ids{};
    for (size_t i = 0; i < kIoDevices.size(); ++i)
        ids[i] = kIoDevices[i].refDevice;
    std::ranges::sort(ids);
    QStringList list;
    for (const int id : ids)
        list.append(QString::number(id));
    return text(kResetDevicesSql).arg(list.join(u','));
}

QString wiringOf(const WorkbenchIoDevice& device, int position)
{
    return text(device.prefix) + QString::number(position);
}

QString parameterNameOf(const TagRecord& tag)
{
    return text(kParameterPrefix) + u'_' + tag.TagName;
}

} // namespace

CDatabaseRW::CDatabaseRW(CDataCenter* model) : m_model(model)
{}

CDatabaseRW::~CDatabaseRW()
{
    CloseSession(false);
}

bool CDatabaseRW::OpenSession(const QString& path)
{
    auto session = std::make_unique<Session>();
    session->path = path;
    TraceLog("%s:%d Call CreateDatabase", __FILE__, __LINE__);
    session->database = MakeDatabase();
    TraceLog("%s:%d Call OpenDatabase %s", __FILE__, __LINE__, qUtf8Printable(path));
    if (session->database->OpenDatabase(path) < 0) {
        TraceLog("%s:%d OpenDatabase fail", __FILE__, __LINE__);
        return false;
    }
    session->command = session->database->GetCommand();
    if (session->command == nullptr) {
        TraceLog("%s:%d OpenDatabase fail", __FILE__, __LINE__);
        return false;
    }
    if (session->database->BeginTransaction() < 0) {
        TraceLog("%s:%d BEGIN TRANSACTION fail: %s", __FILE__, __LINE__,
                 qUtf8Printable(session->database->GetLastError()));
        return false;
    }
    m_session = std::move(session);
    return true;
}

bool CDatabaseRW::CloseSession(bool commit)
{
    if (!m_session)
        return false;
    IDatabase& database = *m_session->database;
    bool committed = false;
    if (commit) {
        committed = database.CommitTransaction() >= 0;
        if (!committed)
            TraceLog("%s:%d COMMIT fail: %s", __FILE__, __LINE__, qUtf8Printable(database.GetLastError()));
    }
    if (!committed && database.RollbackTransaction() < 0)
        TraceLog("%s:%d ROLLBACK fail: %s", __FILE__, __LINE__, qUtf8Printable(database.GetLastError()));
    TraceLog("%s:%d call DestroyDatabase", __FILE__, __LINE__);
    m_session.reset();
    return committed;
}

bool CDatabaseRW::Execute(const QString& sql, const std::vector<DatabaseValue>& values, const char* failureText)
{
    if (m_session->command->Execute(sql, values) >= 0)
        return true;
    TraceLog("%s:%d %s: %s", __FILE__, __LINE__, failureText, qUtf8Printable(m_session->database->GetLastError()));
    return false;
}

bool CDatabaseRW::DeleteZervData(const QString& path)
{
    TraceLog("%s:%d Enter DeleteZervData(), file path=%s", __FILE__, __LINE__, qUtf8Printable(path));
    CloseSession(false); // an export begun before and never finished leaves nothing behind
    if (!OpenSession(path))
        return false;
    bool deleted = Execute(resetDevicesSql(), {}, kResetDevicesFailure);
    for (const DeleteStep& step : kDeleteSteps)
        deleted = deleted && Execute(text(step.sql), {}, step.failureText);
    if (!deleted) {
        CloseSession(false);
        return false;
    }
    TraceLog("%s:%d DeleteZervData success return true.", __FILE__, __LINE__);
    return true;
}

bool CDatabaseRW::AddZervData(const QString& path)
{
    m_tags = m_model->Tags;
    if (m_session && m_session->path != path)
        CloseSession(false);
    if (!m_session && !OpenSession(path))
        return false;

    // Both run over the whole export: the order value and the parameter instance number.
    qint32 order = 1;
    qint32 instance = 1;
    bool written = true;
    for (const WorkbenchIoDevice& device : kIoDevices) {
        std::vector<const TagRecord*> tags;
        for (const TagRecord& tag : m_tags)
            if (tag.DataTypeCode == device.code)
                tags.push_back(&tag);
        written = written && WriteDevice(device, tags, order, instance);
    }
    return CloseSession(written);
}

bool CDatabaseRW::WriteDevice(const WorkbenchIoDevice& device, const std::vector<const TagRecord*>& tags, qint32& order,
                              qint32& instance)
{
    const qint64 count = static_cast<qint64>(tags.size());
    if (!Execute(text(kSetDeviceChannelsSql), {count, count, qint64{device.refDevice}}, "UPDATE [I/O device] fail") ||
        !Execute(text(kSetInstanceChannelsSql), {count, qint64{device.refDevice}}, "UPDATE [Instance of device] fail"))
        return false;
    for (size_t position = 0; position < tags.size(); ++position)
        if (!WriteTag(device, *tags[position], static_cast<int>(position), order, instance))
            return false;
    return true;
}

bool CDatabaseRW::WriteTag(const WorkbenchIoDevice& device, const TagRecord& tag, int position, qint32& order,
                           qint32& instance)
{
    const QString wiring = wiringOf(device, position);
    const QString& owner = tag.ChannelTypeAlias;
    const bool isBoolean = device.crcInitValueDim == kBooleanInitValueDim;
    const std::vector<DatabaseValue> symbol = isBoolean ? std::vector<DatabaseValue>{tag.TagName,
                                                                                     kRefVarInstance,
                                                                                     kRefResourcePOU,
                                                                                     wiring,
                                                                                     qint64{device.code},
                                                                                     qint64{device.stringSize},
                                                                                     qint64{device.refAttribute},
                                                                                     qint64{device.refDirection},
                                                                                     qint64{order},
                                                                                     owner}
                                                        : std::vector<DatabaseValue>{tag.TagName,
                                                                                     kRefVarInstance,
                                                                                     kRefResourcePOU,
                                                                                     qint64{device.crcInitValueDim},
                                                                                     qint64{device.crcInitValueType},
                                                                                     wiring,
                                                                                     qint64{device.code},
                                                                                     qint64{device.stringSize},
                                                                                     qint64{device.refAttribute},
                                                                                     qint64{device.refDirection},
                                                                                     qint64{order},
                                                                                     owner};
    if (!Execute(text(isBoolean ? kInsertBooleanSymbolSql : kInsertSymbolSql), symbol, "INSERT [Symbols] fail"))
        return false;
    // The next symbol's order value is the key of this one.
    if (!ReadKey(text(kSymbolsTable), text(kSymbolKeyColumn), text(kWiringColumn), wiring, order))
        return false;
    if (!Execute(text(kInsertIoSymbolSql),
                 {qint64{order}, qint64{device.code}, qint64{device.refDevice}, kGain, kGain, qint64{position}, wiring,
                  qint64{position}},
                 "INSERT [I/O Symbols] fail"))
        return false;

    const QString parameterName = parameterNameOf(tag);
    if (!Execute(text(kInsertOemParameterSql),
                 {parameterName, qint64{device.refDevice}, kOemParameterFormat, tag.ResID, kOemParameterAccess,
                  qint64{position} + 1, owner},
                 "INSERT [OEM Parameter] fail"))
        return false;
    qint32 parameterKey = 0;
    if (!ReadKey(text(kParameterTable), text(kParameterKeyColumn), text(kParameterNameColumn), parameterName,
                 parameterKey))
        return false;
    TraceLog("%s:%d Read [RefOemParameter] Name=%s get Index=%d", __FILE__, __LINE__, qUtf8Printable(parameterName),
             parameterKey);
    if (!Execute(text(kInsertParameterInstanceSql), {qint64{instance}, qint64{parameterKey}, tag.ResID},
                 "INSERT [Instance of Oem Parameters] fail"))
        return false;
    ++instance;
    return true;
}

bool CDatabaseRW::ReadKey(const QString& table, const QString& column, const QString& filterColumn,
                          const QString& filterValue, qint32& key)
{
    IDatabase& database = *m_session->database;
    IDatabaseQuery* query = database.OpenQuery(table);
    bool found = false;
    if (query != nullptr) {
        query->SelectColumn(column);
        IDatabaseRecordset* rows = nullptr;
        if (query->AddFilter(filterColumn, filterValue) >= 0 && query->Run() >= 0)
            rows = query->GetRecordset();
        for (; rows != nullptr && !rows->IsEOF(); rows->MoveNext())
            for (int field = 0; field < rows->GetFieldCount(); ++field)
                found = rows->GetFieldValue(field, key) || found;
        database.CloseQuery(query);
    }
    if (!found)
        TraceLog("%s:%d no %s of %s=%s in %s: %s", __FILE__, __LINE__, qUtf8Printable(column),
                 qUtf8Printable(filterColumn), qUtf8Printable(filterValue), qUtf8Printable(table),
                 qUtf8Printable(database.GetLastError()));
    return found;
}
