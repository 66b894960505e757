// zembra-install-club FOLDER: puts valid, empty club files ("Zembra.clb",
// "Zembra.net") into the program's folder when they are missing; existing
// files are never touched. The program itself never creates them.
#include <iostream>
#include <string>

#include "records/club_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: zembra-install-club FOLDER\n";
    return 2;
  }
  int rc = 0;
  for (const char* name : {zembra::kClubFileName, zembra::kNetClubFileName}) {
    const std::string path = std::string(argv[1]) + "/" + name;
    switch (zembra::InstallClubFile(path)) {
      case zembra::TClubWrite::Written: std::cout << "created " << path << '\n'; break;
      case zembra::TClubWrite::DiskError:
        std::cerr << "zembra-install-club: cannot write " << path << '\n';
        rc = 1;
        break;
      default: break;  // already there: kept as it is
    }
  }
  return rc;
}
