#include "generate/name_lists.hpp"

namespace qinghe {
namespace lists {
// Generated at build time from data/content (name_list_constants.cpp).
extern const std::string kHighScoreBoy, kHighScoreGirl, kClassicBoyTwo, kClassicGirlTwo,
    kClassicBoyOne, kClassicGirlOne;
}  // namespace lists

const std::string& highScoreCharacters(bool girl) {
    return girl ? lists::kHighScoreGirl : lists::kHighScoreBoy;
}

const std::string& classicNames(bool girl, int nameLength) {
    if (nameLength == 2) return girl ? lists::kClassicGirlTwo : lists::kClassicBoyTwo;
    return girl ? lists::kClassicGirlOne : lists::kClassicBoyOne;
}

}  // namespace qinghe
