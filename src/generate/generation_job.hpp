// GenerationJob: one run of a generation mode on the worker thread. It reads its inputs from
// the window, forms candidate given names, scores them and lists the accepted ones.
//
// The working data (CharPool, PoolCharTable, CandidateList, the filter lists) belong to the job
// that runs; a new run empties them first and leaves them as they are when it ends.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "analysis/luck_source.hpp"
#include "analysis/pool_char_table.hpp"
#include "generate/generation_char_setting.hpp"
#include "generate/generation_window.hpp"
#include "generate/job_control.hpp"
#include "store/name_database.hpp"

namespace qinghe {

class GenerationJob {
public:
    GenerationJob(NameDatabase& db, GenerationWindow& window, JobControl& control);

    // Runs the whole job for a mode. The generation character is the one in force when the job
    // starts. Throws JobStopped when a stop is requested meanwhile.
    void run(GenerationMode mode, const GenerationCharSetting& generationChar);

    // A fixed seed makes the shuffles repeatable (the command-line tool's --seed); without it
    // every shuffle is seeded from the clock.
    void setSeed(unsigned seed);

    // The working data, for inspection after a run.
    const std::vector<std::string>& charPool() const { return charPool_; }
    const PoolCharTable& poolTable() const { return poolTable_; }
    const std::vector<std::string>& candidates() const { return candidates_; }
    const std::vector<std::string>& secondPlaceList() const { return secondPlace_; }
    const std::vector<std::string>& thirdPlaceList() const { return thirdPlace_; }
    const std::vector<std::string>& allPlaceList() const { return allPlace_; }

private:
    struct Listing {
        ResultList list;
        size_t preparedRows;   // 0: one row per candidate
        int threshold;
        bool stopsWhenFull;    // high score and super-auspicious: stop at the spare row, pause button
        JobControlId pauseButton;
    };

    void setUpHighScore();
    void runClassic();
    void setUpSuperAuspicious();
    void setUpCombination();
    void formNicknames();

    void lookUp(size_t position);
    void lookUpExtraCharacters();
    void lookupAndPairPass();
    void listingPass(const Listing& listing);

    void shuffle(std::vector<std::string>& list);

    NameDatabase& db_;
    GenerationWindow& window_;
    JobControl& control_;
    CachedLuck luck_;
    std::mt19937 seeded_;
    bool hasSeed_ = false;

    std::string surname_;
    int nameLength_ = 1;
    bool girl_ = false;
    GenerationCharSetting generationChar_;

    std::vector<std::string> charPool_;
    PoolCharTable poolTable_;
    std::vector<std::string> candidates_;
    std::vector<std::string> secondPlace_, thirdPlace_, allPlace_;
};

// True when text contains needle as whole characters (a needle's bytes that straddle two
// characters of text do not count). An empty needle is contained in every text.
bool containsCharacters(const std::string& text, const std::string& needle);

// The threshold of the super-auspicious mode for the luck word of the surname's heaven grid:
// the highest score a name can reach with that heaven grid.
int superAuspiciousThreshold(const std::string& heavenLuck);

// The filter texts of the super-auspicious page: the captions of the checked element boxes of
// each row; second, third and all-required give all five elements when none (or the row's
// master) is unchecked, all-forbidden gives the empty text then.
std::array<std::string, 4> elementFilterTexts(const ElementFilterBoxes& boxes);

}  // namespace qinghe
