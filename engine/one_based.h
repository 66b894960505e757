// Fixed-size arrays indexed from 1, as the game numbers deck positions,
// hand slots and players. Keeps the rules' arithmetic free of "- 1".
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace zembra {

template <typename T, std::size_t N>
struct TArray1 {
  std::array<T, N> Items{};

  constexpr T& operator[](std::size_t i) {
    assert(i >= 1 && i <= N);
    return Items[i - 1];
  }
  constexpr const T& operator[](std::size_t i) const {
    assert(i >= 1 && i <= N);
    return Items[i - 1];
  }
  constexpr void Fill(const T& v) { Items.fill(v); }
  static constexpr std::size_t Size() { return N; }
  constexpr auto begin() { return Items.begin(); }
  constexpr auto end() { return Items.end(); }
  constexpr auto begin() const { return Items.begin(); }
  constexpr auto end() const { return Items.end(); }
  constexpr bool operator==(const TArray1&) const = default;
};

}  // namespace zembra
