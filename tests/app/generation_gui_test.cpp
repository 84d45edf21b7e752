// Generation in the real window, on the built database: the control states around a job, pause
// and continue, the start requests of the modes and the 设置辈份 dialog.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "app/name_list_model.hpp"
#include "app/qt_text.hpp"
#include "generate/gui/generation_char_dialog.hpp"
#include "main_window_harness.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

using testing::MainWindowHarness;

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

// Handles events until done() holds; false after the time-out.
template <class Done>
bool waitFor(Done done, int milliseconds = 30000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

class GenerationWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(h.start());
        ASSERT_TRUE(h.waitForDatabase());
        h.find<QLineEdit>("编辑框_姓氏")->setText(u("李"));
        h.find<QComboBox>("组合框_名字个数")->setCurrentIndex(1);  // 二字
    }
    void TearDown() override { h.close(); }

    QPushButton* button(const char* name) { return h.find<QPushButton>(name); }
    NameListModel* list(const char* name) { return QingHeMain::nameListModel(h.find<QTableView>(name)); }
    QAction* modeSelection() { return h.window().toolbarButtons[0]; }
    void choose(const char* mode) { h.find<QRadioButton>(mode)->click(); }

    MainWindowHarness h{true, QINGHE_BUILT_DATABASE};
};

TEST_F(GenerationWindowTest, HighScoreJobSetsItsControls) {
    choose("单选框_高分起名");
    button("按钮_起名")->click();
    EXPECT_EQ(h.window().currentPage(), PageHighScore);
    ASSERT_TRUE(waitFor([&] { return !modeSelection()->isEnabled() || list("超级列表框_高分起名")->rowCount() == 10000; }));

    ASSERT_TRUE(waitFor([&] { return button("按钮_高分暂停")->isEnabled(); }));
    ASSERT_TRUE(waitFor([&] { return modeSelection()->isEnabled() && h.window().commandMenuItems[0]->isEnabled() &&
                                     button("按钮_高分导出")->isEnabled(); }));
    NameListModel* names = list("超级列表框_高分起名");
    EXPECT_EQ(names->rowCount(), 10000);
    EXPECT_EQ(names->row(0).columns[ColNumber], "1");
    EXPECT_GE(std::stoi(names->row(0).columns[ColScore]), std::stoi(names->row(9999).columns[ColScore]));
    EXPECT_TRUE(button("按钮_再生成一次")->isEnabled());

    // The same surname again only shows the names already there.
    std::string first = names->row(0).columns[ColName];
    h.window().showPage(PageModeSelection);
    button("按钮_起名")->click();
    testing::processEventsFor(100);
    EXPECT_EQ(h.window().currentPage(), PageHighScore);
    EXPECT_EQ(names->row(0).columns[ColName], first);
}

