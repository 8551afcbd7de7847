#include "PrivateHome.h"

#include <QDir>
#include <QFile>

PrivateHome::PrivateHome()
    : m_savedConfig(qgetenv("XDG_CONFIG_HOME")), m_savedRuntime(qgetenv("XDG_RUNTIME_DIR"))
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(path()));
    // Qt wants the runtime folder private to the user.
    const QString runtime = path() + "/run";
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
}

PrivateHome::~PrivateHome()
{
    qputenv("XDG_CONFIG_HOME", m_savedConfig);
    qputenv("XDG_RUNTIME_DIR", m_savedRuntime);
}
