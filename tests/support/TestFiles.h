#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace fyn::test {

// Small file chores of the tests.
class TestFiles {
public:
    // Empty when the file cannot be read.
    static QByteArray read(const QString& path);
    static bool write(const QString& path, const QByteArray& bytes);
    // Every entry of a folder, hidden ones included, sorted.
    static QStringList entries(const QString& folder);
};

} // namespace fyn::test
