#include "service/radio_config.h"

namespace zembra::service {
namespace {

std::string Xml(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default: out += c;
    }
  }
  return out;
}

// A password may hold only letters and digits: it is written into two
// configurations and must survive both unchanged.
bool PlainWord(const std::string& s) {
  if (s.size() < 12) return false;
  for (char c : s)
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
  return true;
}

}  // namespace

std::string IcecastConfig(const TRadioServerConfig& c) {
  const std::string port = std::to_string(c.Port);
  return "<icecast>\n"
         "  <location>Zembra club</location>\n"
         "  <admin>nobody@localhost</admin>\n"
         "  <limits>\n"
         "    <clients>64</clients>\n"
         "    <sources>" + std::to_string(kClubStations.size() + 1) + "</sources>\n"
         "    <queue-size>524288</queue-size>\n"
         "    <client-timeout>30</client-timeout>\n"
         "    <header-timeout>15</header-timeout>\n"
         "    <source-timeout>10</source-timeout>\n"
         "    <burst-on-connect>1</burst-on-connect>\n"
         "    <burst-size>65535</burst-size>\n"
         "  </limits>\n"
         "  <authentication>\n"
         "    <source-password>" + Xml(c.SourcePassword) + "</source-password>\n"
         "    <relay-password>" + Xml(c.AdminPassword) + "</relay-password>\n"
         "    <admin-user>admin</admin-user>\n"
         "    <admin-password>" + Xml(c.AdminPassword) + "</admin-password>\n"
         "  </authentication>\n"
         "  <hostname>" + Xml(c.Host) + "</hostname>\n"
         "  <listen-socket>\n"
         "    <port>" + port + "</port>\n"
         "    <bind-address>" + Xml(c.Host) + "</bind-address>\n"
         "  </listen-socket>\n"
         "  <fileserve>0</fileserve>\n"
         "  <paths>\n"
         "    <basedir>" + Xml(c.BaseFolder) + "</basedir>\n"
         "    <logdir>" + Xml(c.BaseFolder) + "</logdir>\n"
         "    <webroot>/usr/share/icecast2/web</webroot>\n"
         "    <adminroot>/usr/share/icecast2/admin</adminroot>\n"
         "  </paths>\n"
         "  <logging>\n"
         "    <accesslog>-</accesslog>\n"
         "    <errorlog>-</errorlog>\n"
         "    <loglevel>2</loglevel>\n"
         "  </logging>\n"
         "  <security>\n"
         "    <chroot>0</chroot>\n"
         "  </security>\n"
         "</icecast>\n";
}

std::string EzstreamConfig(const TRadioServerConfig& c, const TClubStation& station, const std::string& playlistPath) {
  return std::string("<ezstream>\n") +
         "  <servers>\n"
         "    <server>\n"
         "      <protocol>HTTP</protocol>\n"
         "      <hostname>" + Xml(c.Host) + "</hostname>\n"
         "      <port>" + std::to_string(c.Port) + "</port>\n"
         "      <user>source</user>\n"
         "      <password>" + Xml(c.SourcePassword) + "</password>\n"
         "      <tls>None</tls>\n"
         "      <reconnect_attempts>20</reconnect_attempts>\n"
         "    </server>\n"
         "  </servers>\n"
         "  <streams>\n"
         "    <stream>\n"
         "      <mountpoint>" + Xml(station.Mount) + "</mountpoint>\n"
         "      <format>MP3</format>\n"
         "      <public>No</public>\n"
         "      <stream_name>" + Xml(station.Name) + "</stream_name>\n"
         "      <stream_genre>Club music</stream_genre>\n"
         "      <stream_description>" + Xml(station.Name) + ", the Zembra club's own station</stream_description>\n"
         "    </stream>\n"
         "  </streams>\n"
         "  <intakes>\n"
         "    <intake>\n"
         "      <type>playlist</type>\n"
         "      <filename>" + Xml(playlistPath) + "</filename>\n"
         "      <shuffle>" + (station.Shuffle ? "Yes" : "No") + "</shuffle>\n"
         "      <stream_once>No</stream_once>\n"
         "    </intake>\n"
         "  </intakes>\n"
         "  <metadata>\n"
         "    <no_updates>Yes</no_updates>\n"
         "  </metadata>\n"
         "</ezstream>\n";
}

std::string RadioPlaylist(const std::vector<std::string>& files) {
  std::string out;
  for (const std::string& f : files)
    if (f.find_first_of("\r\n") == std::string::npos) out += f + "\n";
  return out;
}

TRadioPasswords ReadRadioPasswords(const std::string& text) {
  TRadioPasswords p;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("source=", 0) == 0) p.Source = line.substr(7);
    if (line.rfind("admin=", 0) == 0) p.Admin = line.substr(6);
    at = end + 1;
  }
  if (!PlainWord(p.Source)) p.Source.clear();
  if (!PlainWord(p.Admin)) p.Admin.clear();
  return p;
}

std::string WriteRadioPasswords(const TRadioPasswords& p) {
  return "source=" + p.Source + "\nadmin=" + p.Admin + "\n";
}

}  // namespace zembra::service
