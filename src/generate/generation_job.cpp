#include "generate/generation_job.hpp"

#include <chrono>

#include "analysis/name_score.hpp"
#include "analysis/text_helpers.hpp"
#include "generate/name_lists.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

// How often the job reports its progress: often enough to look alive, rarely enough to cost
// nothing.
constexpr size_t kProgressEvery = 4096;

const std::string& elementCaption(size_t i) {
    static const std::array<std::string, 5> captions = {gbk("金"), gbk("木"), gbk("水"), gbk("火"), gbk("土")};
    return captions[i];
}

}  // namespace

bool containsCharacters(const std::string& text, const std::string& needle) {
    if (needle.empty()) return true;
    // Walk character starts the way splitCharacters cuts the text.
    for (size_t i = 0; i + needle.size() <= text.size();) {
        if (text.compare(i, needle.size(), needle) == 0) return true;
        i += static_cast<unsigned char>(text[i]) > 122 && i + 1 < text.size() ? 2 : 1;
    }
    return false;
}

int superAuspiciousThreshold(const std::string& heavenLuck) {
    static const std::array<std::pair<std::string, int>, 5> thresholds = {{
        {gbk("大凶"), 96}, {gbk("凶"), 98}, {gbk("中"), 99}, {gbk("吉"), 100}, {gbk("大吉"), 100}}};
    for (const auto& [word, threshold] : thresholds)
        if (word == heavenLuck) return threshold;
    return 0;
}

std::array<std::string, 4> elementFilterTexts(const ElementFilterBoxes& boxes) {
    std::array<std::string, 4> texts;
    for (size_t row = 0; row < 4; ++row) {
        const bool forbidden = row == 3;
        std::string checked;
        if (boxes.master[row])
            for (size_t e = 0; e < 5; ++e)
                if (boxes.element[row][e]) checked += elementCaption(e);
        if (checked.empty() && !forbidden)
            for (size_t e = 0; e < 5; ++e) checked += elementCaption(e);
        texts[row] = checked;
    }
    return texts;
}

GenerationJob::GenerationJob(NameDatabase& db, GenerationWindow& window, JobControl& control)
    : db_(db), window_(window), control_(control), luck_(db) {}

void GenerationJob::setSeed(unsigned seed) {
    seeded_.seed(seed);
    hasSeed_ = true;
}

void GenerationJob::shuffle(std::vector<std::string>& list) {
    if (hasSeed_)
        shuffleList(list, seeded_);
    else
        shuffleList(list);
}

void GenerationJob::run(GenerationMode mode, const GenerationCharSetting& generationChar) {
    generationChar_ = generationChar;
    window_.showWaiting();
    window_.setControlEnabled(JobControlId::ModeSelection, false);
    charPool_.clear();
    candidates_.clear();
    secondPlace_.clear();
    thirdPlace_.clear();
    allPlace_.clear();
    poolTable_.clear();

    surname_ = window_.surname();
    if (surname_.empty()) window_.message(gbk("请输入姓氏"), MessageIcon::None);
    nameLength_ = window_.nameLength() == 2 ? 2 : 1;
    girl_ = window_.sex() == gbk("女");

    switch (mode) {
        case GenerationMode::HighScore:
            setUpHighScore();
            lookupAndPairPass();
            if (nameLength_ == 2 && !generationChar_.character().empty())
                window_.message(gbk("设定辈份后,产生的名字较少,所以系统将显示全部名字"), MessageIcon::Warning);
            listingPass({ResultList::HighScore, 10001,
                         nameLength_ == 2 && generationChar_.character().empty() ? 90 : 0, true,
                         JobControlId::HighScorePause});
            window_.setControlEnabled(JobControlId::HighScoreAgain, true);
            break;
        case GenerationMode::Classic:
            runClassic();
            break;
        case GenerationMode::SuperAuspicious: {
            setUpSuperAuspicious();
            int threshold = superAuspiciousThreshold(surnameHeavenLuck(surname_, poolTable_, luck_));
            listingPass({ResultList::SuperAuspicious, 100001, threshold, true, JobControlId::SuperPause});
            window_.setControlEnabled(JobControlId::SuperGenerate, true);
            window_.setControlEnabled(JobControlId::SuperExport, true);
            break;
        }
        case GenerationMode::Combination:
            setUpCombination();
            lookupAndPairPass();
            window_.closeWaiting();
            listingPass({ResultList::Combination, 0, 0, false, JobControlId::HighScorePause});
            break;
        case GenerationMode::Nickname:
            formNicknames();
            window_.closeWaiting();
            listingPass({ResultList::Nickname, 0, 0, false, JobControlId::HighScorePause});
            break;
        case GenerationMode::Poetry:
        case GenerationMode::English:
            // These modes prepare their pages in the window; their jobs come with their pages.
            break;
    }

    window_.setControlEnabled(JobControlId::ModeSelection, true);
    window_.setControlEnabled(JobControlId::NicknameGenerate, true);
    window_.setControlEnabled(JobControlId::HighScoreExport, true);
    window_.closeWaiting();
    window_.progress(0, 0);
}

