// zembra-shuffle N: prints N freshly shuffled decks in the deck-file format.
#include <cstdlib>
#include <iostream>

#include "engine/dealing.h"
#include "tools/deck_file.h"

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 1;
  if (count < 1 || count > 1000000) {
    std::cerr << "usage: zembra-shuffle [COUNT]\n";
    return 2;
  }
  zembra::TDealState d;
  for (int i = 0; i < count; ++i) {
    zembra::ShuffleDeck(d);
    std::cout << zembra::tools::FormatDeckLine(d.DeckCard) << '\n';
  }
  return 0;
}
