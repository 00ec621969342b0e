#pragma once

#include <QStringList>
#include <QTemporaryDir>

namespace LMTestSupport {

// Points the library at the sample content tree, with theUserData as the user's data folder, reads
// its catalogue and loads the templates of the articles; false when the catalogue cannot be read.
bool openSampleContent(const QTemporaryDir& theUserData, const QStringList& theArticles);

} // namespace LMTestSupport
