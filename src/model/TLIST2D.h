// A table of rows of non-owning object references; rows may differ in length. The owner of the
// objects (a surface for its panels and strip results) keeps them alive and frees them.
#pragma once

#include <vector>

template <class T>
class TLIST2D {
public:
    /// Appends empty rows until `zeile` exists, then empty entries until `spalte` exists, then stores.
    void Put(int zeile, int spalte, T* objekt)
    {
        if (zeile < 0 || spalte < 0) return;
        if (static_cast<int>(zeilen_.size()) <= zeile) zeilen_.resize(zeile + 1);
        auto& z = zeilen_[zeile];
        if (static_cast<int>(z.size()) <= spalte) z.resize(spalte + 1, nullptr);
        z[spalte] = objekt;
    }

    /// The object, or nullptr outside the table.
    T* Get(int zeile, int spalte) const
    {
        if (zeile < 0 || zeile >= RowCount()) return nullptr;
        const auto& z = zeilen_[zeile];
        if (spalte < 0 || spalte >= static_cast<int>(z.size())) return nullptr;
        return z[spalte];
    }

    /// Number of entries of the row, -1 when the row does not exist.
    int Count(int zeile) const
    {
        if (zeile < 0 || zeile >= RowCount()) return -1;
        return static_cast<int>(zeilen_[zeile].size());
    }

    int RowCount() const { return static_cast<int>(zeilen_.size()); }

    /// Removes all rows; the objects are not freed.
    void Clear() { zeilen_.clear(); }

private:
    std::vector<std::vector<T*>> zeilen_;
};
