// The page the duel's "?" button opens: how to play a duel across a home
// router.
#pragma once

#include <string>

namespace zembra::service {

const std::string& RouterPage();

}  // namespace zembra::service
