#pragma once

#include "decorations/FLAKE.h"

#include <utility>
#include <vector>

// Where the snow pile catches falling flakes. A flake settles on a pile record
// within one pixel of the record's column once the flake's middle reaches two
// pixels above the record's middle; per column only the highest such line
// matters. Built anew from the pile records every frame, so it always agrees
// with them, it answers the landing test in three look-ups instead of a walk
// over up to one record per pixel of screen width for every flake.
class PileCatchLines final {
public:
    // Starts over from these records.
    void rebuild(const std::vector<FLAKE>& pile);
    // A flake that just landed catches others from now on.
    void add(const FLAKE& record);
    // Whether a flake at column x whose middle is at that height lands on a record.
    bool catches(int x, int middle) const;

    // The height a flake's middle must reach to land on this record.
    static int catchLine(const FLAKE& record);

private:
    // Columns kept in the table; records beyond it (far outside the window)
    // are checked one by one.
    static constexpr int kMostColumns = 1 << 16;

    int lineAt(int column) const;

    int m_firstColumn = 0;
    std::vector<int> m_lines; // highest catch line per column from m_firstColumn on
    std::vector<std::pair<int, int>> m_outside; // column and catch line
};
