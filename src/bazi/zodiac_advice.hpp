// ZodiacAdvice: for the zodiac animal of the year pillar, the radicals that suit a name and the
// ones to avoid, as the reading shows them. GBK texts with CR LF line breaks.
#pragma once

#include <array>
#include <string>

namespace qinghe {

class ZodiacAdvice {
public:
    ZodiacAdvice();  // builds the twelve texts
    static const ZodiacAdvice& instance();

    // The text for a branch of the year pillar (1 子 … 12 亥); empty for any other number.
    const std::string& forBranch(int branch) const;

private:
    std::array<std::string, 12> texts_;
};

}  // namespace qinghe
