#include "LMRatedTemplate.h"

LMRatedTemplate::~LMRatedTemplate() = default;
