#include "InsuranceSample.h"

#include "model/ActionKav.h"
#include "model/ApplicationKav.h"
#include "model/ArgumentKav.h"
#include "model/TransitionKav.h"
#include "model/windows/WindowTypes.h"

namespace {

// Win32 style bits of the demo's dialog resource.
constexpr std::uint32_t kPopup = 0x80000000, kChild = 0x40000000, kVisible = 0x10000000, kCaption = 0x00C00000,
                        kBorder = 0x00800000, kSystemMenu = 0x00080000, kGroup = 0x00020000, kTabStop = 0x00010000,
                        kModalFrame = 0x80;
constexpr std::uint32_t kDialog = kPopup | kCaption | kSystemMenu | kModalFrame;
constexpr std::uint32_t kControl = kChild | kVisible;
constexpr std::uint32_t kGroupBoxStyle = kControl | 0x7;
constexpr std::uint32_t kRadioStyle = kControl | 0x9;
constexpr std::uint32_t kEditStyle = kControl | kBorder | kTabStop | 0x80;
constexpr std::uint32_t kReadOnly = 0x800;
constexpr std::uint32_t kPushStyle = kControl | kTabStop;
constexpr std::uint32_t kDefaultPush = 0x1;
constexpr int kNoControlId = 65535;
constexpr int kStandardWindows = 999;
constexpr int kPlainTextFormat = 2;

constexpr int kNumber = 2, kBool = 3, kString = 4;
constexpr int kManualRecord = 1;

constexpr int kOpenModalDialog = 7, kCloseWindow = 8, kCloseApplication = 9;

class SampleBuilder {
public:
    explicit SampleBuilder(const std::string& path) : project_(std::make_unique<CApplicationKav>()) {
        file_ = project_->GetFiles().Add(new CFileKav("Insurance", "Insurance.xml", path));
        file_->SetID("Insurance_File");
    }

    std::unique_ptr<CApplicationKav> Build() {
        Settings();
        Windows();
        Transitions();
        TestData();
        Requirements();
        Tasks();
        return std::move(project_);
    }

private:
    template <class T>
    T* Own(T* object) {
        object->SetFile(file_);
        object->SetFileId(file_->GetID());
        return object;
    }

    void Settings() {
        CApplicationKav& p = *project_;
        p.SetId("Insurance_Project");
        p.SetName("Insurance");
        p.SetDescription("Model of the insurance premium demo: one dialog that calculates a vehicle insurance "
                         "premium from vehicle, engine power, sex and age, and refuses clients by three age rules.");
        p.SetGuiId(kStandardWindows);
        p.SetOldTaskMode(0);
        p.SetOutputFormat(kPlainTextFormat);
        p.SetExePath("insurance");
    }

    // ---- The GUI model

    CWindowKav* Window(const std::string& id, const std::string& name, int type, CWindowKav* parent,
                       WindowFields fields, WindowRect rect, const std::string& initialValue = {}) {
        fields.id = name;
        fields.guiId = kStandardWindows;
        CWindowKav* window = Own(CreateWindowOfType(type, fields));
        window->SetInternalID(id);
        window->SetRect(rect);
        if (type == kWndInputField || type == kWndGroupBox)
            static_cast<CExtraTextWindowKav*>(window)->SetInitialValue(initialValue);
        project_->GetWindowList().Add(window);
        if (parent) parent->AddChild(window);
        return window;
    }

    CWindowKav* Control(const std::string& id, const std::string& name, int type, CWindowKav* parent, int numId,
                        const std::string& className, const std::string& caption, std::uint32_t style, int tabNr,
                        WindowRect rect, const std::string& initialValue = {}) {
        return Window(id, name, type, parent,
                      {.numId = numId, .className = className, .caption = caption, .style = style, .tabNr = tabNr},
                      rect, initialValue);
    }

