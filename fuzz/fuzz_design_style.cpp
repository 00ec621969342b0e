// Design style files: root, header with its metadata, pages, templates, rule sets and every
// collection; what was read is written again and the written document read back.
#include "LMDesignStyleImpl.h"
#include "LMFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, size_t theSize)
{
    LMFuzzSupport::init();
    const QFileInfo aFile = LMFuzzSupport::writeInput(QStringLiteral("style.xml"), theData, theSize);
    const LMDesignStyleImpl aStyle(aFile);
    if (aStyle.isNull())
        return 0;
    const QByteArray aWritten = aStyle.buildXML(aFile).toByteArray();
    const QFileInfo aCopy
        = LMFuzzSupport::writeInput(QStringLiteral("copy.xml"), reinterpret_cast<const uint8_t*>(aWritten.constData()),
                                    static_cast<size_t>(aWritten.size()));
    const LMDesignStyleImpl aReread(aCopy);
    (void)aReread.toDebugString();
    return 0;
}
