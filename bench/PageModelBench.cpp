// The model operations the property pages run per entry and per tag: registering and releasing
// the automatic tags of list-service entries, and linking many tags to one service item. Each
// sits beside a plain hash-map insert of the same keys, the floor an indexed table can reach.

#include "CDataCenter.h"
#include "TagNaming.h"

#include <benchmark/benchmark.h>

#include <QHash>
#include <QString>

#include <vector>

namespace {

constexpr int kEntryCount = 1000;
constexpr int kSmallTagCount = 3000;
constexpr int kLargeTagCount = 30000;

// The addresses of the automatic tags the model makes for that many e-mail alarm entries.
std::vector<QString> entryTagAddresses(CDataCenter& model, int entries)
{
    std::vector<QString> addresses;
    for (int index = 0; index < entries; ++index) {
        QVector<TagDefinition> definitions;
        model.AutoResource->BuildServiceTags(ServiceId::AlarmMail, index, definitions, 0);
        for (const TagDefinition& definition : definitions) {
            addresses.push_back(definition.ResourceText);
            addresses.push_back(definition.Name);
        }
    }
    return addresses;
}

void BM_RegisterAndReleaseEntryTags(benchmark::State& state)
{
    const int entries = static_cast<int>(state.range(0));
    CDataCenter model;
    std::vector<CDataCenter::TagChange> created;
    for (auto _ : state) {
        for (int index = 0; index < entries; ++index) {
            ALARM_MAIL_ITEM_SETTINGS entry;
            entry.Index = index;
            model.AlarmMail.Entries.push_back(entry);
            if (!model.RegisterServiceItemTags(ServiceId::AlarmMail, index,
                                               model.AlarmMail.Entries.back().TagDefinitions, created)) {
                state.SkipWithError("an automatic tag was not made");
                return;
            }
        }
        // First entry first, as a user deleting from the top of the list.
        for (const ALARM_MAIL_ITEM_SETTINGS& entry : model.AlarmMail.Entries) {
            benchmark::DoNotOptimize(model.ReleaseServiceItemTags(
                {ServiceId::AlarmMail, entry.Index}, CDataCenter::DefinitionAddresses(entry.TagDefinitions)));
        }
        model.AlarmMail.Entries.clear();
    }
    state.counters["tags"] = static_cast<double>(entries) * 2;
}
BENCHMARK(BM_RegisterAndReleaseEntryTags)->Arg(kEntryCount)->Unit(benchmark::kMillisecond);

// The same names and addresses into and out of a hash map.
void BM_HashMapEntryKeys(benchmark::State& state)
{
    CDataCenter model;
    const std::vector<QString> keys = entryTagAddresses(model, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QHash<QString, int> map;
        for (const QString& key : keys)
            map.insert(key, 0);
        for (const QString& key : keys)
            map.remove(key);
        benchmark::DoNotOptimize(map.size());
    }
}
BENCHMARK(BM_HashMapEntryKeys)->Arg(kEntryCount)->Unit(benchmark::kMillisecond);

std::vector<QString> tagAddresses(int count)
{
    std::vector<QString> addresses;
    for (int i = 0; i < count; ++i)
        addresses.push_back(QStringLiteral("%1.%2.%3").arg(i / 10000 + 1).arg(i / 10 % 1000).arg(i % 10));
    return addresses;
}

void BM_LinkTagsToService(benchmark::State& state)
{
    const std::vector<QString> addresses = tagAddresses(static_cast<int>(state.range(0)));
    CDataCenter model;
    TagDefinition definition;
    for (const QString& address : addresses) {
        definition.ResourceText = address;
        model.AppendTag(
            MakeDefinitionTag(QStringLiteral("T_") + address, QString(), ChannelType::DigitalInput, definition));
    }
    const TagServiceLink use = MakeIntPair(ServiceId::ModbusMaster, 0);
    for (auto _ : state) {
        for (const QString& address : addresses)
            model.AddTagServiceUse(address, use);
        state.PauseTiming();
        model.Tags.EditEach([](TagRecord& tag) { tag.RelatedServices.clear(); });
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LinkTagsToService)->Arg(kSmallTagCount)->Arg(10000)->Arg(kLargeTagCount)->Unit(benchmark::kMillisecond);

void BM_HashMapLinkKeys(benchmark::State& state)
{
    const std::vector<QString> addresses = tagAddresses(static_cast<int>(state.range(0)));
    const TagServiceLink use = MakeIntPair(ServiceId::ModbusMaster, 0);
    for (auto _ : state) {
        QHash<QString, std::vector<TagServiceLink>> map;
        for (const QString& address : addresses)
            map[address].push_back(use);
        benchmark::DoNotOptimize(map.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_HashMapLinkKeys)->Arg(kSmallTagCount)->Arg(kLargeTagCount)->Unit(benchmark::kMillisecond);

} // namespace