    void Windows() {
        main_ = Window("W_Insurance", "Insurance", kWndDialogBox, nullptr,
                       {.className = "#32770", .method = 1, .caption = "Insurance Premium Calculation",
                        .style = kDialog | kVisible},
                       {0, 0, 330, 250});
        // As the standard Windows builder sees a radio group: the radio buttons are siblings of
        // their group box and lie inside its rectangle.
        vehicle_ = Control("W_Vehicle", "Vehicle_GRP", kWndGroupBox, main_, kNoControlId, "Button", "Vehicle",
                           kGroupBoxStyle, 0, {10, 10, 160, 100}, "Motorcycle");
        Control("W_Motorcycle", "Motorcycle", kWndRadioButton, main_, 1073, "Button", "Motorcycle",
                kRadioStyle | kGroup | kTabStop, 1, {20, 30, 150, 45});
        Control("W_Car", "Car", kWndRadioButton, main_, 1074, "Button", "Car", kRadioStyle, 2, {20, 55, 150, 70});
        Control("W_Van", "Van", kWndRadioButton, main_, 1075, "Button", "Van", kRadioStyle, 3, {20, 80, 150, 95});
        Control("W_EnginePowerLabel", "EnginePower_TXT", kWndStaticText, main_, kNoControlId, "Static",
                "Engine Power (HP)", kControl | kGroup, 4, {180, 15, 310, 30});
        enginePower_ = Control("W_EnginePower", "EnginePower", kWndInputField, main_, 1041, "Edit", "", kEditStyle, 5,
                               {180, 35, 310, 55}, "0");
        client_ = Control("W_Client", "Client_GRP", kWndGroupBox, main_, kNoControlId, "Button", "Client",
                          kGroupBoxStyle, 6, {10, 110, 160, 175}, "Male");
        Control("W_Male", "Male", kWndRadioButton, main_, 1076, "Button", "Male", kRadioStyle | kGroup | kTabStop,
                7, {20, 130, 150, 145});
        Control("W_Female", "Female", kWndRadioButton, main_, 1077, "Button", "Female", kRadioStyle, 8,
                {20, 155, 150, 170});
        Control("W_AgeLabel", "Age_TXT", kWndStaticText, main_, kNoControlId, "Static", "Age", kControl | kGroup, 9,
                {180, 115, 310, 130});
        age_ = Control("W_Age", "Age", kWndInputField, main_, 1040, "Edit", "", kEditStyle, 10, {180, 135, 310, 155},
                       "0");
        calculate_ = Control("W_Calculate", "Calculate", kWndPushButton, main_, 1, "Button", "Calculate !",
                             kPushStyle | kDefaultPush, 11, {10, 190, 110, 215});
        Control("W_PremiumLabel", "InsurancePremium_TXT", kWndStaticText, main_, kNoControlId, "Static",
                "Insurance Premium", kControl, 12, {120, 180, 230, 195});
        Control("W_Premium", "InsurancePremium", kWndInputField, main_, 1081, "Edit", "",
                kEditStyle | kReadOnly, 13, {120, 195, 230, 215});
        close_ = Control("W_Close", "Close", kWndPushButton, main_, 2, "Button", "Close", kPushStyle, 14,
                         {240, 190, 310, 215});

        error_ = Window("W_Error", "Error", kWndDialogBox, nullptr,
                        {.className = "#32770", .method = 1, .caption = "Error", .style = kDialog},
                        {0, 0, 260, 110});
        Control("W_ErrorText", "ErrorText_TXT", kWndStaticText, error_, kNoControlId, "Static", "", kControl, 0,
                {50, 20, 240, 40});
        errorOk_ = Control("W_ErrorOK", "OK", kWndPushButton, error_, 2, "Button", "OK", kPushStyle | kDefaultPush,
                           1, {95, 60, 165, 85});
        project_->SetStartWindow(main_);
    }

    CTransitionKav* Transition(CWindowKav* window, const std::string& id, const std::string& name,
                               const std::string& description, const std::string& result, CWindowKav* destination,
                               int errorCase = 0) {
        auto* transition = window->GetTransitions().Add(new CTransitionKav(
            name, "Click", "", description, "", result, window, destination, 0, nullptr, 2, "0", errorCase));
        transition->SetId(id);
        return transition;
    }

