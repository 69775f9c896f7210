// Slot registries and the counted handles into them.
//
// Long-lived objects (entities, collision lines, resources) are owned by a
// PointerManager<T>; everybody else holds a Pointer<T> that names a slot by
// index. Releasing the last handle never deletes the object: it only queues
// the slot for reuse, oldest release first. Objects end through destroy(),
// when their slot is reused, or with the registry, so a handle never dangles
// while its registry lives.
//
// Handles of a derived (or base) type into a registry of T
// ---------------------------------------------------------
// A Pointer<Texture> names a slot of a PointerManager<Resource>. Reading one
// handle type's bytes as another would be undefined behaviour, so a handle is
// never reinterpreted. Instead a handle stores
//   - the registry through its type-independent interface PointerManagerBase
//     (counting, destroying), and
//   - a resolver: a plain function chosen by the registry when it binds the
//     handle, which recovers the registry's true type with a checked-by-design
//     static_cast and converts the slot's T* to the handle's type with a
//     static_cast (adjusting the address correctly for any inheritance).
// Registries fill a Pointer<U> of a related type through template overloads of
// pointerAdd/pointerGet that run the ordinary base operation into a temporary
// Pointer<T> and rebind the destination to the same slot. The relation between
// U and T is checked at compile time; the object's dynamic type is not checked
// at run time, so a derived handle must only be filled from a slot that holds
// that type.
//
// Copies, releases and dereferences are O(1) and never allocate: the queue of
// released slots reserves room for every release that can happen before the
// next bind, and binds only happen inside pointerAdd/pointerGet.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <type_traits>
#include <vector>

template <class T> class Pointer;
template <class T> class PointerManager;

// What a handle needs of a registry, independent of the registry's object type.
class PointerManagerBase {
  public:
    PointerManagerBase() = default;
    PointerManagerBase(const PointerManagerBase&) = delete;
    PointerManagerBase& operator=(const PointerManagerBase&) = delete;
    virtual ~PointerManagerBase() = default;

  protected:
    template <class> friend class Pointer;

    virtual void referenceIncrement(unsigned int handle) = 0;
    virtual void referenceDecrement(unsigned int handle) = 0;
    virtual void referenceDestroy(unsigned int handle) = 0;
};

// First-in first-out ring of slot indexes whose storage only grows on request,
// so that pushing within the reserved room never allocates.
class PointerSlotQueue {
  public:
    bool empty() const { return m_size == 0; }
    std::size_t size() const { return m_size; }

    void reserve(std::size_t capacity) {
        if (capacity <= m_ring.size()) {
            return;
        }
        std::vector<std::uint32_t> grown(capacity);
        for (std::size_t i = 0; i < m_size; ++i) {
            grown[i] = m_ring[(m_head + i) % m_ring.size()];
        }
        m_ring.swap(grown);
        m_head = 0;
    }

    void push(std::uint32_t index) {
        if (m_size == m_ring.size()) {
            reserve(m_ring.empty() ? 16 : m_ring.size() * 2);
        }
        m_ring[(m_head + m_size) % m_ring.size()] = index;
        ++m_size;
    }

    std::uint32_t pop() {
        std::uint32_t front = m_ring[m_head];
        m_head = (m_head + 1) % m_ring.size();
        --m_size;
        return front;
    }

  private:
    std::vector<std::uint32_t> m_ring;
    std::size_t m_head = 0;
    std::size_t m_size = 0;
};

