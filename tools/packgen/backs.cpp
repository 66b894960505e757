// Card backs of back sets 1..12 and the narrow large variant of back set 0,
// into "OrvCards06B.dll". Every back comes at the small size (69 x 94), wide
// large (146 x 198, "B") and narrow large (126 x 198, "U"), each with its
// crosswise twin; set 0 only narrow large, as the program draws the rest.
#include "packgen.h"

#include "backs_parts.h"
#include "resources/pack_names.h"

namespace packgen {

namespace {

using TBackPainter = QImage (*)(int w, int h, int index);

const TBackPainter kPainters[zembra::kBackSetCount + 1] = {
    backs::BuiltinBack,   backs::MedievalOneBack, backs::MedievalTwoBack, backs::CarpetBack,
    backs::CrossBack,     backs::ChessBack,       backs::DiamondBack,     backs::KnightlyBack,
    backs::AnimalsBack,   backs::FlowersBack,     backs::PlacesBack,      backs::OtherBack,
    backs::RussianBack};

struct TBackSize {
  int sizeClass;
  bool narrowFaces;
  int w, h;
};

const TBackSize kSizes[3] = {{1, false, 69, 94}, {0, false, 146, 198}, {0, true, 126, 198}};

void AddBack(TPackWriter& pack, int set, int index, const TBackSize& size) {
  const QImage upright = kPainters[set](size.w, size.h, index);
  auto name = [&](bool crosswise) {
    return QString::fromStdString(zembra::BackItemName(set, index, crosswise, size.sizeClass, size.narrowFaces));
  };
  pack.AddPng(name(false), upright);
  pack.AddPng(name(true), backs::Crosswise(upright));
}

}  // namespace

void AddCardBacks(TPackWriter& pack) {
  for (int index = 1; index <= zembra::BackCount(0); ++index) AddBack(pack, 0, index, kSizes[2]);
  for (int set = 1; set <= zembra::kBackSetCount; ++set)
    for (int index = 1; index <= zembra::BackCount(set); ++index)
      for (const TBackSize& size : kSizes) AddBack(pack, set, index, size);
}

}  // namespace packgen
