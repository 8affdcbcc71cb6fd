#include "CToolBaseDlg.h"

#include "CCalibrationDlg.h"
#include "CDataCenter.h"
#include "CDeviceInfoReader.h"
#include "CFwrUpdateDlg.h"
#include "CGetDeviceInfoDlg.h"
#include "CListCtrlEx.h"
#include "CMessageDlg.h"
#include "CModifyPasswordDlg.h"
#include "CTimeSyncDlg.h"
#include "CUpdateDlg.h"
#include "ConfigFiles.h"
#include "DeviceDialogIds.h"
#include "DeviceInfoFetch.h"
#include "DeviceInfoTexts.h"
#include "DeviceResultTexts.h"
#include "ILogLineSink.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "WaitCursor.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtEndian>

namespace {

constexpr int kPageWidth = 520;
constexpr int kPageHeight = 260;
constexpr int kNoticeHeight = 40;
constexpr int kIecNameOffset = 2; // the resource number's two bytes come first
constexpr int kIecColumnExtra = 150;

enum class PageKind { None, File, Info, TimeSync, Firmware, Calibration, Password };

struct CommandLayout {
    int command;
    unsigned title;
    unsigned okText; // 0: keep "OK"
    PageKind page;
};

constexpr CommandLayout kLayouts[] = {
    {kCmdSendConfiguration, kStringTitleSendConfiguration, 0, PageKind::File},
    {kCmdSendFileForProcessing, kStringTitleProcessFile, 0, PageKind::File},
    {kCmdReadConfiguration, kStringTitleReadConfiguration, 0, PageKind::File},
    {kCmdDeviceInformation, kStringTitleDeviceInformation, kStringOkGet, PageKind::Info},
    {kCmdIecResources, kStringTitleIecResources, kStringOkGet, PageKind::Info},
    {kCmdLogSettings, kStringTitleLogSettings, kStringOkSend, PageKind::Info},
    {kCmdTimeSync, kStringTitleTimeSync, 0, PageKind::TimeSync},
    {kCmdRestart, kStringTitleRestart, 0, PageKind::None},
    {kCmdReset, kStringTitleReset, 0, PageKind::None},
    {kCmdWarmReset, kStringTitleWarmReset, 0, PageKind::None},
    {kCmdIecReset, kStringTitleIecReset, 0, PageKind::None},
    {kCmdDiagnosticConsole, kStringTitleConsole, 0, PageKind::None},
    {kCmdModuleFirmware, kStringTitleModuleFirmware, 0, PageKind::Firmware},
    {kCmdCalibration, kStringTitleCalibration, kStringOkCalibrate, PageKind::Calibration},
    {kCmdChangePassword, kStringTitleChangePassword, 0, PageKind::Password},
};

const CommandLayout* findLayout(int command)
{
    for (const CommandLayout& layout : kLayouts)
        if (layout.command == command)
            return &layout;
    return nullptr;
}

QString nameText(const std::uint8_t* bytes, std::size_t size)
{
    const auto* text = reinterpret_cast<const char*>(bytes);
    return QString::fromUtf8(text, static_cast<qsizetype>(qstrnlen(text, static_cast<unsigned>(size))));
}

// "Number:%s, State:%s, Name:%s, PID:%s" per resource of the two replies (same count).
QStringList iecResourceLines(const IECResourceInfo& states, const IECResourceNameList& names)
{
    QStringList lines;
    const int count = std::min<int>(states.count, VORNA_LIST_LIMIT);
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* entry = states.entries[i];
        const std::uint8_t* named = names.entries[i].text;
        QString state;
        GetDeviceErrorText(state, static_cast<int>(qFromLittleEndian<std::uint32_t>(entry)));
        lines.append(QStringLiteral("Number:%1, State:%2, Name:%3, PID:%4")
                         .arg(qFromLittleEndian<std::uint16_t>(named))
                         .arg(state, nameText(named + kIecNameOffset, sizeof(names.entries[i].text) - kIecNameOffset))
                         .arg(qFromLittleEndian<std::uint32_t>(entry + 4)));
    }
    if (lines.isEmpty())
        lines.append(LoadLangString(kStringNoIecResource));
    return lines;
}