void GenerationJob::lookUp(size_t position) {
    poolTable_.set(position, lookupCharacter(db_, charPool_[position], CharFields::StrokesAndElement));
}

void GenerationJob::lookUpExtraCharacters() {
    // Every character of a scored name needs its strokes and element: the surname's characters
    // and the generation character's get records after the pool's when no pool entry is them.
    std::vector<std::string> extra = splitCharacters(surname_);
    for (const std::string& c : splitCharacters(generationChar_.character())) extra.push_back(c);
    for (const std::string& c : extra) {
        bool isEntry = false;
        for (const std::string& entry : charPool_) isEntry = isEntry || entry == c;
        if (isEntry || poolTable_.contains(c)) continue;
        poolTable_.append(lookupCharacter(db_, c, CharFields::StrokesAndElement));
    }
}

void GenerationJob::lookupAndPairPass() {
    poolTable_.resize(charPool_.size());
    const std::vector<std::string> entries = charPool_;
    const std::string& fixed = generationChar_.character();
    const bool two = nameLength_ == 2;
    if (!two)
        window_.message(gbk("一字名数理得分较低,所以软件自动降低评分标准!"), MessageIcon::Information);
    if (two && fixed.empty()) candidates_.reserve(entries.size() * entries.size());
    for (size_t i = 0; i < charPool_.size(); ++i) {
        control_.checkpoint();
        lookUp(i);
        if (!isUsable(poolTable_.at(i))) continue;
        const std::string& c = charPool_[i];
        if (!two) {
            candidates_.push_back(c);
        } else if (fixed.empty()) {
            for (const std::string& d : entries) candidates_.push_back(c + d);
        } else if (generationChar_.position == GenerationCharSetting::Position::Second) {
            candidates_.push_back(fixed + c);
        } else {
            candidates_.push_back(c + fixed);
        }
    }
    lookUpExtraCharacters();
}

void GenerationJob::listingPass(const Listing& listing) {
    const size_t prepared = listing.preparedRows ? listing.preparedRows : candidates_.size();
    window_.prepareRows(listing.list, prepared);
    size_t r = 1;
    const size_t total = candidates_.size();
    for (size_t k = 0; k < total; ++k) {
        control_.checkpoint();
        if (k % kProgressEvery == 0) window_.progress(k, total);
        const std::string& given = candidates_[k];
        if (containsCharacters(given, surname_)) continue;
        NameScore score = scoreName(surname_, given, poolTable_, luck_);
        if (score.score < listing.threshold) continue;
        window_.fillRow(listing.list, r - 1, makeNameListRow(static_cast<int>(r), surname_ + given, score));
        ++r;
        if (listing.stopsWhenFull) {
            if (r == 2) {
                window_.closeWaiting();
                window_.setControlEnabled(listing.pauseButton, true);
            }
            if (r == prepared) break;
        }
    }
    window_.progress(total, total);
    window_.keepRows(listing.list, r - 1);
    window_.sortByScoreAndRenumber(listing.list);
}

}  // namespace qinghe
