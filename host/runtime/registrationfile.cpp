#include "registrationfile.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonDocument>
#include <QtCore/QSaveFile>
#include <QtCore/QUuid>

namespace ZebVendorContact::Registration {

namespace {

QString dataHome()
{
    // The XDG base directory rule: a relative XDG_DATA_HOME is invalid and
    // must be ignored.
    const QString fromEnvironment = qEnvironmentVariable("XDG_DATA_HOME");
    if (!fromEnvironment.isEmpty() && QDir::isAbsolutePath(fromEnvironment)) {
        return QDir::cleanPath(fromEnvironment);
    }
    return QDir::homePath() + u"/.local/share";
}

} // namespace

QString filePath()
{
    return dataHome() + u"/ZebVendorContact/registry.json";
}

QString normalizedId(QStringView id)
{
    const QUuid uuid = QUuid::fromString(id.trimmed());
    if (uuid.isNull()) {
        return {};
    }
    return uuid.toString(QUuid::WithBraces);
}

bool sameLibraryFile(const QString &a, const QString &b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    const QString canonicalB = QFileInfo(b).canonicalFilePath();
    if (!canonicalA.isEmpty() && !canonicalB.isEmpty()) {
        return canonicalA == canonicalB;
    }
    // A file that no longer exists can only be matched by its name.
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath()) == QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

bool readRecord(QJsonObject *root, QString *error)
{
    *root = QJsonObject();
    QFile file(filePath());
    if (!file.exists()) {
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        *error = QStringLiteral("%1 is not a registration record: %2")
                     .arg(file.fileName(),
                         parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                      : QStringLiteral("not a JSON object"));
        return false;
    }
    *root = document.object();
    return true;
}

bool writeRecord(const QJsonObject &root, QString *error)
{
    const QString path = filePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QStringLiteral("cannot create the directory of %1").arg(path);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    file.write(QJsonDocument(root).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace ZebVendorContact::Registration
