// An outside program built against the installed package: it uses both libraries.
#include "LMDirectoryConfig.h"
#include "LMInitializer.h"
#include "LMTemplatesSettings.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication anApp(argc, argv);
    QTemporaryDir aDir;
    LMSettings::setStoreFile(aDir.filePath(QStringLiteral("store.ini")));
    LMInitializer::instance()->setupAll(LMInitializerOption::Headless);

    const QColor aColor = LMTemplatesSettings::instance()->proximitySortColor();
    std::printf("content root %s, proximity colour %s\n", qPrintable(LMDirectoryConfig::instance()->contentRoot()),
                qPrintable(aColor.name()));
    LMInitializer::instance()->teardownAll();
    return aColor == LMTemplatesSettings::defaultProximitySortColor() ? 0 : 1;
}
