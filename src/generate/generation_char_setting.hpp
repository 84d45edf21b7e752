// The fixed generation character (辈份字) chosen for this run of the program.
#pragma once

#include <string>

namespace qinghe {

struct GenerationCharSetting {
    enum class Position { None, Second, Third };
    bool enabled = false;
    Position position = Position::None;
    std::string secondCharacter;  // GBK, the text typed (normally one character)
    std::string thirdCharacter;

    // The character in force, or "" when none is.
    const std::string& character() const {
        static const std::string none;
        if (!enabled) return none;
        return position == Position::Second ? secondCharacter
               : position == Position::Third ? thirdCharacter
                                             : none;
    }
};

}  // namespace qinghe
