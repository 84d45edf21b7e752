// Everything a generation job reads from and does to the main window. The job runs on a worker
// thread and never touches a widget: the desktop window implements this interface by handing
// each call to the user-interface thread; the tests and the command-line tool implement it
// without any window.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "generate/name_list_row.hpp"

namespace qinghe {

enum class GenerationMode { HighScore, Classic, SuperAuspicious, Poetry, Combination, Nickname, English };

// The scored result lists of the modes.
enum class ResultList { HighScore, SuperAuspicious, Poetry, Combination, Nickname };

// Controls that a job enables and disables.
enum class JobControlId {
    ModeSelection,      // the toolbar's first button and the menu item 模式选择
    HighScorePause,     // 按钮_高分暂停
    HighScoreAgain,     // 按钮_再生成一次
    HighScoreExport,    // 按钮_高分导出
    SuperGenerate,      // 按钮_超吉生成
    SuperPause,         // 按钮_超吉暂停
    SuperExport,        // 按钮_超吉导出
    NicknameGenerate,   // 按钮_起小名
};

enum class MessageIcon { None, Information, Warning };

enum class NicknamePattern { Double, XiaoPrefix, ErSuffix, APrefix };  // AA, 小A, A儿, 阿A

// The element filter boxes of the super-auspicious page: four master boxes (second character,
// third character, all required, all forbidden), each with five element boxes 金 木 水 火 土.
struct ElementFilterBoxes {
    std::array<bool, 4> master{};
    std::array<std::array<bool, 5>, 4> element{};
};

// What a job reads from the window. The windows take it once, when the job starts.
struct GenerationInputs {
    std::string surname;  // GBK
    std::string sex;      // "男" or "女"
    int nameLength = 2;
    ElementFilterBoxes filters;
    std::string combinationText;
    NicknamePattern nicknamePattern = NicknamePattern::Double;
};

// Pages of the main window's tab control that a job shows.
namespace page {
inline constexpr int HighScore = 1;
inline constexpr int Poetry = 2;
inline constexpr int SuperAuspicious = 9;
inline constexpr int Classic = 10;
}  // namespace page

class GenerationWindow {
public:
    virtual ~GenerationWindow() = default;

    // Inputs, read when the job needs them (GBK texts).
    virtual std::string surname() = 0;
    virtual std::string sex() = 0;          // "男" or "女"
    virtual int nameLength() = 0;           // 1 or 2
    virtual ElementFilterBoxes elementFilters() = 0;
    virtual std::string combinationText() = 0;
    virtual NicknamePattern nicknamePattern() = 0;

    // The waiting window QingHeWaiting.
    virtual void showWaiting() = 0;
    virtual void closeWaiting() = 0;
    virtual void setControlEnabled(JobControlId control, bool enabled) = 0;
    virtual void showPage(int page) = 0;
    // A message box titled 提示; returns when the user has closed it.
    virtual void message(const std::string& text, MessageIcon icon) = 0;

    // Result lists: rows are prepared empty, filled in order, the unfilled ones removed from
    // the end, then the list is sorted by score (stable, best first) and renumbered.
    virtual void prepareRows(ResultList list, size_t count) = 0;
    virtual void fillRow(ResultList list, size_t row, const NameListRow& content) = 0;
    virtual void keepRows(ResultList list, size_t count) = 0;
    virtual void sortByScoreAndRenumber(ResultList list) = 0;
    virtual void setClassicText(const std::string& text) = 0;

    // Candidates scored so far out of all candidates; (0, 0) when the job is over.
    virtual void progress(size_t done, size_t total) = 0;
};

// A window that answers the job's questions from inputs taken when the job started.
class FixedInputsWindow : public GenerationWindow {
public:
    GenerationInputs inputs;

    std::string surname() override { return inputs.surname; }
    std::string sex() override { return inputs.sex; }
    int nameLength() override { return inputs.nameLength; }
    ElementFilterBoxes elementFilters() override { return inputs.filters; }
    std::string combinationText() override { return inputs.combinationText; }
    NicknamePattern nicknamePattern() override { return inputs.nicknamePattern; }
};

}  // namespace qinghe
