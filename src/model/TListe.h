// An owned, ordered list of model objects (surfaces of an aircraft, segments of a surface). The
// objects keep their addresses while the list changes, so other parts may point at them.
#pragma once

#include <memory>
#include <utility>
#include <vector>

template <class T>
class TListe {
public:
    int Count() const { return static_cast<int>(objekte_.size()); }

    /// The object at `index`, or nullptr outside 0..Count()-1.
    T* Get(int index) const
    {
        if (index < 0 || index >= Count()) return nullptr;
        return objekte_[index].get();
    }

    /// Appends and returns the new index.
    int Add(std::unique_ptr<T> objekt)
    {
        objekte_.push_back(std::move(objekt));
        return Count() - 1;
    }

    /// The new object takes `index` (clamped into 0..Count()); the following ones move right.
    void Insert(int index, std::unique_ptr<T> objekt)
    {
        if (index < 0) index = 0;
        if (index > Count()) index = Count();
        objekte_.insert(objekte_.begin() + index, std::move(objekt));
    }

    /// Frees the object at `index` and closes the gap; an index outside the list changes nothing.
    void Delete(int index)
    {
        if (index < 0 || index >= Count()) return;
        objekte_.erase(objekte_.begin() + index);
    }

    /// Frees every object.
    void Clear() { objekte_.clear(); }

    auto begin() const { return objekte_.begin(); }
    auto end() const { return objekte_.end(); }

private:
    std::vector<std::unique_ptr<T>> objekte_;
};
