// A slot registry that can also find an object again by a numeric key.
//
// Resources are keyed by their catalogue value. A resource whose last handle
// was released stays in its slot and stays findable until the slot is reused
// for another key, which makes the registry a cache: a request soon after the
// last user went away revives the loaded resource instead of loading it again.
#pragma once

#include "PointerManager.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

template <class T> class MappedPointerManager : public PointerManager<T> {
  public:
    explicit MappedPointerManager(unsigned int reserveSize) : PointerManager<T>(reserveSize) {}

    // Adds without a key; the key map does not learn about the slot.
    using PointerManager<T>::pointerAdd;

    // True when something is registered under the key; then pointerDest (if
    // given) becomes a handle to it, reviving a released slot.
    virtual bool pointerGet(unsigned long objectKey, Pointer<T>* pointerDest) {
        auto entry = m_pointerInfoMap.find(objectKey);
        if (entry == m_pointerInfoMap.end()) {
            return false;
        }
        if (pointerDest != nullptr) {
            this->bindHandle(static_cast<std::uint32_t>(entry->second), pointerDest);
        }
        return true;
    }

    // Registers pointer under objectKey, taking the oldest released slot and
    // evicting whatever key that slot held.
    virtual void pointerAdd(T* pointer, unsigned long objectKey, Pointer<T>* pointerDest) {
        this->releaseIfNamingThis(pointerDest);
        std::optional<std::uint32_t> reusable = this->takeReusableSlot();
        std::uint32_t index = reusable ? *reusable : this->appendSlot(pointer);
        if (reusable) {
            forgetKeyOfSlot(index);
            this->replaceObject(index, pointer);
        }
        if (pointerDest != nullptr) {
            this->bindHandle(index, pointerDest);
        }
        m_pointerInfoMap[objectKey] = index;
    }

    // Fill handles of a related type (Pointer<Texture> from a registry of
    // Resource); see PointerManager.h.
    template <class U> bool pointerGet(unsigned long objectKey, Pointer<U>* pointerDest) {
        auto entry = m_pointerInfoMap.find(objectKey);
        if (entry == m_pointerInfoMap.end()) {
            return false;
        }
        return this->fillRelated(pointerDest,
                                 [&](Pointer<T>* base) { return pointerGet(objectKey, base); });
    }

    template <class U>
    void pointerAdd(T* pointer, unsigned long objectKey, Pointer<U>* pointerDest) {
        this->releaseIfNamingThis(pointerDest);
        this->fillRelated(pointerDest,
                          [&](Pointer<T>* base) { pointerAdd(pointer, objectKey, base); });
    }

  protected:
    std::map<std::uint64_t, std::uint64_t> m_pointerInfoMap;

  private:
    void forgetKeyOfSlot(std::uint32_t index) {
        auto named = std::find_if(m_pointerInfoMap.begin(), m_pointerInfoMap.end(),
                                  [index](const auto& entry) { return entry.second == index; });
        if (named != m_pointerInfoMap.end()) {
            m_pointerInfoMap.erase(named);
        }
    }
};
