#include "cli/Commands.h"

namespace vantrel::cli {

int runCatalogue(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    err << "vantrel-scn: this command is not available yet\n";
    return 2;
}

} // namespace vantrel::cli
