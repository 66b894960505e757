// Writes an options file with duels chosen and the given player name, for
// the two copies of duel_shots.sh:  duel_options FILE NAME
#include <fstream>
#include "records/options_file.h"
int main(int argc, char** argv) {
  zembra::TSettings s = zembra::ReadOptions(std::nullopt).Settings;
  s.NetGame = true;
  s.MusicOn = false;
  s.PlayerName = argv[2];
  std::ofstream(argv[1], std::ios::binary) << zembra::WriteOptions(s);
}
