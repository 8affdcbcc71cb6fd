#include "CpuPowerCombos.h"

#include "ComboChoice.h"
#include "DialogHelpers.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {

// The entry with exactly this text, else the first.
void selectTextOrFirst(QComboBox* combo, const QString& text)
{
    const QSignalBlocker quiet(combo);
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    combo->setCurrentIndex(index >= 0 ? index : (combo->count() > 0 ? 0 : -1));
}

// The entry whose module name is the current one, else the last entry that contains it, else the first.
int secondPowerIndex(const QComboBox* combo, const QString& current)
{
    for (int i = 0; i < combo->count(); ++i) {
        if (ModuleNameWithoutComment(combo->itemText(i)) == current)
            return i;
    }
    for (int i = combo->count() - 1; i >= 0; --i) {
        if (combo->itemText(i).contains(current))
            return i;
    }
    return 0;
}

} // namespace

CpuPowerCombos::CpuPowerCombos(Combos combos, NewProjectLists lists, ModuleChoice initial,
                               std::function<void()> userChanged)
    : combos_(combos), lists_(std::move(lists)), choice_(std::move(initial)), userChanged_(std::move(userChanged))
{
    ConnectUserChanges();
}

void CpuPowerCombos::FillFirstEntries(int variant)
{
    ResetAll();
    powerCombosInUse_ = true;
    FillSlotCounts(0);
    FillCPUs(variant, QString());
    FillPowers(QString());
    FillCombo(combos_.secondPower, lists_.secondPowersDefault);
    TakeSecondPower();
    combos_.slotCount->setEnabled(true);
    combos_.power->setEnabled(true);
    ApplySlotCount();
}

void CpuPowerCombos::FillCPUOnly(int variant)
{
    ResetAll();
    powerCombosInUse_ = false;
    FillCPUs(variant, choice_.cpuModule);
}

void CpuPowerCombos::FillCurrentValues(int variant)
{
    ResetAll();
    powerCombosInUse_ = true;
    const QString currentSecondPower = choice_.secondPowerModule;
    FillCPUs(variant, choice_.cpuModule);
    FillSlotCounts(choice_.slotCount);
    FillPowers(choice_.powerModule);
    combos_.slotCount->setEnabled(true);
    combos_.power->setEnabled(true);
    ApplySlotCount();
    SelectSecondPower(currentSecondPower);
}

bool CpuPowerCombos::HasRequiredChoices() const
{
    if (!HasComboChoice(combos_.cpu))
        return false;
    return !powerCombosInUse_ || (HasComboChoice(combos_.slotCount) && HasComboChoice(combos_.power));
}

void CpuPowerCombos::ResetAll()
{
    for (QComboBox* combo : {combos_.slotCount, combos_.cpu, combos_.power, combos_.secondPower}) {
        const QSignalBlocker quiet(combo);
        combo->clear();
        combo->setEnabled(combo == combos_.cpu);
    }
}

void CpuPowerCombos::FillCPUs(int variant, const QString& current)
{
    FillCombo(combos_.cpu, lists_.CPUsOf(variant));
    selectTextOrFirst(combos_.cpu, current);
    TakeCPU();
}

void CpuPowerCombos::FillSlotCounts(int current)
{
    QList<ComboEntry> entries;
    for (const QString& entry : lists_.slotCounts)
        entries.append({entry, SlotCountOfEntry(entry)});
    FillCombo(combos_.slotCount, entries);
    const QSignalBlocker quiet(combos_.slotCount);
    SelectComboByData(combos_.slotCount, current);
}

void CpuPowerCombos::FillPowers(const QString& current)
{
    FillCombo(combos_.power, lists_.powers);
    selectTextOrFirst(combos_.power, current);
    TakePower();
}

void CpuPowerCombos::SelectSecondPower(const QString& current)
{
    if (combos_.secondPower->count() == 0)
        return;
    {
        const QSignalBlocker quiet(combos_.secondPower);
        combos_.secondPower->setCurrentIndex(secondPowerIndex(combos_.secondPower, current));
    }
    TakeSecondPower();
}

// Five slots have no second power slot to choose: the combo shows its first entry, disabled.
void CpuPowerCombos::ApplySlotCount()
{
    if (combos_.slotCount->currentIndex() < 0)
        return;
    const int count = ComboSelectedData(combos_.slotCount);
    if (count == kSlotCount5) {
        {
            const QSignalBlocker quiet(combos_.secondPower);
            combos_.secondPower->setCurrentIndex(combos_.secondPower->count() > 0 ? 0 : -1);
        }
        combos_.secondPower->setEnabled(false);
        choice_.slotCount = kSlotCount5;
        TakeSecondPower();
        return;
    }
    combos_.secondPower->setEnabled(true);
    choice_.slotCount = count == kSlotCount9 ? kSlotCount9 : kSlotCount12;
    RefillSecondPower();
}

void CpuPowerCombos::RefillSecondPower()
{
    FillCombo(combos_.secondPower, lists_.SecondPowersFor(choice_.slotCount, choice_.powerModule));
    TakeSecondPower();
}

void CpuPowerCombos::TakeCPU()
{
    if (combos_.cpu->currentIndex() >= 0)
        choice_.cpuModule = combos_.cpu->currentText();
}

void CpuPowerCombos::TakePower()
{
    if (combos_.power->currentIndex() >= 0)
        choice_.powerModule = combos_.power->currentText();
}

// Another power module offers other second power modules; the first becomes the choice.
void CpuPowerCombos::OnPowerChanged()
{
    TakePower();
    RefillSecondPower();
}

// An empty list offers no second power module.
void CpuPowerCombos::TakeSecondPower()
{
    const QComboBox* combo = combos_.secondPower;
    choice_.secondPowerModule =
        combo->currentIndex() >= 0 ? ModuleNameWithoutComment(combo->currentText()) : kNoModule.toString();
}

void CpuPowerCombos::ConnectUserChanges()
{
    const auto onUser = [this](QComboBox* combo, void (CpuPowerCombos::*take)()) {
        connect(combo, &QComboBox::currentIndexChanged, this, [this, take] {
            (this->*take)();
            if (userChanged_)
                userChanged_();
        });
    };
    onUser(combos_.slotCount, &CpuPowerCombos::ApplySlotCount);
    onUser(combos_.cpu, &CpuPowerCombos::TakeCPU);
    onUser(combos_.power, &CpuPowerCombos::OnPowerChanged);
    onUser(combos_.secondPower, &CpuPowerCombos::TakeSecondPower);
}
