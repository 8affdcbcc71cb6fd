#include "CToolWorker.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

TEST(ToolWorkerTest, BodiesRunOneAfterAnotherOnTheWorkersOwnThread)
{
    CToolWorker worker;
    std::vector<std::thread::id> threads;
    std::vector<int> order;
    for (int body = 0; body < 3; ++body) {
        worker.Start([&, body] {
            std::this_thread::sleep_for(5ms); // a Start that did not wait would overlap this
            threads.push_back(std::this_thread::get_id());
            order.push_back(body);
        });
    }
    worker.Join();
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
    ASSERT_EQ(threads.size(), 3u);
    EXPECT_NE(threads[0], std::this_thread::get_id());
    EXPECT_EQ(threads[1], threads[0]);
    EXPECT_EQ(threads[2], threads[0]);
    EXPECT_FALSE(worker.running());
}

TEST(ToolWorkerTest, AFailingBodyEndsAloneAndTheNextOneRuns)
{
    CToolWorker worker;
    worker.Start([] { throw std::runtime_error("device gone"); });
    worker.Join();
    EXPECT_FALSE(worker.running());
    std::atomic<bool> ran{false};
    worker.Start([&] { ran = true; });
    worker.Join();
    EXPECT_TRUE(ran);
}

TEST(ToolWorkerTest, EndingTheWorkerStopsAWaitingBodyAndItsHook)
{
    std::atomic<bool> sleptToTheEnd{true};
    std::atomic<int> hookCalls{0};
    QElapsedTimer clock;
    clock.start();
    {
        CToolWorker worker;
        worker.SetCancelHook([&] { ++hookCalls; });
        worker.Start([&] { sleptToTheEnd = CToolWorker::Sleep(60s); });
        std::this_thread::sleep_for(10ms);
        EXPECT_TRUE(worker.running());
    }
    EXPECT_FALSE(sleptToTheEnd);
    EXPECT_EQ(hookCalls, 1);
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST(ToolWorkerTest, JoinAndTheStopFlagAreTheCallersOwn)
{
    CToolWorker worker;
    std::atomic<bool> joinedItself{false};
    std::atomic<bool> sawOwnFlag{false};
    worker.Start([&] {
        worker.Join(); // must not wait for itself
        joinedItself = true;
        sawOwnFlag = CToolWorker::CurrentCancelFlag() != nullptr;
    });
    worker.Join();
    worker.Join(); // a second join returns at once
    EXPECT_TRUE(joinedItself);
    EXPECT_TRUE(sawOwnFlag);
    EXPECT_EQ(CToolWorker::CurrentCancelFlag(), nullptr);
}

} // namespace
