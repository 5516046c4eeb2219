// libFuzzer harness of the receiving side of the VORNAK interface: the bytes are a stream that
// the framer cuts into messages, each of which is classified and read by the interface reader.
// The first byte sets the size of the pieces the stream arrives in.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "model/TaskKav.h"
#include "persistence/XMLDataManager.h"
#include "platform/Clock.h"
#include "tests/support/RecordingInterface.h"
#include "tminterface/VornakFramer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Each project the reader drops seeds the random source anew, in steps that grow with the
    // process id.
    static const bool kQuickSeeds = [] {
        InstallClock(std::make_unique<FixedClock>());
        return true;
    }();
    (void)kQuickSeeds;
    if (size == 0) return 0;
    const std::size_t piece = 1 + data[0];
    const std::string_view stream(reinterpret_cast<const char*>(data + 1), size - 1);
    VornakFramer framer;
    for (std::size_t from = 0; from < stream.size(); from += piece) {
        framer.Append(stream.substr(from, piece));
        while (std::optional<std::string> message = framer.NextMessage()) {
            ClassifyMessage(*message);
            RecordingInterface vornak;
            vornak.state = data[0] % 2 == 0 ? 0 : 4;
            vornak.project.GetTasks().Add(new CTaskKav("Exchange", kTaskFolder));
            InstallVornakInterface(&vornak);
            std::unique_ptr<CApplicationKav> project;
            CXMLDataManager().ParseVornakFile(*message, project);
            InstallVornakInterface(nullptr);
        }
    }
    return 0;
}
