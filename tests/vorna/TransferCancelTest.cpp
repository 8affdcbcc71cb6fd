// A progress callback that answers VORNA_TRANSFER_CANCEL stops a transfer at that report.

#include "VornaTestSupport.h"

#include <gtest/gtest.h>

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
