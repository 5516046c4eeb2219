#include "import/repository/RepositoryReaders.h"

#include "conversion/framework/OutputFormats.h"
#include "import/repository/XMLDataQTP.h"
#include "import/repository/XMLDataRanorex.h"

void InstallRepositoryReaders() {
    InstallRepositoryReader(kFormatUft, &GetUftRepositoryReader());
    InstallRepositoryReader(kFormatRanorex, &GetRanorexRepositoryReader());
}
