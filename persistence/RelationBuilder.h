#pragma once
// The passes of CXMLDataManager::BuildRelations: the identifier texts that the element readers
// kept become links. Every finding is written into the global message buffer (and the log); the
// result is the lowest level reached: 1 complete, -1 repaired by clearing a reference, -2 a
// reference unresolved or a link refused.
#include <memory_resource>
#include <string>
#include <unordered_map>
#include <vector>

#include "persistence/TreeTops.h"

class CApplicationKav;
class CDataSet;
class CFileKav;
class CKavroObj;
class CRequirement;
class CTabControlKav;
class CTaskKav;
class CTaskStep;
class CTestCase;
class CTestStep;
class CTransitionKav;
class CWindowKav;
class CXMLDataManager;

class RelationBuilder {
public:
    static constexpr int kComplete = 1;
    static constexpr int kRepaired = -1;
    static constexpr int kUnresolved = -2;

    RelationBuilder(CApplicationKav& project, const CXMLDataManager& reader, bool log);
    int Run();

    // The root task is named after the project, except in the project that VORNAK sent; a name
    // the task may not take (a blank in a task that is no folder) leaves its own.
    static void NameRootTask(CTaskKav& task, const CApplicationKav& project);

private:
    // Lookups by identifier, exact, the first object in list order; each list is indexed once,
    // since nothing that the passes change moves an identifier. The indexes' nodes come from one
    // pool, given back at once with the builder.
    template <class T>
    using Index = std::pmr::unordered_map<std::string, T*>;
    void BuildIndexes();
    template <class T>
    static T* Find(const Index<T>& index, const std::string& id) {
        auto found = index.find(id);
        return found == index.end() ? nullptr : found->second;
    }

    void LinkProject();
    void LinkOwningFiles();
    void LinkOwningFile(CKavroObj& object, int missingMessage);
    void LinkWindows();
    void LinkWindow(CWindowKav& window);
    void LinkTabControl(CTabControlKav& tabControl);
    void LinkTasks();
    // Whether the task is the first one without parent: the root task.
    void LinkTask(CTaskKav& task, bool& rootFound);
    // The position of the task's first step of the identifier, or kNowhere.
    static constexpr std::size_t kNowhere = static_cast<std::size_t>(-1);
    std::size_t PositionInTask(const CTaskKav& task, const std::string& id) const;
    // The steps that a task's steps name as successors, and whether its connections, those its
    // steps have and those they name, leave the flow without a cycle: then no connection can be
    // refused, and none is checked on its own.
    struct TaskFlow {
        // The positions that the successor identifiers of each step name, in order (kNowhere
        // for none); those of the step at position i start at firstNamed[i].
        std::vector<std::size_t> named;
        std::vector<std::size_t> firstNamed;
        std::string startId;
        bool acyclic = false;
    };
    TaskFlow ReadTaskFlow(const CTaskKav& task) const;
    void LinkTaskStep(CTaskKav& task, std::size_t position, const TaskFlow& flow);
    void LinkRequirements();
    void LinkTestCases();
    void LinkTestStep(CTestStep& step);
    void LinkTestScripts();
    void QualifyDesignators();

    // A reference that can be repaired: a non-empty text is looked up and the link set to the
    // target; when there is none, the finding is reported and the text cleared, so that the
    // next save writes no reference. True when it was cleared.
    template <class Owner, class GetId, class SetId, class SetLink, class T>
    bool ResolveOrClear(Owner& owner, GetId getId, SetId setId, SetLink setLink, const Index<T>& index, int message) {
        const std::string id = (owner.*getId)();
        if (id.empty()) return false;
        T* target = Find(index, id);
        (owner.*setLink)(target);
        if (target) return false;
        Report(kRepaired, message, id);
        (owner.*setId)(std::string());
        return true;
    }

    // Links the child below the parent as the model's AddChild does. When the passes started on
    // unlinked tasks and requirements, the tops of the trees linked so far tell the one link of
    // a cycle that closes it, which AddChild then refuses with its message; no other link walks
    // up the tree. Objects that were linked before take AddChild for every link.
    template <class T>
    bool LinkChild(T& parent, T& child, TreeTops<T>& tops) const {
        if (!startedUnlinked_) return parent.AddChild(&child);
        const T* top = tops.Top(&parent);
        if (top == &child) return parent.AddChild(&child);
        if (!parent.AddChildNoCycleCheck(&child)) return false;
        tops.Linked(&child, top);
        return true;
    }

    // A finding with its message (the argument its only placeholder): formatted, logged, and
    // the result lowered.
    void Report(int level, int message);
    void Report(int level, int message, const std::string& argument);
    // A link that a model operation refused with its own message.
    void ReportRefusal();
    void Lower(int level);

    CApplicationKav& project_;
    const CXMLDataManager& reader_;
    const bool log_;
    int result_ = kComplete;

    // The windows of the table in walk order, taken once: no pass enters or removes a window.
    std::vector<CWindowKav*> tableWindows_;
    std::pmr::monotonic_buffer_resource pool_;
    Index<CFileKav> files_{&pool_};
    Index<CWindowKav> windows_{&pool_};
    Index<CTransitionKav> transitions_{&pool_};
    Index<CTaskKav> tasks_{&pool_};
    // Each step identifier (the empty one too, which a successor may name) with the first step
    // that has it, that step's task and position there, and whether another step has it too.
    struct StepPlace {
        CTaskStep* step;
        const CTaskKav* task;
        std::size_t position;
        bool repeated = false;
    };
    std::pmr::unordered_map<std::string, StepPlace> taskSteps_{&pool_};
    Index<CDataSet> dataSets_{&pool_};
    Index<CRequirement> requirements_{&pool_};

    bool startedUnlinked_ = true;
    TreeTops<CTaskKav> taskTops_;
    TreeTops<CRequirement> requirementTops_;
};
