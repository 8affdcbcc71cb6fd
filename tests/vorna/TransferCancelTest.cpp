// A progress callback that answers VORNA_TRANSFER_CANCEL stops a transfer at that report, and
// VORNA_CancelRequest stops a call waiting on the controller.

#include "SanitizerSlowdown.h"
#include "VornaTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

namespace {

constexpr std::uint8_t kConfigType = 5;
constexpr std::uint8_t kReadBackType = 1;
constexpr std::uint16_t kWriteChunk = 30203;
constexpr std::uint16_t kReadChunk = 30204;
constexpr std::size_t kFourChunks = 4 * VORNA_CHUNK_SIZE + 100;

// Cancels at the given report (1-based); counts every report.
struct CancelAt {
    static inline int at = 0;
    static inline int reports = 0;
    static void Callback(TransferStatus* status, int)
    {
        if (++reports == at)
            status->status = VORNA_TRANSFER_CANCEL;
    }
    CancelAt(int number)
    {
        at = number;
        reports = 0;
    }
};

} // namespace

class TransferCancelTest : public SimulatorTest {
protected:
    TempFolder folder;
    std::string local = folder.Path("local.bin");
};

TEST_F(TransferCancelTest, UploadStopsAtTheCancelledReportAndResumesLater)
{
    const Bytes content = PatternBytes(kFourChunks);
    TempFolder::Write(local, content);
    CancelAt cancel(2);
    EXPECT_EQ(VORNA_UploadFile_ulTEK_Ex(handle, local.c_str(), "", kConfigType, &CancelAt::Callback),
              VORNA_RESULT_CANCELLED);
    EXPECT_EQ(CancelAt::reports, 2);
    EXPECT_EQ(sim.Requests(kWriteChunk).size(), 2u) << "no chunk after the cancelled report";
    ExpectUsable("after a cancelled upload");

    CancelAt none(0);
    ASSERT_EQ(VORNA_UploadFile_ulTEK_Ex(handle, local.c_str(), "", kConfigType, &CancelAt::Callback), VORNA_RESULT_OK);
    EXPECT_EQ(sim.File(kConfigType), content);
}

TEST_F(TransferCancelTest, DownloadStopsAtTheCancelledReport)
{
    sim.SetFile(kReadBackType, PatternBytes(kFourChunks));
    CancelAt cancel(1);
    EXPECT_EQ(VORNA_DownloadFile_Ex(handle, local.c_str(), "", kReadBackType, &CancelAt::Callback),
              VORNA_RESULT_CANCELLED);
    EXPECT_EQ(sim.Requests(kReadChunk).size(), 1u);
    ExpectUsable("after a cancelled download");
}

TEST_F(TransferCancelTest, OtherAnswersDoNotStopATransfer)
{
    TempFolder::Write(local, PatternBytes(kFourChunks));
    ProgressRecorder recorder(VORNA_TRANSFER_KEEP);
    EXPECT_EQ(VORNA_UploadFile_ulTEK_Ex(handle, local.c_str(), "", kConfigType, &ProgressRecorder::Callback),
              VORNA_RESULT_OK);
}

// VORNA_CancelRequest from another thread ends a call that waits on a silent controller at once.
TEST_F(TransferCancelTest, CancelRequestEndsAStalledWaitAtOnce)
{
    using namespace std::chrono_literals;
    Reconnect(60000);
    TempFolder::Write(local, PatternBytes(kFourChunks));
    sim.SetFile(kReadBackType, PatternBytes(kFourChunks));
    const struct {
        const char* label;
        std::uint16_t stalled;
        int answered;         // replies of that command before the silence
        std::size_t requests; // by the time the stalled one is in
        std::function<std::int32_t()> call;
    } cases[] = {
        {"upload", kWriteChunk, 1, 3,
         [&] { return VORNA_UploadFile_ulTEK_Ex(handle, local.c_str(), "", kConfigType, nullptr); }},
        {"download", kReadChunk, 1, 3,
         [&] { return VORNA_DownloadFile_Ex(handle, folder.Path("read.bin").c_str(), "", kReadBackType, nullptr); }},
        {"status poll", 30004, 0, 1, [&] {
             std::uint8_t status = 0;
             return VORNA_CheckDeviceStatus(handle, 1, &status);
         }},
    };
    for (const auto& c : cases) {
        sim.ClearRequests();
        sim.FailCommand(c.stalled, pelsim::SimFault::Silence(), 1, c.answered);
        std::int32_t result = 0;
        std::thread caller([&] { result = c.call(); });
        EXPECT_TRUE(sim.WaitForRequests(c.requests, 5s)) << c.label;
        std::this_thread::sleep_for(50ms); // the caller waits for the reply by now
        const auto cancelled = std::chrono::steady_clock::now();
        EXPECT_EQ(VORNA_CancelRequest(handle), VORNA_RESULT_OK) << c.label;
        caller.join();
        EXPECT_LT(std::chrono::steady_clock::now() - cancelled,
                  std::chrono::milliseconds(SanitizerSlowdown::Scaled(500)))
            << c.label;
        EXPECT_EQ(result, VORNA_RESULT_CANCELLED) << c.label;
        std::uint8_t status = 0;
        EXPECT_EQ(VORNA_CheckDeviceStatus(handle, 1, &status), VORNA_RESULT_CANCELLED)
            << c.label << ": a cancelled connection takes no further request";
        sim.ClearFaults();
        Reconnect(60000);
    }
    EXPECT_EQ(VORNA_CancelRequest(4000), VORNA_RESULT_BAD_HANDLE);
}
