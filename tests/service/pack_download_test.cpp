// Packs fetched from the real club service on loopback.
#include <fstream>

#include "online/file_download.h"
#include "service_fixture.h"

namespace zembra::service::test {
namespace {

std::string ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST_F(ServiceTest, PacksDownloadWholeOrNotAtAll) {
  const std::string records = "http://127.0.0.1:" + std::to_string(Service_->Port()) + "/RecordsService";
  EXPECT_EQ(PackDownloadUrl(records, "OrvBackG03.dll"),
            "http://127.0.0.1:" + std::to_string(Service_->Port()) + "/downloads/progr/cards/OrvBackG03.dll");
  std::string pack(3 << 20, '\0');
  for (size_t i = 0; i < pack.size(); ++i) pack[i] = static_cast<char>(i * 7 + i / 4096);
  std::filesystem::create_directories(Data_ / "downloads");
  std::ofstream(Data_ / "downloads" / "OrvBackG03.dll", std::ios::binary) << pack;

  const auto games = Data_ / "games";
  std::filesystem::create_directories(games);
  ASSERT_TRUE(DownloadToFile(PackDownloadUrl(records, "OrvBackG03.dll"), (games / "OrvBackG03.dll").string()));
  EXPECT_EQ(ReadAll(games / "OrvBackG03.dll"), pack);

  // A pack the service lacks, and a service that is not there: nothing is
  // left behind, and an older file stays as it was.
  std::ofstream(games / "OrvCards06A.dll") << "older";
  EXPECT_FALSE(DownloadToFile(PackDownloadUrl(records, "OrvCards06A.dll"), (games / "OrvCards06A.dll").string()));
  EXPECT_EQ(ReadAll(games / "OrvCards06A.dll"), "older");
  EXPECT_FALSE(DownloadToFile("http://127.0.0.1:9/downloads/progr/cards/OrvCGraph1.dll",
                              (games / "OrvCGraph1.dll").string(), 3000));
  EXPECT_FALSE(std::filesystem::exists(games / "OrvCGraph1.dll"));
  EXPECT_FALSE(std::filesystem::exists(games / "OrvCGraph1.dll.part"));
  EXPECT_FALSE(std::filesystem::exists(games / "OrvCards06A.dll.part"));
}

}  // namespace
}  // namespace zembra::service::test
