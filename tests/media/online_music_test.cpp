// The online music player's rules: the playlist's lines into tracks, when
// the buttons are offered, and the volume button's three parts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/online_music.h"

namespace zembra {
namespace {

struct TLineCase {
  const char* Name;
  const char* Line;
  const char* Artist;
  const char* Title;
};

class PlaylistLine : public ::testing::TestWithParam<TLineCase> {};

TEST_P(PlaylistLine, GivesArtistTitleAndAddress) {
  const TLineCase& c = GetParam();
  const std::vector<TPlaylistTrack> tracks = ParsePlaylist(std::string(c.Line) + "\n");
  ASSERT_EQ(tracks.size(), 1u);
  EXPECT_EQ(tracks[0].Artist, c.Artist);
  EXPECT_EQ(tracks[0].Title, c.Title);
  // The address is the line as it stands, underscores and all.
  EXPECT_EQ(tracks[0].Address, std::string("/musik/") + c.Line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PlaylistLine,
    ::testing::Values(
        TLineCase{"Plain", "Anna_Lee~Morning_Song.mp3", "Anna Lee", "Morning Song"},
        TLineCase{"SecondTildeBelongsToTitle", "Duo~Sea~Shanty.mp3", "Duo", "Sea~Shanty"},
        TLineCase{"NoMp3", "Choir~Evening_Bells", "Choir", "Evening Bells"},
        TLineCase{"CutAtFirstMp3", "Band~Live.mp3_remix.mp3", "Band", "Live"},
        TLineCase{"UpperCaseExtensionStays", "Band~Loud.MP3", "Band", "Loud.MP3"},
        TLineCase{"NoTilde", "Just_a_name.mp3", "Just a name.mp3", ""},
        TLineCase{"EmptyArtist", "~Untitled.mp3", "", "Untitled"},
        TLineCase{"Utf8", "\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0~\xD0\x9F\xD0\xB5\xD1\x81\xD0\xBD\xD1\x8F_1.mp3",
                  "\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0", "\xD0\x9F\xD0\xB5\xD1\x81\xD0\xBD\xD1\x8F 1"}),
    [](const ::testing::TestParamInfo<TLineCase>& i) { return std::string(i.param.Name); });

TEST(Playlist, KeepsTheOrderAndSkipsBlankLinesAndTheMark) {
  const auto tracks = ParsePlaylist("\xEF\xBB\xBF" "A~One.mp3\r\n\r\nB~Two.mp3\n  \nC~Three.mp3");
  ASSERT_EQ(tracks.size(), 3u);
  EXPECT_EQ(tracks[0].Artist, "A");
  EXPECT_EQ(tracks[1].Title, "Two");
  EXPECT_EQ(tracks[2].Address, "/musik/C~Three.mp3");  // the last line needs no line end
  EXPECT_TRUE(ParsePlaylist("").empty());
  EXPECT_TRUE(ParsePlaylist("\r\n\n").empty());
}

TEST(Playlist, OffersTheButtonsOnlyForMoreThanFourTracks) {
  const std::string four = "a~1.mp3\nb~2.mp3\nc~3.mp3\nd~4.mp3\n";
  EXPECT_FALSE(PlayerOffered(ParsePlaylist(four).size()));
  EXPECT_TRUE(PlayerOffered(ParsePlaylist(four + "e~5.mp3\n").size()));
  // A line end after the fourth line is no fifth track.
  EXPECT_FALSE(PlayerOffered(ParsePlaylist(four + "\r\n").size()));
  EXPECT_FALSE(PlayerOffered(0));
}

TEST(Playlist, LiesInTheServicesMusicFolder) {
  EXPECT_EQ(PlaylistUrl("http://127.0.0.1:25680"), "http://127.0.0.1:25680/musik/_playlist.html");
}

TEST(Volume, PressesChangeItInStepsOfFiveWithinBounds) {
  struct TCase {
    int Volume, X, After;
  } cases[] = {
      {50, 35, 55}, {50, 60, 55}, {50, 34, 50}, {50, 26, 50}, {50, 30, 50}, {50, 25, 45}, {50, 0, 45},
      {100, 40, 100}, {98, 40, 100}, {0, 10, 0}, {3, 10, 0}, {0, 50, 5}, {100, 5, 95},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(VolumeAfterPress(c.Volume, c.X), c.After) << "volume " << c.Volume << " pressed at " << c.X;
}

}  // namespace
}  // namespace zembra
