#pragma once

#include <mutex>
#include <unordered_set>

namespace ofxhost {

// The objects of one kind that are alive, so that a handle coming back from a
// plug-in is checked before it is used: a stale or foreign pointer gives a
// bad-handle status instead of a crash.
template <typename T>
class LiveHandles {
  public:
    static void add(const T* object) {
        std::lock_guard<std::mutex> lock(mutex());
        objects().insert(object);
    }

    static void remove(const T* object) {
        std::lock_guard<std::mutex> lock(mutex());
        objects().erase(object);
    }

    // The live object behind a handle, or null.
    static T* find(const void* handle) {
        if (handle == nullptr) {
            return nullptr;
        }
        std::lock_guard<std::mutex> lock(mutex());
        auto it = objects().find(static_cast<const T*>(handle));
        return it == objects().end() ? nullptr : const_cast<T*>(*it);
    }

  private:
    static std::unordered_set<const T*>& objects() {
        static std::unordered_set<const T*> live;
        return live;
    }

    static std::mutex& mutex() {
        static std::mutex lock;
        return lock;
    }
};

// Member that keeps its owner listed in LiveHandles for the owner's lifetime.
template <typename T>
class HandleRegistration {
  public:
    explicit HandleRegistration(const T* owner) : _owner(owner) { LiveHandles<T>::add(owner); }
    ~HandleRegistration() { LiveHandles<T>::remove(_owner); }

    HandleRegistration(const HandleRegistration&) = delete;
    HandleRegistration& operator=(const HandleRegistration&) = delete;

  private:
    const T* _owner;
};

}  // namespace ofxhost
