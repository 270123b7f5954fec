#include "ui/seniorKeys/DksGridRules.h"

namespace DksGridRules {

namespace {

bool isSegment(int state)
{
    return state == 2 || state == 3;
}

int joined(int state)
{
    return state == 3 ? 2 : state;
}

// The bar-click table for the patterns of the first three cells.
bool removeFromPattern(int c, const Row &s, Row *r)
{
    const int s0 = s[0], s1 = s[1], s2 = s[2], s3 = s[3];
    if (s0 == 2 && s1 == 2 && s2 == 2) {
        *r = {0, 0, 0, s3};
        return true;
    }
    if (s0 == 2 && s1 == 2 && s2 == 3) {
        *r = c == 2 ? Row{2, 2, 0, s3} : Row{0, 0, 2, s3};
        return true;
    }
    if (s0 == 2 && s1 == 3 && s2 == 2) {
        *r = c == 0 ? Row{0, 2, 2, s3} : Row{2, 0, 0, s3};
        return true;
    }
    if (s0 == 2 && s1 == 3 && s2 == 3) {
        if (c == 0)
            *r = {0, 2, 3, s3};
        else if (c == 1)
            *r = {2, 0, 2, s3};
        else
            *r = {2, 3, 0, s3};
        return true;
    }
    if (s0 == 2 && s1 == 2) {
        *r = {0, 0, s2, s3};
        return true;
    }
    if (s0 != 2 && (s1 == 3 || s1 == 2) && s2 == 2) {
        *r = {s0, 0, 0, s3};
        return true;
    }
    if (s0 == 2 || isSegment(s1) || isSegment(s2)) {
        if (c == 0)
            *r = {0, joined(s1), s2, s3};
        else if (c == 1)
            *r = {s0, 0, joined(s2), s3};
        else
            *r = {s0, s1, 0, s3};
        return true;
    }
    return false;
}

} // namespace

bool removeClickedBar(int column, const Row &row, Row *result)
{
    *result = row;
    // Bars are drawn in columns 0 to 2 only; a segment state in the last column has no bar.
    if (column < 0 || column > 2 || !isSegment(row[column]))
        return false;
    Row changed;
    if (!removeFromPattern(column, row, &changed))
        return false;
    *result = changed;
    return true;
}

bool updateDragCells(int column, int columnWidth, Row *work, int lastLength, int newLength)
{
    const int W = columnWidth;
    const int h = W / 2 + 5;
    const int L = newLength;
    Row &w = *work;
    if (column < 0 || column > 2 || L == lastLength || L <= 10)
        return false;

    if (L > lastLength) {
        if (h < L && L < W) {
            if (column == 0) {
                w[0] = 2;
                if (w[1] == 2)
                    w[1] = 3;
            } else if (column == 1) {
                if (w[0] == 2 || w[2] == 2 || w[2] == 1) {
                    w[1] = 3;
                    if (w[2] == 2)
                        w[2] = 3;
                } else {
                    w[1] = 2;
                }
            } else {
                w[2] = (w[1] == 2 || w[1] == 3) ? 3 : 2;
            }
        } else if (W + h < L && L < 2 * W) {
            if (column == 0) {
                w[1] = 2;
                if (w[2] == 2)
                    w[2] = 3;
            } else if (column == 1) {
                w[2] = 2;
            }
        } else if (2 * W + h < L) {
            if (column == 0 && w[2] == 0)
                w[2] = 2;
        }
        return true;
    }

    // Cells past the last column do not exist: a bar from column 2 never reaches them.
    const auto clear = [&w](int index, int state) {
        if (index <= 3)
            w[index] = state;
    };
    if (W + h < L && L < 2 * W + h)
        clear(column + 2, 0);
    else if (h < L && L < W + h)
        clear(column + 1, 0);
    else if (L < h)
        clear(column, 1);
    return true;
}

int freeCellsRightOf(int column, const Row &row)
{
    int free = 1;
    for (int c = column + 1; c < 4 && row[c] != 1 && !isSegment(row[c]); ++c)
        ++free;
    return free;
}

} // namespace DksGridRules
