// What each generation mode feeds into the job's passes.
#include "analysis/name_score.hpp"
#include "analysis/text_helpers.hpp"
#include "generate/generation_job.hpp"
#include "generate/name_lists.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

std::vector<std::string> splitNames(const std::string& commaSeparated) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start < commaSeparated.size()) {
        size_t comma = commaSeparated.find(',', start);
        if (comma == std::string::npos) comma = commaSeparated.size();
        names.push_back(commaSeparated.substr(start, comma - start));
        start = comma + 1;
    }
    return names;
}

std::string nicknameOf(NicknamePattern pattern, const std::string& a) {
    switch (pattern) {
        case NicknamePattern::Double: return a + a;
        case NicknamePattern::XiaoPrefix: return gbk("小") + a;
        case NicknamePattern::ErSuffix: return a + gbk("儿");
        case NicknamePattern::APrefix: return gbk("阿") + a;
    }
    return a;
}

}  // namespace

void GenerationJob::setUpHighScore() {
    window_.setControlEnabled(JobControlId::HighScorePause, false);
    window_.setControlEnabled(JobControlId::HighScoreAgain, false);
    window_.setControlEnabled(JobControlId::HighScoreExport, false);
    window_.showPage(page::HighScore);
    std::vector<std::string> characters = splitCharacters(highScoreCharacters(girl_));
    shuffle(characters);
    size_t wanted = nameLength_ == 2 ? 400 : 1000;
    if (characters.size() > wanted) characters.resize(wanted);
    charPool_ = std::move(characters);
    charPool_.push_back(surname_);
}

void GenerationJob::runClassic() {
    window_.showPage(page::Classic);
    window_.setClassicText("");
    const bool two = nameLength_ == 2;
    const std::string& source = classicNames(girl_, nameLength_);
    std::vector<std::string> names = two ? splitNames(source) : splitCharacters(source);
    shuffle(names);
    const std::string separator = two ? "  " : "   ";
    const size_t perRow = two ? 14 : 16;
    std::string text;
    for (size_t i = 0; i < names.size(); ++i) {
        control_.checkpoint();
        text += surname_ + names[i] + separator;
        if ((i + 1) % perRow == 0) text += "\r\n\r\n";
        if (i % 256 == 0) window_.progress(i, names.size());
    }
    window_.setClassicText(text);
}

void GenerationJob::setUpSuperAuspicious() {
    window_.setControlEnabled(JobControlId::SuperGenerate, false);
    window_.setControlEnabled(JobControlId::SuperPause, false);
    window_.setControlEnabled(JobControlId::SuperExport, false);
    charPool_ = splitCharacters(highScoreCharacters(girl_));
    shuffle(charPool_);
    charPool_.push_back(surname_);

    const ElementFilterBoxes boxes = window_.elementFilters();
    const std::array<std::string, 4> filters = elementFilterTexts(boxes);
    const bool byPosition = boxes.master[0] || boxes.master[1];
    const bool forAll = boxes.master[2] || boxes.master[3];
    auto matches = [](const std::string& element, const std::string& filter) {
        return !element.empty() && containsCharacters(filter, element);
    };

    poolTable_.resize(charPool_.size());
    for (size_t i = 0; i < charPool_.size(); ++i) {
        control_.checkpoint();
        lookUp(i);
        const CharInfo& record = poolTable_.at(i);
        if (!isUsable(record)) continue;
        if (byPosition) {
            if (matches(record.element, filters[0])) secondPlace_.push_back(record.character);
            if (matches(record.element, filters[1])) thirdPlace_.push_back(record.character);
        }
        if (forAll && matches(record.element, filters[2]) && !matches(record.element, filters[3]))
            allPlace_.push_back(record.character);
    }
    lookUpExtraCharacters();

    if (byPosition) {
        candidates_.reserve(secondPlace_.size() * thirdPlace_.size());
        for (const std::string& x : secondPlace_)
            for (const std::string& y : thirdPlace_) candidates_.push_back(x + y);
    }
    if (forAll) {
        candidates_.reserve(candidates_.size() + allPlace_.size() * allPlace_.size());
        for (const std::string& x : allPlace_)
            for (const std::string& y : allPlace_) candidates_.push_back(x + y);
    }
}

void GenerationJob::setUpCombination() {
    std::string text = window_.combinationText();
    if (!containsCharacters(text, surname_)) text += surname_;
    charPool_ = splitCharacters(keepGb2312Hanzi(text));
}

void GenerationJob::formNicknames() {
    std::string characters = highScoreCharacters(false) + highScoreCharacters(true);
    if (!containsCharacters(characters, surname_)) characters += surname_;
    charPool_ = splitCharacters(characters);
    const NicknamePattern pattern = window_.nicknamePattern();
    poolTable_.resize(charPool_.size());
    bool buttonDisabled = false;
    for (size_t i = 0; i < charPool_.size(); ++i) {
        control_.checkpoint();
        lookUp(i);
        if (!isUsable(poolTable_.at(i))) continue;
        candidates_.push_back(nicknameOf(pattern, charPool_[i]));
        if (!buttonDisabled) {
            window_.setControlEnabled(JobControlId::NicknameGenerate, false);
            buttonDisabled = true;
        }
    }
    // 小, 儿 and 阿 are part of every name of their pattern: they need strokes too.
    for (const char* affix : {"小", "儿", "阿"}) {
        std::string c = gbk(affix);
        if (poolTable_.contains(c)) continue;
        poolTable_.append(lookupCharacter(db_, c, CharFields::StrokesAndElement));
    }
    lookUpExtraCharacters();
}

}  // namespace qinghe
