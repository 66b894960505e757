// "OrvRadio.rad": the radio's station list. The club's own stations come
// first, under the filter's first country so the radio finds them at once;
// they play from the club service's radio server on this machine. Public
// broadcasters' streams follow, each with a logo of its kind of programme.
#include <QByteArray>

#include "media/club_stations.h"
#include "media/radio_stations.h"
#include "radio_parts.h"

namespace packgen {

namespace {

struct TPublicStation {
  const char* Country;  // code of the filter
  const char* Id;
  const char* Name;
  const char* Address;
  const char* Logo;
};

// ASCII names only: the list is 8-bit text in code page 1251.
constexpr TPublicStation kPublicStations[] = {
    {"USA", "USA0001", "NPR Program Stream", "https://npr-ice.streamguys1.com/live.mp3", "RRADIO_LOGO_NEWS"},
    {"USA", "USA0002", "WNYC 93.9 FM", "https://fm939.wnyc.org/wnycfm", "RRADIO_LOGO_NEWS"},
    {"USA", "USA0003", "KEXP 90.3 Seattle", "https://kexp-mp3-128.streamguys1.com/kexp128.mp3", "RRADIO_LOGO_POP"},
    {"UK0", "UK00001", "BBC World Service", "http://stream.live.vc.bbcmedia.co.uk/bbc_world_service",
     "RRADIO_LOGO_NEWS"},
    {"AUS", "AUS0001", "ABC Classic", "https://live-radio01.mediahubaustralia.com/2FMW/mp3/", "RRADIO_LOGO_CLASSIC"},
    {"AUS", "AUS0002", "ABC triple j", "https://live-radio01.mediahubaustralia.com/2TJW/mp3/", "RRADIO_LOGO_POP"},
    {"DE0", "DE00001", "Deutschlandfunk", "https://st01.sslstream.dlf.de/dlf/01/128/mp3/stream.mp3",
     "RRADIO_LOGO_NEWS"},
    {"DE0", "DE00002", "Deutschlandfunk Kultur", "https://st02.sslstream.dlf.de/dlf/02/128/mp3/stream.mp3",
     "RRADIO_LOGO_CULTURE"},
    {"DE0", "DE00003", "Deutschlandfunk Nova", "https://st03.sslstream.dlf.de/dlf/03/128/mp3/stream.mp3",
     "RRADIO_LOGO_POP"},
    {"FRA", "FRA0001", "France Inter", "https://icecast.radiofrance.fr/franceinter-midfi.mp3", "RRADIO_LOGO_NEWS"},
    {"FRA", "FRA0002", "France Culture", "https://icecast.radiofrance.fr/franceculture-midfi.mp3",
     "RRADIO_LOGO_CULTURE"},
    {"FRA", "FRA0003", "France Musique", "https://icecast.radiofrance.fr/francemusique-midfi.mp3",
     "RRADIO_LOGO_CLASSIC"},
    {"FRA", "FRA0004", "FIP", "https://icecast.radiofrance.fr/fip-midfi.mp3", "RRADIO_LOGO_JAZZ"},
    {"ITA", "ITA0001", "Rai Radio 1", "https://icestreaming.rai.it/1.mp3", "RRADIO_LOGO_NEWS"},
    {"ITA", "ITA0002", "Rai Radio 2", "https://icestreaming.rai.it/2.mp3", "RRADIO_LOGO_POP"},
    {"ITA", "ITA0003", "Rai Radio 3", "https://icestreaming.rai.it/3.mp3", "RRADIO_LOGO_CLASSIC"},
    {"NED", "NED0001", "NPO Radio 1", "https://icecast.omroep.nl/radio1-bb-mp3", "RRADIO_LOGO_NEWS"},
    {"NED", "NED0002", "NPO Radio 2", "https://icecast.omroep.nl/radio2-bb-mp3", "RRADIO_LOGO_POP"},
    {"NED", "NED0003", "NPO Klassiek", "https://icecast.omroep.nl/radio4-bb-mp3", "RRADIO_LOGO_CLASSIC"},
    {"SWE", "SWE0001", "Sveriges Radio P1", "https://sverigesradio.se/topsy/direkt/srapi/132.mp3", "RRADIO_LOGO_NEWS"},
    {"SWE", "SWE0002", "Sveriges Radio P2", "https://sverigesradio.se/topsy/direkt/srapi/163.mp3",
     "RRADIO_LOGO_CLASSIC"},
    {"CZ0", "CZ00001", "Cesky rozhlas Radiozurnal", "https://rozhlas.stream/radiozurnal_mp3_128.mp3",
     "RRADIO_LOGO_NEWS"},
    {"CZ0", "CZ00002", "Cesky rozhlas Vltava", "https://rozhlas.stream/vltava_mp3_128.mp3", "RRADIO_LOGO_CLASSIC"},
    {"EST", "EST0001", "Vikerraadio", "https://icecast.err.ee/vikerraadio.mp3", "RRADIO_LOGO_NEWS"},
    {"EST", "EST0002", "Klassikaraadio", "https://icecast.err.ee/klassikaraadio.mp3", "RRADIO_LOGO_CLASSIC"},
};

}  // namespace

QByteArray RadioStationList() {
  using namespace zembra;
  std::string list =
      "# Zembra's radio stations: country#identifier#name#country text#stream address#logo\r\n"
      "# The club's own stations play from the club service on this computer.\r\n";
  for (const TClubStation& s : kClubStations)
    list += StationLine({kRadioCountries[0].Code, s.Id, s.Name, kClubStationCountry, ClubStationAddress(s), s.Logo}) +
            "\r\n";
  list += "# Public broadcasters.\r\n";
  for (const TPublicStation& s : kPublicStations) {
    const std::optional<int> country = RadioCountryIndex(s.Country);
    if (!country || std::string(s.Id).size() != 7) throw PackError(std::string("bad station ") + s.Id);
    list += StationLine({s.Country, s.Id, s.Name, kRadioCountries[static_cast<size_t>(*country)].Name, s.Address,
                         s.Logo}) +
            "\r\n";
  }
  return QByteArray::fromStdString(list);
}

}  // namespace packgen
