// The single-instance handshake over a local socket, both ends in this process.
#include "CSingleInstance.h"

#include "TestEnvironment.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace {

QString channel(const char* name)
{
    return TestEnvironment::HomeFolder() + QStringLiteral("/tmp/") + QString::fromLatin1(name);
}

// Runs the event loop until the condition holds or a second has passed.
template <class Condition>
bool waitFor(Condition condition)
{
    const QDeadlineTimer deadline(1000);
    while (!condition() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

// Counts the raise requests an instance receives.
struct RaiseCounter {
    explicit RaiseCounter(CSingleInstance& instance)
    {
        QObject::connect(&instance, &CSingleInstance::raiseRequested, [this] { ++count; });
    }
    int count = 0;
};

// What a crashed instance leaves: a socket file that nobody listens on.
bool leaveStaleSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    if (fd < 0 || bytes.size() >= static_cast<qsizetype>(sizeof(address.sun_path)))
        return false;
    std::memcpy(address.sun_path, bytes.constData(), static_cast<size_t>(bytes.size()));
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound && QFileInfo::exists(path);
}

TEST(SingleInstanceTest, ASecondStartAsksTheFirstToComeToTheFrontAndStops)
{
    const QString name = channel("handshake");
    CSingleInstance first(name);
    ASSERT_FALSE(first.CheckSingleInstance()); // nobody runs yet
    ASSERT_TRUE(first.IsListening());
    RaiseCounter raised(first);

    CSingleInstance second(name);
    EXPECT_TRUE(second.CheckSingleInstance());
    EXPECT_FALSE(second.IsListening());
    EXPECT_TRUE(waitFor([&] { return raised.count == 1; }));

    CSingleInstance third(name); // and again, on the same listener
    EXPECT_TRUE(third.CheckSingleInstance());
    EXPECT_TRUE(waitFor([&] { return raised.count == 2; }));
}

TEST(SingleInstanceTest, NobodyListeningMeansThisIsTheFirstInstance)
{
    const QString name = channel("nobody");
    CSingleInstance alone(name);
    EXPECT_FALSE(alone.AskRunningInstanceToRaise());
    EXPECT_FALSE(alone.CheckSingleInstance());
    EXPECT_TRUE(alone.IsListening());
}

TEST(SingleInstanceTest, ASocketLeftByACrashedInstanceIsTakenOver)
{
    const QString name = channel("stale");
    ASSERT_TRUE(leaveStaleSocket(name));
    CSingleInstance restarted(name);
    EXPECT_FALSE(restarted.CheckSingleInstance());
    ASSERT_TRUE(restarted.IsListening());

    RaiseCounter raised(restarted);
    EXPECT_TRUE(CSingleInstance(name).CheckSingleInstance());
    EXPECT_TRUE(waitFor([&] { return raised.count == 1; }));
}

TEST(SingleInstanceTest, OtherTrafficOnTheChannelRaisesNothing)
{
    const QString name = channel("noise");
    CSingleInstance first(name);
    ASSERT_FALSE(first.CheckSingleInstance());
    RaiseCounter raised(first);

    QLocalSocket chatter;
    chatter.connectToServer(name);
    ASSERT_TRUE(chatter.waitForConnected(1000));
    chatter.write("hello\n");
    chatter.write(QByteArray(200, 'x')); // no line end: dropped, not buffered for ever
    ASSERT_TRUE(chatter.waitForBytesWritten(1000));
    EXPECT_TRUE(waitFor([&] { return chatter.state() == QLocalSocket::UnconnectedState; }));
    EXPECT_EQ(raised.count, 0);
}

} // namespace
