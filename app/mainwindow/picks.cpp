#include "app/mainwindow/picks.h"

void Picks::Clear() {
    m_bPickMode = false;
    m_nPickCount = 0;
    m_nPicked.fill(kEmpty);
}

void Picks::ToggleMode() {
    m_nPickCount = 0;
    m_nPicked.fill(kEmpty);
    m_bPickMode = !m_bPickMode;
}

Picks::Change Picks::Pick(int index) {
    for (int& slot : m_nPicked) {
        if (slot == index) {
            slot = kEmpty;
            --m_nPickCount;
            return Change::Removed;
        }
    }
    for (int& slot : m_nPicked) {
        if (slot == kEmpty) {
            slot = index;
            ++m_nPickCount;
            return Change::Added;
        }
    }
    return Change::Full;
}

void Picks::Reset(const std::array<int, kSlots>& indices) {
    m_nPickCount = 0;
    for (int slot = 0; slot < kSlots; ++slot) {
        m_nPicked[slot] = indices[slot] >= 0 && indices[slot] != kEmpty ? indices[slot] : kEmpty;
        if (m_nPicked[slot] != kEmpty) ++m_nPickCount;
    }
}
