#include "backs_parts.h"
namespace packgen::backs {
QImage CarpetBack(int w, int h, int i) { return BuiltinBack(w, h, (i - 1) % 7 + 1); }
QImage RussianBack(int w, int h, int i) { return BuiltinBack(w, h, (i - 1) % 7 + 1); }
}
