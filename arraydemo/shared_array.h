#pragma once

// The array that the two workers of mutu and galmee share, and the steps they
// take on it.
//
// Each element access is one indivisible 32-bit load or store (a relaxed
// atomic), and no step combines them into more: a doubling is a load and a
// later store, a swap two loads and then two stores. Without a lock around
// the steps, another thread's access can fall between them and the steps
// lose or repeat values, as an unguarded program shows; but there is no data
// race in the language's sense, so nothing undefined happens.

#include <array>
#include <atomic>
#include <cstdint>

#include "console.h"

using SharedArray = std::array<std::atomic<std::uint32_t>, 10>;

// 345, 765, 23, 123, 465, 67, 8, 1202, 233, 654 when the program starts.
extern SharedArray _iSortedArray;

// Inserts the prefix, then " " and each element, read once, and then endl:
// "Sortiertes Array:  8 23 ... 1202" (the prefix ends in a blank).
void PrintArray(runtime::ConsoleStream& out, const char* szPrefix, const SharedArray& array);

// Selection sort, ascending: for each position, the first smallest element
// from there on is swapped into it, also when it is already there.
void SortArray(SharedArray& array);

// 100 times, doubles the element at index runtime::rand() % 10, modulo 2^32.
void DoubleRandomElements(SharedArray& array);
