// The producers of "OrvRadio02.dll" and the station list, one per source file.
#pragma once

#include <QString>

#include "pack_writer.h"

namespace packgen {

// The shelf, the radio, its lamps, the frame and the volume bars.
void AddRadioPictures(TPackWriter& pack);  // radio.cpp
// The stations' logos: the club's three stations and the kinds of station.
void AddRadioLogos(TPackWriter& pack);     // radio_logos.cpp
// "OrvRadio.rad": the club's stations first, then public broadcasters.
QByteArray RadioStationList();             // radio_list.cpp

}  // namespace packgen