template <class T> class Pointer {
  public:
    Pointer() = default;

    Pointer(const Pointer& other)
        : m_handle(other.m_handle), m_manager(other.m_manager), m_resolve(other.m_resolve) {
        referenceIncrement();
    }

    virtual ~Pointer() { referenceDecrement(); }

    Pointer& operator=(const Pointer& other) {
        bind(other.m_handle, other.m_manager, other.m_resolve);
        return *this;
    }

    // Requires a non-empty handle; yields null once the object was destroyed.
    T* operator->() const { return m_resolve(m_manager, m_handle); }
    T& operator*() const { return *m_resolve(m_manager, m_handle); }

    bool operator==(const Pointer& other) const {
        return this == &other || (m_handle == other.m_handle && m_manager == other.m_manager);
    }
    bool operator!=(const Pointer& other) const { return !(*this == other); }

    // Deletes the object for every handle of the slot; the counts stay.
    void destroy() {
        if (m_manager != nullptr) {
            m_manager->referenceDestroy(m_handle);
        }
    }

    void nullify() {
        if (m_manager != nullptr) {
            referenceDecrement();
            m_handle = 0;
            m_manager = nullptr;
            m_resolve = nullptr;
        }
    }

    bool isNull() const {
        return m_manager == nullptr || m_resolve(m_manager, m_handle) == nullptr;
    }

  private:
    template <class> friend class PointerManager;
    using Resolver = T* (*)(PointerManagerBase*, unsigned int);

    Pointer(unsigned int handle, PointerManagerBase* manager, Resolver resolve)
        : m_handle(handle), m_manager(manager), m_resolve(resolve) {
        referenceIncrement();
    }

    void bind(unsigned int handle, PointerManagerBase* manager, Resolver resolve) {
        if (handle == m_handle && manager == m_manager) {
            return;
        }
        referenceDecrement();
        m_handle = handle;
        m_manager = manager;
        m_resolve = resolve;
        referenceIncrement();
    }

    void referenceIncrement() {
        if (m_manager != nullptr) {
            m_manager->referenceIncrement(m_handle);
        }
    }

    void referenceDecrement() {
        if (m_manager != nullptr) {
            m_manager->referenceDecrement(m_handle);
        }
    }

    std::uint32_t m_handle = 0;
    PointerManagerBase* m_manager = nullptr;
    Resolver m_resolve = nullptr;
};