std::vector<IecResourceState> iecStates(const IECResourceInfo& states)
{
    std::vector<IecResourceState> out;
    for (int i = 0; i < std::min<int>(states.count, VORNA_LIST_LIMIT); ++i)
        out.push_back({qFromLittleEndian<std::uint32_t>(states.entries[i]),
                       qFromLittleEndian<std::uint32_t>(states.entries[i] + 4)});
    return out;
}

bool startDetached(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

} // namespace

CToolBaseDlg::CToolBaseDlg(CDataCenter& model, ILogLineSink* log, int commandId, const QString& extraText,
                           ToolDialogHooks hooks, QWidget* parent)
    : CDialogBase(kTemplateToolBase, parent), model_(model), log_(log), commandId_(commandId), extraText_(extraText),
      hooks_(std::move(hooks)), reader_(std::make_unique<CDeviceInfoReader>())
{
    if (!hooks_.confirmSend)
        hooks_.confirmSend = [] {
            return ShowMessageBox(LoadLangString(kStringSendQuestion), QString(), MB_YESNO | MB_TOPMOST) == IDYES;
        };
    if (!hooks_.confirmLayout)
        hooks_.confirmLayout = [](const std::vector<SlotConfigEntry>&) { return true; };
    if (!hooks_.startProgram)
        hooks_.startProgram = startDetached;
    // A stop ends the worker's wait on the controller at once, not at the request's time-out.
    worker_.SetCancelHook([this] {
        if (const int handle = workerHandle_)
            VORNA_CancelRequest(handle);
    });
    fetchWorker_.SetCancelHook([this] {
        if (connection_ && connection_->handle() != 0)
            VORNA_CancelRequest(connection_->handle());
    });
}

CToolBaseDlg::~CToolBaseDlg()
{
    StopWorker();
}

const CToolBaseDlg::Operation* CToolBaseDlg::FindOperation(int commandId)
{
    static const Operation kOperations[] = {
        {kCmdSendConfiguration, &CToolBaseDlg::SendConfiguration},
        {kCmdDeviceInformation, &CToolBaseDlg::ReadDeviceInformation},
        {kCmdTimeSync, &CToolBaseDlg::SetDeviceClock},
        {kCmdRestart, &CToolBaseDlg::RestartDevice},
        {kCmdReset, &CToolBaseDlg::ResetDevice},
        {kCmdModuleFirmware, &CToolBaseDlg::UpdateModuleFirmware},
        {kCmdSendFileForProcessing, &CToolBaseDlg::SendFileForProcessing},
        {kCmdReadConfiguration, &CToolBaseDlg::ReadConfiguration},
        {kCmdWarmReset, &CToolBaseDlg::WarmReset},
        {kCmdCalibration, &CToolBaseDlg::Calibrate},
        {kCmdChangePassword, &CToolBaseDlg::ChangePassword},
        {kCmdIecReset, &CToolBaseDlg::ResetIecRuntime},
        {kCmdIecResources, &CToolBaseDlg::ReadIecResources},
        {kCmdLogSettings, &CToolBaseDlg::LogSettings},
        {kCmdDiagnosticConsole, &CToolBaseDlg::OpenDiagnosticConsole},
    };
    for (const Operation& operation : kOperations)
        if (operation.commandId == commandId)
            return &operation;
    return nullptr;
}

bool CToolBaseDlg::OnInitDialog()
{
    transferRunning_ = false;
    readSettings_ = false;
    auto* box = item<QComboBox>(kComboDeviceAddress);
    if (box)
        box->setEditable(true);
    connection_ = std::make_unique<CDeviceConnection>(box, model_, log_, hooks_.connection);
    connection_->SetCallRunner([this](const std::function<int(int)>& call) { return CallDevice(call); });
    CreateMessagePanel();
    CreatePage();
    connection_->FillDeviceAddressBox(LoadDeviceHistory());
    if (box && !hooks_.lastDeviceAddress.isEmpty())
        box->setEditText(hooks_.lastDeviceAddress);

    onClicked(kButtonSearchDevices, [this] {
        if (!operationRunning_)
            connection_->SearchDevices();
    });
    onClicked(kButtonReadSettings, [this] { OnReadSettings(); });
    onClicked(kButtonGetInformation, [this] { OnBnClickedButtonGet(); });
    if (box)
        connect(box, qOverload<int>(&QComboBox::activated), this, [this] { OnSelchangeDeviceAddress(); });
    qApp->installEventFilter(this);
    // The template's size is only a start: the dialog takes the size of what it holds.
    ensurePolished();
    resize(sizeHint());
    return true;
}

