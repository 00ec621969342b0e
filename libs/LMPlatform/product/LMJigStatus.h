#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMJigStatusEnum : qint32 { None = 0, Installed = 1, Downloaded = 2, New = 4 };
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMJigStatusEnum)

// Where a design element stands for the user, as bits: installed with the content, downloaded
// later, new (downloaded and not looked at yet).
class LMPLATFORM_EXPORT LMJigStatus : public LMEnumWrapper<LMJigStatusEnum>
{
public:
    LMJigStatus() = default;
    LMJigStatus(LMJigStatusEnum theValue) : LMEnumWrapper(theValue) { }
    LMJigStatus(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMJigStatus(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // True when the status shares a bit with the wanted one: asking for installed or downloaded
    // elements (3) takes either, as an element is installed or downloaded, never both. The empty
    // wanted status is had by all.
    bool hasStatus(const LMJigStatus& theWanted) const
    {
        return theWanted.value() == 0 || (myValue & theWanted.value()) != 0;
    }

    void fillTable(Table* theTable) const override;
};
