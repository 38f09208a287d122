#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <initializer_list>
#include <type_traits>
#include <vector>

namespace tsp {

// A list of at most Capacity values kept in place: the timed repetitions of a run allocate
// nothing. Filling it beyond its capacity is a precondition failure. The places beyond the
// size are left uninitialised, as a run's result list is built once and mostly short: zeroing
// all of it cost more than filling it.
template <class T, std::size_t Capacity>
class FixedList {
  static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

 public:
  using value_type = T;
  using iterator = T*;
  using const_iterator = const T*;

  FixedList() {}
  FixedList(std::initializer_list<T> values) {
    assert(values.size() <= Capacity);
    for (const T& value : values) push_back(value);
  }
  template <class Iterator>
  FixedList(Iterator first, Iterator last) {
    for (; first != last; ++first) push_back(*first);
  }

  static constexpr std::size_t capacity() { return Capacity; }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  T& operator[](std::size_t i) {
    assert(i < size_);
    return items_[i];
  }
  const T& operator[](std::size_t i) const {
    assert(i < size_);
    return items_[i];
  }
  T& front() { return (*this)[0]; }
  const T& front() const { return (*this)[0]; }
  T& back() { return (*this)[size_ - 1]; }
  const T& back() const { return (*this)[size_ - 1]; }

  T* begin() { return items_; }
  T* end() { return items_ + size_; }
  const T* begin() const { return items_; }
  const T* end() const { return items_ + size_; }

  void push_back(const T& value) {
    assert(size_ < Capacity);
    items_[size_++] = value;
  }
  void pop_back() {
    assert(size_ > 0);
    --size_;
  }
  void clear() { size_ = 0; }
  // Puts value before position at, moving the later values one place on.
  void insert(std::size_t at, const T& value) {
    assert(at <= size_ && size_ < Capacity);
    std::copy_backward(begin() + at, end(), end() + 1);
    items_[at] = value;
    ++size_;
  }
  // Kept for code written against std::vector; the list never allocates.
  void reserve([[maybe_unused]] std::size_t count) { assert(count <= Capacity); }

  friend bool operator==(const FixedList& a, const FixedList& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }
  friend bool operator==(const FixedList& a, const std::vector<T>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }

 private:
  // A copy of the union copies its bytes, those beyond the size included.
  union {
    T items_[Capacity];
  };
  std::size_t size_ = 0;
};

}  // namespace tsp
