// Reading and writing the design file. Every value is checked against the format before anything
// of the design is used, so a bad file is refused as a whole with one message.
#include "core/file/design_file.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iostream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <set>
#include <system_error>
#include <vector>

#include "core/echoed_value.h"
#include "core/system/path_text.h"

namespace dtii {
namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

constexpr std::string_view formatName = "dtii-conveyor-design";
constexpr int formatVersion = 1;

// Thrown inside this file only: what is wrong, without the file name.
struct FormatError {
    std::string problem;
};

// Keys and values come from the file: escaped and cut so that the message stays one line.
std::string inQuotes(std::string_view key) {
    return "“" + echoedValue(key) + "”";
}

std::string jsonTypeName(const Json& value) {
    switch (value.type()) {
        case Json::value_t::null:
            return "null";
        case Json::value_t::boolean:
            return "布尔值";
        case Json::value_t::array:
            return "数组";
        case Json::value_t::object:
            return "对象";
        case Json::value_t::string:
            return "文本";
        default:
            return "数字";
    }
}

// A box or list value: a JSON string as it stands, or a JSON number as the text it stands for.
std::string valueText(const Json& value, const std::string& path) {
    switch (value.type()) {
        case Json::value_t::string:
            return value.get<std::string>();
        case Json::value_t::number_integer:
            return std::to_string(value.get<std::int64_t>());
        case Json::value_t::number_unsigned:
            return std::to_string(value.get<std::uint64_t>());
        case Json::value_t::number_float:
            return typedNumberText(value.get<double>());
        default:
            throw FormatError{"键" + inQuotes(path) + "的值应为文本或数字，而不是" +
                              jsonTypeName(value)};
    }
}

const Json& sectionObject(const Json& value, const std::string& path) {
    if (!value.is_object()) {
        throw FormatError{"键" + inQuotes(path) + "的值应为对象，而不是" + jsonTypeName(value)};
    }
    return value;
}

template <class Control, std::size_t N>
const DesignKey<Control>* findKey(const std::array<DesignKey<Control>, N>& keys,
                                  std::string_view key) {
    for (const DesignKey<Control>& entry : keys) {
        if (entry.key == key) {
            return &entry;
        }
    }
    return nullptr;
}

std::string idlerFormText(const Json& value, const std::string& path) {
    std::string text = valueText(value, path);
    if (text.empty() || text == troughIdlerCaption || text == vIdlerCaption ||
        text == flatIdlerCaption) {
        return text;
    }
    throw FormatError{"键" + inQuotes(path) +
                      "的值应为“槽形托辊”、“V形托辊”、“平行托辊”或空文本，而不是" + inQuotes(text)};
}

void readInput(const Json& input, DesignFile& design) {
    for (const auto& [key, value] : sectionObject(input, "input").items()) {
        const std::string path = "input." + key;
        if (const auto* box = findKey(inputBoxKeys, key)) {
            design.boxes[box->control] = valueText(value, path);
        } else if (const auto* list = findKey(inputListKeys, key)) {
            design.lists[list->control] = valueText(value, path);
        } else if (key == "carryingIdlerForm") {
            design.carryingIdlerForm = idlerFormText(value, path);
        } else if (key == "returnIdlerForm") {
            design.returnIdlerForm = idlerFormText(value, path);
        } else if (key == "ploughTrippers") {
            design.ploughTrippers = valueText(value, path);
        } else {
            throw FormatError{"未知的键" + inQuotes(path)};
        }
    }
}

EquipmentEntries readEquipment(const Json& section) {
    EquipmentEntries entries;
    for (const auto& [key, value] : sectionObject(section, "equipment").items()) {
        const std::string path = "equipment." + key;
        if (const auto* box = findKey(equipmentBoxKeys, key)) {
            entries.boxes[static_cast<std::size_t>(box->control)] = valueText(value, path);
        } else if (key == "takeUpType") {
            entries.takeUpType = valueText(value, path);
        } else if (key == "legHeight") {
            entries.legHeight = valueText(value, path);
        } else {
            throw FormatError{"未知的键" + inQuotes(path)};
        }
    }
    return entries;
}

// The keys of the "project" section and the texts they fill. The document-control keys came
// later: they are written only when filled, so a file saved without them reads as before.
struct ProjectKey {
    std::string_view key;
    std::string ProjectInfo::*text;
    bool writtenWhenEmpty;
};

constexpr std::array<ProjectKey, 10> projectKeys{{
    {"name", &ProjectInfo::name, true},
    {"designer", &ProjectInfo::designer, true},
    {"checker", &ProjectInfo::checker, true},
    {"date", &ProjectInfo::date, true},
    {"number", &ProjectInfo::number, false},
    {"revision", &ProjectInfo::revision, false},
    {"stage", &ProjectInfo::stage, false},
    {"company", &ProjectInfo::company, false},
    {"reviewer", &ProjectInfo::reviewer, false},
    {"approver", &ProjectInfo::approver, false},
}};

ProjectInfo readProject(const Json& section) {
    ProjectInfo project;
    for (const auto& [key, value] : sectionObject(section, "project").items()) {
        // Named apart from the binding: clang before 16 cannot capture a structured binding.
        const std::string& name = key;
        const auto known =
            std::find_if(projectKeys.begin(), projectKeys.end(),
                         [&name](const ProjectKey& entry) { return entry.key == name; });
        if (known == projectKeys.end()) {
            throw FormatError{"未知的键" + inQuotes("project." + key)};
        }
        project.*(known->text) = valueText(value, "project." + key);
    }
    return project;
}

// The check parameters, each refused here when the checks could not use it.
CheckTexts readChecks(const Json& section) {
    CheckTexts texts;
    for (const auto& [key, value] : sectionObject(section, "checks").items()) {
        const std::string path = "checks." + key;
        // Named apart from the binding: clang before 16 cannot capture a structured binding.
        const std::string& name = key;
        const auto entry = std::find_if(checkParameterKeys.begin(), checkParameterKeys.end(),
                                        [&](const CheckParameterKey& k) { return k.key == name; });
        if (entry == checkParameterKeys.end()) {
            throw FormatError{"未知的键" + inQuotes(path)};
        }
        std::string text = valueText(value, path);
        if (const std::string problem = checkParameterProblem(key, text); !problem.empty()) {
            throw FormatError{"键" + inQuotes(path) + "的值" + problem};
        }
        texts.*entry->text = std::move(text);
    }
    return texts;
}

void checkFormat(const Json& root) {
    const auto format = root.find("format");
    if (format == root.end()) {
        throw FormatError{"缺少键“format”（应为“" + std::string(formatName) + "”）"};
    }
    if (!format->is_string() || format->get<std::string>() != formatName) {
        throw FormatError{"键“format”的值应为“" + std::string(formatName) + "”"};
    }
    const auto version = root.find("version");
    if (version == root.end()) {
        throw FormatError{"缺少键“version”（应为数字 1）"};
    }
    if (!version->is_number_integer() || version->get<std::int64_t>() != formatVersion) {
        throw FormatError{"键“version”的值应为数字 1（本程序只认识第 1 版）"};
    }
}

DesignFile readDesign(const Json& root) {
    if (!root.is_object()) {
        throw FormatError{"文件的顶层应为 JSON 对象，而不是" + jsonTypeName(root)};
    }
    checkFormat(root);
    DesignFile design;
    for (const auto& [key, value] : root.items()) {
        if (key == "input") {
            readInput(value, design);
        } else if (key == "equipment") {
            design.equipment = readEquipment(value);
        } else if (key == "project") {
            design.project = readProject(value);
        } else if (key == "checks") {
            design.checks = readChecks(value);
        } else if (key != "format" && key != "version") {
            throw FormatError{"未知的键" + inQuotes(key)};
        }
    }
    return design;
}

// Line and column (counted in bytes, from 1) of a byte offset into the text.
std::string positionText(std::string_view text, std::size_t byte) {
    std::size_t line = 1;
    std::size_t column = 1;
    for (std::size_t i = 0; i < byte && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return "第 " + std::to_string(line) + " 行第 " + std::to_string(column) + " 列";
}

// What the reader has seen so far: one level per object or array being read, with the path of
// the value that each level is, so that a message can name the key.
class JsonWatch {
public:
    using Event = Json::parse_event_t;

    bool operator()(int depth, Event event, const Json& parsed) {
        switch (event) {
            case Event::object_start:
            case Event::array_start:
                // The reader's depth of a new object or array counts the levels around it.
                if (depth >= static_cast<int>(designFileNestingLimit)) {
                    throw FormatError{"JSON 嵌套超过 " + std::to_string(designFileNestingLimit) +
                                      " 层，不予读取"};
                }
                levels_.push_back({event == Event::array_start ? valuePath() + "[]" : valuePath(),
                                   event == Event::array_start,
                                   {}});
                break;
            case Event::object_end:
            case Event::array_end:
                if (!levels_.empty()) {
                    levels_.pop_back();
                }
                break;
            case Event::key:
                if (!levels_.empty()) {
                    const std::string key = parsed.get<std::string>();
                    const std::string& parent = levels_.back().path;
                    lastKeyPath_ = parent.empty() ? key : parent + "." + key;
                    if (!levels_.back().keys.insert(key).second && !duplicate_) {
                        duplicate_ = lastKeyPath_;
                    }
                }
                break;
            case Event::value:
                break;
        }
        return true;
    }

    // The path of the value being read now: the key just read inside an object, the array's own
    // path inside an array.
    std::string valuePath() const {
        if (levels_.empty()) {
            return {};
        }
        return levels_.back().isArray ? levels_.back().path : lastKeyPath_;
    }

    const std::optional<std::string>& duplicate() const { return duplicate_; }

private:
    struct Level {
        std::string path;
        bool isArray;
        std::set<std::string> keys;
    };
    std::vector<Level> levels_;
    std::string lastKeyPath_;
    std::optional<std::string> duplicate_;
};

// Parses JSON and finds the first key that repeats inside one object, which the JSON reader
// would otherwise settle silently by keeping the last value. Nesting is refused past a fixed
// depth while reading, before a deep file can cost memory.
Json parseJson(std::string_view text) {
    JsonWatch watch;
    const Json::parser_callback_t callback = [&watch](int depth, Json::parse_event_t event,
                                                      Json& parsed) {
        return watch(depth, event, parsed);
    };
    try {
        Json root = Json::parse(text.begin(), text.end(), callback);
        if (watch.duplicate()) {
            throw FormatError{"键" + inQuotes(*watch.duplicate()) + "出现了不止一次"};
        }
        return root;
    } catch (const Json::parse_error& error) {
        throw FormatError{"不是合法的 JSON，" + positionText(text, error.byte - 1) + "处有误"};
    } catch (const Json::exception&) {
        // The reader refuses a number too large for a double before the value reaches us; it
        // belongs to the value being read.
        throw FormatError{"键" + inQuotes(watch.valuePath()) + "的数值超出范围"};
    }
}

void addText(OrderedJson& section, std::string_view key, const std::string& text) {
    section[std::string(key)] = text;
}

// The whole stream when it holds at most `limit` bytes; nothing more than one byte past the limit
// is read, so an endless source such as /dev/zero ends at once.
std::optional<std::string> readAtMost(std::istream& in, std::size_t limit) {
    std::string text;
    std::array<char, 65536> chunk{};
    while (in && text.size() <= limit) {
        const std::size_t wanted = std::min(chunk.size(), limit + 1 - text.size());
        in.read(chunk.data(), static_cast<std::streamsize>(wanted));
        text.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (text.size() > limit) {
        return std::nullopt;
    }
    return text;
}

std::string tooLargeProblem() {
    return "文件大于 " + std::to_string(designFileByteLimit / (1024 * 1024)) + " MiB（" +
           std::to_string(designFileByteLimit) + " 字节）的上限，不予读取";
}

}  // namespace

std::string typedNumberText(double value) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (error != std::errc{}) {
        return "0";
    }
    return std::string(buffer.data(), end);
}

DesignFileResult parseDesignFile(std::string_view json, std::string_view fileName) {
    try {
        return {readDesign(parseJson(json)), {}};
    } catch (const FormatError& error) {
        return {std::nullopt, "设计文件 " + echoedValue(fileName) + "：" + error.problem};
    }
}

DesignFileResult loadDesignFile(const std::filesystem::path& path) {
    const auto failure = [&path](std::string_view problem) {
        return DesignFileResult{
            std::nullopt, "设计文件 " + echoedValue(pathText(path)) + "：" + std::string(problem)};
    };
    if (path == "-") {
        std::optional<std::string> text = readAtMost(std::cin, designFileByteLimit);
        if (!text) {
            return {std::nullopt, "设计文件 （标准输入）：" + tooLargeProblem()};
        }
        return parseDesignFile(*text, "（标准输入）");
    }
    std::error_code folderCheck;
    if (std::filesystem::is_directory(path, folderCheck)) {
        return failure("这是一个文件夹，不是设计文件");
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::error_code ignored;
        const bool exists = std::filesystem::exists(path, ignored);
        return failure(exists ? "无法打开（没有读取权限？）" : "文件不存在");
    }
    const std::optional<std::string> text = readAtMost(file, designFileByteLimit);
    if (!text) {
        return failure(tooLargeProblem());
    }
    if (file.bad()) {
        return failure("读取失败");
    }
    return parseDesignFile(*text, pathText(path));
}

std::string designFileText(const DesignFile& design) {
    OrderedJson root;
    root["format"] = formatName;
    root["version"] = formatVersion;
    OrderedJson input = OrderedJson::object();
    for (const DesignKey<InputBox>& box : inputBoxKeys) {
        addText(input, box.key, design.boxes[box.control]);
    }
    for (const DesignKey<InputList>& list : inputListKeys) {
        // Each side's idler form stands before its roller lists, the order a person picks them
        // in and the order of the example files, so a design opened and saved again is the same
        // text.
        if (list.control == InputList::carryingRollerDiameter) {
            addText(input, "carryingIdlerForm", design.carryingIdlerForm);
        } else if (list.control == InputList::returnRollerDiameter) {
            addText(input, "returnIdlerForm", design.returnIdlerForm);
        }
        if (const auto& text = design.lists[list.control]) {
            addText(input, list.key, *text);
        }
    }
    if (design.ploughTrippers) {
        addText(input, "ploughTrippers", *design.ploughTrippers);
    }
    root["input"] = std::move(input);
    if (design.equipment) {
        OrderedJson equipment = OrderedJson::object();
        if (design.equipment->takeUpType) {
            addText(equipment, "takeUpType", *design.equipment->takeUpType);
        }
        for (const DesignKey<int>& box : equipmentBoxKeys) {
            addText(equipment, box.key,
                    design.equipment->boxes[static_cast<std::size_t>(box.control)]);
        }
        if (design.equipment->legHeight) {
            addText(equipment, "legHeight", *design.equipment->legHeight);
        }
        root["equipment"] = std::move(equipment);
    }
    if (design.project) {
        OrderedJson project = OrderedJson::object();
        for (const ProjectKey& entry : projectKeys) {
            const std::string& text = (*design.project).*entry.text;
            if (entry.writtenWhenEmpty || !text.empty()) {
                addText(project, entry.key, text);
            }
        }
        root["project"] = std::move(project);
    }
    if (design.checks) {
        OrderedJson checks = OrderedJson::object();
        for (const CheckParameterKey& entry : checkParameterKeys) {
            if (const auto& text = (*design.checks).*entry.text) {
                addText(checks, entry.key, *text);
            }
        }
        root["checks"] = std::move(checks);
    }
    // Texts that are not UTF-8 cannot come from the windows; should one appear, it is written
    // with replacement characters rather than failing the save.
    return root.dump(2, ' ', false, OrderedJson::error_handler_t::replace) + "\n";
}

std::optional<std::string> saveDesignFile(const DesignFile& design,
                                          const std::filesystem::path& path) {
    const std::string text = designFileText(design);
    // Write beside the target and rename over it, so a failed write never leaves a half file.
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) {
            return "无法写入 " + pathText(temporary);
        }
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
        file.close();
        if (!file) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return "写入 " + pathText(temporary) + " 失败";
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return "无法替换 " + pathText(path);
    }
    return std::nullopt;
}

}  // namespace dtii
