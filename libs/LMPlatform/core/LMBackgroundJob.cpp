#include "LMBackgroundJob.h"

// Defined here so that the type information lives in this library and dynamic_cast between jobs
// works across the libraries of the process.
LMBackgroundJob::~LMBackgroundJob() = default;
