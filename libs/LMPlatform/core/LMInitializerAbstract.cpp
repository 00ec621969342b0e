#include "LMInitializerAbstract.h"

LMInitializerAbstract::~LMInitializerAbstract() = default;
