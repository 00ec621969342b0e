#pragma once

#include "LMToolCommand.h"

#include <memory>

class LMContentFilterParameter;
class LMJigType;
class LMTemplateFilterAbstract;

// "list": the templates a product context offers, kind by kind, through the library's filters;
// with --jig clipart or mask, the decorations of the content tree.
class LMToolCommandList : public LMToolCommand
{
public:
    LMToolCommandList();

    // The jig types the command lists, by the words it accepts ("layout", "background" ...); an
    // unknown word gives the unknown jig type.
    static QList<QString> jigWords();
    // The word of jigWords() for a jig type; empty for a type the command does not list.
    static QString jigWord(const LMJigType& theJigType);
    // The decoration kinds the command lists instead, on their own: "clipart", "mask".
    static QList<QString> decorationWords();
    // The filter of the templates of the kind a word of jigWords() names; null for another word.
    static std::unique_ptr<LMTemplateFilterAbstract> filterForKind(const QString& theWord,
                                                                   const LMContentFilterParameter& theParameter);

protected:
    void addOptions(QCommandLineParser& theParser) override;
    int execute() override;

private:
    // The decorations of the content tree of the kinds, by unique name.
    int listDecorations(const QStringList& theWords);
};
