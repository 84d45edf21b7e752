// The single-instance guard: a per-user lock file in the runtime folder that the running copy of
// the program holds for its whole run. A second copy finds it taken and ends at once.
#pragma once

#include <QLockFile>
#include <QString>

namespace qinghe {

class SingleInstanceGuard {
public:
    // The lock file "qinghe.lock" in the user's runtime folder ($XDG_RUNTIME_DIR).
    static QString defaultLockPath();

    explicit SingleInstanceGuard(const QString& lockPath = defaultLockPath());

    // True when no other copy runs: this process now holds the lock until it ends. A lock left
    // behind by a copy that crashed belongs to a process that no longer exists and is taken over.
    bool acquire();

private:
    QLockFile lock_;
};

}  // namespace qinghe
