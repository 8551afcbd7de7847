#include "decorations/PileCatchLines.h"

#include <algorithm>
#include <climits>

namespace {
constexpr int kNoRecord = INT_MAX;
}

int PileCatchLines::catchLine(const FLAKE& record)
{
    const int height = record.image ? record.image->height() : 0;
    return record.y + height / 2 - 2;
}

void PileCatchLines::rebuild(const std::vector<FLAKE>& pile)
{
    m_lines.clear();
    m_outside.clear();
    if (pile.empty())
        return;
    const auto [left, right] = std::minmax_element(
        pile.begin(), pile.end(), [](const FLAKE& a, const FLAKE& b) { return a.x < b.x; });
    const long long span = static_cast<long long>(right->x) - left->x + 1;
    if (span <= kMostColumns) {
        m_firstColumn = left->x;
        m_lines.assign(static_cast<size_t>(span), kNoRecord);
    }
    for (const FLAKE& record : pile)
        add(record);
}

void PileCatchLines::add(const FLAKE& record)
{
    const int line = catchLine(record);
    const long long index = static_cast<long long>(record.x) - m_firstColumn;
    if (index >= 0 && index < static_cast<long long>(m_lines.size())) {
        int& highest = m_lines[static_cast<size_t>(index)];
        highest = std::min(highest, line);
    } else {
        m_outside.emplace_back(record.x, line);
    }
}

int PileCatchLines::lineAt(int column) const
{
    const long long index = static_cast<long long>(column) - m_firstColumn;
    if (index < 0 || index >= static_cast<long long>(m_lines.size()))
        return kNoRecord;
    return m_lines[static_cast<size_t>(index)];
}

bool PileCatchLines::catches(int x, int middle) const
{
    const long long column = x;
    for (long long c = column - 1; c <= column + 1; ++c) {
        if (c < INT_MIN || c > INT_MAX)
            continue;
        const int line = lineAt(static_cast<int>(c));
        if (line != kNoRecord && middle >= line)
            return true;
    }
    for (const auto& [recordColumn, line] : m_outside)
        if (column >= static_cast<long long>(recordColumn) - 1 &&
            column <= static_cast<long long>(recordColumn) + 1 && middle >= line)
            return true;
    return false;
}
