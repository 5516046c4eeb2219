// Streams of messages cut, flipped, truncated and spliced at random go through the framer, the
// classification and the interface reader: the messages do not depend on how the stream was
// cut, and nothing crashes or fails without a message. The seed is printed; set KAVRO_SEED to
// run one again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <random>

#include "LoopbackPeer.h"
#include "model/TaskKav.h"
#include "persistence/XMLDataManager.h"
#include "platform/Clock.h"
#include "platform/MessageBuffer.h"
#include "tests/support/RecordingInterface.h"
#include "tminterface/VornakCommands.h"
#include "tminterface/VornakFramer.h"

namespace {

const std::string kEnvelope = "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n<VORNAK_KAVRO_INTERFACE ProcessID=\"42\">";

std::string Message(const std::string& command) {
    return kEnvelope + "<COMMAND>" + command + "</COMMAND></VORNAK_KAVRO_INTERFACE>";
}

const std::vector<std::string> kCorpus = {
    Message("<CMD_PING/>"),
    Message("\n\t\t<CMD_PING_OK/>\n"),
    Message("<CMD_OK/>"),
    Message("<CMD_SHOW_TASK TaskID=\"kavrotc-1\"/>"),
    Message("<CMD_FAIL ErrorCode=\"8\" ErrorMessage=\"a &amp; b\"/>"),
    Message("<CMD_DATA_LIBLIST><KAVRO_LIB FileID=\"f1\" Name=\"L\xC3\xBC\"/><KAVRO_LIB FileID=\"f2\" Name=\"M\"/>"
            "</CMD_DATA_LIBLIST>"),
    Message("<CMD_DATA_TS RestoreFromFile=\"1\"><VORNAK_EXCHANGE><PROJECT name=\"R\"><TS>"
            "<TP name=\"Outer\" user_defined_id=\"p1\"><DESCRIPTION>&lt;b&gt;x</DESCRIPTION>"
            "<TP name=\"Inner\" user_defined_id=\"p2\"><TC/></TP></TP></TS></PROJECT></VORNAK_EXCHANGE>"
            "</CMD_DATA_TS>"),
    Message("<CMD_DATA_KAVRO><KAVRO_DATA Version=\"12.4\"><PROJECT ID=\"p\" Name=\"Sent\"/>"
            "<TASK ID=\"t1\" Name=\"T\" Description=\"<![CDATA[no]]>\"/><!-- </VORNAK_KAVRO_INTERFACE -->"
            "</KAVRO_DATA></CMD_DATA_KAVRO>"),
};

std::uint32_t ChooseSeed() {
    if (const char* given = std::getenv("KAVRO_SEED")) return static_cast<std::uint32_t>(std::strtoul(given, nullptr, 10));
    return std::random_device()();
}

class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : random_(seed) {}

    size_t Below(size_t bound) { return bound == 0 ? 0 : std::uniform_int_distribution<size_t>(0, bound - 1)(random_); }

    // One to four messages of the corpus with white space between them, then up to three changes.
    std::string Stream() {
        std::string stream;
        for (size_t count = 1 + Below(4); count > 0; --count) {
            stream += std::string(Below(3), "\n \t\r"[Below(4)]);
            stream += kCorpus[Below(kCorpus.size())];
        }
        for (size_t changes = Below(4); changes > 0; --changes) Change(stream);
        return stream;
    }

    // The stream in random pieces.
    std::vector<std::string> Pieces(const std::string& stream) {
        std::vector<std::string> pieces;
        for (size_t from = 0; from < stream.size();) {
            const size_t length = 1 + Below(200);
            pieces.push_back(stream.substr(from, length));
            from += length;
        }
        return pieces;
    }

private:
    void Change(std::string& stream) {
        const size_t at = Below(stream.size() + 1);
        const size_t length = Below(std::min<size_t>(40, stream.size() - at) + 1);
        switch (Below(5)) {
            case 0:  // flip bits
                for (size_t i = at; i < at + length; ++i) stream[i] = static_cast<char>(stream[i] ^ (1 + Below(255)));
                break;
            case 1: stream.erase(at, length); break;  // cut a piece out
            case 2: stream.resize(at); break;         // truncate
            case 3: stream.insert(at, stream.substr(at, length)); break;  // repeat a piece
            default: {  // insert bytes that matter to XML
                static const std::string kMarkup("<>/&;\"'?!-[]\0\xC3\xFF", 16);
                std::string inserted;
                for (size_t i = 0; i < 1 + Below(6); ++i) inserted += kMarkup[Below(kMarkup.size())];
                stream.insert(at, inserted);
            }
        }
    }

    std::mt19937 random_;
};

}  // namespace

TEST(RandomStreams, MessagesDoNotDependOnTheCutsAndNothingFailsSilently) {
    const std::uint32_t seed = ChooseSeed();
    std::cout << "KAVRO_SEED=" << seed << std::endl;
    SCOPED_TRACE("KAVRO_SEED=" + std::to_string(seed));
    Mutator mutator(seed);
    // Each project the reader makes and drops seeds the shared random source anew, in steps
    // that grow with the process id: a small fixed one keeps that quick.
    InstallClock(std::make_unique<FixedClock>());
    for (int round = 0; round < 10000; ++round) {
        const std::string stream = mutator.Stream();
        const std::vector<std::string> messages = Frame({stream});
        ASSERT_EQ(Frame(mutator.Pieces(stream)), messages) << round;
        for (const std::string& message : messages) {
            ASSERT_TRUE(message.ends_with(kVornakEndTag)) << round;
            ASSERT_EQ(message.find(kVornakEndTag), message.size() - kVornakEndTag.size()) << round;
            ASSERT_EQ(std::string_view(" \t\r\n").find(message.front()), std::string_view::npos) << round;
            const bool ping = CommandElementOf(message) == "CMD_PING";
            ASSERT_EQ(ClassifyMessage(message) == VornakMessageKind::Ping, ping) << round;

            // The reader, as the interface runs it before and after the test structure came.
            RecordingInterface vornak;
            vornak.state = round % 2 == 0 ? 0 : 4;
            vornak.project.GetTasks().Add(new CTaskKav("Exchange", kTaskFolder));
            InstallVornakInterface(&vornak);
            ClearGlobalMessage();
            std::unique_ptr<CApplicationKav> project;
            CXMLDataManager reader;
            const bool parsed = reader.ParseVornakFile(message, project);
            InstallVornakInterface(nullptr);
            ASSERT_TRUE(parsed || !GetGlobalMessageBuffer().empty()) << round << ": " << message;
        }
    }
}
