// Running the variants of a sweep. Each variant must give exactly what a fresh run of its own
// design file would give, so the window and the record are only reused where the handlers that a
// fresh replay would run are known to leave nothing else behind: a plain entry box is only read
// by compute, and a list pick only stores its own item's values, which compute takes again from
// the text the list shows. Everything else is typed in afresh.
#include "core/file/design_sweep.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "core/checks/check_parameters.h"
#include "core/checks/design_checks.h"
#include "core/echoed_value.h"
#include "core/file/csv_cells.h"
#include "core/file/design_replay.h"
#include "core/file/sweep_values.h"
#include "core/windows/input_window.h"

namespace dtii {
namespace {

constexpr std::string_view resultColumns =
    "status,Fu,Pm,T1,T2,T3,T4,safetyFactor,beltStrengthOk,minPlies,maxCapacity,fillRatio,"
    "capacityOk,ratedMotor,message";
constexpr std::size_t valueColumns = 13;  // the result columns between status and message

enum class AxisKind {
    box,             // typed into its box, read by compute
    list,            // picked in its list
    replayed,        // has its own handler: the design is typed in again
    checkParameter,  // read by the checks only
};

struct Axis {
    SweepAxis values;
    AxisKind kind = AxisKind::box;
    InputBox box = InputBox::beltWidth;            // for a box
    InputList list = InputList::workingCondition;  // for a list
    const CheckParameterKey* parameter = nullptr;
};

// Collects what compute says; answers the plough-tripper count from the variant.
class SweepDialogs : public UserDialogs {
public:
    void showMessage(std::string_view text, std::string_view, MessageIcon) override {
        messages += (messages.empty() ? "" : "；") + std::string(text);
    }
    std::string askText(std::string_view, std::string_view, std::string_view) override {
        std::string text = answer.value_or("");
        answer.reset();
        return text;
    }
    bool askOkCancel(std::string_view, std::string_view) override { return true; }

