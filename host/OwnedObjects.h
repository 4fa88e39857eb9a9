#pragma once

#include <memory>
#include <mutex>
#include <unordered_map>

namespace ofxhost {

// Objects a plug-in creates and destroys through a suite (memory blocks,
// mutexes): the pool owns them from creation until the plug-in releases them,
// and anything left is freed with the pool. Looked up by address only, so a
// pointer the pool never handed out is refused without being touched.
template <typename T, typename Deleter = std::default_delete<T>>
class OwnedObjects {
  public:
    using Owner = std::unique_ptr<T, Deleter>;

    T* add(Owner object) {
        T* raw = object.get();
        std::lock_guard<std::mutex> lock(_mutex);
        _objects.emplace(raw, std::move(object));
        return raw;
    }

    // False when the object is not (or no longer) in the pool.
    bool remove(const void* object) {
        Owner released;
        {
            std::lock_guard<std::mutex> lock(_mutex);
            auto it = _objects.find(static_cast<const T*>(object));
            if (it == _objects.end()) {
                return false;
            }
            released = std::move(it->second);
            _objects.erase(it);
        }
        return true;
    }

  private:
    std::mutex _mutex;
    std::unordered_map<const T*, Owner> _objects;
};

}  // namespace ofxhost
