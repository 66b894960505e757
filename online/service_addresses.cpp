#include "online/service_addresses.h"

#include "records/options_file.h"

namespace zembra {

const char* BuiltInAddressEnciphered(TServiceAddress which) {
  switch (which) {
    case TServiceAddress::ServiceFile:
      return "798C939667636A737B87858E939CA1ABBBBAC4CCD5D4DA251E323D373841115E696C";
    case TServiceAddress::AccountService:
      return "798C939667636A737B87858E939CA1ABBBBAC4CCD5D4DAF31C2336434350364F636E686972";
    case TServiceAddress::RecordsService:
      return "798C939667636A737B87858E939CA1ABBBBAC4CCD5D4DA041E233640394F364F636E686972";
    case TServiceAddress::StatsService:
      return "798C939667636A737B87858E939CA1ABBBBAC4CCD5D4DA052D213B41284155605A5B64";
    case TServiceAddress::TourService:
      return "798C939667636A737B87858E939CA1ABBBBAC4CCD5D4DA06283539213A4E5953545D";
    case TServiceAddress::PhotoBase:
      return "798C939667636A737B87858E939CA1ABBBBAC4CCD5D4DA22212F3B3D480B";
    case TServiceAddress::PhotoUpload:
      return "778C8F605C63B5A7B6B2C9BF92DCDBE9F5F702D0E010DB281E32F41A3A3D491723293F373F4B49525760656F7F7E889093999EE6E5F3FF010CCF";
  }
  return "";
}

std::string BuiltInAddress(TServiceAddress which) { return DecipherAddress(BuiltInAddressEnciphered(which)); }

std::string ServiceBaseOf(const std::string& address) {
  const size_t scheme = address.find("://");
  if (scheme == std::string::npos || scheme == 0) return {};
  const size_t hostStart = scheme + 3;
  const size_t path = address.find('/', hostStart);
  const std::string base = address.substr(0, path);
  return base.size() > hostStart ? base : std::string();
}

std::string ServiceFileUrlFor(const std::string& formAddress) {
  const std::string base = ServiceBaseOf(formAddress);
  return base.empty() ? BuiltInAddress(TServiceAddress::ServiceFile) : base + "/service.txt";
}

}  // namespace zembra
