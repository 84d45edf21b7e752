#include "generate/gui/generation_controller.hpp"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>

#include "app/name_list_model.hpp"
#include "app/qinghe_main.hpp"
#include "app/qt_text.hpp"
#include "app/text_list_model.hpp"
#include "generate/generation_job.hpp"
#include "generate/gui/list_export.hpp"
#include "generate/gui/qt_generation_window.hpp"
#include "generate/gui/waiting_window.hpp"
#include "generate/name_list_export.hpp"
#include "store/gbk_text.hpp"
#include "store/name_database.hpp"

namespace qinghe {
namespace {

const QString kPause = QString::fromUtf8("暂停");
const QString kContinue = QString::fromUtf8("继续");

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Warning: return QMessageBox::Warning;
        case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

GenerationController::GenerationController(QingHeMain& main)
    : QObject(&main), main_(main), waiting_(new WaitingWindow(&main)), progressLabel_(new QLabel) {
    progressLabel_->setObjectName("标签_生成进度");
    main_.状态条1->addPermanentWidget(progressLabel_);
    progressLabel_->hide();

    connect(main_.按钮_起名, &QPushButton::clicked, this, &GenerationController::startRequested);
    connect(main_.按钮_再生成一次, &QPushButton::clicked, this, [this] {
        clearList(ResultList::HighScore);
        startJob(GenerationMode::HighScore);
    });
    connect(main_.按钮_经典生成, &QPushButton::clicked, this, [this] { startJob(GenerationMode::Classic); });
    connect(main_.按钮_超吉生成, &QPushButton::clicked, this, [this] {
        clearList(ResultList::SuperAuspicious);
        startJob(GenerationMode::SuperAuspicious);
    });
    connect(main_.按钮_组合起名, &QPushButton::clicked, this, [this] {
        clearList(ResultList::Combination);
        startJob(GenerationMode::Combination);
    });
    connect(main_.按钮_起小名, &QPushButton::clicked, this, [this] {
        clearList(ResultList::Nickname);
        startJob(GenerationMode::Nickname);
    });
    connect(main_.按钮_高分暂停, &QPushButton::clicked, this,
            [this] { togglePause(main_.按钮_高分暂停, main_.按钮_高分导出); });
    connect(main_.按钮_超吉暂停, &QPushButton::clicked, this,
            [this] { togglePause(main_.按钮_超吉暂停, main_.按钮_超吉导出); });
    connect(main_.按钮_高分导出, &QPushButton::clicked, this, &GenerationController::exportHighScore);
    connect(main_.按钮_超吉导出, &QPushButton::clicked, this, &GenerationController::exportSuperAuspicious);
    connect(main_.按钮_经典导出, &QPushButton::clicked, this, &GenerationController::exportClassic);
}

GenerationController::~GenerationController() { worker_.terminate(); }

void GenerationController::clearList(ResultList list) {
    QTableView* views[] = {main_.超级列表框_高分起名, main_.超级列表框_超吉起名, main_.超级列表框_诗名列表,
                           main_.超级列表框_组合列表, main_.超级列表框_小名列表};
    QingHeMain::nameListModel(views[static_cast<int>(list)])->resetRows(0);
}

void GenerationController::startRequested() {
    const std::string surname = toGbk(main_.编辑框_姓氏->text());
    if (surname.empty()) {
        QMessageBox box(QMessageBox::Information, QString::fromUtf8("提示"), QString::fromUtf8("请输入姓氏!"),
                        QMessageBox::Ok, &main_);
        box.exec();
        return;
    }
    if (main_.单选框_经典起名->isChecked()) {
        startJob(GenerationMode::Classic);
    } else if (main_.单选框_诗词起名->isChecked()) {
        fillPoetList();
        main_.showPage(PagePoetry);
    } else if (main_.单选框_高分起名->isChecked()) {
        if (surname != main_.lastSurname()) {
            clearList(ResultList::HighScore);
            main_.按钮_高分暂停->setText(kPause);
            main_.按钮_再生成一次->setEnabled(true);
            main_.lastSurname() = surname;
            terminate();
            main_.showPage(PageHighScore);
            startJob(GenerationMode::HighScore);
        } else {
            main_.showPage(PageHighScore);
        }
    } else if (main_.单选框_组合起名->isChecked()) {
        clearList(ResultList::Combination);
        main_.showPage(PageCombination);
    } else if (main_.单选框_起小名->isChecked()) {
        clearList(ResultList::Nickname);
        main_.showPage(PageNickname);
    } else if (main_.单选框_起英文名->isChecked()) {
        main_.编辑框_英文姓氏->setText(main_.编辑框_姓氏->text());
        if (auto* model = qobject_cast<TextListModel*>(main_.超级列表框_英文列表->model())) model->clear();
        main_.showPage(PageEnglish);
    } else if (main_.单选框_超吉起名->isChecked()) {
        if (surname != main_.lastSurname()) {
            clearList(ResultList::SuperAuspicious);
            main_.按钮_超吉暂停->setText(kPause);
            main_.按钮_超吉生成->setEnabled(true);
            main_.lastSurname() = surname;
            main_.showPage(PageSuperAuspicious);
            terminate();
        } else {
            main_.showPage(PageSuperAuspicious);
        }
        main_.applyElementInterlock(main_.选择框_所有字必带五行);
    }
}

void GenerationController::fillPoetList() {
    auto* model = qobject_cast<TextListModel*>(main_.超级列表框_诗人列表->model());
    if (!model) return;
    model->clear();
    NameDatabase& db = main_.database();
    NameDatabase::Statement row = db.query("select * from QH_Poet order by OrderId ASC");
    int number = 1;
    for (bool more = row != nullptr && !db.columnText(row, 1).empty(); more; more = db.next(row))
        model->appendRow({std::to_string(number++), db.columnText(row, 1)});
    db.finalize(row);
    if (model->rowCount() > 0) main_.超级列表框_诗人列表->selectRow(0);
}

void GenerationController::setControl(JobControlId control, bool enabled) {
    switch (control) {
        case JobControlId::ModeSelection:
            main_.toolbarButtons[0]->setEnabled(enabled);
            main_.commandMenuItems[0]->setEnabled(enabled);
            break;
        case JobControlId::HighScorePause: main_.按钮_高分暂停->setEnabled(enabled); break;
        case JobControlId::HighScoreAgain: main_.按钮_再生成一次->setEnabled(enabled); break;
        case JobControlId::HighScoreExport: main_.按钮_高分导出->setEnabled(enabled); break;
        case JobControlId::SuperGenerate: main_.按钮_超吉生成->setEnabled(enabled); break;
        case JobControlId::SuperPause: main_.按钮_超吉暂停->setEnabled(enabled); break;
        case JobControlId::SuperExport: main_.按钮_超吉导出->setEnabled(enabled); break;
        case JobControlId::NicknameGenerate: main_.按钮_起小名->setEnabled(enabled); break;
    }
}

void GenerationController::showProgress(size_t done, size_t total) {
    if (total == 0) {
        progressLabel_->hide();
        return;
    }
    progressLabel_->setText(QString::fromUtf8("已评分 %1 / %2 个候选名字").arg(done).arg(total));
    progressLabel_->show();
}

void GenerationController::startJob(GenerationMode mode) {
    terminate();

    GenerationInputs inputs;
    inputs.surname = toGbk(main_.编辑框_姓氏->text());
    inputs.sex = toGbk(main_.组合框_性别->currentText());
    inputs.nameLength = main_.组合框_名字个数->currentText() == QString::fromUtf8("二字") ? 2 : 1;
    for (size_t row = 0; row < 4; ++row) {
        inputs.filters.master[row] = main_.elementMasters[row]->isChecked();
        for (size_t e = 0; e < 5; ++e) inputs.filters.element[row][e] = main_.elementBoxes[row][e]->isChecked();
    }
    inputs.combinationText = toGbk(main_.编辑框_组合的字->text());
    inputs.nicknamePattern = main_.单选框_小A型->isChecked()   ? NicknamePattern::XiaoPrefix
                             : main_.单选框_A儿型->isChecked() ? NicknamePattern::ErSuffix
                             : main_.单选框_阿A型->isChecked() ? NicknamePattern::APrefix
                                                               : NicknamePattern::Double;

    GenerationTargets targets;
    targets.lists = {{ResultList::HighScore, QingHeMain::nameListModel(main_.超级列表框_高分起名)},
                     {ResultList::SuperAuspicious, QingHeMain::nameListModel(main_.超级列表框_超吉起名)},
                     {ResultList::Poetry, QingHeMain::nameListModel(main_.超级列表框_诗名列表)},
                     {ResultList::Combination, QingHeMain::nameListModel(main_.超级列表框_组合列表)},
                     {ResultList::Nickname, QingHeMain::nameListModel(main_.超级列表框_小名列表)}};
    targets.setWaitingVisible = [this](bool visible) { waiting_->setVisible(visible); };
    targets.setControlEnabled = [this](JobControlId control, bool enabled) { setControl(control, enabled); };
    targets.showPage = [this](int page) { main_.showPage(page); };
    targets.message = [this](const std::string& text, MessageIcon icon) {
        QMessageBox box(boxIcon(icon), QString::fromUtf8("提示"), toQString(text), QMessageBox::Ok, &main_);
        box.exec();
    };
    targets.setClassicText = [this](const std::string& text) { main_.编辑框_经典名字->setPlainText(toQString(text)); };
    targets.progress = [this](size_t done, size_t total) { showProgress(done, total); };

    auto control = std::make_shared<JobControl>();
    auto* window = new QtGenerationWindow(std::move(inputs), std::move(targets), *control, this);
    current_ = window;
    GenerationCharSetting generationChar = main_.generationChar();
    NameDatabase& db = main_.database();
    worker_.start(control, [window, &db, mode, generationChar](JobControl& c) {
        GenerationJob job(db, *window, c);
        job.run(mode, generationChar);
    });
}

void GenerationController::terminate() {
    if (!worker_.terminate()) return;
    if (current_) {
        current_->discardPending();
        current_->deleteLater();
    }
    waiting_->hide();
    setControl(JobControlId::ModeSelection, true);
    progressLabel_->hide();
}

void GenerationController::togglePause(QPushButton* pauseButton, QPushButton* exportButton) {
    if (pauseButton->text() == kPause) {
        worker_.suspend();
        // Everything the job listed before the pause is in the list before it can be exported.
        if (current_) current_->applyPending();
        main_.toolbarButtons[0]->setEnabled(true);  // the toolbar button only, not the menu item
        exportButton->setEnabled(true);
        pauseButton->setText(kContinue);
    } else {
        worker_.resume();
        pauseButton->setText(kPause);
        exportButton->setEnabled(false);
    }
}

QString GenerationController::exportFolder() const {
    QString folder = main_.programFolder() + "/data";
    QFileInfo info(folder);
    if (info.isDir() && info.isWritable()) return folder;
    QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/qinghe";
    QDir().mkpath(user);
    return user;
}

void GenerationController::exportHighScore() {
    exportAndOpen(&main_, exportFolder() + "/" + kHighScoreExportFile,
                  nameListExportText(QingHeMain::nameListModel(main_.超级列表框_高分起名)->rows()));
}

void GenerationController::exportSuperAuspicious() {
    exportAndOpen(&main_, exportFolder() + "/" + kSuperExportFile,
                  nameListExportText(QingHeMain::nameListModel(main_.超级列表框_超吉起名)->rows()));
}

void GenerationController::exportClassic() {
    // The text box keeps line breaks as "\n"; the file has the CR LF of the names' layout.
    QString text = main_.编辑框_经典名字->toPlainText();
    text.replace(QChar('\n'), QStringLiteral("\r\n"));
    exportAndOpen(&main_, exportFolder() + "/" + kClassicExportFile, toGbk(text));
}

}  // namespace qinghe
