#include "LMTemplateAcceptor.h"

LMTemplateAcceptor::~LMTemplateAcceptor() = default;
