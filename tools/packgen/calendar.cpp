// "OrvCalendar01.dll": the pictures of the holiday calendar, a leaf of a
// desk calendar, the signs of the zodiac, the animals of the year and a
// picture for every holiday of the table.
#include "calendar_kit.h"
#include "packgen.h"

namespace packgen {

void AddCalendar(TPackWriter& pack) {
  cal::AddTileBaseAndSigns(pack);
  cal::AddAnimals(pack);
  cal::AddFlags(pack);
  cal::AddFeasts(pack);
  cal::AddScenes(pack);
  cal::AddChurchAndWar(pack);
}

}  // namespace packgen
