#include "app/single_instance_guard.hpp"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace qinghe {

QString SingleInstanceGuard::defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder + QStringLiteral("/qinghe.lock");
}

SingleInstanceGuard::SingleInstanceGuard(const QString& lockPath) : lock_(lockPath) {
    // The lock is held for as long as the program runs, so it must never turn stale by age;
    // a lock whose process has died is still recognised as stale by its process number.
    lock_.setStaleLockTime(0);
}

bool SingleInstanceGuard::acquire() {
    if (lock_.isLocked()) return true;
    QDir().mkpath(QFileInfo(lock_.fileName()).absolutePath());
    return lock_.tryLock(0);
}

}  // namespace qinghe
