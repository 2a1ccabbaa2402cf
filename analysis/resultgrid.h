#pragma once

// Where the 28 rows of the analysis window's result table stand, and which
// labels hold their cells. Row r (1 to 28) uses the labels numbered A (date),
// A + 1 (split times) and A + 2 (final time); the numbers skip 31 to 36, 55
// and 56, which belong to other labels of the window.
namespace resultgrid {

inline constexpr int rowCount = 28;

struct RowLabels
{
    int date;
    int splits;
    int final;
};

constexpr RowLabels labelsOfRow(int row)
{
    const int first = row <= 10 ? 3 * row - 2 : row <= 16 ? 3 * row + 4 : 3 * row + 6;
    return RowLabels{first, first + 1, first + 2};
}

// Top of row r in twips.
constexpr int rowTop(int row) { return 960 + 240 * (row - 1); }

// Left and width of the three columns, in twips; every cell is 255 high.
inline constexpr int cellHeight = 255;
inline constexpr int dateLeft = 4680;
inline constexpr int finalLeft = 5760;
inline constexpr int splitsLeft = 6840;
inline constexpr int dateWidth = 1095;
inline constexpr int finalWidth = 1095;
inline constexpr int splitsWidth = 7455;

} // namespace resultgrid
