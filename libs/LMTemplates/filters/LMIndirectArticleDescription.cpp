#include "LMIndirectArticleDescription.h"
