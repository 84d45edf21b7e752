// The program's fixed lists (GBK): the high-score characters for boys and girls, which the
// super-auspicious and nickname modes use too, and the ready-made names of the classic mode.
#pragma once

#include <string>

namespace qinghe {

// Characters, one after the other.
const std::string& highScoreCharacters(bool girl);
// Two-character names each followed by ",", or one-character names one after the other.
const std::string& classicNames(bool girl, int nameLength);

}  // namespace qinghe