template <class T> class PointerManager : public PointerManagerBase {
  public:
    struct PointerInfo {
        std::uint32_t m_references = 0;
        T* m_pointer = nullptr;
        // Whether the slot waits in the release queue. A slot looked up and
        // released again every frame (a sprite fetched per draw) would
        // otherwise add an entry per frame, and the queue would grow for as
        // long as the game runs.
        bool m_queued = false;
    };

    explicit PointerManager(unsigned int reserveSize) {
        m_pointers.reserve(reserveSize);
        m_unusedHandles.reserve(reserveSize);
    }

    // Objects may release handles into this registry while they are deleted,
    // so every record stays in place until all objects are gone.
    ~PointerManager() override {
        for (std::size_t index = 0; index < m_pointers.size(); ++index) {
            deleteObject(*m_pointers[index]);
        }
    }

    virtual void pointerAdd(T* pointer, Pointer<T>* pointerDest) {
        releaseIfNamingThis(pointerDest);
        std::optional<std::uint32_t> reusable = takeReusableSlot();
        std::uint32_t index = reusable ? *reusable : appendSlot(pointer);
        if (reusable) {
            replaceObject(index, pointer);
        }
        if (pointerDest != nullptr) {
            bindHandle(index, pointerDest);
        }
    }

    // Fills a handle of a related type (a derived class of T, or a base of T)
    // with a slot of this registry; see the banner.
    template <class U> void pointerAdd(T* pointer, Pointer<U>* pointerDest) {
        releaseIfNamingThis(pointerDest);
        fillRelated(pointerDest, [&](Pointer<T>* base) { pointerAdd(pointer, base); });
    }

    // Fills a handle of a related type with the slot that `handle` names: an
    // object registered under its base type (an entity registers itself from
    // the base constructor) is later wanted under its own type. Returns false
    // and leaves pointerDest as it was when `handle` is null or names a slot
    // of a registry of another type.
    template <class U> static bool pointerGet(const Pointer<T>& handle, Pointer<U>* pointerDest) {
        auto* registry = dynamic_cast<PointerManager*>(handle.m_manager);
        if (registry == nullptr || pointerDest == nullptr) {
            return false;
        }
        registry->fillRelated(pointerDest, [&](Pointer<T>* base) { *base = handle; });
        return true;
    }

  protected:
    void referenceIncrement(unsigned int handle) override {
        PointerInfo& info = slot(handle);
        if (info.m_references == 0) {
            ++m_referencedSlots;
        }
        ++info.m_references;
    }

    void referenceDecrement(unsigned int handle) override {
        PointerInfo& info = slot(handle);
        if (info.m_references == 0) {
            throw std::underflow_error("Pointer references have underflowed");
        }
        if (--info.m_references == 0) {
            --m_referencedSlots;
            if (!info.m_queued) {
                info.m_queued = true;
                m_unusedHandles.push(handle);
            }
        }
    }

    void referenceDestroy(unsigned int handle) override { deleteObject(slot(handle)); }

    T* referenceGetPointer(unsigned int handle) { return slot(handle).m_pointer; }

    PointerInfo& slot(unsigned int handle) { return *m_pointers.at(handle); }

    // Makes pointerDest a handle to the slot at index. Reserves queue room for
    // the release of every referenced slot first, so releases never allocate.
    void bindHandle(std::uint32_t index, Pointer<T>* pointerDest) {
        m_unusedHandles.reserve(m_unusedHandles.size() + m_referencedSlots + 1);
        pointerDest->bind(index, this, &PointerManager::resolveAs<T>);
    }

    // Drops the destination's reference first when it names this registry, so
    // that the slot may be handed out again at once and the new binding is
    // never mistaken for the old one.
    template <class U> void releaseIfNamingThis(Pointer<U>* pointerDest) {
        if (pointerDest != nullptr && pointerDest->m_manager == this) {
            pointerDest->nullify();
        }
    }

    // Runs a base operation into a temporary Pointer<T>, then rebinds the
    // related handle to the same slot (a rebind to the slot it already names
    // changes nothing). Returns what the base operation returned.
    template <class U, class BaseOperation>
    auto fillRelated(Pointer<U>* pointerDest, BaseOperation&& baseOperation) {
        static_assert(std::is_base_of_v<T, U> || std::is_base_of_v<U, T>,
                      "a handle can only name slots of a registry of a related type");
        Pointer<T> base;
        Pointer<T>* baseDest = pointerDest != nullptr ? &base : nullptr;
        if constexpr (std::is_void_v<decltype(baseOperation(baseDest))>) {
            baseOperation(baseDest);
            rebindRelated(base, pointerDest);
        } else {
            auto result = baseOperation(baseDest);
            rebindRelated(base, pointerDest);
            return result;
        }
    }

    // Index of the oldest released slot whose count is still zero; stale
    // entries (slots revived since their release) are dropped on the way.
    std::optional<std::uint32_t> takeReusableSlot() {
        while (!m_unusedHandles.empty()) {
            std::uint32_t index = m_unusedHandles.pop();
            slot(index).m_queued = false;
            if (slot(index).m_references == 0) {
                return index;
            }
        }
        return std::nullopt;
    }

    std::uint32_t appendSlot(T* pointer) {
        m_pointers.push_back(std::make_unique<PointerInfo>());
        m_pointers.back()->m_pointer = pointer;
        return static_cast<std::uint32_t>(m_pointers.size() - 1);
    }

    void replaceObject(std::uint32_t index, T* pointer) {
        deleteObject(slot(index));
        slot(index).m_pointer = pointer;
    }

    std::vector<std::unique_ptr<PointerInfo>> m_pointers;
    PointerSlotQueue m_unusedHandles;

  private:
    template <class U> static U* resolveAs(PointerManagerBase* manager, unsigned int handle) {
        return static_cast<U*>(static_cast<PointerManager*>(manager)->referenceGetPointer(handle));
    }

    template <class U> void rebindRelated(const Pointer<T>& base, Pointer<U>* pointerDest) {
        if (pointerDest != nullptr && base.m_manager != nullptr) {
            pointerDest->bind(base.m_handle, this, &PointerManager::resolveAs<U>);
        }
    }

    // The slot is cleared before the delete so that a destructor reaching the
    // same slot sees it empty instead of deleting the object twice.
    static void deleteObject(PointerInfo& info) {
        T* object = info.m_pointer;
        info.m_pointer = nullptr;
        delete object;
    }

    std::size_t m_referencedSlots = 0;
};
