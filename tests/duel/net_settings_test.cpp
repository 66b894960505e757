#include <gtest/gtest.h>

#include "duel/net_settings.h"

namespace zembra {
namespace {

TEST(NetSettings, TheAddressCheck) {
  struct Case {
    const char* Text;
    bool Ok;
  } cases[] = {
      {"127.0.0.1", true},       {"192.168.1.20", true},  {"999.999.999.999", true},  // range is not checked
      {"1.2.3.4", true},         {"10.0.0", false},       {"10..0.1", false},        {"1000.0.0.1", false},
      {"10.0.0.1.", false},      {"10.0.0.", false},      {"", false},               {".10.0.0", false},
      {"1.2.3.4.5", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsDuelAddress(c.Text), c.Ok) << c.Text;
}

TEST(NetSettings, ThePortCheck) {
  EXPECT_EQ(DuelPort("25666"), std::optional<uint16_t>(25666));
  EXPECT_EQ(DuelPort("1"), std::optional<uint16_t>(1));
  EXPECT_EQ(DuelPort("65535"), std::optional<uint16_t>(65535));
  for (const char* bad : {"", "0", "65536", "99999", "12a", "123456", "-1"})
    EXPECT_FALSE(DuelPort(bad).has_value()) << bad;
}

TEST(NetSettings, TypingIntoTheFields) {
  // A letter puts the remembered address back; digits and dots are kept and,
  // for a client, remembered.
  EXPECT_EQ(AddressTyped("10.0.0.x", "127.0.0.1", true).Field, "127.0.0.1");
  EXPECT_EQ(AddressTyped("10.0.0.x", "127.0.0.1", true).Remembered, "127.0.0.1");
  EXPECT_EQ(AddressTyped("10.0.0.5", "127.0.0.1", true).Field, "10.0.0.5");
  EXPECT_EQ(AddressTyped("10.0.0.5", "127.0.0.1", true).Remembered, "10.0.0.5");
  EXPECT_EQ(AddressTyped("", "127.0.0.1", true).Remembered, "127.0.0.1");
  EXPECT_EQ(AddressTyped("10.0.0.5", "127.0.0.1", false).Remembered, "127.0.0.1");
  EXPECT_EQ(PortTyped("2566a", "25666").Field, "25666");
  EXPECT_EQ(PortTyped("2567", "25666").Field, "2567");
  EXPECT_EQ(PortTyped("2567", "25666").Remembered, "2567");
  EXPECT_EQ(PortTyped("", "25666").Remembered, "");
}

}  // namespace
}  // namespace zembra
