// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// A PostgreSQL server of its own for a test or benchmark: a cluster in a
// temporary folder (Debian's initdb and pg_ctl), reached only through a
// Unix socket there, run as `nobody` when the program runs as root.

#include <QtCore/QFileInfo>
#include <QtCore/QProcess>
#include <QtCore/QString>
#include <QtCore/QTemporaryDir>
#include <QtCore/QUrl>

#include <pwd.h>
#include <unistd.h>

namespace TestSupport {

using namespace Qt::Literals::StringLiterals;

/// A PostgreSQL cluster of its own in a temporary folder, reached only
/// through a Unix socket there; run as `nobody` when the test runs as root.
class ThrowawayPostgres
{
public:
    ~ThrowawayPostgres() { stop(); }

    QString start()
    {
        if (!m_dir.isValid())
            return u"no temporary folder"_s;
        if (::geteuid() == 0) {
            const passwd *nobody = ::getpwnam("nobody");
            if (!nobody || ::chown(qPrintable(m_dir.path()), nobody->pw_uid, nobody->pw_gid) != 0)
                return u"cannot hand the cluster folder to the user nobody"_s;
        }
        const QString data = m_dir.filePath(u"data"_s);
        QString error = QFileInfo::exists(data)
            ? QString()
            : pgTool(u"initdb"_s,
                  { u"-D"_s, data, u"-U"_s, u"postgres"_s, u"-A"_s, u"trust"_s, u"--no-sync"_s, u"-E"_s, u"UTF8"_s });
        if (error.isEmpty())
            error = pgTool(u"pg_ctl"_s,
                { u"-D"_s, data, u"-l"_s, m_dir.filePath(u"server.log"_s), u"-w"_s, u"-o"_s,
                    u"-c listen_addresses='' -k "_s + m_dir.path(), u"start"_s });
        m_running = error.isEmpty();
        return error;
    }

    /// Restarts the server the way an administrator does: every open
    /// connection is ended ("terminating connection due to administrator command").
    QString restart()
    {
        return pgTool(u"pg_ctl"_s, { u"-D"_s, m_dir.filePath(u"data"_s), u"-m"_s, u"fast"_s, u"-w"_s, u"restart"_s });
    }

    /// Stops the server; "immediate" the way a power cut does (the next start recovers).
    void stop(const char16_t *mode = u"fast")
    {
        if (m_running)
            pgTool(u"pg_ctl"_s,
                { u"-D"_s, m_dir.filePath(u"data"_s), u"-m"_s, QString::fromUtf16(mode), u"-w"_s, u"stop"_s });
        m_running = false;
    }

    /// The database `name` on this server, as --database takes it.
    QString url(const QString &name = u"postgres"_s) const
    {
        return u"postgresql://postgres@%1/%2"_s.arg(QString::fromUtf8(QUrl::toPercentEncoding(m_dir.path())), name);
    }

private:
    QString pgTool(const QString &tool, const QStringList &arguments)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"LC_ALL"_s, u"C"_s);
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_dir.path());
        if (::geteuid() == 0)
            process.start(u"runuser"_s,
                QStringList { u"-u"_s, u"nobody"_s, u"--"_s, QStringLiteral("/usr/lib/postgresql/15/bin/") + tool } +
                    arguments);
        else
            process.start(QStringLiteral("/usr/lib/postgresql/15/bin/") + tool, arguments);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode())
            return u"%1 failed: %2 %3"_s.arg(tool, process.errorString(), QString::fromLocal8Bit(process.readAll()));
        return {};
    }

    QTemporaryDir m_dir;
    bool m_running = false;
};

} // namespace TestSupport

using TestSupport::ThrowawayPostgres;
