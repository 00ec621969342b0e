#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace LMTestSupport {

// Points the library at a content tree in theDir: "content" holding theCatalogue as
// products/catalogue.json, an empty "user" folder as the user's data; reads the catalogue. False
// when the catalogue is empty or cannot be read. theCatalogue is a fixture (fixture("x/y.json")) or
// a text of the test.
bool useContentTree(const QTemporaryDir& theDir, const QByteArray& theCatalogue);

// A content tree of its own in a temporary folder, the library pointed at it while the test runs.
class ContentTree
{
public:
    explicit ContentTree(const QByteArray& theCatalogue);
    ContentTree(const ContentTree&) = delete;
    ContentTree& operator=(const ContentTree&) = delete;

    bool isValid() const { return myValid; }
    const QTemporaryDir& dir() const { return myDir; }
    // The path below "content" (the tree's root with no argument).
    QString contentPath(const QString& theRelativePath = QString()) const;
    QString userPath(const QString& theRelativePath = QString()) const;
    // Writes the file below "content", creating missing folders; returns its path.
    QString write(const QString& theRelativePath, const QByteArray& theContent) const;

private:
    QTemporaryDir myDir;
    bool myValid = false;
};

} // namespace LMTestSupport
