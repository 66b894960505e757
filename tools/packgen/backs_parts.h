// The back sets' painters: each draws back index 1..BackCount(set) of its
// set at w x h (upright; the crosswise twins are turned afterwards).
#pragma once

#include "backs_kit.h"

namespace packgen::backs {

QImage BuiltinBack(int w, int h, int index);       // set 0, backs_builtin.cpp
QImage MedievalOneBack(int w, int h, int index);   // "Cl1", backs_medieval.cpp
QImage MedievalTwoBack(int w, int h, int index);   // "Cl2", backs_medieval.cpp
QImage CarpetBack(int w, int h, int index);        // "Car", backs_carpet.cpp
QImage CrossBack(int w, int h, int index);         // "Cro", backs_geometry.cpp
QImage ChessBack(int w, int h, int index);         // "Che", backs_chess.cpp
QImage DiamondBack(int w, int h, int index);       // "Dia", backs_geometry.cpp
QImage KnightlyBack(int w, int h, int index);      // "Kni", backs_chess.cpp
QImage AnimalsBack(int w, int h, int index);       // "Ani", backs_animals.cpp
QImage FlowersBack(int w, int h, int index);       // "Flo", backs_flowers.cpp
QImage PlacesBack(int w, int h, int index);        // "Pla", backs_places.cpp
QImage OtherBack(int w, int h, int index);         // "Oth", backs_other.cpp
QImage RussianBack(int w, int h, int index);       // "Rus", backs_russian.cpp

}  // namespace packgen::backs
