#include "generation/CoverageTargets.h"

#include "generation/MethodCodes.h"
#include "generation/TCGTask.h"
#include "model/DataSet.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "platform/Format.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"

namespace {

// A node as target: the start (one test case) or each uncovered step of the instance.
class NodeTarget : public CoverageTarget {
public:
    NodeTarget(CTCGTask& graph, int contextNumber, bool everyStep, Progress& progress)
        : graph_(graph), contextNumber_(contextNumber), everyStep_(everyStep), progress_(progress) {}

    bool First() override {
        node_ = everyStep_ ? graph_.FindUncoveredNode(contextNumber_) : graph_.GetStartNode();
        if (!node_ && everyStep_) progress_.AddLogText("All steps are already covered by other test cases");
        return node_;
    }
    bool Next() override {
        node_ = everyStep_ ? graph_.FindUncoveredNode(contextNumber_) : nullptr;
        return node_;
    }
    CTaskNode* From() const override { return node_; }
    CTaskNode* To() const override { return node_; }
    void MarkUnreachable() override {
        node_->covered = true;
        node_->blocked = true;
    }
    std::string UnreachableMessage() const override {
        return FormatMessageId(44028, node_->task->GetName(), node_->step->GetName());
    }

private:
    CTCGTask& graph_;
    int contextNumber_;
    bool everyStep_;
    Progress& progress_;
    CTaskNode* node_ = nullptr;
};

class ConnectionTarget : public CoverageTarget {
public:
    ConnectionTarget(CTCGTask& graph, int contextNumber, Progress& progress)
        : graph_(graph), contextNumber_(contextNumber), progress_(progress) {}

    bool First() override {
        if (!Next()) progress_.AddLogText("All connections are already covered by other test cases");
        return edge_;
    }
    bool Next() override {
        edge_ = graph_.FindUncoveredConnection(contextNumber_);
        return edge_;
    }
    CTaskNode* From() const override { return edge_->from; }
    CTaskNode* To() const override { return edge_->to; }
    void MarkUnreachable() override {
        edge_->covered = true;
        edge_->blocked = true;
    }
    std::string UnreachableMessage() const override {
        return FormatMessageId(44034, edge_->from->task->GetName(), edge_->from->step->GetName(),
                               edge_->to->task->GetName(), edge_->to->step->GetName());
    }

private:
    CTCGTask& graph_;
    int contextNumber_;
    Progress& progress_;
    CTaskNodeConnect* edge_ = nullptr;
};

// Each record of the task's data set of the kind, from its first, once round: a path from the
// start, simulated with that record as the data set's current one.
class RecordTarget : public CoverageTarget {
public:
    RecordTarget(CTCGTask& graph, CTaskKav& task, int kind, Progress& progress)
        : graph_(graph), task_(task), kind_(kind), progress_(progress) {}

    bool First() override {
        dataSet_ = task_.GetDataSet();
        if (!dataSet_) {
            progress_.AddLogText(FormatMessageId(44512, task_.GetName()));
            return false;
        }
        dataSet_->SetCurrentRecord(nullptr);
        bool wrapped = false;
        if (!dataSet_->GetNextRecord(kind_, wrapped)) {
            const char* which = kind_ == kRecordsValid ? "valid " : kind_ == kRecordsInvalid ? "invalid " : "";
            progress_.AddLogText(FormatMessageId(44513, dataSet_->GetName(), which));
            return false;
        }
        return true;
    }
    bool Next() override {
        bool wrapped = false;
        if (!dataSet_->GetNextRecord(kind_, wrapped) || wrapped) return false;
        graph_.ResetBlocked();
        return true;
    }
    void Announce() override {
        progress_.AddLogText(Fmt("Generating test cases for data record '%s'", Record().GetName()));
    }
    CTaskNode* From() const override { return graph_.GetStartNode(); }
    CTaskNode* To() const override { return graph_.GetStartNode(); }
    void MarkUnreachable() override {}
    std::string UnreachableMessage() const override { return FormatMessageId(44572, Record().GetName()); }

    int TestCaseKind() const override { return kTestCaseDataCoverage; }
    int ErrorCase() const override { return Record().IsValid() ? 0 : 1; }
    CDataSet* DataSetInUse() const override { return dataSet_; }

private:
    const CDataRecord& Record() const { return *dataSet_->GetCurrentRecord(); }

    CTCGTask& graph_;
    CTaskKav& task_;
    int kind_;
    Progress& progress_;
    CDataSet* dataSet_ = nullptr;
};

}  // namespace

int CoverageTarget::TestCaseKind() const { return kTestCaseGraphCoverage; }

std::unique_ptr<CoverageTarget> MakeCoverageTarget(int method, CTCGTask& graph, CTaskKav& task, CTaskNode& entry,
                                                   Progress& progress) {
    switch (method) {
        case kMethodSingleTestCase: return std::make_unique<NodeTarget>(graph, entry.contextNumber, false, progress);
        case kMethodStepCoverage: return std::make_unique<NodeTarget>(graph, entry.contextNumber, true, progress);
        case kMethodConnectionCoverage: return std::make_unique<ConnectionTarget>(graph, entry.contextNumber, progress);
        case kMethodValidRecords: return std::make_unique<RecordTarget>(graph, task, kRecordsValid, progress);
        case kMethodInvalidRecords: return std::make_unique<RecordTarget>(graph, task, kRecordsInvalid, progress);
        case kMethodValidRecords | kMethodInvalidRecords:
            return std::make_unique<RecordTarget>(graph, task, kRecordsAll, progress);
        default: return nullptr;
    }
}
