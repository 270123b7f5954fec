#pragma once

// A key combination as the keyboard takes it: two modifier usages (224..231, 0 when absent) and a key.
struct ComboKeyTriple
{
    int first = 0;
    int further = 0;
    int key = 0;
};

inline bool operator==(const ComboKeyTriple &a, const ComboKeyTriple &b)
{
    return a.first == b.first && a.further == b.further && a.key == b.key;
}
