// An outside program built against the installed package.
#include "LMTemplatesLogging.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication anApp(argc, argv);
    std::printf("category %s\n", lcFoundation().categoryName());
    return 0;
}
