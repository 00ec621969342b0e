#pragma once

// What QCOMPARE prints for the values of the library that have no QDebug operator (the others
// print through it). Found by argument-dependent lookup: include this header in a test that
// compares such values.

class LMArticleVariants;
class LMArticlesGroup;
class LMCategorization;
class LMDesignElementMetaData;
class LMPageConstraint;
class LMRenderingRule;

char* toString(const LMArticleVariants& theVariants);
char* toString(const LMArticlesGroup& theGroup);
char* toString(const LMCategorization& theCategorization);
char* toString(const LMDesignElementMetaData& theMetaData);
char* toString(const LMPageConstraint& theConstraint);
char* toString(const LMRenderingRule& theRule);
