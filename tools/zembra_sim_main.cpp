// zembra-sim: plays deals from a deck file, seat against seat, and prints
// the trace of every event.
//
//   zembra-sim [--match] [--target 8|10] [--policy1 ai|first]
//              [--policy2 ai|first] [--evals] DECKFILE
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "tools/simulator.h"

namespace {

int Usage(const char* why) {
  std::cerr << "zembra-sim: " << why << "\n"
            << "usage: zembra-sim [--match] [--target 8|10] [--policy1 ai|first] "
               "[--policy2 ai|first] [--evals] DECKFILE\n";
  return 2;
}

bool ParsePolicy(const std::string& s, zembra::tools::TPolicy& p) {
  if (s == "ai") p = zembra::tools::TPolicy::Ai;
  else if (s == "first") p = zembra::tools::TPolicy::First;
  else return false;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  zembra::tools::TSimOptions o;
  std::string file;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    if (a == "--match") {
      o.Match = true;
    } else if (a == "--evals") {
      o.Evals = true;
    } else if (a == "--target") {
      const char* v = value();
      if (!v || (std::strcmp(v, "8") != 0 && std::strcmp(v, "10") != 0))
        return Usage("--target takes 8 or 10");
      o.Target = std::stoi(v);
    } else if (a == "--policy1" || a == "--policy2") {
      const char* v = value();
      if (!v || !ParsePolicy(v, a == "--policy1" ? o.Policy1 : o.Policy2))
        return Usage("a policy is ai or first");
    } else if (!a.empty() && a[0] == '-' && a != "-") {
      return Usage(("unknown option " + a).c_str());
    } else if (file.empty()) {
      file = a;
    } else {
      return Usage("one deck file only");
    }
  }
  if (file.empty()) return Usage("no deck file");

  std::ifstream in;
  std::istream* decks = &std::cin;
  if (file != "-") {
    in.open(file, std::ios::binary);
    if (!in) {
      std::cerr << "zembra-sim: cannot read " << file << '\n';
      return 2;
    }
    decks = &in;
  }
  std::ios::sync_with_stdio(false);
  const int rc = zembra::tools::RunSimulation(*decks, std::cout, std::cerr, o);
  std::cout.flush();
  return rc;
}
