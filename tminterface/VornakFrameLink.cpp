#include "tminterface/VornakFrameLink.h"

#include "platform/MessageBuffer.h"
#include "tminterface/VornakCommands.h"

namespace {

constexpr int kNoConnection = 41107;  // [F0107]
constexpr long kHighestPort = 65535;

}  // namespace

VornakFrameLink::VornakFrameLink(std::unique_ptr<VornakSink> sink, std::unique_ptr<VornakHost> host,
                                 VornakSocketOptions options)
    : sink_(std::move(sink)), host_(std::move(host)), vornak_(*sink_, options, host_.get()) {}

void VornakFrameLink::RequestLibraryList() {
    vornak_.ClearLibraries();
    vornak_.SetState(kVornakAwaitingLibraryList);
    vornak_.SendCommand(kCmdRequestLibList);
}

std::unique_ptr<VornakLink> StartVornakLink(std::unique_ptr<VornakSink> sink, std::unique_ptr<VornakHost> host,
                                            long port, VornakSocketOptions options) {
    if (port < 1 || port > kHighestPort) {
        SetMessage(kNoConnection);
        return nullptr;
    }
    auto link = std::make_unique<VornakFrameLink>(std::move(sink), std::move(host), options);
    if (link->Interface().StartThread(static_cast<unsigned>(port)) != 1) {
        SetMessage(kNoConnection);
        return nullptr;
    }
    return link;
}
