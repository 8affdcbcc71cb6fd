#include "HostInterfaces.h"

#include <QHostAddress>
#include <gtest/gtest.h>

namespace {

TEST(HostInterfacesTest, AppendsUsableIPv4InterfacesWithoutLoopback)
{
    QList<std::shared_ptr<HostInterfaceEntry>> list;
    list.append(std::make_shared<HostInterfaceEntry>()); // the caller's entries stay
    GetHostInterfaces(list);
    ASSERT_GE(list.size(), 1);
    EXPECT_TRUE(list.front()->address.isEmpty());
    for (qsizetype i = 1; i < list.size(); ++i) {
        const QHostAddress address(QString::fromLatin1(list[i]->address));
        EXPECT_EQ(address.protocol(), QAbstractSocket::IPv4Protocol) << list[i]->address.constData();
        EXPECT_FALSE(address.isLoopback()) << list[i]->address.constData();
    }
}

} // namespace