    static void Condition(CStepKav* step, const std::string& id, const std::string& text) {
        step->GetConditions().Add(new CConditionKav("", text))->SetUniqueId(id);
    }

    static void Action(CStepKav* step, const std::string& id, int number, std::vector<std::string> arguments) {
        CActionKav* action = step->GetActions().Add(new CActionKav(number));
        action->SetId(id);
        for (std::string& value : arguments) action->GetArguments().Add(new CArgumentKav(0, std::move(value)));
    }

    void Transitions() {
        calculation_ = Transition(calculate_, "T_Calculate", "Calculate",
                                  "Calculates the premium of the client entered.",
                                  "The premium is shown: the base premium of the vehicle and its engine power, "
                                  "20 % more for men under 25, women under 22 and clients over 65.",
                                  main_);
        Condition(calculation_, "C_Calculate",
                  "#Age# >= 18 and (#Vehicle_GRP# != \"Van\" or (#Age# > 20 and #Age# <= 65))");

        struct Refusal {
            const char* id;
            const char* name;
            const char* condition;
            const char* message;
        };
        const Refusal refusals[] = {
            {"TooYoung", "Calculate_TooYoung", "#Age# < 18", "Client too young!"},
            {"VanTooYoung", "Calculate_VanTooYoung", "#Vehicle_GRP# = \"Van\" and #Age# >= 18 and #Age# <= 20",
             "Client too young for driving a van!"},
            {"VanTooOld", "Calculate_VanTooOld", "#Vehicle_GRP# = \"Van\" and #Age# > 65", "Client too old!"},
        };
        for (const Refusal& r : refusals) {
            const std::string id = r.id;
            CTransitionKav* refusal =
                Transition(calculate_, "T_" + id, r.name, "The calculation is refused.",
                           "A message box \"Error\" says: " + std::string(r.message), error_, 1);
            Condition(refusal, "C_" + id, r.condition);
            Action(refusal, "A_" + id, kOpenModalDialog, {"#Error#"});
            refusals_.push_back(refusal);
        }

        acknowledge_ = Transition(errorOk_, "T_ErrorOK", "Error_OK", "Closes the message box.",
                                  "The dialog shows the premium of the last calculation.", main_);
        Action(acknowledge_, "A_ErrorOK", kCloseWindow, {"#Error#"});
        closing_ = Transition(close_, "T_Close", "Close", "Closes the dialog and ends the program.",
                              "The program has ended.", nullptr);
        Action(closing_, "A_Close", kCloseApplication, {});
    }

    // ---- Test data

    CDataField* Field(const std::string& id, const std::string& name, int type, int min, int max,
                      const std::string& defaultValue, const std::string& description) {
        CDataField* field = Own(new CDataField(name, type, min, max, defaultValue, description));
        field->SetId(id);
        return clients_->GetFields().Add(field);
    }

    static void Class(CDataField* field, const std::string& id, const std::string& name, bool valid,
                      const std::string& min, const std::string& max, std::vector<std::string> values) {
        auto* eqClass = field->GetEqClasses().Add(new CDataEqClass(name, valid ? 1 : 0, "", min, max));
        eqClass->SetId(id);
        eqClass->GetRepresentativeValues() = std::move(values);
    }

    void Effect(const std::string& id, const std::string& name, bool valid, const std::string& cause,
                const std::string& variable) {
        CDataEffect* effect = clients_->GetEffects().Add(Own(new CDataEffect(name, valid ? 1 : 0)));
        effect->SetId(id);
        auto* condition = new CConditionKav("", cause);
        condition->SetUniqueId("C_" + id);
        effect->SetCondition(condition);
        auto* attribute = new CAttributeKav(variable, kBool, "1");
        attribute->SetId("A_" + id);
        effect->SetAttribute(attribute);
    }

    void Record(const std::string& id, const std::string& name, bool valid, std::vector<std::string> values,
                std::vector<std::string> effects) {
        CDataRecord* record = clients_->GetRecords().Add(Own(new CDataRecord(name, valid ? 1 : 0, kManualRecord)));
        record->SetId(id);
        for (size_t i = 0; i < values.size(); ++i) record->GetValues().Set(clients_->GetFields()[i]->GetId(), values[i]);
        record->GetEffectIds() = std::move(effects);
    }

