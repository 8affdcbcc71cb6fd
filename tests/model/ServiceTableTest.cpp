#include "CDataCenter.h"

#include <gtest/gtest.h>

namespace {

ServiceRecord service(int id, int value, int present)
{
    return {"Element", "Alias", id, value, present, 0, 0};
}

TEST(ServiceTableTest, ValueIsTwoUnlessTheFirstRecordOfTheIdIsPresent)
{
    const struct {
        const char* label;
        std::vector<ServiceRecord> records;
        int id;
        int expected;
    } cases[] = {
        {"empty table", {}, 105, 2},
        {"absent id", {service(117, 1, 1)}, 105, 2},
        {"present", {service(105, 1, 1)}, 105, 1},
        {"present with value 0", {service(105, 0, 1)}, 105, 0},
        {"absent flag", {service(105, 1, 0)}, 105, 2},
        {"first of duplicates", {service(105, 0, 1), service(105, 1, 1)}, 105, 0},
        {"first duplicate not present", {service(105, 1, 0), service(105, 1, 1)}, 105, 2},
    };
    for (const auto& c : cases) {
        CDataCenter model;
        for (const ServiceRecord& record : c.records)
            model.AddServiceRecord(record);
        EXPECT_EQ(model.GetServiceValue(c.id), c.expected) << c.label;
    }
}

TEST(ServiceTableTest, ResultGoesToEveryRecordOfTheIdAndKeepsPresence)
{
    CDataCenter model;
    model.AddServiceRecord(service(105, 0, 0));
    model.AddServiceRecord(service(117, 0, 1));
    model.AddServiceRecord(service(105, 0, 1));
    model.SetServiceResult(105, 1);
    EXPECT_EQ(model.Services[0].Value, 1);
    EXPECT_EQ(model.Services[0].Present, 0);
    EXPECT_EQ(model.Services[1].Value, 0);
    EXPECT_EQ(model.Services[2].Value, 1);
    EXPECT_EQ(model.GetServiceValue(105), 2); // the first record still says the service is not offered
    EXPECT_EQ(model.GetServiceList().size(), 3u);
}

TEST(ServiceTableTest, ServiceValueChangesTheFirstFunctionRecordOnly)
{
    CDataCenter model;
    model.AddFunctionRecord(service(133, 1, 1));
    model.AddFunctionRecord(service(133, 1, 1));
    model.SetServiceValue(133, 0);
    EXPECT_EQ(model.FunctionRecords[0].Value, 0);
    EXPECT_EQ(model.FunctionRecords[1].Value, 1);
    model.SetServiceValue(140, 5);
    EXPECT_EQ(model.FunctionRecords[0].Value, 0);
    EXPECT_TRUE(model.Services.empty());
}

TEST(ServiceTableTest, FunctionNodeRecordStartsWithFlagOne)
{
    const FunctionNodeRecord record("FTP_Server", "FTP Server", 128, 1, 0, 3);
    EXPECT_EQ(record.ElementName, "FTP_Server");
    EXPECT_EQ(record.ShownText, "FTP Server");
    EXPECT_EQ(record.FormId, 128);
    EXPECT_EQ(record.Flag, 1);
    EXPECT_EQ(record.ServiceList, 1);
    EXPECT_EQ(record.ServicMap, 0);
    EXPECT_EQ(record.Parent, 3);
}

} // namespace
