#include "bazi/zodiac_advice.hpp"

#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

struct AdviceRow {
    const char* animal;
    const char* favourable;    // radicals joined by 、
    const char* unfavourable;
    const char* ending;        // after the last 。 (the snake and the horse texts end in a blank)
};

// By branch of the year: 子 鼠, 丑 牛, … 亥 猪.
constexpr AdviceRow Rows[12] = {
    {"鼠", "宀、米、豆、鱼、艹、金、玉、人、木、月、田、钅",
     "山、刀、力、弓、土、穴、心、石、皮、氵、马、酉、才、火、车", ""},
    {"牛", "水、艹、豆、米、金、玉、宀、人、木、氵、钅", "月、火、田、车、马、石、血、纟、刀、几", ""},
    {"虎", "山、玉、金、木、示、水、月、犭、马、氵、钅",
     "日、火、田、口、几、纟、石、刀、血、弓、父、足", ""},
    {"兔", "月、艹、山、田、人、禾、木、宀、金、白、玉、豆、钅", "马、车、石、刀、力、皮、水、川", ""},
    {"龙", "水、金、玉、白、赤、月、鱼、酉、人、氵、钅",
     "土、田、木、禾、示、心、日、石、艹、力、刀、纟、犭、火", ""},
    {"蛇", "艹、虫、豆、鱼、酉、木、田、山、金、玉、月、土、钅",
     "小、石、刀、血、弓、火、人、犭、父、纟", " "},
    {"马", "艹、金、玉、木、禾、虫、米、人、月、土、才、钅", "田、日、火、水、车、石、力、刀、酉、马",
     " "},
    {"羊", "金、白、玉、月、田、豆、米、马、禾、木、人、艹、鱼", "小、犭、纟、车、山、水、日、火", ""},
    {"猴", "木、禾、金、玉、豆、米、田、山、月、水、人、氵", "火、石、口、冖、纟、刀、力、皮、犭", ""},
    {"鸡", "米、豆、虫、木、禾、玉、月、宀、山、艹、金、钅",
     "石、犭、刀、力、日、酉、血、弓、才、乡、车、马", ""},
    {"狗", "鱼、豆、米、宀、马、金、玉、艹、田、木、月、禾、水、人、氵、钅",
     "火、石、纟、山、才、日、酉、车、刀、父、言", ""},
    {"猪", "豆、米、鱼、水、金、玉、月、木、人、山、土、艹、氵", "纟、石、刀、力、血、弓、几、皮、父", ""},
};

}  // namespace

ZodiacAdvice::ZodiacAdvice() {
    for (int i = 0; i < 12; ++i) {
        const AdviceRow& row = Rows[i];
        std::string text = std::string("生肖属相：") + row.animal + "。\r\n\r\n" + row.animal +
                           "年出生的人取名偏旁部首：\r\n\r\n宜：" + row.favourable + "等部首为吉。\r\n\r\n忌：" +
                           row.unfavourable + "等部首。" + row.ending;
        texts_[i] = gbk(text);
    }
}

const ZodiacAdvice& ZodiacAdvice::instance() {
    static const ZodiacAdvice advice;
    return advice;
}

const std::string& ZodiacAdvice::forBranch(int branch) const {
    static const std::string none;
    return branch >= 1 && branch <= 12 ? texts_[branch - 1] : none;
}

}  // namespace qinghe
