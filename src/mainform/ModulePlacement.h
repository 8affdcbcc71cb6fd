#pragma once
// Where an I/O module may be added to a project, and how many of one model a project may hold.
//
// Two kinds of module are placed by rule: the Ethernet switch module goes only into the slot
// before the last, with the last slot free; the trunkable 2-port serial modules go, as a pair,
// right before the switch module (or before the last slot when there is none). Other modules go
// into any free slot before the first switch module.

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class CDataCenter;

inline constexpr const char* kNewModuleSection = "New_Module";
inline constexpr const char* kNewModule4200Key = "ulTEK_4200_mode";
inline constexpr const char* kNewModule4100Key = "ulTEK_4100_mode";
inline constexpr const char* kSlotLimitSection = "Slot_Limit";

// The occupancy of a project's slots, copied from the model.
struct SlotLayout {
    int slotCount = 0;    // the I/O slots are 1 to slotCount
    quint16 slotMask = 0; // bit of each slot in use
    QStringList names;    // module name by slot number

    static SlotLayout FromModel(const CDataCenter& model);

    bool IsUsed(int slot) const;
    QString NameAt(int slot) const;
    // 1 when the slot before the last holds a switch module.
    int SwitchFlag() const;
    // The slot a port-trunk module goes into first; the second of a pair goes right before it.
    int PortTrunkSlot() const { return slotCount - SwitchFlag() - 1; }
};

// The mask bit of a slot: slot 0 and below share bit 0, slots past the mask have none.
quint16 SlotBit(int slot);

// The slots offered to a module, in ascending order.
QList<int> OfferedSlots(const SlotLayout& layout, const QString& module);
// Whether the module may go into the slot: a free slot above 0 that the module's rule allows.
bool IsPlacementAllowed(const SlotLayout& layout, const QString& module, int slot);

// The [Slot_Limit] key of a module: its name without the "-CT" or "-T" ending.
QString SlotLimitKey(const QString& module);
// The highest number of modules of that key a project may hold; 0 for no limit.
int ReadSlotLimit(const QString& key);
// The I/O slots whose module name contains the key.
int CountModulesWithKey(const SlotLayout& layout, const QString& key);
