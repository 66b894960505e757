// The tournament's requests (POST /TourService): the table list and the
// server's state, seats taken, left and cleared, a seated player read back,
// and the tournament's ratings, top ten and places. Seats live in the
// tournament hall; ratings in the club's store.
#pragma once

#include "service/club_service.h"
#include "service/club_store.h"
#include "service/form.h"
#include "service/tour_hall.h"

namespace zembra::service {

class TTourService {
 public:
  TTourService(TClubStore& store, TTourHall& hall) : Store_(store), Hall_(hall) {}

  TServiceReply Handle(const TForm& form);

 private:
  TServiceReply TableList();
  TServiceReply ServerInfo();
  TServiceReply Seat(const TForm& f, int seat);
  TServiceReply ReadClient(const TForm& f, int seat);
  TServiceReply ReadRating(const TForm& f);
  TServiceReply TopTen(TTourOrder order);
  TServiceReply Place(const TForm& f, TTourOrder order);

  TClubStore& Store_;
  TTourHall& Hall_;
};

// The order letter of the requests: "s" score, "r" rating, "k" games.
std::optional<TTourOrder> TourOrderOf(char letter);

}  // namespace zembra::service