    void TestData() {
        clients_ = project_->GetDataSets().Add(
            Own(new CDataSet("Clients", "The clients whose premium is calculated: vehicle, engine power, sex and age.")));
        clients_->SetId("D_Clients");

        CDataField* vehicle = Field("F_Vehicle", "Vehicle", kString, 0, 999999, "Motorcycle", "The vehicle insured.");
        Class(vehicle, "E_Motorcycle", "Motorcycle", true, "", "", {"Motorcycle"});
        Class(vehicle, "E_Car", "Car", true, "", "", {"Car"});
        Class(vehicle, "E_Van", "Van", true, "", "", {"Van"});
        CDataField* power =
            Field("F_EnginePower", "EnginePower", kNumber, 0, 1000, "0", "Engine power in HP; it sets the base premium.");
        Class(power, "E_Below25", "Below25", true, "0", "24", {"10", "24"});
        Class(power, "E_From25", "From25To59", true, "25", "59", {"25", "59"});
        Class(power, "E_From60", "From60To99", true, "60", "99", {"60", "99"});
        Class(power, "E_From100", "From100", true, "100", "1000", {"100", "250"});
        CDataField* sex = Field("F_Sex", "Sex", kString, 0, 999999, "Male", "The client's sex.");
        Class(sex, "E_Male", "Male", true, "", "", {"Male"});
        Class(sex, "E_Female", "Female", true, "", "", {"Female"});
        CDataField* age = Field("F_Age", "Age", kNumber, 0, 120, "0", "The client's age in years.");
        Class(age, "E_Under18", "Under18", false, "0", "17", {"0", "17"});
        Class(age, "E_From18", "From18To21", true, "18", "21", {"18", "21"});
        Class(age, "E_From22", "From22To24", true, "22", "24", {"22", "24"});
        Class(age, "E_From25Years", "From25To65", true, "25", "65", {"25", "65"});
        Class(age, "E_Over65", "Over65", true, "66", "120", {"66", "120"});

        Effect("X_TooYoung", "TooYoung", false, "#Age# < 18", "Refused");
        Effect("X_YoungDriver", "YoungDriver", true, "#Age# >= 18 and #Age# < 22", "Surcharge");
        Effect("X_Senior", "Senior", true, "#Age# > 65", "Surcharge");
        for (const char* variable : {"Refused", "Surcharge"}) {
            auto* attribute = clients_->GetAttributes().Add(Own(new CAttributeKav(variable, kBool, "0")));
            attribute->SetId(std::string("V_") + variable);
        }

        Record("R_V1", "V1", true, {"Car", "60", "Female", "21"}, {"X_YoungDriver"});
        Record("R_V2", "V2", true, {"Motorcycle", "24", "Male", "24"}, {});
        Record("R_V3", "V3", true, {"Van", "99", "Male", "30"}, {});
        Record("R_V4", "V4", true, {"Car", "100", "Male", "66"}, {"X_Senior"});
        Record("R_I1", "I1", false, {"Car", "60", "Male", "17"}, {"X_TooYoung"});
        Record("R_I2", "I2", false, {"Van", "60", "Female", "20"}, {"X_YoungDriver"});
        Record("R_I3", "I3", false, {"Van", "99", "Male", "70"}, {"X_Senior"});
    }

    // ---- Requirements and tasks

    CRequirement* Requirement(const std::string& id, const std::string& name, const std::string& title,
                              const std::string& description, CRequirement* parent = nullptr) {
        CRequirement* requirement = project_->GetRequirements().Add(Own(new CRequirement(name, title, description)));
        requirement->SetUniqueId(id);
        if (parent) parent->AddChild(requirement);
        return requirement;
    }