TEST_F(GenerationWindowTest, SuperAuspiciousPreparesItsPageThenPausesAndContinues) {
    choose("单选框_超吉起名");
    button("按钮_起名")->click();
    EXPECT_EQ(h.window().currentPage(), PageSuperAuspicious);
    testing::processEventsFor(50);
    EXPECT_EQ(list("超级列表框_超吉起名")->rowCount(), 0);
    EXPECT_TRUE(h.find<QCheckBox>("选择框_所有字必带五行")->isChecked());
    EXPECT_FALSE(h.find<QCheckBox>("选择框_第二个字五行限定")->isEnabled());

    const auto& rows = list("超级列表框_超吉起名")->rows();
    auto filled = [&] {
        return std::count_if(rows.begin(), rows.end(), [](const NameListRow& r) { return !r.columns[ColNumber].empty(); });
    };
    button("按钮_超吉生成")->click();
    // The set-up disables the page's three buttons; the first listed name enables the pause
    // button again.
    ASSERT_TRUE(waitFor([&] { return !button("按钮_超吉导出")->isEnabled() && !button("按钮_超吉暂停")->isEnabled(); }));
    EXPECT_FALSE(button("按钮_超吉生成")->isEnabled());
    ASSERT_TRUE(waitFor([&] { return button("按钮_超吉暂停")->isEnabled() && rows.size() == 100001u && filled() > 0; }));

    // A paused job keeps its unfilled rows.
    button("按钮_超吉暂停")->click();
    EXPECT_EQ(button("按钮_超吉暂停")->text(), u("继续"));
    EXPECT_TRUE(modeSelection()->isEnabled());
    EXPECT_FALSE(h.window().commandMenuItems[0]->isEnabled());
    EXPECT_TRUE(button("按钮_超吉导出")->isEnabled());
    ASSERT_EQ(rows.size(), 100001u);
    // The pause takes effect before the job's next candidate: the one it was scoring may still
    // be listed, nothing after it.
    auto before = filled();
    testing::processEventsFor(100);
    EXPECT_LE(filled() - before, 1);
    button("按钮_超吉暂停")->click();
    EXPECT_EQ(button("按钮_超吉暂停")->text(), u("暂停"));
    EXPECT_FALSE(button("按钮_超吉导出")->isEnabled());

    ASSERT_TRUE(waitFor([&] { return button("按钮_超吉导出")->isEnabled() && h.window().commandMenuItems[0]->isEnabled(); }, 60000));
    EXPECT_TRUE(button("按钮_超吉生成")->isEnabled());
    EXPECT_GT(list("超级列表框_超吉起名")->rowCount(), 1000);
}

TEST_F(GenerationWindowTest, ClassicNamesFillTheirPage) {
    choose("单选框_经典起名");
    button("按钮_起名")->click();
    ASSERT_TRUE(waitFor([&] { return !h.find<QPlainTextEdit>("编辑框_经典名字")->toPlainText().isEmpty(); }));
    EXPECT_EQ(h.window().currentPage(), PageClassic);
    QString text = h.find<QPlainTextEdit>("编辑框_经典名字")->toPlainText();
    EXPECT_TRUE(text.startsWith(u("李")));
    EXPECT_EQ(text.count(u("李")) >= 2910, true);
}

TEST_F(GenerationWindowTest, EmptySurnameIsRefused) {
    h.find<QLineEdit>("编辑框_姓氏")->clear();
    choose("单选框_高分起名");
    bool seen = testing::withModalBox([&] { button("按钮_起名")->click(); }, [](QMessageBox& box) {
        EXPECT_EQ(box.text(), u("请输入姓氏!"));
        EXPECT_EQ(box.windowTitle(), u("提示"));
    });
    EXPECT_TRUE(seen);
    EXPECT_EQ(h.window().currentPage(), PageModeSelection);
}

TEST_F(GenerationWindowTest, GenerationCharacterDialogSetsAndCancels) {
    auto dialogAction = [&](const std::function<void(GenerationCharDialog&)>& act) {
        QTimer::singleShot(50, [&] {
            auto* dialog = qobject_cast<GenerationCharDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
        });
        QTest::mouseClick(h.find<QLabel>("标签_设置辈份"), Qt::LeftButton);
    };
    dialogAction([](GenerationCharDialog& d) {
        d.单选框_设置第二个字->setChecked(true);
        d.编辑框_第二个字->setText(u("德"));
        d.按钮_辈份确定->click();
    });
    EXPECT_TRUE(h.window().generationChar().enabled);
    EXPECT_EQ(h.window().generationChar().character(), gbk("德"));
    EXPECT_TRUE(h.find<QLabel>("标签_设置辈份")->styleSheet().contains("255, 0, 0"));

    dialogAction([](GenerationCharDialog& d) {
        EXPECT_TRUE(d.单选框_设置第二个字->isChecked());
        EXPECT_EQ(d.编辑框_第二个字->text(), u("志"));  // the boxes always start with 志 and 强
        d.按钮_辈份取消->click();
    });
    EXPECT_FALSE(h.window().generationChar().enabled);
    EXPECT_TRUE(h.find<QLabel>("标签_设置辈份")->styleSheet().contains("96, 96, 96"));
}

}  // namespace
}  // namespace qinghe
