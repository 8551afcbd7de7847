#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// A named lock that tells a second copy of the program that one already runs.
// It is a file lock in the user's runtime folder, so the kernel frees it when
// the holder ends, even after a crash.
class SingleInstanceLock final {
public:
    SingleInstanceLock(const QString& folder, const QString& name);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // True when another holder had the lock at creation; this one then holds
    // nothing.
    bool alreadyExists() const { return m_alreadyExists; }
    // Lets another copy start (before this one hands over to a new process).
    void release();
    // Holds the lock again after release(), when the handover did not happen;
    // false when another copy took it meanwhile.
    bool retake();

private:
    bool take();

    QByteArray m_path;
    int m_fd = -1;
    bool m_alreadyExists = false;
};

} // namespace platform
