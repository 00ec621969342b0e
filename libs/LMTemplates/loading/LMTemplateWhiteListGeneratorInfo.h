#pragma once

#include "LMArticlesGroup.h"
#include "LMTemplateSourceFile.h"

// One template file of a white-list generation and the products its filters name. The product
// filter stays invalid until a generator job has read one from the file.
class LMTemplateWhiteListGeneratorInfo
{
public:
    LMTemplateWhiteListGeneratorInfo() = default;
    explicit LMTemplateWhiteListGeneratorInfo(const LMTemplateSourceFile& theFile) : mySourceFile(theFile) { }

    const LMTemplateSourceFile& sourceFile() const { return mySourceFile; }
    const LMArticlesGroup& productFilter() const { return myProductFilter; }
    void setProductFilter(const LMArticlesGroup& theFilter) { myProductFilter = theFilter; }

private:
    LMTemplateSourceFile mySourceFile;
    LMArticlesGroup myProductFilter;
};
