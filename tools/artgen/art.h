// The picture book zembra-artgen fills: every built-in picture of the program,
// by name, and the producers that draw them.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <map>
#include <stdexcept>
#include <vector>

namespace art {

struct ArtError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// One picture the program loads as ":/art/<name>.png".
struct PictureSpec {
  QString name;
  QSize size;
};

// The complete list of pictures the program expects, with exact sizes.
std::vector<PictureSpec> catalogue();

class ArtBook {
 public:
  // Adds a picture; throws ArtError on a duplicate name or a picture that is
  // not in the catalogue with this exact size.
  void add(const QString& name, const QImage& image);
  const std::map<QString, QImage>& pictures() const { return pictures_; }

  // Writes one PNG per picture and zembra_art.qrc into dir; throws ArtError.
  void writeTo(const QString& dir) const;

 private:
  std::map<QString, QImage> pictures_;
};

// Reads back every catalogue picture and the .qrc from dir; returns one line
// per problem (missing file, wrong size, not listed), empty when complete.
QStringList verifyFolder(const QString& dir);

// The producers, one per source file.
void addCardFaces(ArtBook& book, const QString& deckFile);  // card_faces.cpp
void addSuitSymbols(ArtBook& book);                         // suits.cpp
void addCardBacks(ArtBook& book);                           // card_backs.cpp
void addTablePictures(ArtBook& book);                       // table_pictures.cpp
void addPanels(ArtBook& book);                              // panels.cpp
void addBubbles(ArtBook& book);                             // bubbles.cpp
void addClock(ArtBook& book);                               // clock.cpp
void addTitles(ArtBook& book, const QString& fontFamily);   // titles.cpp
void addMenuPictures(ArtBook& book, const QString& fontFamily);  // menu_pictures.cpp

// Loads the lettering font from a file and returns its family; throws.
QString loadLetteringFont(const QString& fontFile);  // titles.cpp
void addCursors(ArtBook& book);                             // cursors.cpp
// The program's icon, from the large heart faces (call after addCardFaces).
void addIcon(ArtBook& book);                                // icon.cpp
void addButtonPieces(ArtBook& book);                        // button_pieces.cpp
void addCountPictures(ArtBook& book, const QString& fontFamily);  // count_pictures.cpp
void addCyclePictures(ArtBook& book, const QString& fontFamily);  // cycle_pictures.cpp

}  // namespace art
