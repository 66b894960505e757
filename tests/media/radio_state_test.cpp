// The radio's state file: a round trip, damaged and short files, the
// volume's steps and pictures, and when the radio is available.
#include <gtest/gtest.h>

#include <string>

#include "media/club_stations.h"
#include "media/radio_state.h"

namespace zembra {
namespace {

TEST(RadioState, DefaultIsTheClubsFirstStationSilentAtThirty) {
  const TRadioState d = DefaultRadioState();
  EXPECT_EQ(d.StationName, "Zembra Club FM");
  EXPECT_EQ(d.StreamAddress, "http://127.0.0.1:25800/club.mp3");
  EXPECT_EQ(d.Logo, "RRADIO_LOGO_ZEMBRA1");
  EXPECT_FALSE(d.Playing);
  EXPECT_EQ(d.Volume, 30);
  EXPECT_EQ(d.FilterIndex, 0);
}

TEST(RadioState, RoundTripKeepsEveryField) {
  TRadioState s;
  s.StationName = "Radio \xC7\xE2\xE5\xE7\xE4\xE0";  // 8-bit text stays as stored
  s.StreamAddress = "https://example.org/live.mp3?q=1";
  s.CountryText = "France";
  s.Logo = "RRADIO_LOGO_NEWS";
  s.Playing = true;
  s.Volume = 70;
  s.FilterIndex = 17;
  const std::string bytes = WriteRadioState(s);
  EXPECT_EQ(bytes,
            "Radio \xC7\xE2\xE5\xE7\xE4\xE0\r\nhttps://example.org/live.mp3?q=1\r\nFrance\r\nRRADIO_LOGO_NEWS\r\n1\r\n"
            "70\r\n17\r\n");
  EXPECT_EQ(ReadRadioState(bytes), s);
}

TEST(RadioState, AnEmptyTextWritesTheDefaultStation) {
  TRadioState s = DefaultRadioState();
  s.StationName = "Somewhere";
  s.Logo = "";
  s.Playing = true;
  s.Volume = 100;
  const TRadioState back = ReadRadioState(WriteRadioState(s));
  const TRadioState d = DefaultRadioState();
  EXPECT_EQ(back.StationName, d.StationName);
  EXPECT_EQ(back.Logo, d.Logo);
  // The rest of the state is kept.
  EXPECT_TRUE(back.Playing);
  EXPECT_EQ(back.Volume, 100);
}

struct TDamagedCase {
  const char* Name;
  std::string Bytes;
  std::string StationName;  // expected
  bool Playing;
  int Volume;
  int Filter;
};

class DamagedStateFile : public ::testing::TestWithParam<TDamagedCase> {};

TEST_P(DamagedStateFile, GivesDefaultsForWhatIsMissing) {
  const TDamagedCase& c = GetParam();
  const TRadioState s = ReadRadioState(c.Bytes);
  EXPECT_EQ(s.StationName, c.StationName);
  EXPECT_EQ(s.Playing, c.Playing);
  EXPECT_EQ(s.Volume, c.Volume);
  EXPECT_EQ(s.FilterIndex, c.Filter);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedStateFile,
    ::testing::Values(
        TDamagedCase{"Empty", "", "Zembra Club FM", false, 30, 0},
        TDamagedCase{"OnlyAName", "Jazz One", "Jazz One", false, 30, 0},
        TDamagedCase{"FourLines", "A\nhttp://a\nX\nL\n", "A", false, 30, 0},
        TDamagedCase{"LfEndsAndPlaying", "A\nhttp://a\nX\nL\n1\n50\n3\n", "A", true, 50, 3},
        TDamagedCase{"PlayingOnlyOnOne", "A\r\nu\r\nX\r\nL\r\nyes\r\n50\r\n3\r\n", "A", false, 50, 3},
        TDamagedCase{"VolumeNotANumber", "A\r\nu\r\nX\r\nL\r\n1\r\nloud\r\n3\r\n", "A", true, 30, 3},
        TDamagedCase{"VolumeTooHigh", "A\r\nu\r\nX\r\nL\r\n1\r\n250\r\n3\r\n", "A", true, 30, 3},
        TDamagedCase{"VolumeNegative", "A\r\nu\r\nX\r\nL\r\n1\r\n-10\r\n3\r\n", "A", true, 30, 3},
        TDamagedCase{"FilterPastTheLast", "A\r\nu\r\nX\r\nL\r\n0\r\n40\r\n28\r\n", "A", false, 40, 0},
        TDamagedCase{"FilterWithTrailingJunk", "A\r\nu\r\nX\r\nL\r\n0\r\n40\r\n5x\r\n", "A", false, 40, 0},
        TDamagedCase{"BlankNameLine", "\r\nu\r\nX\r\nL\r\n0\r\n20\r\n1\r\n", "Zembra Club FM", false, 20, 1},
        TDamagedCase{"BinaryJunk", std::string("\0\xFF\xFE\n\n\n\n\x01\n\xFF\n", 11), std::string("\0\xFF\xFE", 3),
                     false, 30, 0},
        TDamagedCase{"ExtraLinesIgnored", "A\nu\nX\nL\n1\n90\n27\nmore\n", "A", true, 90, 27}),
    [](const ::testing::TestParamInfo<TDamagedCase>& i) { return std::string(i.param.Name); });

struct TVolumeCase {
  int Volume;
  int Up;
  int Down;
  const char* Picture;
};

class RadioVolume : public ::testing::TestWithParam<TVolumeCase> {};

TEST_P(RadioVolume, StepsWithinBoundsAndNamesItsPicture) {
  const TVolumeCase& c = GetParam();
  EXPECT_EQ(RadioVolumeUp(c.Volume), c.Up);
  EXPECT_EQ(RadioVolumeDown(c.Volume), c.Down);
  EXPECT_EQ(RadioVolumePicture(c.Volume), c.Picture);
}

INSTANTIATE_TEST_SUITE_P(Volumes, RadioVolume,
                         ::testing::Values(TVolumeCase{0, 10, 0, "RRADIO_VOLUME00"},
                                           TVolumeCase{1, 11, 0, "RRADIO_VOLUME01"},
                                           TVolumeCase{10, 20, 0, "RRADIO_VOLUME01"},
                                           TVolumeCase{11, 21, 1, "RRADIO_VOLUME02"},
                                           TVolumeCase{30, 40, 20, "RRADIO_VOLUME03"},
                                           TVolumeCase{90, 100, 80, "RRADIO_VOLUME09"},
                                           TVolumeCase{91, 100, 81, "RRADIO_VOLUME10"},
                                           TVolumeCase{100, 100, 90, "RRADIO_VOLUME10"}));

TEST(RadioVolume, PlusAtTheTopStaysAtTheTop) {
  int v = 100;
  for (int i = 0; i < 3; ++i) v = RadioVolumeUp(v);
  EXPECT_EQ(v, 100);
  EXPECT_EQ(RadioVolumePicture(v), "RRADIO_VOLUME10");
}

TEST(RadioPictures, MainPictureFollowsPlaying) {
  EXPECT_STREQ(RadioMainPicture(true), "RRADIO_MAING");
  EXPECT_STREQ(RadioMainPicture(false), "RRADIO_MAINR");
}

struct TAvailabilityCase {
  const char* Name;
  bool FromServer, Downloaded, ShippedFound, PackLoads;
  bool Available;
};

class RadioAvailability : public ::testing::TestWithParam<TAvailabilityCase> {};

TEST_P(RadioAvailability, NeedsThePackAndTheActiveList) {
  const TAvailabilityCase& c = GetParam();
  EXPECT_EQ(RadioAvailable(c.PackLoads, RadioListPresent(c.FromServer, c.Downloaded, c.ShippedFound)), c.Available);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RadioAvailability,
    ::testing::Values(
        TAvailabilityCase{"ServerListDownloaded", true, true, false, true, true},
        // The shipped list on disk does not stand in for a failed download.
        TAvailabilityCase{"ServerDownloadFailedListOnDisk", true, false, true, true, false},
        TAvailabilityCase{"DiskListFound", false, false, true, true, true},
        TAvailabilityCase{"DiskListMissing", false, true, false, true, false},
        TAvailabilityCase{"NoPack", false, false, true, false, false},
        TAvailabilityCase{"NoPackServerList", true, true, true, false, false}),
    [](const ::testing::TestParamInfo<TAvailabilityCase>& i) { return std::string(i.param.Name); });

TEST(RadioLists, ServerCopyWhenTheListComesFromTheServer) {
  EXPECT_STREQ(ActiveRadioList(true), "OrvRadio.ser");
  EXPECT_STREQ(ActiveRadioList(false), "OrvRadio.rad");
}

}  // namespace
}  // namespace zembra
