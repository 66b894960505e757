#include "packgen.h"

namespace packgen {

void AddCardBacks(TPackWriter&) {}

}  // namespace packgen
