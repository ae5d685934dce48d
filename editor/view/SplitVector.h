// A gap buffer: a growable array whose inserts and deletes are cheap near the last edit.
#pragma once

#include <algorithm>
#include <cassert>
#include <climits>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <type_traits>
#include <utility>

// The elements live in one allocation with a gap of unused slots at the last edit point.
// Moving the gap costs only the distance moved, so a run of edits in one place is cheap.
// Elements are copied bytewise, hence the restriction to trivially copyable types.
template <class T> class SplitVector {
  static_assert(std::is_trivially_copyable<T>::value, "SplitVector moves elements bytewise");

public:
  SplitVector() = default;
  SplitVector(const SplitVector&) = delete;
  SplitVector& operator=(const SplitVector&) = delete;
  SplitVector(SplitVector&& other) noexcept { Swap(other); }
  SplitVector& operator=(SplitVector&& other) noexcept {
    SplitVector gone(std::move(other));
    Swap(gone);
    return *this;
  }

  int Length() const { return Count; }
  int Capacity() const { return Size; }

  T ValueAt(int i) const {
    assert(i >= 0 && i < Count);
    return i < GapStart ? Body[i] : Body[i + GapLength];
  }
  T operator[](int i) const { return ValueAt(i); }

  void SetValueAt(int i, T value) {
    assert(i >= 0 && i < Count);
    Body[i < GapStart ? i : i + GapLength] = value;
  }

  void Insert(int i, T value) { InsertValue(i, 1, value); }

  void InsertValue(int i, int count, T value) {
    T* slots = OpenGap(i, count);
    std::fill(slots, slots + count, value);
  }

  void InsertFromArray(int i, const T* values, int count) {
    T* slots = OpenGap(i, count);
    if (count > 0) std::memcpy(slots, values, sizeof(T) * count);
  }

  void Delete(int i) { DeleteRange(i, 1); }

  void DeleteRange(int i, int count) {
    assert(i >= 0 && count >= 0 && i + count <= Count);
    if (count == 0) return;
    if (count == Count) {
      GapStart = 0;
      GapLength = Size;
    } else if (GapStart >= i + count) {
      MoveGapTo(i + count);
      GapStart = i;
      GapLength += count;
    } else {
      MoveGapTo(i);
      GapLength += count;
    }
    Count -= count;
  }

  void GetRange(T* out, int i, int count) const {
    assert(i >= 0 && count >= 0 && i + count <= Count);
    int before = std::max(0, std::min(count, GapStart - i));
    if (before > 0) std::memcpy(out, Body.get() + i, sizeof(T) * before);
    if (count > before)
      std::memcpy(out + before, Body.get() + i + before + GapLength, sizeof(T) * (count - before));
  }

  // Moves the gap out of [i, i + count) to whichever end is nearer and returns the elements
  // as one contiguous run.
  T* RangePointer(int i, int count) {
    assert(i >= 0 && count >= 0 && i + count <= Count);
    if (GapStart > i && GapStart < i + count)
      MoveGapTo(GapStart - i <= i + count - GapStart ? i : i + count);
    return Body.get() + (i < GapStart ? i : i + GapLength);
  }

  // Reserves room for capacity elements; never shrinks below what is already held.
  void ReAllocate(int capacity) {
    if (capacity <= Size) return;
    MoveGapTo(Count);
    std::unique_ptr<T[]> grown(new T[capacity]);
    // Count never exceeds Size; the min only lets the compiler see that the copy fits.
    if (Count > 0) std::memcpy(grown.get(), Body.get(), sizeof(T) * std::min(Count, capacity));
    Body = std::move(grown);
    GapLength += capacity - Size;
    Size = capacity;
  }

private:
  void Swap(SplitVector& other) noexcept {
    std::swap(Body, other.Body);
    std::swap(Size, other.Size);
    std::swap(Count, other.Count);
    std::swap(GapStart, other.GapStart);
    std::swap(GapLength, other.GapLength);
  }

  // A few spare slots after an allocation, so that typing after loading does not at once
  // copy everything again.
  static constexpr int SpareSlots = 64;

  void MoveGapTo(int position) {
    T* body = Body.get();
    if (position < GapStart)
      std::memmove(body + position + GapLength, body + position, sizeof(T) * (GapStart - position));
    else if (position > GapStart)
      std::memmove(body + GapStart, body + GapStart + GapLength, sizeof(T) * (position - GapStart));
    GapStart = position;
  }

  // An empty buffer gets exactly what the insert needs plus a few spare slots, so loading a
  // document does not reserve double its size; a buffer that already holds elements grows
  // by at least an eighth, which keeps a long run of small inserts amortised linear without
  // much slack on a big document.
  void RoomFor(int count) {
    if (count <= GapLength) return;
    long long needed = static_cast<long long>(Count) + count + SpareSlots;
    if (needed > INT_MAX) throw std::length_error("SplitVector beyond 2 GB elements");
    long long grown = Count == 0 ? needed : std::max(needed, Size + Size / 8LL);
    ReAllocate(static_cast<int>(std::min<long long>(grown, INT_MAX)));
  }

  // Makes count uninitialised slots at i and returns them.
  T* OpenGap(int i, int count) {
    assert(i >= 0 && i <= Count && count >= 0);
    RoomFor(count);
    MoveGapTo(i);
    T* slots = Body.get() + GapStart;
    GapStart += count;
    GapLength -= count;
    Count += count;
    return slots;
  }

  std::unique_ptr<T[]> Body;
  int Size = 0;       // allocated slots
  int Count = 0;      // elements held
  int GapStart = 0;   // slots [GapStart, GapStart + GapLength) are unused
  int GapLength = 0;
};