    std::string messages;
    std::optional<std::string> answer;
};

template <class Control, std::size_t N>
const DesignKey<Control>* findDesignKey(const std::array<DesignKey<Control>, N>& keys,
                                        std::string_view key) {
    const auto found = std::find_if(keys.begin(), keys.end(),
                                    [key](const DesignKey<Control>& k) { return k.key == key; });
    return found == keys.end() ? nullptr : &*found;
}

bool isIdlerFormKey(std::string_view key) {
    return key == "carryingIdlerForm" || key == "returnIdlerForm";
}

// What the axis is, or why it cannot be varied.
std::string resolve(Axis& axis) {
    const std::string& key = axis.values.key;
    if (const auto* box = findDesignKey(inputBoxKeys, key)) {
        // The belt width's lost-focus handler refills the roller lists.
        axis.kind = box->control == InputBox::beltWidth ? AxisKind::replayed : AxisKind::box;
        axis.box = box->control;
    } else if (const auto* list = findDesignKey(inputListKeys, key)) {
        axis.kind = AxisKind::list;
        axis.list = list->control;
    } else if (isIdlerFormKey(key) || key == "ploughTrippers") {
        axis.kind = AxisKind::replayed;
    } else {
        const auto parameter =
            std::find_if(checkParameterKeys.begin(), checkParameterKeys.end(),
                         [&key](const CheckParameterKey& k) { return k.key == key; });
        if (parameter == checkParameterKeys.end()) {
            return "未知的键“" + echoedValue(key) + "”（可变化的是 input 与 checks 两节的键）";
        }
        axis.kind = AxisKind::checkParameter;
        axis.parameter = &*parameter;
    }
    for (const std::string& value : axis.values.values) {
        std::string problem;
        if (axis.kind == AxisKind::checkParameter) {
            problem = checkParameterProblem(key, value);
        } else if (isIdlerFormKey(key) && !value.empty() && value != troughIdlerCaption &&
                   value != vIdlerCaption && value != flatIdlerCaption) {
            problem = "应为“槽形托辊”、“V形托辊”、“平行托辊”或空文本";
        }
        if (!problem.empty()) {
            return "键“" + echoedValue(key) + "”的值“" + echoedValue(value) + "”" + problem;
        }
    }
    return {};
}

void applyToDesign(const Axis& axis, const std::string& value, DesignFile& design) {
    switch (axis.kind) {
        case AxisKind::box:
            design.boxes[axis.box] = value;
            break;
        case AxisKind::list:
            design.lists[axis.list] = value;
            break;
        case AxisKind::checkParameter: {
            CheckTexts texts = design.checks.value_or(CheckTexts{});
            texts.*axis.parameter->text = value;
            design.checks = std::move(texts);
            break;
        }
        case AxisKind::replayed:
            if (axis.values.key == "carryingIdlerForm") {
                design.carryingIdlerForm = value;
            } else if (axis.values.key == "returnIdlerForm") {
                design.returnIdlerForm = value;
            } else if (axis.values.key == "ploughTrippers") {
                design.ploughTrippers = value;
            } else {
                design.boxes[axis.box] = value;
            }
            break;
    }
}

void appendResults(std::string& csv, const ConveyorDesign& record, const DesignChecks& checks) {
    const SharedDesign& s = record.shared;
    csv += "ok";
    for (const double value : {s.Fu, s.Pm, s.T1, s.T2, s.T3, s.T4}) {
        csv += ',';
        appendCsvNumber(csv, value);
    }
    csv += ',';
    appendCsvNumber(csv, checks.beltStrength.safetyFactor);
    csv += checks.beltStrength.ok ? ",true," : ",false,";
    if (checks.beltStrength.minPlies) {
        csv += std::to_string(*checks.beltStrength.minPlies);
    }
    csv += ',';
    appendCsvNumber(csv, checks.capacity.maxCapacity);
    csv += ',';
    appendCsvNumber(csv, checks.capacity.fillRatio);
    csv += checks.capacity.ok ? ",true," : ",false,";
    if (checks.motor.rated) {
        appendCsvNumber(csv, *checks.motor.rated);
    }
    csv += ',';
}

}  // namespace

struct DesignSweep::State {
    DesignFile base;
    std::vector<Axis> axes;
    std::string error;
    std::vector<std::size_t> positions;  // the value of each axis in the current variant
    bool started = false;
    bool finished = false;
    // The window and record as the fresh load leaves them, and as the current design left them.
    InputWindow loadedWindow;
    ConveyorDesign loadedRecord;
    InputWindow window;
    ConveyorDesign record;
    CheckParameters parameters;
    // The equipment entries the checks take, as `check` takes them from the same file.
    std::optional<double> pulleyDiameter;
    std::string takeUpType;
    SweepDialogs dialogs;
    std::string typingMessages;  // shown while the current design was typed in
    SweepVariant row;            // the variant of the row being written, kept to reuse its room

    const std::string& valueOf(std::size_t axis) const {
        return axes[axis].values.values[positions[axis]];
    }

    void typeDesignIn() {
        DesignFile design = base;
        for (std::size_t axis = 0; axis < axes.size(); ++axis) {
            applyToDesign(axes[axis], valueOf(axis), design);
        }
        window = loadedWindow;
        record = loadedRecord;
        dialogs.answer = design.ploughTrippers;
        dialogs.messages.clear();
        replayInputWindow(design, window, record, dialogs);
        dialogs.answer.reset();
        typingMessages = dialogs.messages;
        readParameters(design);
    }

    void readParameters(const DesignFile& design) {
        // Every text was checked when the file and the axes were read.
        parameters = usableCheckParameters(design.checks);
        pulleyDiameter = enteredPulleyDiameter(design.equipment);
        takeUpType = enteredTakeUpType(design.equipment);
    }

