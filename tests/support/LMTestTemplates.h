#pragma once

#include "LMTemplateList.h"
#include "LMUnconfiguredTemplateList.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class LMTemplate;
class LMTemplateBackgroundDefinition;
class LMThematicCategorySet;

namespace LMTestSupport {

// The categories of "a|b|c".
LMThematicCategorySet categorySet(const QString& theText);

// A background definition read from the attributes of a version-1 template element.
LMTemplateBackgroundDefinition backgroundDefinition(const QString& theAttributes);

// A template from a short description: its name, then any of
//   "jig=N", "layer=N", "B" (a background: jig and layer type 1), "id=N", "price=CODE", "page=N",
//   "orient=N", "mirror=N", "spot=N", "user", "layout", "inactive", "fav",
//   "cat=a|b" (subcategories), "theme=a|b", "art=ORDER|ORDER", "var=a|b", "file=PATH",
//   "time=N" (metadata changed N seconds after 2020), "bg=N" (background file "bg_N.jpg"),
//   "mc" (a multi-colour variant 30,2 of that background), "frame=N" (frame material), "glass=N"
//   (glass material), "holder=none" (the no-wallholder item),
//   "areas=ftcps" (photo, text, clipart, photo background, smart layout areas).
// The jig type picks the template's class (LMTemplate::create), so "jig=128 frame=2" is a frame;
// "frame=" without a jig type makes one too.
// An unknown word stops the test program: a typo in a table never passes silently.
std::unique_ptr<LMTemplate> makeTemplate(const QString& theDescription);

// A new template from a description, handed to the caller as a handle (the registry takes it).
LMUnconfiguredTemplate releasedTemplate(const QString& theDescription);
LMUnconfiguredTemplateList releasedTemplates(const QStringList& theDescriptions);

// Owns the templates of one test, made from descriptions; lists hand out handles to them.
class TemplatePool
{
public:
    explicit TemplatePool(const QStringList& theDescriptions);
    LMUnconfiguredTemplate at(int theIndex) const;
    // The template of that name; stops the test program when there is none.
    LMUnconfiguredTemplate byName(const QString& theName) const;
    // "Name" or "Name:configuration".
    LMConfiguredTemplate configured(const QString& theText) const;
    LMUnconfiguredTemplateList unconfigured() const;
    LMTemplateList configured() const;

private:
    std::vector<std::unique_ptr<LMTemplate>> myTemplates;
};

} // namespace LMTestSupport