    void Requirements() {
        premium_ = Requirement("Q_Premium", "R1", "Premium calculation",
                               "The base premium follows from the vehicle and its engine power: motorcycles 50 "
                               "below 25 HP, else 100; cars 100 below 60 HP, 200 below 100 HP, else 300; vans 200, "
                               "400 and 600.");
        surcharge_ = Requirement("Q_Surcharge", "R1_1", "Surcharge",
                                 "Men under 25, women under 22 and clients over 65 pay 20 % more.", premium_);
        ageRules_ = Requirement("Q_AgeRules", "R2", "Age rules",
                                "Clients under 18 are refused, and so are van drivers of 20 or younger and over 65.");
    }

    CTaskKav* Task(const std::string& id, const std::string& name, int type, CTaskKav* parent,
                   const std::string& description) {
        CTaskKav* task = project_->GetTasks().Add(Own(new CTaskKav(name, type)));
        task->SetID(id);
        task->SetDescription(description);
        if (parent) parent->AddChild(task);
        // As the task editor makes them: a task or building block begins with the blank step
        // "Start", which generation leaves out of the test cases.
        if (type != kTaskFolder) Step(task, "S_" + id.substr(2) + "Start", "Start", nullptr, "");
        return task;
    }

    // A step on a window of its own; designators in its description are filled in by generation.
    CTaskStep* Step(CTaskKav* task, const std::string& id, const std::string& name, CWindowKav* window,
                    const std::string& event, const std::string& description = {}) {
        auto* step = task->GetSteps().Add(
            new CTaskStep(name, event, "", description, "", "", window, window, 0, nullptr, 2, "0", 1));
        step->SetId(id);
        return step;
    }

    // A step that performs a transition and takes its texts.
    CTaskStep* Perform(CTaskKav* task, const std::string& id, CTransitionKav* transition) {
        CTaskStep* step = Step(task, id, "", nullptr, "");
        step->SetTransition(transition);
        return step;
    }

    CTaskStep* Call(CTaskKav* task, const std::string& id, CTaskKav* subTask) {
        CTaskStep* step = Step(task, id, subTask->GetName(), nullptr, "");
        step->SetSubTask(subTask);
        return step;
    }

    static void Chain(CTaskKav* task) {
        task->SetStartStep(task->GetSteps().front());
        for (size_t i = 1; i < task->GetSteps().size(); ++i)
            task->ConnectSteps(task->GetSteps()[i - 1], task->GetSteps()[i]);
    }

