// The VORNAK interface over the loopback: CMD_OK messages a second in each direction, and a
// message of 16 MiB arriving in pieces of 64 KiB. The work is on the interface's worker
// thread, so the times are wall-clock times.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "tests/tminterface/LoopbackPeer.h"
#include "tminterface/VornakCommands.h"
#include "tminterface/VornakIF.h"

namespace {

constexpr int kBatch = 1000;

void Require(bool ok, const char* what) {
    if (!ok) throw std::runtime_error(what);
}

// The interface connected to a peer, its first messages taken.
class Connection {
public:
    Connection() {
        VornakSocketOptions options;
        options.localPort = 0;
        vornak.emplace(posts, options);
        Require(vornak->StartThread(peer.Port()) == 1 && peer.Accept(), "connect");
        Require(peer.ReadMessage() && peer.ReadMessage(), "first commands");
        Require(posts.Take(kPatience).has_value(), "state");
    }

    LoopbackPeer peer;
    VornakPostQueue posts;
    std::optional<CVornakIF> vornak;
};

void BM_OkMessagesReceived(benchmark::State& state) {
    Connection connection;
    std::string batch;
    for (int i = 0; i < kBatch; ++i) batch += VornakMessage("<CMD_OK/>");
    for (auto _ : state) {
        Require(connection.peer.Write(batch), "write");
        for (int i = 0; i < kBatch; ++i) Require(connection.posts.Take(kPatience).has_value(), "message");
    }
    state.SetItemsProcessed(state.iterations() * kBatch);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(batch.size()));
}
BENCHMARK(BM_OkMessagesReceived)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OkMessagesSent(benchmark::State& state) {
    Connection connection;
    for (auto _ : state) {
        for (int i = 0; i < kBatch; ++i) Require(connection.vornak->SendCommand(kCmdOk) == 1, "send");
        for (int i = 0; i < kBatch; ++i) Require(connection.peer.ReadMessage().has_value(), "read");
    }
    state.SetItemsProcessed(state.iterations() * kBatch);
}
BENCHMARK(BM_OkMessagesSent)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LargeMessageIn64KiBPieces(benchmark::State& state) {
    Connection connection;
    std::string message = "<VORNAK_KAVRO_INTERFACE ProcessID=\"4711\"><COMMAND><CMD_DATA_KAVRO><KAVRO_DATA>";
    const std::string task = "<TASK ID=\"t\" Name=\"a task\" Description=\"what it does\"/>\n";
    while (message.size() + task.size() + 100 < (16u << 20)) message += task;
    message += "</KAVRO_DATA></CMD_DATA_KAVRO></COMMAND></VORNAK_KAVRO_INTERFACE>";
    for (auto _ : state) {
        for (size_t from = 0; from < message.size(); from += 65536)
            Require(connection.peer.Write(std::string_view(message).substr(from, 65536)), "write");
        const std::optional<VornakPost> post = connection.posts.Take(kPatience);
        Require(post && post->text.size() == message.size(), "message");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(message.size()));
}
BENCHMARK(BM_LargeMessageIn64KiBPieces)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