    // Moves to the next variant and updates the window for the axes that changed; false when
    // every variant has run.
    bool advance() {
        if (!started) {
            started = true;
            positions.assign(axes.size(), 0);
            typeDesignIn();
            return true;
        }
        if (axes.empty()) {
            return false;  // the design alone is the one variant
        }
        // The odometer: the last axis turns fastest; `first` is the slowest axis that moved.
        std::size_t first = axes.size();
        while (first > 0) {
            --first;
            if (++positions[first] < axes[first].values.values.size()) {
                break;
            }
            positions[first] = 0;
            if (first == 0) {
                return false;
            }
        }
        bool replay = false;
        bool parametersChanged = false;
        for (std::size_t axis = first; axis < axes.size(); ++axis) {
            replay = replay || axes[axis].kind == AxisKind::replayed;
            parametersChanged = parametersChanged || axes[axis].kind == AxisKind::checkParameter;
        }
        if (replay) {
            typeDesignIn();
            return true;
        }
        for (std::size_t axis = first; axis < axes.size(); ++axis) {
            const Axis& changed = axes[axis];
            if (changed.kind == AxisKind::box) {
                window.boxes[changed.box] = valueOf(axis);
            } else if (changed.kind == AxisKind::list) {
                window.lists[changed.list].text = valueOf(axis);
                pickListItem(window, record, changed.list);
            }
        }
        if (parametersChanged) {
            DesignFile design = base;
            for (std::size_t axis = 0; axis < axes.size(); ++axis) {
                if (axes[axis].kind == AxisKind::checkParameter) {
                    applyToDesign(axes[axis], valueOf(axis), design);
                }
            }
            readParameters(design);
        }
        return true;
    }
};

DesignSweep::DesignSweep(const DesignFile& base, std::vector<SweepAxis> axes)
    : state_(std::make_unique<State>()) {
    State& s = *state_;
    s.base = base;
    for (SweepAxis& values : axes) {
        Axis axis{std::move(values)};
        if (s.error.empty()) {
            s.error = resolve(axis);
        }
        const bool repeated = std::any_of(s.axes.begin(), s.axes.end(), [&](const Axis& other) {
            return other.values.key == axis.values.key;
        });
        if (s.error.empty() && repeated) {
            s.error = "键“" + echoedValue(axis.values.key) + "”只能变化一次";
        }
        if (s.error.empty() && axis.values.values.empty()) {
            s.error = "键“" + echoedValue(axis.values.key) + "”没有值";
        }
        s.axes.push_back(std::move(axis));
    }
    loadInputWindow(s.loadedWindow, s.loadedRecord);
}

DesignSweep::~DesignSweep() = default;

const std::string& DesignSweep::error() const {
    return state_->error;
}

std::uint64_t DesignSweep::variantCount() const {
    std::uint64_t count = 1;
    for (const Axis& axis : state_->axes) {
        count *= axis.values.values.size();
        if (count > largestSweep) {
            return largestSweep + 1;
        }
    }
    return count;
}

std::string DesignSweep::header() const {
    std::string line;
    for (const Axis& axis : state_->axes) {
        appendCsvCell(line, axis.values.key);
        line += ',';
    }
    line += resultColumns;
    line += "\r\n";
    return line;
}

bool DesignSweep::runNextVariant(SweepVariant& variant) {
    State& s = *state_;
    if (!s.error.empty() || s.finished || !s.advance()) {
        s.finished = true;
        return false;
    }
    variant.positions = s.positions;
    variant.typingMessages = s.typingMessages;
    // Compute from the typed-in state every time, so no variant sees what another one computed.
    variant.record = s.record;
    s.window.focusBox.reset();
    s.dialogs.messages.clear();
    variant.computed =
        computeDrive(s.window, variant.record, s.dialogs) == ComputeOutcome::computed;
    variant.computeMessages = s.dialogs.messages;
    if (variant.computed) {
        variant.checks = runDesignChecks(variant.record, s.window.lists[InputList::beltType].text,
                                         s.parameters, s.pulleyDiameter, s.takeUpType);
    }
    return true;
}

bool DesignSweep::appendNextRow(std::string& csv) {
    SweepVariant& variant = state_->row;
    if (!runNextVariant(variant)) {
        return false;
    }
    for (std::size_t axis = 0; axis < state_->axes.size(); ++axis) {
        appendCsvCell(csv, state_->valueOf(axis));
        csv += ',';
    }
    if (variant.computed) {
        appendResults(csv, variant.record, variant.checks);
    } else {
        csv += "refused";
        csv.append(valueColumns + 1, ',');
        appendCsvCell(csv, variant.computeMessages);
    }
    csv += "\r\n";
    return true;
}

}  // namespace dtii