    void Tasks() {
        CTaskKav* root = Task("K_Root", "Project Insurance", kTaskFolder, nullptr, "");
        project_->SetRootTask(root);

        // The dialog's answer to any client: the premium, or the error box of the age rule that
        // refuses the client, closed again. The record in use decides which branch a path can take.
        CTaskKav* block = Task("K_EnterClient", "EnterClientAndCalculate", kTaskBuildingBlock, root,
                               "Enters the client of the current record of Clients and calculates the premium; a "
                               "client refused by an age rule gets the error box, which is closed.");
        Step(block, "S_Vehicle", "Choose vehicle", vehicle_, "Select(#~Clients:Vehicle#)",
             "Choose the vehicle #~Clients:Vehicle# of client #~Clients:$id#.");
        Step(block, "S_EnginePower", "Enter engine power", enginePower_, "Input(#~Clients:EnginePower#)",
             "Enter the engine power #~Clients:EnginePower# HP.");
        Step(block, "S_Sex", "Choose sex", client_, "Select(#~Clients:Sex#)", "Choose #~Clients:Sex#.");
        CTaskStep* age = Step(block, "S_Age", "Enter age", age_, "Input(#~Clients:Age#)",
                              "Enter the age #~Clients:Age#.");
        Chain(block);
        block->ConnectSteps(age, Perform(block, "S_Calculate", calculation_));
        std::vector<CTaskStep*> refusedSteps;
        for (CTransitionKav* refusal : refusals_) {
            refusedSteps.push_back(Perform(block, "S_" + refusal->GetId().substr(2), refusal));
            block->ConnectSteps(age, refusedSteps.back());
        }
        CTaskStep* acknowledge = Perform(block, "S_ErrorOK", acknowledge_);
        for (CTaskStep* refused : refusedSteps) block->ConnectSteps(refused, acknowledge);

        // Loops over the records: the block once for each valid client, or for each invalid one.
        CTaskKav* premiums = ClientTask("K_Premiums", "CalculatePremiums", "S_EachClient", "S_Close", block,
                                        "Calculates the premium of every valid client and ends the program.");
        LoopOverClients(premiums, kLoopValidRecords);
        premiums->SetTestGoal("Every valid client gets the premium of the rules.");
        premiums->SetTestType("Functional Test");
        premiums->GetRequirements() = {premium_, surcharge_};

        CTaskKav* invalid = ClientTask("K_InvalidClients", "RefuseInvalidClients", "S_EachInvalidClient",
                                       "S_CloseAfterInvalid", block,
                                       "Every invalid client is refused by its age rule; then the program ends.");
        LoopOverClients(invalid, kLoopInvalidRecords);
        invalid->SetTestGoal("No client that an age rule excludes gets a premium.");
        invalid->SetTestType("Error Test");
        invalid->GetRequirements() = {ageRules_};

        // Data-oriented tests: one test case per record of the task's data set. A task that loops
        // over the same data set cannot have it, as its loop would move the record in use.
        CTaskKav* single = ClientTask("K_OneClient", "CalculateOnePremium", "S_OneClient", "S_CloseAfterOne", block,
                                      "Calculates the premium of one client of Clients, or has it refused, and ends "
                                      "the program.");
        single->SetDataSet(clients_);
        single->SetTestGoal("Each client gets the premium or the refusal of the rules.");
        single->SetTestType("Functional Test");
        single->GetRequirements() = {premium_, surcharge_, ageRules_};

        CTaskKav* refused = Task("K_Refused", "RefuseYoungClient", kTaskPlain, root,
                                 "A client under 18 is refused; the message box is closed and so is the program.");
        refused->SetTestGoal("A client under 18 gets no premium.");
        refused->SetTestLevel("System Test");
        refused->SetTestType("Error Test");
        Step(refused, "S_YoungAge", "Enter age 17", age_, "Input(17)", "Enter the age 17.");
        Perform(refused, "S_Refused", refusals_.front());
        Perform(refused, "S_Acknowledge", acknowledge_);
        Perform(refused, "S_End", closing_);
        Chain(refused);
        refused->GetRequirements() = {ageRules_};
    }

    // A system test that runs the block, then ends the program.
    CTaskKav* ClientTask(const std::string& id, const std::string& name, const std::string& callId,
                         const std::string& closeId, CTaskKav* block, const std::string& description) {
        CTaskKav* task = Task(id, name, kTaskPlain, block->GetParent(), description);
        task->SetTestLevel("System Test");
        Call(task, callId, block);
        Perform(task, closeId, closing_);
        Chain(task);
        return task;
    }

    // The task's block call repeats for each record of Clients of the loop's kind.
    void LoopOverClients(CTaskKav* task, int loopMode) {
        CTaskStep* call = task->GetSteps()[1];
        call->SetLoopMode(loopMode);
        call->SetLoopCount("0");
        call->SetLoopDataSet(clients_);
    }

    std::unique_ptr<CApplicationKav> project_;
    CFileKav* file_ = nullptr;
    CWindowKav *main_ = nullptr, *vehicle_ = nullptr, *enginePower_ = nullptr, *client_ = nullptr, *age_ = nullptr,
               *calculate_ = nullptr, *close_ = nullptr, *error_ = nullptr, *errorOk_ = nullptr;
    CTransitionKav *calculation_ = nullptr, *acknowledge_ = nullptr, *closing_ = nullptr;
    std::vector<CTransitionKav*> refusals_;  // too young, van driver too young, van driver too old
    CDataSet* clients_ = nullptr;
    CRequirement *premium_ = nullptr, *surcharge_ = nullptr, *ageRules_ = nullptr;
};

}  // namespace

std::unique_ptr<CApplicationKav> BuildInsuranceSample(const std::string& mainFilePath) {
    return SampleBuilder(mainFilePath).Build();
}
