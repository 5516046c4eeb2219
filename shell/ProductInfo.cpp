#include "shell/ProductInfo.h"

std::string ProductNameAndVersion() { return std::string("KAVRO Version ") + KAVRO_VERSION; }