void CToolBaseDlg::OnSelchangeDeviceAddress()
{
    if (operationRunning_)
        return;
    connection_->OnSelchangeDeviceAddress();
    if (infoPage_ && (commandId_ == kCmdIecResources || commandId_ == kCmdLogSettings))
        infoPage_->SetLines({});
    if (commandId_ == kCmdLogSettings) {
        enableItem(IDOK, false);
        logRead_.clear();
    }
    OnBnClickedButtonGet();
}

void CToolBaseDlg::OnBnClickedButtonGet()
{
    if (commandId_ == kCmdModuleFirmware || commandId_ == kCmdCalibration)
        RunExclusive([this] {
            FetchInformationForPanel(*connection_, commandId_, firmware_, calibration_, log_,
                                     [this](int handle) { return FetchInformationOnWorker(handle); });
        });
}

bool CToolBaseDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* widget = qobject_cast<QWidget*>(watched);
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && widget && widget->window() == this) {
            OnEnterKey();
            return true; // never the default button
        }
    }
    return CDialogBase::eventFilter(watched, event);
}

void CToolBaseDlg::OnEnterKey()
{
    if (!operationRunning_ && connection_->CheckIPAddress())
        OnBnClickedButtonGet();
}

void CToolBaseDlg::CreateMessagePanel()
{
    notice_ = PlacePage<CMessageDlg>(kPageWidth, kNoticeHeight);
}

template <class Page>
Page* CToolBaseDlg::PlacePage(int width, int height)
{
    auto* page = new Page(commandId_, width, height, this);
    page->CreateInPlace({0, 0});
    if (auto* area = control(kGroupPageArea)) {
        if (!area->layout())
            new QVBoxLayout(area);
        area->layout()->addWidget(page);
    }
    return page;
}

void CToolBaseDlg::CreatePage()
{
    const CommandLayout* layout = findLayout(commandId_);
    showItem(kButtonReadSettings, commandId_ == kCmdLogSettings);
    if (!layout)
        return;
    setWindowTitle(LoadLangString(layout->title));
    if (layout->okText != 0)
        setItemText(IDOK, LoadLangString(layout->okText));
    switch (layout->page) {
    case PageKind::File:
        filePage_ = PlacePage<CUpdateDlg>(kPageWidth, kPageHeight / 3);
        filePage_->SetPath(extraText_);
        break;
    case PageKind::Info:
        infoPage_ = PlacePage<CGetDeviceInfoDlg>(kPageWidth, kPageHeight);
        if (commandId_ == kCmdLogSettings)
            enableItem(IDOK, false);
        break;
    case PageKind::TimeSync:
        timeSync_ = PlacePage<CTimeSyncDlg>(kPageWidth, kPageHeight / 2);
        break;
    case PageKind::Firmware:
        firmware_ = PlacePage<CFwrUpdateDlg>(kPageWidth, kPageHeight);
        break;
    case PageKind::Calibration:
        calibration_ = PlacePage<CCalibrationDlg>(kPageWidth, kPageHeight);
        break;
    case PageKind::Password:
        password_ = PlacePage<CModifyPasswordDlg>(kPageWidth, kPageHeight / 2);
        break;
    case PageKind::None:
        showItem(kGroupPageArea, CMessageDlg::NoticeStringId(commandId_) != 0); // the notice alone
        break;
    }
}

std::vector<SlotConfigEntry> CToolBaseDlg::DeviceLayout() const
{
    return reader_->DeviceLayout();
}

void CToolBaseDlg::OnOK()
{
    RunToolFunction();
}

void CToolBaseDlg::OnReadSettings()
{
    if (operationRunning_)
        return;
    readSettings_ = true;
    RunToolFunction();
}

void CToolBaseDlg::OnCancel()
{
    if (operationRunning_) {
        // The operation under way is stopped and closes its connection; the dialog goes after it.
        cancelAfterOperation_ = true;
        worker_.RequestCancel();
        fetchWorker_.RequestCancel();
        tickerRun_ = false;
        return;
    }
    StopWorker();
    if (connection_)
        connection_->OnCloseTool();
    EndDialog(IDCANCEL);
}

QString CToolBaseDlg::ResultText(const QString& caption, int code) const
{
    QString text;
    GetReturnCodeText(text, code, caption);
    return text;
}

