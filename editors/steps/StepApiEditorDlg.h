#pragma once
// The API step editor: in projects with an ESA output format a task step that calls no
// sub-task, and a test step, are described by an API-step template and its named parameters
// instead of an event. The step's command text holds them: the template's name, its
// instruction, then one line "name=value" per parameter, the lines joined by CR LF. Name,
// timeout, criticality, priority, window and the texts are written by OK; conditions, actions
// and field values are edited as copies and merged by the runner.
#include <string>
#include <utility>
#include <vector>

#include "editors/framework/EditorDialog.h"
#include "editors/steps/StepListCopies.h"

class CApplicationKav;
class CDovaTemplate;
class CStepKav;
class CTaskKav;
class CWindowKav;

// Dialog ids of the controls.
enum StepApiEditorControl : int {
    kApiCriticality = 1076,
    kApiTemplate = 1077,
    kApiTemplateHelp = 1078,
    kApiParameterHelp = 1079,
    kApiParameters = 1080,
    kApiConditions = 1325,
    kApiActions = 1326,
    kApiName = 1327,
    kApiTimeout = 1328,
    kApiResultValue = 1329,
    kApiExpectedResult = 1330,
    kApiBrowse = 1331,
    kApiParameterName = 1332,
    kApiParameterValue = 1333,
    kApiInstruction = 1334,
    kApiPriority = 1335,
    kApiDescription = 1336,
    kApiWindow = 1337,
    kApiFields = 1338,
    kApiNewParameter = 1339,
    kApiDeleteParameter = 1340,
    kApiSetParameter = 1341,
    kApiPriorityLabel = 1382,
};

// A parameter line of a command text: the name before the first "=", the value after it.
using ApiParameter = std::pair<std::string, std::string>;

// A command text taken apart. Lines end at a line feed; a carriage return before it goes with
// it. fault: 0 parsed (an empty text parses as no template), else the message id of what was
// wrong (W0939 an unknown template, W0916 a parameter line without "="); the rest is then empty.
struct ApiCommands {
    CDovaTemplate* chosenTemplate = nullptr;
    std::string instruction;
    std::vector<ApiParameter> parameters;
    int fault = 0;
    std::string unknownTemplate;
};
ApiCommands ParseApiCommands(const std::string& commands);
// The command text of the template and parameters, lines joined by CR LF; "" without template.
std::string BuildApiCommands(const CDovaTemplate* chosenTemplate, const std::vector<ApiParameter>& parameters);

class CStepApiEditorDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 285;

    CStepApiEditorDlg(EditorHost& host, CApplicationKav& project);

    // Runs the dialog on a task step (task: the task that holds it) or a test step (task null):
    // 1 after OK on a step that may be changed (the step written, undo step "Edit Step"), 0
    // after Cancel, for a task that may not be changed, or for any other kind of step.
    int EditApiStep(CStepKav* step, CTaskKav* task);

    void OnInitDialog() override;
    bool OnOK() override;
    // Asks before changed conditions, actions or field values are dropped.
    bool OnCancel() override;
    void OnTemplateChosen();
    void OnNewParameter();
    void OnDeleteParameter();
    // Applies the parameter fields: a new row, or the chosen row changed, then the next row is
    // chosen. False after a refusal.
    bool SetParameter();
    void OnBrowseDesignators();
    void OnConditions();
    void OnActions();
    void OnUserDefinedFields();
    // A field that designators can go into lost the focus.
    void OnKillFocusField(int control);

    // The command text as the rows now give it.
    const std::string& GetCommands() const { return commands_; }

protected:
    void OnListRowChosen(int list, int row) override;

private:
    bool IsTaskStep() const;
    // Takes the command text apart into template, instruction and rows; a fault is shown and
    // leaves no template and no rows, the text itself as it was.
    void ParseCommands(const std::string& commands);
    void RebuildCommands();
    void ChooseParameterRow(int row);
    bool CheckPriority();
    bool CheckName();
    bool CheckWindow();
    bool CheckTimeout();
    void WriteBack();

    CApplicationKav& project_;
    CStepKav* step_ = nullptr;
    CTaskKav* task_ = nullptr;
    bool readOnly_ = false;
    CDovaTemplate* template_ = nullptr;
    std::string commands_;
    CWindowKav* window_ = nullptr;
    int lastField_ = kApiWindow;
    StepListCopies lists_;
};
