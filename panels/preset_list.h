#pragma once

#include <algorithm>
#include <array>

#include "canvas/surface.h"
#include "core/preset_records.h"
#include "files/preset_table_file.h"

namespace dw {

// A fixed table of presets with their thumbnails. Used slots stay packed at the front, and
// the current index always names a slot of the table.
template <class Record, int Capacity>
class PresetList {
  public:
    static constexpr int kCapacity = Capacity;

    struct Slot {
        bool used = false;
        Record record{};
        Surface thumbnail;
    };

    Slot& operator[](int slot) { return slots_[std::size_t(slot)]; }
    const Slot& operator[](int slot) const { return slots_[std::size_t(slot)]; }
    int current() const { return current_; }
    void setCurrent(int slot) { current_ = std::clamp(slot, 0, Capacity - 1); }
    Slot& currentSlot() { return (*this)[current_]; }

    // The first empty slot, or -1 when every slot is used.
    int firstEmpty() const {
        for (int slot = 0; slot < Capacity; ++slot) {
            if (!slots_[std::size_t(slot)].used) {
                return slot;
            }
        }
        return -1;
    }

    // The slots after `slot` move down one place, thumbnails with them, and the last slot
    // becomes empty. A current slot left empty gives way to the one before it.
    void removeAt(int slot) {
        if (slot < 0 || slot >= Capacity) {
            return;
        }
        std::rotate(slots_.begin() + slot, slots_.begin() + slot + 1, slots_.end());
        Slot& last = slots_.back();
        last.used = false;
        last.record = Record{};
        last.thumbnail.release();
        if (!currentSlot().used && current_ > 0) {
            --current_;
        }
    }

    PresetTable table() const {
        PresetTable table;
        for (const Slot& slot : slots_) {
            table.slots.push_back({slot.used, recordOf(slot.record)});
        }
        table.current = current_;
        return table;
    }

    // Every record passes through `sound` on its way in.
    void replace(const PresetTable& table, Record (*sound)(const PresetRecord&)) {
        for (int i = 0; i < Capacity; ++i) {
            const bool inTable = std::size_t(i) < table.slots.size();
            Slot& slot = slots_[std::size_t(i)];
            slot.used = inTable && table.slots[std::size_t(i)].used;
            slot.record = slot.used ? sound(table.slots[std::size_t(i)].record) : Record{};
            slot.thumbnail.release();
        }
        setCurrent(table.current);
    }

  private:
    std::array<Slot, Capacity> slots_{};
    int current_ = 0;
};

}  // namespace dw
