#include "CToolProgressBarDlg.h"

#include "CProgressSink.h"
#include "DeviceDialogIds.h"

#include <QProgressBar>

namespace {

constexpr int kPercentMask = 0xFF;
constexpr int kStageShift = 16;
constexpr int kStageMask = 0xFF;
constexpr int kFullPercent = 100;
constexpr const char* kCloseText = "Close";
constexpr const char* kRetryText = "(Retry)";

struct ModeTexts {
    const char* initial;
    const char* perValue; // %1 the stage or the percent
    bool stageBased;      // stage in the text, empty from 100 on
    bool closeButton;
};

const ModeTexts& textsOf(ProgressMode mode)
{
    static const ModeTexts kTexts[] = {
        {"File transfer : 0%", "File transfer : %1%", false, false},
        {"Initialization(1).....", "Initialization(%1).....", true, false},
        {"Initialization(1).....", "Initialization(%1).....", true, true},
        {"Processing", "Processing", false, true},
        {"Upgrading the system : 0%", " Upgrading the system : %1%", false, false},
        {" Uncompressing the file(1).....", "Uncompressing the file(%1).....", true, true},
    };
    return kTexts[static_cast<int>(mode)];
}

int percentOf(quint32 value)
{
    return std::clamp(static_cast<int>(value & kPercentMask), 0, kFullPercent);
}

} // namespace

CToolProgressBarDlg::CToolProgressBarDlg(ProgressMode mode, QWidget* parent, std::chrono::milliseconds tick)
    : CDialogBase(kTemplateProgress, parent), mode_(mode)
{
    timer_.setInterval(tick);
    connect(&timer_, &QTimer::timeout, this, [this] { OnTimer(); });
    CProgressSink::Instance().Attach(this);
}

CToolProgressBarDlg::~CToolProgressBarDlg()
{
    timer_.stop();
    CProgressSink::Instance().Detach(this);
}

QString CToolProgressBarDlg::StatusText(ProgressMode mode, quint32 value)
{
    const ModeTexts& texts = textsOf(mode);
    const QString format = QString::fromLatin1(texts.perValue);
    if (!texts.stageBased)
        return format.contains(u"%1") ? format.arg(percentOf(value)) : format;
    if (percentOf(value) >= kFullPercent)
        return {};
    return format.arg((value >> kStageShift) & kStageMask);
}

bool CToolProgressBarDlg::OnInitDialog()
{
    const ModeTexts& texts = textsOf(mode_);
    if (auto* bar = item<QProgressBar>(kProgressBar)) {
        bar->setRange(0, kFullPercent);
        bar->setValue(0);
    }
    setItemText(kProgressStatusText, QString::fromLatin1(texts.initial));
    setItemText(kProgressRetryMark, QString());
    if (texts.closeButton)
        setItemText(IDCANCEL, QString::fromLatin1(kCloseText));
    timer_.start();
    return true;
}

void CToolProgressBarDlg::OnCopyData(quint32 value)
{
    if (auto* bar = item<QProgressBar>(kProgressBar))
        bar->setValue(percentOf(value));
    setItemText(kProgressStatusText, StatusText(mode_, value));
}

void CToolProgressBarDlg::OnRetryNotice(int wParam)
{
    if (wParam != 0)
        setItemText(kProgressRetryMark, QString::fromLatin1(kRetryText));
}

void CToolProgressBarDlg::OnTimer()
{
    if (!timer_.isActive())
        return; // a tick queued before the timer stopped
    const auto* bar = item<QProgressBar>(kProgressBar);
    if (!bar || bar->value() < kFullPercent)
        return;
    timer_.stop();
    EndDialog(IDOK);
}

void CToolProgressBarDlg::OnCancel()
{
    timer_.stop();
    EndDialog(IDCANCEL);
}
