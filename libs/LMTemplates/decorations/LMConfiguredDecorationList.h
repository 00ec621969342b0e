#pragma once

#include "LMAbstractDecorationList.h"
#include "LMConfiguredDecoration.h"
#include "LMTemplatesExport.h"

#include <QList>

// Configured decorations in the order a design style hands them out.
class LMTEMPLATES_EXPORT LMConfiguredDecorationList : public QList<LMConfiguredDecoration>
{
public:
    LMConfiguredDecorationList() = default;
    // Each decoration with the default configuration.
    explicit LMConfiguredDecorationList(const LMAbstractDecorationList& theDecorations);
    virtual ~LMConfiguredDecorationList();

    LMAbstractDecorationList abstractDecorations() const;
    // Moves the first element to the end (n modulo the count) times; nothing for n below one.
    void rotate(int theCount);
};
