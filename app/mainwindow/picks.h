// Picks: the pictures picked in the thumbnail list for "Export", "Print" and the archive, in the
// order they were picked. Up to four store indices; kEmpty marks a free slot.
#pragma once

#include <array>

class Picks {
public:
    static constexpr int kEmpty = 999;
    static constexpr int kSlots = 4;

    // Pick mode: clicks in the thumbnail list pick and unpick pictures.
    bool PickMode() const { return m_bPickMode; }
    int Count() const { return m_nPickCount; }
    // The store index in a slot (0..3), kEmpty when the slot is free.
    int At(int slot) const { return m_nPicked[slot]; }
    const std::array<int, kSlots>& Slots() const { return m_nPicked; }

    // Nothing picked and pick mode off.
    void Clear();
    // Nothing picked, pick mode switched over.
    void ToggleMode();
    // The result of picking a store index.
    enum class Change { Added, Removed, Full };
    // A picked index is unpicked; another takes the first free slot; with all four taken
    // nothing changes.
    Change Pick(int index);
    // The slots found again after the list changed: each one's new index, or kEmpty when its
    // picture is gone.
    void Reset(const std::array<int, kSlots>& indices);

private:
    bool m_bPickMode = false;
    int m_nPickCount = 0;
    std::array<int, kSlots> m_nPicked = {kEmpty, kEmpty, kEmpty, kEmpty};
};