QString CToolBaseDlg::ResultText(unsigned caption, int code) const
{
    return ResultText(LoadLangString(caption), code);
}

void CToolBaseDlg::Log(const QString& text) const
{
    if (log_)
        log_->AddLogLine(text);
}

void CToolBaseDlg::Report(unsigned caption, int code, bool box) const
{
    const QString text = ResultText(caption, code);
    Log(text);
    if (box && code != VORNA_RESULT_CANCELLED)
        ShowMessageBox(text, MB_OK | (code == 0 ? MB_ICONINFORMATION : MB_ICONERROR));
}

void CToolBaseDlg::ShowFailure(unsigned caption, int code) const
{
    if (code != VORNA_RESULT_CANCELLED)
        ShowMessageBox(ResultText(caption, code), MB_OK | MB_ICONERROR);
}

int CToolBaseDlg::CallDevice(const std::function<int(int handle)>& call)
{
    if (cancelAfterOperation_)
        return VORNA_RESULT_CANCELLED;
    int result = VORNA_RESULT_CANCELLED;
    const int handle = connection_->handle();
    WaitCursor wait;
    fetchWorker_.Start([&result, &call, handle] { result = call(handle); });
    fetchWorker_.Join();
    return result;
}

bool CToolBaseDlg::Confirm(unsigned question) const
{
    return ShowMessageBox(LoadLangString(question), QString(), MB_YESNO | MB_TOPMOST) == IDYES;
}

void CToolBaseDlg::RunToolFunction()
{
    RunExclusive([this] { RunOperation(); });
}

void CToolBaseDlg::RunExclusive(const std::function<void()>& work)
{
    if (operationRunning_)
        return;
    operationRunning_ = true;
    cancelAfterOperation_ = false;
    work();
    operationRunning_ = false;
    if (cancelAfterOperation_) {
        cancelAfterOperation_ = false;
        OnCancel();
    }
}

void CToolBaseDlg::RunOperation()
{
    transferRunning_ = false;
    // A bad address is refused before the question, which would otherwise be asked in vain.
    if (commandId_ == kCmdSendConfiguration &&
        (!connection_->CheckAddressOrReport() || !hooks_.confirmSend())) {
        readSettings_ = false;
        return;
    }
    if (auto* box = item<QComboBox>(kComboDeviceAddress)) {
        QStringList entries;
        for (int i = 0; i < box->count(); ++i)
            entries.append(box->itemText(i));
        SaveDeviceHistory(entries, box->currentIndex());
    }
    localPath_.clear();
    if (!connection_->OnBnClickedButtonToolConnectdevice()) {
        connection_->Disconnect();
        readSettings_ = false;
        return;
    }
    pendingMessage_.clear();
    const Operation* operation = FindOperation(commandId_);
    // An operation answers false when it ends without closing (it has reported why).
    if (operation && !(this->*operation->run)()) {
        StopWorker();
        readSettings_ = false;
        return;
    }
    CommonEnd();
}

void CToolBaseDlg::StopWorker()
{
    worker_.RequestCancel();
    JoinWorker();
}

void CToolBaseDlg::JoinWorker()
{
    noMoreWindows_ = true; // a worker waiting for a progress window goes on without one
    worker_.Join();
    if (!workerHoldsHandle_)
        return;
    // The firmware update reconnects on the worker: its handle (0 when it closed) is the one to close.
    if (connection_)
        connection_->AdoptHandle(workerHandle_);
    workerHandle_ = 0;
    workerHoldsHandle_ = false;
}

void CToolBaseDlg::CommonEnd()
{
    JoinWorker(); // the worker finishes its report; it never touches the closed connection
    readSettings_ = false;
    connection_->CloseConnection();
    if (!pendingMessage_.isEmpty())
        ShowMessageBox(pendingMessage_, MB_OK | MB_ICONWARNING);
}

int CToolBaseDlg::FetchInformation(QString& path)
{
    const DeviceInfoFetchResult fetch = FetchInformationOnWorker(connection_->handle());
    path = fetch.path;
    if (fetch.result != 0 && fetch.result != VORNA_RESULT_CANCELLED)
        ShowMessageBox(fetch.text, MB_OK | MB_ICONERROR);
    return fetch.result;
}

// ---- the short operations ----

bool CToolBaseDlg::RestartDevice()
{
    Report(kStringLabelRestart, CallDevice(VORNA_Restart), true);
    return true;
}

