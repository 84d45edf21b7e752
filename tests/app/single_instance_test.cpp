// Two copies of the real program: the second one must end at once and silently while the first
// keeps running.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <filesystem>

#include "fixture_database.hpp"

namespace qinghe {
namespace {

using testing::TempFolder;

TEST(SingleInstance, SecondCopyEndsAtOnceAndSilently) {
    TempFolder config, runtime;
    std::filesystem::permissions(runtime.path(), std::filesystem::perms::owner_all);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(config.path().string()));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtime.path().string()));
    const QString program = QStringLiteral(QINGHE_PROGRAM);

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(program, {});
    ASSERT_TRUE(first.waitForStarted(5000));
    const QString lock = QString::fromStdString((runtime.path() / "qinghe.lock").string());
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(lock) && waited.elapsed() < 10000) QThread::msleep(20);
    ASSERT_TRUE(QFileInfo::exists(lock)) << "the first copy never took the lock";

    QProcess second;
    second.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    second.start(program, {});
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_LT(timer.elapsed(), 3000);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(second.readAllStandardOutput(), QByteArray());
    EXPECT_EQ(second.readAllStandardError(), QByteArray());

    EXPECT_EQ(first.state(), QProcess::Running);  // untouched
    first.kill();
    first.waitForFinished(5000);
}

}  // namespace
}  // namespace qinghe
