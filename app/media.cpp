#include "app/media.h"

namespace zembra {
namespace {

class TSilentMedia : public TMedia {
 public:
  int PlayEffect(const std::string&, bool, bool) override { return 0; }
  bool SpeakCard(TCardCode) override { return false; }
};

TSilentMedia& Silent() {
  static TSilentMedia silent;
  return silent;
}

TMedia* Current = nullptr;

}  // namespace

TMedia& Media() { return Current ? *Current : Silent(); }

TMedia* SetMedia(TMedia* media) {
  TMedia* previous = Current;
  Current = media;
  return previous;
}

}  // namespace zembra