bool CToolBaseDlg::ResetDevice()
{
    if (Confirm(kStringResetQuestion))
        Report(kStringLabelReset, CallDevice(VORNA_Reset), true);
    return true;
}

bool CToolBaseDlg::WarmReset()
{
    Report(kStringLabelWarmReset, CallDevice(VORNA_WarmReset), true);
    return true;
}

bool CToolBaseDlg::ResetIecRuntime()
{
    if (Confirm(kStringIecResetQuestion))
        Report(kStringLabelIecReset, CallDevice(VORNA_IECReset), true);
    return true;
}

bool CToolBaseDlg::SetDeviceClock()
{
    if (!timeSync_)
        return true;
    const VornaSystemTime time = timeSync_->TimeToSend();
    Report(kStringLabelTimeSync, CallDevice([&time](int handle) { return VORNA_TimeSync(handle, time); }), true);
    return true;
}

bool CToolBaseDlg::ReadDeviceInformation()
{
    QString path;
    if (FetchInformation(path) == 0) {
        QStringList lines;
        if (reader_->LoadDeviceInfoFile(&lines, path) != 0)
            pendingMessage_ = QString::fromLatin1(kDeviceInfoFailed);
        else if (infoPage_)
            infoPage_->SetLines(lines);
    }
    if (infoPage_)
        infoPage_->SetInfoFilePath(path);
    return true;
}

bool CToolBaseDlg::Calibrate()
{
    if (!calibration_)
        return true;
    // The choice is taken before the fetched file fills the page again, which resets it.
    const int module = calibration_->SelectedModule();
    const int channel = calibration_->SelectedChannel();
    QString path;
    if (FetchInformation(path) != 0)
        return true;
    calibration_->FillFromFile(path);
    if (module < 0 || channel < 0) {
        ShowMessageBox(LoadLangString(kStringNoCalibrationChoice), MB_OK | MB_ICONWARNING);
        return true;
    }
    Report(kStringLabelCalibration, CallDevice([module, channel](int handle) {
               return VORNA_Calibration(handle, static_cast<std::uint8_t>(module), static_cast<std::uint8_t>(channel));
           }),
           true);
    return true;
}

bool CToolBaseDlg::ChangePassword()
{
    if (!password_ || !password_->CheckInput())
        return true;
    const QByteArray user = password_->UserName().toUtf8();
    const QByteArray newPassword = password_->NewPassword().toUtf8();
    std::uint16_t result = 0;
    Report(kStringLabelSetPassword, CallDevice([&](int handle) {
               return VORNA_SetUserNamePwd(handle, VORNA_LOGIN_MODE_SCRAMBLED, static_cast<std::uint8_t>(user.size()),
                                           static_cast<std::uint8_t>(newPassword.size()), user.constData(),
                                           newPassword.constData(), &result);
           }),
           true);
    return true;
}

bool CToolBaseDlg::ReadIecResources()
{
    CListCtrlEx* list = infoPage_ ? infoPage_->list() : nullptr;
    if (list)
        list->DeleteAllItems();
    IECResourceInfo states{};
    IECResourceNameList names{};
    int first = 0;
    {
        WaitCursor wait; // the log line still belongs to the wait; boxes come after it
        first = CallDevice([&states](int handle) { return VORNA_IECGetInfo(handle, &states); });
        Log(ResultText(kStringLabelIecInfo, first));
    }
    const int second = CallDevice([&names](int handle) { return VORNA_IECGetInfoByIXL(handle, &names); });
    if (first != 0) {
        ShowFailure(kStringLabelIecInfo, first);
        return true;
    }
    if (second == VORNA_RESULT_CANCELLED)
        return true;
    QStringList lines;
    if (second == 0) {
        if (states.count != names.count) {
            ShowMessageBox(LoadLangString(kStringIecListsDiffer), MB_OK | MB_ICONWARNING);
            return true;
        }
        lines = iecResourceLines(states, names);
        if (list)
            list->setColumnWidth(0, list->width() + kIecColumnExtra);
    } else if (states.status != 0) {
        ShowFailure(kStringLabelIecInfo, states.status);
        return true;
    } else {
        lines = FormatIecResourceLines(iecStates(states));
    }
    if (infoPage_)
        infoPage_->SetLines(lines);
    return true;
}
